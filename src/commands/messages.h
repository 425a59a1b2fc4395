#pragma once
// The system's own message texts, as code page 936 bytes; the readable text stands beside each.

namespace kt {

// 有行条码小于12位
inline constexpr char ShortLineMessage[] =
    "\xD3\xD0\xD0\xD0\xCC\xF5\xC2\xEB\xD0\xA1\xD3\xDA" "12" "\xCE\xBB";
// 确认
inline constexpr char ConfirmTitle[] = "\xC8\xB7\xC8\xCF";

}  // namespace kt
