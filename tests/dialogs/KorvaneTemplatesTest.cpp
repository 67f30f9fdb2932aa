// The framework's dialogs and prompts with Korvane's own resources: the
// three templates as CDialog runs them, and the framework's size prompt,
// which has no text there.
#include "Dialog.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "ModalHelper.h"
#include "WinApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace ktest;

namespace {

// Korvane's title (string 57344, "Korvane") and a main window of the frame's
// size, placed so that the dialogs centred over it stay inside the screen.
class KorvaneResourcesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char szCommandLine[] = "";
        ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr, szCommandLine, SW_SHOW));
        ASSERT_TRUE(m_mainWnd.CreateEx(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 150, 250, 200,
                                       nullptr, nullptr));
        m_app.m_pMainWnd = &m_mainWnd;
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        m_mainWnd.DestroyWindow();
    }

    HWND MainHwnd() const { return m_mainWnd.GetSafeHwnd(); }

    CWinApp m_app;
    CWnd m_mainWnd;
};

struct TemplateCase
{
    const char* name;
    UINT nIDTemplate;
    int nFirstTabStop;
};

class KorvaneTemplateTest : public KorvaneResourcesTest, public testing::WithParamInterface<TemplateCase>
{
};

// Each template opens centred over the main window, which owns it and is
// disabled, with the focus on its first tab stop; OK and Enter end it with
// IDOK, Esc and the close box with IDCANCEL (also where there is no Cancel
// button).
TEST_P(KorvaneTemplateTest, OpensCentredOverTheMainWindowAndEndsEveryWay)
{
    const ModalAction ways[] = { PressButton(IDOK), PressKey(VK_RETURN), PressKey(VK_ESCAPE), ClickCloseBox() };
    const INT_PTR results[] = { IDOK, IDOK, IDCANCEL, IDCANCEL };
    ModalScript script;
    for (const ModalAction& way : ways)
        script.Then(way);
    for (const INT_PTR nResult : results) {
        CDialog dlg(GetParam().nIDTemplate);
        EXPECT_EQ(nResult, dlg.DoModal());
    }

    ASSERT_EQ("", script.Problems());
    RECT rectMain;
    GetWindowRect(MainHwnd(), &rectMain);
    for (const ModalSnapshot& seen : script.Seen()) {
        EXPECT_FALSE(seen.caption.empty());
        EXPECT_EQ(MainHwnd(), seen.owner);
        EXPECT_FALSE(seen.ownerEnabled);
        EXPECT_EQ(GetParam().nFirstTabStop, seen.focusId);
        EXPECT_NEAR((rectMain.left + rectMain.right) / 2, (seen.rect.left + seen.rect.right) / 2, 1);
        EXPECT_NEAR((rectMain.top + rectMain.bottom) / 2, (seen.rect.top + seen.rect.bottom) / 2, 1);
    }
    EXPECT_TRUE(IsWindowEnabled(MainHwnd()));
}

INSTANTIATE_TEST_SUITE_P(Templates, KorvaneTemplateTest,
                         testing::Values(TemplateCase{ "About", IDD_ABOUTBOX, IDOK },
                                         TemplateCase{ "EventCreate", IDD_EVENT_CREATE, IDC_INITIAL_SIGNALED },
                                         TemplateCase{ "EventInfo", IDD_EVENT_INFO, IDOK }),
                         [](const testing::TestParamInfo<TemplateCase>& info) { return info.param.name; });

// The name box of the create-event template, limited to 255 characters.
class CNameDlg : public CDialog
{
public:
    CNameDlg() : CDialog(IDD_EVENT_CREATE) {}
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_EVENT_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 255);
    }
};

// A name too long for the field's width, picked from the list, reaches the
// validation whole: the prompt is an empty box under "Korvane" with the
// exclamation icon, and the dialog stays open with the focus on the name box.
TEST_F(KorvaneResourcesTest, TooLongNameGivesAnEmptyPromptUnderTheTitle)
{
    EXPECT_STREQ("", AfxFormatString1(AFX_IDP_PARSE_STRING_SIZE, "255"));
    const std::string strLong(300, 'n');
    std::string strField;
    int nFocus = 0;
    ModalScript script;
    script.Then([&](ModalWindow& dlg) {
        SendMessageA(dlg.Item(IDC_EVENT_NAME), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strLong.c_str()));
        SendMessageA(dlg.Item(IDC_EVENT_NAME), CB_SETCURSEL, 0, 0);
        strField = dlg.ItemText(IDC_EVENT_NAME);
        dlg.Click(IDOK);
        nFocus = dlg.FocusId();
        dlg.Press(IDCANCEL);
    });
    script.Then(PressButton(IDOK));
    CNameDlg dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());

    ASSERT_EQ("", script.Problems());
    EXPECT_EQ(strLong, strField);
    const ModalSnapshot& prompt = script.Seen().at(1);
    EXPECT_EQ("", prompt.text);
    EXPECT_EQ("Korvane", prompt.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), prompt.icon);
    EXPECT_EQ(script.Seen()[0].hwnd, prompt.owner);
    EXPECT_EQ(IDC_EVENT_NAME, nFocus);
}

} // namespace
