#pragma once
// The system's ANSI code page for the core's text conversions.

namespace qv::win32 {

// Makes qv::Utf16ToAnsi and qv::AnsiToUtf16 use the system's ANSI code page
// (CP_ACP) instead of the built-in Windows-1252 tables.
void InstallWin32AnsiCodePage();

}  // namespace qv::win32
