// The one bounds-checked way to read and write little-endian fields of OPT file bytes.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>

namespace opt {

// Reads a little-endian int32 or float at pos; nothing when the 4 bytes are not all inside bytes.
template <class T>
std::optional<T> read_at(std::span<const uint8_t> bytes, int64_t pos) {
    static_assert(sizeof(T) == 4 && (std::is_same_v<T, int32_t> || std::is_same_v<T, float>));
    if (pos < 0 || pos > static_cast<int64_t>(bytes.size()) - 4) return std::nullopt;
    const auto p = static_cast<size_t>(pos);
    const uint32_t u = uint32_t(bytes[p]) | (uint32_t(bytes[p + 1]) << 8) | (uint32_t(bytes[p + 2]) << 16) |
                       (uint32_t(bytes[p + 3]) << 24);
    return std::bit_cast<T>(u);
}

// Encodes a little-endian int32 or float into out[pos..pos+3]; false (nothing written) when out of range.
template <class T>
bool write_at(std::span<uint8_t> out, int64_t pos, T value) {
    static_assert(sizeof(T) == 4 && (std::is_same_v<T, int32_t> || std::is_same_v<T, float>));
    if (pos < 0 || pos > static_cast<int64_t>(out.size()) - 4) return false;
    const auto u = std::bit_cast<uint32_t>(value);
    const auto p = static_cast<size_t>(pos);
    out[p] = uint8_t(u);
    out[p + 1] = uint8_t(u >> 8);
    out[p + 2] = uint8_t(u >> 16);
    out[p + 3] = uint8_t(u >> 24);
    return true;
}

}  // namespace opt
