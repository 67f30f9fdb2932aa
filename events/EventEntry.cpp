#include "EventEntry.h"

#include "MessageBox.h"
#include "resource.h"

namespace {

EventEntryPtr MakeEntry(int nOrigin, HANDLE hEvent, BOOL bManualReset, BOOL bInitialState,
                        LPCSTR pszName)
{
    return EventEntryPtr(new EventEntry{nOrigin, hEvent, bManualReset, bInitialState, pszName});
}

EventEntryPtr CreateEntry(LPCSTR pszName, BOOL bManualReset, BOOL bInitialState)
{
    HANDLE hEvent = ::CreateEventA(NULL, bManualReset, bInitialState, pszName);
    if (hEvent == NULL) {
        AfxMessageBox(IDS_CREATE_FAILED, MB_OK);
        return nullptr;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        AfxMessageBox(IDS_ALREADY_EXISTS, MB_OK);
        // Closed only now: the other holder's event is left as it was.
        ::CloseHandle(hEvent);
        return nullptr;
    }
    return MakeEntry(ORIGIN_CREATED, hEvent, bManualReset, bInitialState, pszName);
}

EventEntryPtr OpenEntry(LPCSTR pszName)
{
    HANDLE hEvent = ::OpenEventA(EVENT_ALL_ACCESS, TRUE, pszName);
    if (hEvent == NULL) {
        AfxMessageBox(IDS_OPEN_FAILED, MB_OK);
        return nullptr;
    }
    return MakeEntry(ORIGIN_OPENED, hEvent, FALSE, FALSE, pszName);
}

} // namespace

EventEntryPtr AcquireEventEntry(int nMode, LPCSTR pszName, BOOL bManualReset, BOOL bInitialState)
{
    if (nMode == 0)
        return CreateEntry(pszName, bManualReset, bInitialState);
    return OpenEntry(pszName);
}

void SignalEventEntry(const EventEntry& entry)
{
    ::SetEvent(entry.hEvent);
}

void ResetEventEntry(const EventEntry& entry)
{
    ::ResetEvent(entry.hEvent);
}

BOOL IsEventEntrySignaled(const EventEntry& entry)
{
    return ::WaitForSingleObject(entry.hEvent, 0) == WAIT_OBJECT_0;
}

int GetEventEntryImage(const EventEntry& entry)
{
    return entry.nOrigin * 2 + (IsEventEntrySignaled(entry) ? 1 : 0);
}

void ReleaseEventEntry(EventEntry* pEntry)
{
    ::CloseHandle(pEntry->hEvent);
    delete pEntry;
}
