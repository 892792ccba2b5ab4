#pragma once

// Numbers of the notifications the library's controls send to their parent.
// Inside the library they travel as typed Qt signals; the numbers stay here
// for hosts that dispatch on them.
namespace WindowMessages {

constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_PROPERTYVALUE_CHANGED = WM_USER + 101;
constexpr unsigned WM_PROPERTYVALUE_DIALOG = WM_USER + 102;
constexpr unsigned WM_LENGTH_OR_PERCENT_MODIFIED = WM_USER + 600;
constexpr unsigned WM_NAVIGATIONBAR_NOTIFY = WM_USER + 621;
constexpr unsigned WM_EDITLIST_MODIFIED = WM_USER + 630;

} // namespace WindowMessages
