#pragma once
// Virtual-key codes as the system numbers them, for the portable key logic.
#include <cstdint>

namespace qv {

inline constexpr uint16_t kKeyBack = 0x08;
inline constexpr uint16_t kKeyTab = 0x09;
inline constexpr uint16_t kKeyReturn = 0x0D;
inline constexpr uint16_t kKeyEscape = 0x1B;
inline constexpr uint16_t kKeySpace = 0x20;
inline constexpr uint16_t kKeyPageUp = 0x21;
inline constexpr uint16_t kKeyPageDown = 0x22;
inline constexpr uint16_t kKeyEnd = 0x23;
inline constexpr uint16_t kKeyHome = 0x24;
inline constexpr uint16_t kKeyLeft = 0x25;
inline constexpr uint16_t kKeyUp = 0x26;
inline constexpr uint16_t kKeyRight = 0x27;
inline constexpr uint16_t kKeyDown = 0x28;
inline constexpr uint16_t kKeyDelete = 0x2E;
inline constexpr uint16_t kKeyApps = 0x5D;
inline constexpr uint16_t kKeyNumpad0 = 0x60;
inline constexpr uint16_t kKeyDivide = 0x6F;  // the number pad's last character key
inline constexpr uint16_t kKeyF1 = 0x70;
inline constexpr uint16_t kKeyF9 = 0x78;
inline constexpr uint16_t kKeyF10 = 0x79;
// The layout's punctuation keys: ;= ,-./` then [\]' and the extra key of
// European keyboards.
inline constexpr uint16_t kKeyOem1 = 0xBA;
inline constexpr uint16_t kKeyOem3 = 0xC0;
inline constexpr uint16_t kKeyOem4 = 0xDB;
inline constexpr uint16_t kKeyOem8 = 0xDF;
inline constexpr uint16_t kKeyOem102 = 0xE2;

}  // namespace qv
