#include "CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY messageEntries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP messageMap = { nullptr, messageEntries };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnDispatch; ++pEntry)
        {
            if (pEntry->nMessage == nMessage && pEntry->nCode == nCode
                && nID >= pEntry->nID && nID <= pEntry->nLastID)
                return pEntry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Update rules keep their code; other codes carry the message in the
    // high word (WM_NOTIFY) or none (WM_COMMAND).
    UINT nMessage = WM_COMMAND;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (nCode != CN_UPDATE_COMMAND_UI)
    {
        if (HIWORD(nCode) != 0)
            nMessage = HIWORD(nCode);
        nEntryCode = LOWORD(nCode);
    }

    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMessage, nEntryCode, nID);
    if (!pEntry)
        return FALSE;
    if (pHandlerInfo)
    {
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    AFX_DISPATCHARGS args = { nID, 0, 0, pExtra, 0 };
    return pEntry->pfnDispatch(this, args);
}

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnabled = bOn ? TRUE : FALSE;
    m_bEnableChanged = TRUE;
    ApplyEnable(m_bEnabled);
}

void CCmdUI::SetCheck(int nCheck)
{
    m_nCheck = nCheck;
    ApplyCheck(nCheck);
}

void CCmdUI::ApplyEnable(BOOL bOn)
{
    if (m_hMenu)
        EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
}

void CCmdUI::ApplyCheck(int nCheck)
{
    if (m_hMenu)
        CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    m_bEnableChanged = FALSE;
    if (pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr))
        return TRUE;
    if (bDisableIfNoHandler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = { nullptr };
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, nullptr, &info));
    }
    return FALSE;
}
