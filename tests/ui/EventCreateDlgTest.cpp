// The create-event dialog over Korvane's main window: what it shows when it
// opens, how the mode buttons act on the check boxes, what OK hands to the
// caller and writes to the settings file, and when it stays open.
#include "AnsiText.h"
#include "EventCreateDlg.h"
#include "FrameFixture.h"
#include "UiTestApp.h"
#include "resource.h"

#include <windows.h>

using namespace ktest;

namespace {

using EventCreateDlgTest = FrameFixture;

// The dialog as the user sees it, read from its controls.
struct CreateDlgView
{
    bool createChecked = false;
    bool openChecked = false;
    bool initialEnabled = false;
    bool manualEnabled = false;
    bool initialChecked = false;
    bool manualChecked = false;
    std::string field;
    std::vector<std::string> list;
    int curSel = 0;
    bool dropped = true;
};

CreateDlgView Read(const ModalWindow& dlg)
{
    CreateDlgView view;
    view.createChecked = dlg.IsChecked(IDC_MODE_CREATE);
    view.openChecked = dlg.IsChecked(IDC_MODE_OPEN);
    view.initialEnabled = dlg.IsEnabled(IDC_INITIAL_SIGNALED);
    view.manualEnabled = dlg.IsEnabled(IDC_MANUAL_RESET);
    view.initialChecked = dlg.IsChecked(IDC_INITIAL_SIGNALED);
    view.manualChecked = dlg.IsChecked(IDC_MANUAL_RESET);
    view.field = dlg.ItemText(IDC_EVENT_NAME);
    const HWND hWndCombo = dlg.Item(IDC_EVENT_NAME);
    const int nCount = static_cast<int>(SendMessageA(hWndCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        std::string strItem(static_cast<size_t>(SendMessageA(hWndCombo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(hWndCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&strItem[0]));
        strItem.resize(strItem.size() - 1);
        view.list.push_back(strItem);
    }
    view.curSel = static_cast<int>(SendMessageA(hWndCombo, CB_GETCURSEL, 0, 0));
    view.dropped = SendMessageA(hWndCombo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    return view;
}

// The control that the dialog manager gives the focus to: the first one in
// tab (z) order that has a tab stop and can take the focus.
int FirstTabStop(const ModalSnapshot& snapshot)
{
    for (const ControlState& control : snapshot.controls)
        if ((control.style & WS_TABSTOP) && control.visible && control.enabled)
            return control.id;
    return 0;
}

std::string HistoryFile(const std::vector<std::string>& values)
{
    std::string strText = "[options]\r\n";
    for (size_t i = 0; i < values.size(); ++i)
        strText += "history" + std::to_string(i) + "=" + values[i] + "\r\n";
    return strText;
}

std::string Repeat(const std::string& str, int nTimes)
{
    std::string strResult;
    for (int i = 0; i < nTimes; ++i)
        strResult += str;
    return strResult;
}

// Opening the dialog with the create command: "Create" checked, "Open" not,
// both check boxes enabled and clear, the field empty, the list holding the
// non-empty history values in key order (repeats kept), nothing selected,
// the list not dropped. Cancel changes nothing.
TEST_F(EventCreateDlgTest, OpensWithCreateCheckedAndTheHistoryOffered)
{
    struct Case
    {
        const char* what;
        bool bFile;
        std::string strFile;
        std::vector<std::string> offered;
    };
    const Case cases[] = {
        {"no settings file", false, "", {}},
        {"gaps, a repeat and the last key",
         true,
         "[options]\r\nhistory0=beta\r\nhistory1=\r\nhistory2=alpha\r\nhistory3=beta\r\nhistory9=omega\r\n",
         {"beta", "alpha", "beta", "omega"}},
        {"another section, letter case, double-byte characters",
         true,
         "[other]\r\nhistory0=elsewhere\r\n[options]\r\nhistory0=" + Ansi(L"イベント名") +
             "\r\nhistory1=Case\r\nhistory2=case\r\n",
         {Ansi(L"イベント名"), "Case", "case"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(m_profile.Path().c_str());
        if (c.bFile)
            m_profile.WriteText(c.strFile);
        const std::string strBefore = m_profile.Bytes();

        CreateDlgView seen;
        ModalScript script;
        script.Then([&](ModalWindow& dlg) {
            seen = Read(dlg);
            dlg.Press(IDCANCEL);
        });
        Command(ID_EVENT_CREATE);
        ASSERT_EQ("", script.Problems());

        const ModalSnapshot& dlg = script.Seen().at(0);
        EXPECT_EQ(Ansi(L"ｲﾍﾞﾝﾄの作成"), dlg.caption);
        EXPECT_EQ(FrameWnd(), dlg.owner);
        EXPECT_FALSE(dlg.ownerEnabled);
        EXPECT_TRUE(seen.createChecked);
        EXPECT_FALSE(seen.openChecked);
        EXPECT_TRUE(seen.initialEnabled);
        EXPECT_TRUE(seen.manualEnabled);
        EXPECT_FALSE(seen.initialChecked);
        EXPECT_FALSE(seen.manualChecked);
        EXPECT_EQ("", seen.field);
        EXPECT_EQ(c.offered, seen.list);
        EXPECT_EQ(CB_ERR, seen.curSel);
        EXPECT_FALSE(seen.dropped);
        // The focus goes to the first control with a tab stop when the
        // dialog opens. Checking "Create" with BM_SETCHECK gives that radio
        // button a tab stop (the button control does this for a checked
        // radio button), so it is "Create", ahead of "シグナル状態で生成".
        EXPECT_EQ(FirstTabStop(dlg), dlg.focusId);
        EXPECT_EQ(IDC_MODE_CREATE, dlg.focusId);

        EXPECT_EQ(0, ItemCount());
        EXPECT_EQ(c.bFile, m_profile.Exists());
        EXPECT_EQ(strBefore, m_profile.Bytes());
    }
}

// "Open" disables both check boxes and "Create" enables them again; neither
// touches their marks, and the two radio buttons exclude each other.
TEST_F(EventCreateDlgTest, ModeButtonsDisableAndEnableTheBoxesKeepingTheirMarks)
{
    struct Marks
    {
        bool initial;
        bool manual;
    };
    const Marks cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const Marks& c : cases) {
        SCOPED_TRACE("initial " + std::to_string(c.initial) + ", manual " + std::to_string(c.manual));
        CreateDlgView afterOpen, afterCreate, afterOpenAgain;
        ModalScript script;
        script.Then([&](ModalWindow& dlg) {
            if (c.initial)
                dlg.Click(IDC_INITIAL_SIGNALED);
            if (c.manual)
                dlg.Click(IDC_MANUAL_RESET);
            dlg.Click(IDC_MODE_OPEN);
            afterOpen = Read(dlg);
            dlg.Click(IDC_MODE_CREATE);
            afterCreate = Read(dlg);
            dlg.Click(IDC_MODE_OPEN);
            afterOpenAgain = Read(dlg);
            dlg.Press(IDCANCEL);
        });
        CEventCreateDlg dlg;
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        ASSERT_EQ("", script.Problems());

        for (const CreateDlgView* pSeen : {&afterOpen, &afterOpenAgain}) {
            EXPECT_TRUE(pSeen->openChecked);
            EXPECT_FALSE(pSeen->createChecked);
            EXPECT_FALSE(pSeen->initialEnabled);
            EXPECT_FALSE(pSeen->manualEnabled);
            EXPECT_EQ(c.initial, pSeen->initialChecked);
            EXPECT_EQ(c.manual, pSeen->manualChecked);
        }
        EXPECT_TRUE(afterCreate.createChecked);
        EXPECT_FALSE(afterCreate.openChecked);
        EXPECT_TRUE(afterCreate.initialEnabled);
        EXPECT_TRUE(afterCreate.manualEnabled);
        EXPECT_EQ(c.initial, afterCreate.initialChecked);
        EXPECT_EQ(c.manual, afterCreate.manualChecked);
    }
    EXPECT_FALSE(m_profile.Exists());
}

// OK hands the caller the mode, both flags (also from disabled boxes in
// open mode) and the name exactly as it stands in the field, and puts the
// name first in the history.
TEST_F(EventCreateDlgTest, OkGivesModeFlagsAndTheExactName)
{
    struct Case
    {
        const char* what;
        NewEvent input;
        int nMode;
        BOOL bInitialState;
        BOOL bManualReset;
        std::string strStored; // history0 as read back
    };
    const std::string strLongest = Repeat(Ansi(L"あ"), 127) + "x"; // 255 bytes
    const Case cases[] = {
        {"open after ticking both", {"Both.Open", true, true, true}, 1, 1, 1, "Both.Open"},
        {"open, nothing ticked", {"Plain.Open", true, false, false}, 1, 0, 0, "Plain.Open"},
        {"create, initial state only", {"Initial.Only", false, false, true}, 0, 1, 0, "Initial.Only"},
        {"create, manual reset only", {"Manual.Only", false, true, false}, 0, 0, 1, "Manual.Only"},
        // The profile functions drop blanks around a value.
        {"leading and trailing blanks", {"  spaced name  ", false, false, false}, 0, 0, 0, "spaced name"},
        {"blanks only", {" ", false, false, false}, 0, 0, 0, ""},
        {"double-byte characters, 255 bytes", {strLongest, false, true, true}, 0, 1, 1, strLongest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_profile.WriteText(HistoryFile({"older", "oldest"}));
        ModalScript script;
        script.Then(FillCreateDialog(c.input));
        CEventCreateDlg dlg;
        EXPECT_EQ(IDOK, dlg.DoModal());
        ASSERT_EQ("", script.Problems());

        EXPECT_EQ(c.nMode, dlg.m_nMode);
        EXPECT_EQ(c.bInitialState, dlg.m_bInitialState);
        EXPECT_EQ(c.bManualReset, dlg.m_bManualReset);
        EXPECT_EQ(c.input.name, dlg.m_strName.GetString());
        const std::vector<std::string> history = m_profile.History();
        EXPECT_EQ(c.strStored, history.at(0));
        EXPECT_EQ("older", history.at(1));
        EXPECT_EQ("oldest", history.at(2));
        EXPECT_EQ("", history.at(3));
    }
}

// A name picked from the list and the same name typed give the same result
// and the same settings file.
TEST_F(EventCreateDlgTest, NamePickedFromTheListEqualsTheNameTyped)
{
    const std::string strHistory = HistoryFile({"first", "second", "third"});
    struct Result
    {
        std::string strName;
        std::string strFile;
        std::string strField;
    };
    auto run = [&](const ModalAction& enterName) {
        m_profile.WriteText(strHistory);
        Result result;
        ModalScript script;
        script.Then([&](ModalWindow& dlg) {
            enterName(dlg);
            result.strField = dlg.ItemText(IDC_EVENT_NAME);
            dlg.Press(IDOK);
        });
        CEventCreateDlg dlg;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ("", script.Problems());
        result.strName = dlg.m_strName.GetString();
        result.strFile = m_profile.Bytes();
        return result;
    };
    const Result picked = run([](ModalWindow& dlg) {
        SendMessageA(dlg.Item(IDC_EVENT_NAME), CB_SETCURSEL, 1, 0);
    });
    const Result typed = run([](ModalWindow& dlg) { dlg.SetItemText(IDC_EVENT_NAME, "second"); });

    EXPECT_EQ("second", picked.strField);
    EXPECT_EQ("second", picked.strName);
    EXPECT_EQ(typed.strName, picked.strName);
    EXPECT_EQ(typed.strFile, picked.strFile);
    EXPECT_EQ((std::vector<std::string>{"second", "first", "third", "", "", "", "", "", "", ""}),
              m_profile.History());
}

// OK with an empty field is ignored without a message: the dialog stays
// open, nothing is written. Cancel, Esc and the close box after typing a
// name end it with IDCANCEL and write nothing either.
TEST_F(EventCreateDlgTest, EmptyNameAndCancelWriteNothing)
{
    for (const bool bFile : {false, true}) {
        SCOPED_TRACE(bFile ? "with a settings file" : "without a settings file");
        DeleteFileA(m_profile.Path().c_str());
        if (bFile)
            m_profile.WriteText(HistoryFile({"kept"}));
        const std::string strBefore = m_profile.Bytes();

        {
            bool bOpenAfterOk = false;
            ModalScript script;
            script.Then([&](ModalWindow& dlg) {
                dlg.Click(IDOK);
                bOpenAfterOk = dlg.IsOpen();
                dlg.Press(IDCANCEL);
            });
            CEventCreateDlg empty;
            EXPECT_EQ(IDCANCEL, empty.DoModal());
            EXPECT_EQ("", script.Problems());
            EXPECT_EQ(1u, script.Seen().size()); // no message box
            EXPECT_TRUE(bOpenAfterOk);
        }

        const ModalAction ways[] = {PressButton(IDCANCEL), PressKey(VK_ESCAPE), ClickCloseBox()};
        for (const ModalAction& way : ways) {
            ModalScript typed;
            typed.Then([&](ModalWindow& dlg) {
                dlg.SetItemText(IDC_EVENT_NAME, "typed.then.cancelled");
                way(dlg);
            });
            CEventCreateDlg dlg;
            EXPECT_EQ(IDCANCEL, dlg.DoModal());
            EXPECT_EQ("", typed.Problems());
        }
        EXPECT_EQ(bFile, m_profile.Exists());
        EXPECT_EQ(strBefore, m_profile.Bytes());
    }
}

// The name box does not scroll: typing stops once its field is full, long
// before the 255 characters that OK would accept; what was taken is the name.
TEST_F(EventCreateDlgTest, TypingStopsWhenTheFieldIsFull)
{
    constexpr int kTyped = 120;
    std::string strField;
    ModalScript script;
    script.Then([&](ModalWindow& dlg) {
        const HWND hWndEdit = GetWindow(dlg.Item(IDC_EVENT_NAME), GW_CHILD);
        for (int i = 0; i < kTyped; ++i)
            SendMessageA(hWndEdit, WM_CHAR, 'W', 1);
        strField = dlg.ItemText(IDC_EVENT_NAME);
        dlg.Press(IDOK);
    });
    CEventCreateDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    ASSERT_EQ("", script.Problems());
    EXPECT_GT(strField.size(), 0u);
    EXPECT_LT(strField.size(), static_cast<size_t>(kTyped));
    EXPECT_EQ(std::string(strField.size(), 'W'), strField);
    EXPECT_EQ(strField, dlg.m_strName.GetString());
}

// A history value longer than 255 bytes, picked from the list: OK shows the
// framework's size prompt (no text in Korvane's resources, so an empty box
// under the title "Korvane" with the exclamation icon, owned by the dialog),
// the focus goes back to the name and the dialog stays open with nothing
// written. Bytes count, not characters.
TEST_F(EventCreateDlgTest, OverlongHistoryNameGivesTheEmptyPromptAndKeepsTheDialogOpen)
{
    struct Case
    {
        const char* what;
        std::string strName;
    };
    const Case cases[] = {
        {"256 single-byte characters", std::string(256, 'n')},
        {"128 double-byte characters", Repeat(Ansi(L"あ"), 128)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_profile.WriteText(HistoryFile({c.strName, "short"}));
        const std::string strBefore = m_profile.Bytes();

        std::string strField;
        bool bOpenAfterPrompt = false;
        int nFocusAfterPrompt = 0;
        ModalScript script;
        script.Then([&](ModalWindow& dlg) {
            SendMessageA(dlg.Item(IDC_EVENT_NAME), CB_SETCURSEL, 0, 0);
            strField = dlg.ItemText(IDC_EVENT_NAME);
            dlg.Click(IDOK); // the prompt comes and goes inside
            bOpenAfterPrompt = dlg.IsOpen();
            nFocusAfterPrompt = dlg.FocusId();
            dlg.Press(IDCANCEL);
        });
        script.Then(PressButton(IDOK));
        CEventCreateDlg dlg;
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        ASSERT_EQ("", script.Problems());
        ASSERT_EQ(2u, script.Seen().size());

        EXPECT_EQ(c.strName, strField);
        const ModalSnapshot& prompt = script.Seen().at(1);
        EXPECT_EQ("", prompt.text);
        EXPECT_EQ("Korvane", prompt.caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), prompt.icon);
        EXPECT_EQ(script.Seen().at(0).hwnd, prompt.owner);
        EXPECT_TRUE(bOpenAfterPrompt);
        EXPECT_EQ(IDC_EVENT_NAME, nFocusAfterPrompt);
        EXPECT_EQ(strBefore, m_profile.Bytes());
    }
}

} // namespace
