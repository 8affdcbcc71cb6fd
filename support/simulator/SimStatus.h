#pragma once
// Status words the simulated controller answers where the protocol leaves the value to the
// device. 0x8100 and 0x8101 are the refusals the library's direct command knows.

#include <cstdint>

namespace pelsim {

inline constexpr std::uint16_t kStatusOk = 0;
inline constexpr std::uint16_t kStatusNoSuchFile = 1;
inline constexpr std::uint16_t kStatusLoginRefused = 0x8011;
inline constexpr std::uint16_t kStatusUnknownAccount = 0x8012;
inline constexpr std::uint16_t kStatusAccountExists = 0x8013;
inline constexpr std::uint16_t kStatusUnknownCommand = 0x8100;
inline constexpr std::uint16_t kStatusBadRequest = 0x8101;
inline constexpr std::uint16_t kStatusUnknownGatewayTarget = 0x8102;

// Result words of a 30013 entry.
inline constexpr std::uint16_t kLogResultApplied = 0;
inline constexpr std::uint16_t kLogResultFailed = 1;
inline constexpr std::uint16_t kLogResultInvalid = 2;

} // namespace pelsim
