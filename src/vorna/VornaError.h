#pragma once
// Inside the library a failure travels as a thrown int, the result code the export returns.

#include "VORNA.h"

#include <cstddef>
#include <cstdint>

[[noreturn]] inline void Raise(int code)
{
    throw code;
}

// Raises code unless condition holds.
inline void Require(bool condition, int code)
{
    if (!condition)
        Raise(code);
}

inline void RequireArgument(const void* pointer)
{
    Require(pointer != nullptr, VORNA_RESULT_INVALID_ARGUMENT);
}
