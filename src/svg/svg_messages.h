#pragma once
// The vector output's own message texts, as code page 936 bytes; the readable text stands
// beside each.

namespace kt {

// 错误！
inline constexpr char ErrorTitle[] = "\xB4\xED\xCE\xF3\xA3\xA1";
// 条码过多：一个文档最多 ... 个条码   (the limit goes between the two pieces)
inline constexpr char TooManyCodesStart[] =
    "\xCC\xF5\xC2\xEB\xB9\xFD\xB6\xE0\xA3\xBA\xD2\xBB\xB8\xF6\xCE\xC4\xB5\xB5\xD7\xEE\xB6\xE0";
inline constexpr char TooManyCodesEnd[] = "\xB8\xF6\xCC\xF5\xC2\xEB";
// 文件无法保存：   (the system's reason follows)
inline constexpr char CannotSaveMessage[] =
    "\xCE\xC4\xBC\xFE\xCE\xDE\xB7\xA8\xB1\xA3\xB4\xE6\xA3\xBA";
// 条形码   (a random number follows)
inline constexpr char ProposedNameStart[] = "\xCC\xF5\xD0\xCE\xC2\xEB";

}  // namespace kt
