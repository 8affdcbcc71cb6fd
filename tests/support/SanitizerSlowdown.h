#pragma once
// Time limits of tests that time a whole program run. Under AddressSanitizer every memory access
// is checked and the leak check runs at exit, so a run takes several times as long: the limits
// stretch by that factor there and stay as they are in an ordinary build.

#if defined(__SANITIZE_ADDRESS__)
#define PELANDRIX_TESTS_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELANDRIX_TESTS_UNDER_ASAN 1
#endif
#endif

namespace SanitizerSlowdown {

#ifdef PELANDRIX_TESTS_UNDER_ASAN
inline constexpr int kFactor = 5;
#else
inline constexpr int kFactor = 1;
#endif

// A time limit measured on an ordinary build, stretched for this build.
constexpr int Scaled(int milliseconds)
{
    return milliseconds * kFactor;
}

} // namespace SanitizerSlowdown
