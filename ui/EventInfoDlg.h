#pragma once
// CEventInfoDlg: describes one held event: name, how it was obtained, its
// state at the moment the dialog opens and, for an event created here, how
// it was created.
#include "Dialog.h"
#include "EventEntry.h"

class CEventInfoDlg : public CDialog
{
public:
    explicit CEventInfoDlg(CWnd* pParent = nullptr);
    ~CEventInfoDlg() override;

    // A copy of the listed entry; it shares the list's handle, which the
    // dialog never closes.
    EventEntry m_entry;

protected:
    BOOL OnInitDialog() override;
};
