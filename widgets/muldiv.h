#pragma once

#include <climits>
#include <cstdint>

namespace cx {

// a·b/c with a 64-bit intermediate, rounded to the nearest integer with
// halves away from zero; -1 when c is 0 or the result does not fit in 32 bits.
// The painting arithmetic of the controls depends on exactly this rounding.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t p = std::int64_t(a) * b;
    const bool negative = (p < 0) != (c < 0);
    const std::uint64_t ap = p < 0 ? std::uint64_t(-p) : std::uint64_t(p);
    const std::uint64_t ac = c < 0 ? std::uint64_t(-std::int64_t(c)) : std::uint64_t(c);
    const std::uint64_t q = (ap + ac / 2) / ac;
    if (negative) {
        if (q > std::uint64_t(INT_MAX) + 1)
            return -1;
        return int(-std::int64_t(q));
    }
    if (q > std::uint64_t(INT_MAX))
        return -1;
    return int(q);
}

} // namespace cx
