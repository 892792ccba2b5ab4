#pragma once

// The flags of the find and replace dialog, with the values of the Win32
// FINDREPLACE structure, because host code was written against them. The
// dialog takes the options among them at creation and reports them, together
// with what was asked (FR_FINDNEXT, FR_REPLACE, FR_REPLACEALL or
// FR_DIALOGTERM), with every request.
namespace Win32 {

constexpr unsigned FR_DOWN = 0x00000001;
constexpr unsigned FR_WHOLEWORD = 0x00000002;
constexpr unsigned FR_MATCHCASE = 0x00000004;
constexpr unsigned FR_FINDNEXT = 0x00000008;
constexpr unsigned FR_REPLACE = 0x00000010;
constexpr unsigned FR_REPLACEALL = 0x00000020;
constexpr unsigned FR_DIALOGTERM = 0x00000040;
constexpr unsigned FR_SHOWHELP = 0x00000080;
constexpr unsigned FR_ENABLEHOOK = 0x00000100;
constexpr unsigned FR_ENABLETEMPLATE = 0x00000200;
constexpr unsigned FR_NOUPDOWN = 0x00000400;
constexpr unsigned FR_NOMATCHCASE = 0x00000800;
constexpr unsigned FR_NOWHOLEWORD = 0x00001000;
constexpr unsigned FR_ENABLETEMPLATEHANDLE = 0x00002000;
constexpr unsigned FR_HIDEUPDOWN = 0x00004000;
constexpr unsigned FR_HIDEMATCHCASE = 0x00008000;
constexpr unsigned FR_HIDEWHOLEWORD = 0x00010000;

} // namespace Win32
