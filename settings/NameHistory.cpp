#include "NameHistory.h"

#include "WinApp.h"

#include <mbstring.h>

namespace {

const char kSection[] = "options";
const char kKeyPrefix[] = "history";

CString HistoryKey(int nIndex)
{
    CString strKey;
    strKey.Format("%s%d", kKeyPrefix, nIndex);
    return strKey;
}

// Equal only when both consist of the same bytes, compared in the runtime's
// multibyte code page (the ANSI code page).
bool IsSameName(const CString& strA, const CString& strB)
{
    return _mbscmp(reinterpret_cast<const unsigned char*>(strA.GetString()),
                   reinterpret_cast<const unsigned char*>(strB.GetString())) == 0;
}

} // namespace

void LoadNameHistory(CStringArray& astrHistory)
{
    CWinApp* pApp = AfxGetApp();
    astrHistory.RemoveAll();
    for (int i = 0; i < HISTORY_SIZE; ++i)
        astrHistory.Add(pApp->GetProfileString(kSection, HistoryKey(i)));
}

void SaveNameHistory(CStringArray& astrHistory, const CString& strName)
{
    CWinApp* pApp = AfxGetApp();
    astrHistory.InsertAt(0, strName);
    int nKey = 0;
    for (int i = 0; i < HISTORY_SIZE && i < astrHistory.GetSize(); ++i) {
        // The accepted name itself is always written; its repeats are skipped.
        if (i > 0 && IsSameName(astrHistory[i], strName))
            continue;
        pApp->WriteProfileString(kSection, HistoryKey(nKey), astrHistory[i]);
        ++nKey;
    }
}
