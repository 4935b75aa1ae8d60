// Typed values taken from the front of a fuzzer's input. An input that has
// run out reads as zero bytes, so every input is a complete case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kelpworth::fuzz {

struct TFuzzBytes {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    std::size_t At = 0;
};

inline std::uint8_t TakeByte(TFuzzBytes& bytes) {
    return bytes.At < bytes.Size ? bytes.Data[bytes.At++] : 0;
}

inline std::uint16_t TakeWord(TFuzzBytes& bytes) {
    const unsigned low = TakeByte(bytes);
    return static_cast<std::uint16_t>(low | (unsigned{TakeByte(bytes)} << 8));
}

inline std::uint32_t TakeLong(TFuzzBytes& bytes) {
    const std::uint32_t low = TakeWord(bytes);
    return low | (std::uint32_t{TakeWord(bytes)} << 16);
}

inline std::uint64_t TakeQuad(TFuzzBytes& bytes) {
    const std::uint64_t low = TakeLong(bytes);
    return low | (std::uint64_t{TakeLong(bytes)} << 32);
}

// A length byte (taken modulo maxLength + 1), then that many bytes.
inline std::string TakeText(TFuzzBytes& bytes, std::size_t maxLength) {
    const std::size_t length = TakeByte(bytes) % (maxLength + 1);
    std::string text;
    for (std::size_t i = 0; i < length && bytes.At < bytes.Size; ++i) {
        text.push_back(static_cast<char>(TakeByte(bytes)));
    }
    return text;
}

// Everything not taken yet.
inline std::string_view RestOf(TFuzzBytes& bytes) {
    const std::size_t at = bytes.At < bytes.Size ? bytes.At : bytes.Size;
    bytes.At = bytes.Size;
    return {reinterpret_cast<const char*>(bytes.Data) + at, bytes.Size - at};
}

// A broken invariant: say which and stop, so that the fuzzer keeps the input.
[[noreturn]] inline void Violated(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "invariant violated: %s [%.*s]\n", what,
                 static_cast<int>(detail.size() > 400 ? 400 : detail.size()), detail.data());
    std::abort();
}

inline void Require(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds) Violated(what, detail);
}

}  // namespace kelpworth::fuzz
