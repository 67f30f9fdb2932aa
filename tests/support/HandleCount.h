#pragma once
// Counts the open handles of this process. GetProcessHandleCount reports 0
// under Wine, so the handle table is probed instead: every value that
// GetHandleInformation accepts is an open handle.
#include <windows.h>

namespace ktest {

DWORD OpenHandleCount();

} // namespace ktest
