#pragma once
// Shared by the fuzz harnesses: the libFuzzer entry point, a check that
// aborts (so the fuzzer and the replay runner both report it) and a reader
// that splits one input into several parameters.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

#define CX_FUZZ_CHECK(cond)                                                                        \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace cx::fuzz {

// Takes parameters off the front of an input; what is left is the last one.
class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : rest_(reinterpret_cast<const char *>(data), size) {}

    std::uint8_t byte()
    {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // A piece of at most `max` bytes whose length is given by the next byte.
    std::string_view piece(std::size_t max)
    {
        const std::size_t n = std::min<std::size_t>(byte() % (max + 1), rest_.size());
        const std::string_view p = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return p;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

} // namespace cx::fuzz
