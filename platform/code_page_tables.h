// Byte-to-Unicode tables of the Windows code pages 1250, 1251, 1252, 1253,
// 1254 and 1257, for bytes 0x80..0xFF (index byte - 0x80).
#pragma once
#include <array>
#include <cstdint>

namespace platform {

extern const std::array<std::uint16_t, 128> kCodePage1250;
extern const std::array<std::uint16_t, 128> kCodePage1251;
extern const std::array<std::uint16_t, 128> kCodePage1252;
extern const std::array<std::uint16_t, 128> kCodePage1253;
extern const std::array<std::uint16_t, 128> kCodePage1254;
extern const std::array<std::uint16_t, 128> kCodePage1257;

}  // namespace platform
