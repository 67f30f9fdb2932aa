// Start-up of the sample program with each kind of command line, each run
// in a process of its own: which windows and message boxes appear, and how
// the process ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

namespace
{
const char kFrameCaption[] = "Sample  -  Frame";
const char kAppTitle[] = "framework_sample";   // no title string: the executable's name

std::string ExeFolder()
{
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strModule(szModule);
    return strModule.substr(0, strModule.rfind('\\') + 1);
}

std::string TempFile(const char* pszName)
{
    char szFolder[MAX_PATH];
    GetTempPathA(MAX_PATH, szFolder);
    return std::string(szFolder) + pszName;
}

// What the test saw of one run of the sample program.
struct SampleRun
{
    bool bExited = false;
    DWORD dwExitCode = STILL_ACTIVE;
    int nBoxes = 0;                  // message boxes, each answered with OK
    std::string strBoxCaption;
    bool bFrameShown = false;
    std::string strFrameCaption;
    bool bFrameIconic = false;
    bool bFrameWithBox = false;      // the frame was visible while a box was up
};

struct Scan
{
    DWORD dwProcessId;
    HWND hWndFrame;
    std::set<HWND> boxes;
    HWND hWndNewBox;
};

BOOL CALLBACK ScanWindow(HWND hWnd, LPARAM lParam)
{
    Scan* pScan = reinterpret_cast<Scan*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != pScan->dwProcessId || !IsWindowVisible(hWnd))
        return TRUE;
    char szClass[64] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32770") == 0)
    {
        if (pScan->boxes.insert(hWnd).second)
            pScan->hWndNewBox = hWnd;
    }
    else if (lstrcmpA(szClass, "AfxFrame:300") == 0)
    {
        pScan->hWndFrame = hWnd;
    }
    return TRUE;
}

// Starts the sample with the arguments, answers every message box with OK,
// closes the frame once it is shown, and waits (bounded) for the end.
SampleRun RunSample(const std::string& strArgs, WORD wShowWindow = SW_SHOWNORMAL)
{
    SampleRun run;
    const std::string strExe = ExeFolder() + "framework_sample.exe";
    std::string strCommandLine = "\"" + strExe + "\" " + strArgs;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = wShowWindow;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(strExe.c_str(), &strCommandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    {
        ADD_FAILURE() << "cannot start " << strExe << ": error " << GetLastError();
        return run;
    }
    Scan scan = { pi.dwProcessId, nullptr, {}, nullptr };
    bool bClosed = false;
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 15000)
    {
        if (WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0)
        {
            run.bExited = true;
            break;
        }
        scan.hWndFrame = nullptr;
        scan.hWndNewBox = nullptr;
        EnumWindows(ScanWindow, reinterpret_cast<LPARAM>(&scan));
        if (scan.hWndNewBox)
        {
            char szCaption[256] = "";
            GetWindowTextA(scan.hWndNewBox, szCaption, sizeof(szCaption));
            run.strBoxCaption = szCaption;
            run.bFrameWithBox = run.bFrameWithBox || scan.hWndFrame != nullptr;
            PostMessageA(scan.hWndNewBox, WM_COMMAND, IDOK, 0);
        }
        if (scan.hWndFrame && !bClosed)
        {
            run.bFrameShown = true;
            run.bFrameIconic = IsIconic(scan.hWndFrame) != FALSE;
            char szCaption[256] = "";
            GetWindowTextA(scan.hWndFrame, szCaption, sizeof(szCaption));
            run.strFrameCaption = szCaption;
            PostMessageA(scan.hWndFrame, WM_CLOSE, 0, 0);
            bClosed = true;
        }
    }
    if (!run.bExited)
        TerminateProcess(pi.hProcess, 99);
    WaitForSingleObject(pi.hProcess, 5000);
    GetExitCodeProcess(pi.hProcess, &run.dwExitCode);
    run.nBoxes = static_cast<int>(scan.boxes.size());
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return run;
}

class ShellCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strFile = TempFile("framework_shell_file.txt");
        const HANDLE hFile = CreateFileA(m_strFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD dwWritten = 0;
        WriteFile(hFile, "keep", 4, &dwWritten, nullptr);
        CloseHandle(hFile);
        m_strMissing = TempFile("framework_shell_missing.txt");
        DeleteFileA(m_strMissing.c_str());
    }

    void TearDown() override { DeleteFileA(m_strFile.c_str()); }

    std::string File() const { return "\"" + m_strFile + "\""; }
    std::string Missing() const { return "\"" + m_strMissing + "\""; }

    std::string m_strFile;
    std::string m_strMissing;
};

void ExpectNormalStart(const SampleRun& run, const std::string& strArgs)
{
    EXPECT_TRUE(run.bExited) << strArgs;
    EXPECT_EQ(0u, run.dwExitCode) << strArgs;
    EXPECT_TRUE(run.bFrameShown) << strArgs;
    EXPECT_EQ(kFrameCaption, run.strFrameCaption) << strArgs;
    EXPECT_EQ(0, run.nBoxes) << strArgs;
}

void ExpectQuietEnd(const SampleRun& run, const std::string& strArgs)
{
    EXPECT_TRUE(run.bExited) << strArgs;
    EXPECT_EQ(0u, run.dwExitCode) << strArgs;
    EXPECT_FALSE(run.bFrameShown) << strArgs;
    EXPECT_EQ(0, run.nBoxes) << strArgs;
}

void ExpectOneBoxThenEnd(const SampleRun& run, const std::string& strArgs)
{
    EXPECT_TRUE(run.bExited) << strArgs;
    EXPECT_EQ(0u, run.dwExitCode) << strArgs;
    EXPECT_FALSE(run.bFrameShown) << strArgs;
    EXPECT_FALSE(run.bFrameWithBox) << strArgs;
    EXPECT_EQ(1, run.nBoxes) << strArgs;
    EXPECT_EQ(kAppTitle, run.strBoxCaption) << strArgs;
}

TEST_F(ShellCommandTest, StartsNormallyWithoutArgumentsAndWithSwitchesThatChangeNothing)
{
    for (const char* pszArgs : { "", "/Embedding", "-automation", "/DDE", "/x", "-" })
        ExpectNormalStart(RunSample(pszArgs), pszArgs);
}

TEST_F(ShellCommandTest, NamedFileIsOpenedAndTheStartGoesOn)
{
    WIN32_FILE_ATTRIBUTE_DATA before = {};
    GetFileAttributesExA(m_strFile.c_str(), GetFileExInfoStandard, &before);
    for (const std::string& strArgs : { File(), "/P " + File(), File() + " second.txt" })
        ExpectNormalStart(RunSample(strArgs), strArgs);
    WIN32_FILE_ATTRIBUTE_DATA after = {};
    GetFileAttributesExA(m_strFile.c_str(), GetFileExInfoStandard, &after);
    EXPECT_EQ(0, CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime));
    EXPECT_EQ(4u, after.nFileSizeLow);
}

TEST_F(ShellCommandTest, FileThatCannotBeOpenedShowsOneBoxAndEnds)
{
    for (const std::string& strArgs : { Missing(), "/p " + Missing(), "\"" + ExeFolder() + ".\"" })
        ExpectOneBoxThenEnd(RunSample(strArgs), strArgs);
}

TEST_F(ShellCommandTest, PrintingOpensTheFileHiddenAndEnds)
{
    for (const std::string& strArgs : { "/p " + File(), "/pt " + File() + " printer driver port" })
        ExpectQuietEnd(RunSample(strArgs), strArgs);
}

TEST_F(ShellCommandTest, RegistrationEndsAtOnce)
{
    for (const char* pszArgs : { "/Register", "-REGSERVER", "/dde", "/unregserver /Embedding" })
        ExpectQuietEnd(RunSample(pszArgs), pszArgs);
}

TEST_F(ShellCommandTest, UnregistrationShowsOneBoxAndEnds)
{
    for (const char* pszArgs : { "/Unregister", "-unregserver" })
        ExpectOneBoxThenEnd(RunSample(pszArgs), pszArgs);
}

TEST_F(ShellCommandTest, FrameIsShownWithTheStartingShowCommand)
{
    const SampleRun run = RunSample("", SW_SHOWMINNOACTIVE);
    ExpectNormalStart(run, "minimised");
    EXPECT_TRUE(run.bFrameIconic);
}
}
