#include "ChildProcess.h"

#include <vector>

std::string ModuleFolder()
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath = szPath;
    return strPath.substr(0, strPath.find_last_of('\\') + 1);
}

std::string RunAndCapture(const std::string& strCommandLine, DWORD dwTimeoutMs)
{
    SECURITY_ATTRIBUTES sa{ sizeof(sa), nullptr, TRUE };
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    if (!CreatePipe(&hRead, &hWrite, &sa, 0))
        return std::string();
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::string strMutable = strCommandLine;
    const BOOL bStarted = CreateProcessA(nullptr, &strMutable[0], nullptr, nullptr, TRUE, 0,
                                         nullptr, nullptr, &si, &pi);
    CloseHandle(hWrite);
    std::string strOutput;
    if (bStarted) {
        // The children write a line or two: reading to the end is bounded by
        // their life, which the wait below bounds in turn.
        char buffer[256];
        DWORD dwRead = 0;
        while (ReadFile(hRead, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0)
            strOutput.append(buffer, dwRead);
        if (WaitForSingleObject(pi.hProcess, dwTimeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(pi.hProcess, 1);
            strOutput.clear();
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(hRead);
    return strOutput;
}

long long PrivateBytes(HANDLE hProcess)
{
    long long nCommitted = 0;
    MEMORY_BASIC_INFORMATION info{};
    ULONG_PTR nAddress = 0;
    while (VirtualQueryEx(hProcess, reinterpret_cast<LPCVOID>(nAddress), &info, sizeof(info)) ==
           sizeof(info)) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            nCommitted += static_cast<long long>(info.RegionSize);
        const ULONG_PTR nNext = reinterpret_cast<ULONG_PTR>(info.BaseAddress) + info.RegionSize;
        if (nNext <= nAddress)
            break; // the top of the address space
        nAddress = nNext;
    }
    return nCommitted;
}

long long HeapBytesInUse()
{
    std::vector<HANDLE> heaps(64);
    const DWORD nHeaps = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    heaps.resize(nHeaps <= heaps.size() ? nHeaps : 0);
    long long nInUse = 0;
    for (const HANDLE hHeap : heaps) {
        if (!HeapLock(hHeap))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(hHeap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                nInUse += entry.cbData;
        }
        HeapUnlock(hHeap);
    }
    return nInUse;
}
