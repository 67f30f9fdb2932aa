#pragma once
// Counts the open handles of this process: GetProcessHandleCount where it
// works. Under Wine it reports 0, so there the handle table is probed
// instead: every value that GetHandleInformation accepts is an open handle.
#include <windows.h>

namespace ktest {

DWORD OpenHandleCount();

} // namespace ktest
