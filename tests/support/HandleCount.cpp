#include "HandleCount.h"

namespace ktest {

DWORD OpenHandleCount()
{
    DWORD nReported = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &nReported) && nReported != 0)
        return nReported;

    // Handle values are multiples of 4 and are handed out from the lowest
    // free slot, so the table is dense: stop after a long run of free slots.
    constexpr ULONG_PTR kStep = 4;
    constexpr ULONG_PTR kFreeRunToStop = 1024;
    DWORD nCount = 0;
    ULONG_PTR nFreeRun = 0;
    for (ULONG_PTR nValue = kStep; nFreeRun < kFreeRunToStop; nValue += kStep) {
        DWORD dwFlags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(nValue), &dwFlags)) {
            ++nCount;
            nFreeRun = 0;
        } else {
            ++nFreeRun;
        }
    }
    return nCount;
}

} // namespace ktest
