// The bits of one value as a value of another type of the same size, as
// std::bit_cast gives them; for the standard libraries that lack it
// (emscripten's libc++ of Debian 12). Compilers make it the same move.
#pragma once

#include <cstring>
#include <type_traits>

namespace kelpworth {

template <class To, class From>
inline To BitCopy(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    static_assert(std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
    To to;
    std::memcpy(&to, &from, sizeof(To));
    return to;
}

}  // namespace kelpworth
