// Help: the help library taken at run time, and the help command of a frame.
#include "FrameworkTestIds.h"
#include "HtmlHelpLoader.h"
#include "ModalHelper.h"
#include "SampleFrame.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string ExeFolder()
{
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strModule(szModule);
    return strModule.substr(0, strModule.rfind('\\') + 1);
}

using PFNLASTCALL = int(WINAPI*)(HWND*, LPSTR, UINT*, DWORD_PTR*);

TEST(HtmlHelpLoaderTest, LibraryThatFailsToLoadIsTriedAgainOnTheNextCall)
{
    const std::string strLater = ExeFolder() + "fakehelp_later.dll";
    DeleteFileA(strLater.c_str());
    CHtmlHelpLoader loader(strLater.c_str());
    const HWND hWndCaller = GetDesktopWindow();

    EXPECT_EQ(nullptr, loader.Call(hWndCaller, "C:\\help.chm", AFX_HH_DISPLAY_TOC, 0));
    EXPECT_FALSE(loader.IsLoaded());

    ASSERT_TRUE(CopyFileA((ExeFolder() + "fakehelp.dll").c_str(), strLater.c_str(), FALSE));
    EXPECT_EQ(hWndCaller, loader.Call(hWndCaller, "C:\\help.chm", AFX_HH_DISPLAY_TOC, 7));
    EXPECT_TRUE(loader.IsLoaded());

    const HMODULE hLibrary = GetModuleHandleA(strLater.c_str());
    ASSERT_NE(nullptr, hLibrary) << "stays loaded";
    const auto pfnLastCall = reinterpret_cast<PFNLASTCALL>(
        reinterpret_cast<void*>(GetProcAddress(hLibrary, "FakeHelpLastCall")));
    ASSERT_NE(nullptr, pfnLastCall);
    HWND hWndSeen = nullptr;
    char szFile[MAX_PATH] = "";
    UINT uCommand = 0;
    DWORD_PTR dwData = 0;
    EXPECT_EQ(1, pfnLastCall(&hWndSeen, szFile, &uCommand, &dwData));
    EXPECT_EQ(hWndCaller, hWndSeen);
    EXPECT_STREQ("C:\\help.chm", szFile);
    EXPECT_EQ(AFX_HH_DISPLAY_TOC, uCommand);
    EXPECT_EQ(7u, dwData);
}

TEST(HtmlHelpLoaderTest, LibraryWithoutTheEntryPointCountsAsNotLoaded)
{
    CHtmlHelpLoader loader("kernel32.dll");
    EXPECT_EQ(nullptr, loader.Call(nullptr, "C:\\help.chm", AFX_HH_DISPLAY_TOC, 0));
    EXPECT_FALSE(loader.IsLoaded());
}

class HelpCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theTestApp.InitForTest();
        m_pFrame = static_cast<CFrameWnd*>(RUNTIME_CLASS(CSampleFrame)->CreateObject());
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_SAMPLE));
        theTestApp.m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        theTestApp.m_eHelpType = afxHTMLHelp;
        theTestApp.SetHelpFilePath((ExeFolder() + "no_such_help.chm").c_str());
    }

    void TearDown() override
    {
        if (theTestApp.m_pMainWnd)
            theTestApp.m_pMainWnd->DestroyWindow();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
    }

    CFrameWnd* m_pFrame = nullptr;
};

struct ViewerSearch
{
    HWND hWndExcept;
    HWND hWndFound;
};

BOOL CALLBACK FindViewer(HWND hWnd, LPARAM lParam)
{
    ViewerSearch* pSearch = reinterpret_cast<ViewerSearch*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == GetCurrentProcessId() && hWnd != pSearch->hWndExcept && IsWindowVisible(hWnd))
        pSearch->hWndFound = hWnd;
    return TRUE;
}

TEST_F(HelpCommandTest, ExistingHelpFileOpensTheViewerWithoutAPrompt)
{
    const std::string strHelp = ExeFolder() + "framework_help.chm";
    if (GetFileAttributesA(strHelp.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no compiled help file in this build";
    theTestApp.SetHelpFilePath(strHelp.c_str());

    ktest::ModalScript script;    // a prompt would be an unexpected window
    m_pFrame->SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
    ViewerSearch search = { m_pFrame->m_hWnd, nullptr };
    EnumWindows(FindViewer, reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(nullptr, search.hWndFound) << "the help viewer";
    SendMessageA(search.hWndFound, WM_CLOSE, 0, 0);
    EXPECT_TRUE(ktest::WaitForWindowGone(search.hWndFound, 5000));
    EXPECT_EQ("", script.Problems());
    EXPECT_TRUE(script.Seen().empty());
}

TEST_F(HelpCommandTest, HelpThatDoesNotComeUpShowsThePromptEachTime)
{
    ktest::ModalScript script;
    script.Then(ktest::PressButton(IDOK)).Then(ktest::PressButton(IDOK));
    m_pFrame->SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
    m_pFrame->SendMessage(WM_COMMAND, ID_DEFAULT_HELP);

    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(2u, script.Seen().size()) << "the second command tries again";
    for (const ktest::ModalSnapshot& box : script.Seen())
    {
        EXPECT_EQ("Framework Tests", box.caption);
        EXPECT_EQ("", box.text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), box.icon);
        EXPECT_EQ(m_pFrame->m_hWnd, box.owner);
    }
}
}
