#pragma once
// The record kept for each held event, and the operations on it.
#include "CString.h"

#include <memory>

enum
{
    ORIGIN_CREATED = 0, // the program created the event
    ORIGIN_OPENED = 1,  // the program opened an existing event by name
};

// Plain record: every field is set once when the entry is acquired. Copies
// share the handle; only ReleaseEventEntry closes it.
struct EventEntry
{
    int nOrigin;
    HANDLE hEvent;
    BOOL bManualReset;  // FALSE for an opened event: its mode is unknown
    BOOL bInitialState; // FALSE for an opened event: its start is unknown
    CString strName;
};

void ReleaseEventEntry(EventEntry* pEntry);

// Owns an entry until it is handed to its list item with release().
struct EventEntryReleaser
{
    void operator()(EventEntry* pEntry) const { ReleaseEventEntry(pEntry); }
};
using EventEntryPtr = std::unique_ptr<EventEntry, EventEntryReleaser>;

// Creates (nMode 0) or opens (any other mode) the named event. On failure
// the reason has been shown in a message box and the result is empty.
EventEntryPtr AcquireEventEntry(int nMode, LPCSTR pszName, BOOL bManualReset, BOOL bInitialState);

void SignalEventEntry(const EventEntry& entry);
void ResetEventEntry(const EventEntry& entry);

// Zero-time-out probe. A signaled automatic-reset event is reset by it.
BOOL IsEventEntrySignaled(const EventEntry& entry);

// Index into the state images: nOrigin * 2, plus 1 when the probe finds
// the event signaled.
int GetEventEntryImage(const EventEntry& entry);
