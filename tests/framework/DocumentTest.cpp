// Opening and creating documents through a single-document template, and
// the framework's prompts when that fails.
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "FrameworkTestIds.h"
#include "ModalHelper.h"
#include "SampleDoc.h"
#include "SampleFrame.h"
#include "SampleView.h"
#include "TestApp.h"
#include "View.h"

#include <gtest/gtest.h>

#include <string>

// A view whose window cannot be created: its class does not exist.
class CRefusingView : public CView
{
    DECLARE_DYNCREATE(CRefusingView)
public:
    ~CRefusingView() override { --s_nAlive; }
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override
    {
        cs.lpszClass = "NoSuchWindowClass";
        return TRUE;
    }
    void OnDraw(HDC) override {}
    static int s_nAlive;
protected:
    CRefusingView() { ++s_nAlive; }
};

IMPLEMENT_DYNCREATE(CRefusingView, CView)

int CRefusingView::s_nAlive = 0;

namespace
{
constexpr UINT IDR_NOTHING = 999;   // no menu, no string, no icon

class DocumentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theTestApp.InitForTest();
        char szFolder[MAX_PATH];
        GetTempPathA(MAX_PATH, szFolder);
        m_strFile = std::string(szFolder) + "framework_document_test.txt";
        WriteFile("contents");
    }

    void TearDown() override
    {
        if (theTestApp.m_pMainWnd)
            theTestApp.m_pMainWnd->SendMessage(WM_CLOSE);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
        DeleteFileA(m_strFile.c_str());
        EXPECT_EQ(0, CSampleDoc::s_nAlive);
    }

    void WriteFile(const char* pszText) const
    {
        const HANDLE hFile = CreateFileA(m_strFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD dwWritten = 0;
        ::WriteFile(hFile, pszText, lstrlenA(pszText), &dwWritten, nullptr);
        CloseHandle(hFile);
    }

    FILETIME LastWrite() const
    {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExA(m_strFile.c_str(), GetFileExInfoStandard, &data);
        return data.ftLastWriteTime;
    }

    CSingleDocTemplate m_template{ IDR_SAMPLE, RUNTIME_CLASS(CSampleDoc), RUNTIME_CLASS(CSampleFrame),
                                   RUNTIME_CLASS(CSampleView) };
    std::string m_strFile;
};

TEST_F(DocumentTest, DocumentStringFieldsAreSplitAtLineFeeds)
{
    m_template.LoadTemplate();
    CString str;
    EXPECT_TRUE(m_template.GetDocString(str, CDocTemplate::windowTitle));
    EXPECT_EQ(CString("Sample  -  Frame"), str);
    EXPECT_FALSE(m_template.GetDocString(str, CDocTemplate::docName));
    EXPECT_EQ(CString(""), str);
    EXPECT_TRUE(m_template.GetDocString(str, CDocTemplate::fileNewName));
    EXPECT_EQ(CString("Sample"), str);
    EXPECT_TRUE(m_template.GetDocString(str, CDocTemplate::regFileTypeName));
    EXPECT_EQ(CString("Sample Document"), str);
}

TEST_F(DocumentTest, NamedFileIsOpenedAndLeftAsItWas)
{
    m_template.LoadTemplate();
    const FILETIME before = LastWrite();
    CDocument* pDoc = m_template.OpenDocumentFile(m_strFile.c_str());
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(CString(m_strFile.c_str()), pDoc->GetPathName());
    EXPECT_FALSE(pDoc->IsModified());
    const FILETIME after = LastWrite();
    EXPECT_EQ(0, CompareFileTime(&before, &after));
    // Closed again: another program may write it now.
    const HANDLE hFile = CreateFileA(m_strFile.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, hFile);
    CloseHandle(hFile);
}

enum class Obstacle
{
    Missing,
    Folder,
    BeingWritten,   // open for writing in another handle
};

struct OpenFailure
{
    const char* pszWhat;
    Obstacle obstacle;
};

class OpenFailureTest : public DocumentTest, public ::testing::WithParamInterface<OpenFailure>
{
};

TEST_P(OpenFailureTest, ShowsTheLoadPromptAndDestroysTheHalfBuiltFrameUnseen)
{
    const OpenFailure& c = GetParam();
    m_template.LoadTemplate();
    std::string strPath = m_strFile;
    HANDLE hHolder = INVALID_HANDLE_VALUE;
    switch (c.obstacle)
    {
    case Obstacle::Missing:
        strPath += ".missing";
        break;
    case Obstacle::Folder:
        strPath = strPath.substr(0, strPath.rfind('\\'));
        break;
    case Obstacle::BeingWritten:
        hHolder = CreateFileA(m_strFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hHolder);
        break;
    }

    ktest::ModalScript script;
    bool bFrameSeen = false;
    script.Then([&](ktest::ModalWindow& box) {
        const HWND hWndFrame = FindWindowA(nullptr, "Sample  -  Frame");
        bFrameSeen = hWndFrame && IsWindowVisible(hWndFrame);
        box.Press(IDOK);
    });
    EXPECT_EQ(nullptr, m_template.OpenDocumentFile(strPath.c_str())) << c.pszWhat;
    if (hHolder != INVALID_HANDLE_VALUE)
        CloseHandle(hHolder);

    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(1u, script.Seen().size());
    EXPECT_EQ("Framework Tests", script.Seen()[0].caption);
    EXPECT_EQ("", script.Seen()[0].text) << "the prompt has no text in the resources";
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), script.Seen()[0].icon);
    EXPECT_FALSE(bFrameSeen);
    EXPECT_EQ(nullptr, theTestApp.m_pMainWnd);
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Sample  -  Frame"));
    EXPECT_EQ(0, CSampleDoc::s_nAlive);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenFailureTest,
                         ::testing::Values(OpenFailure{ "missing", Obstacle::Missing },
                                           OpenFailure{ "a folder", Obstacle::Folder },
                                           OpenFailure{ "being written", Obstacle::BeingWritten }));

class FrameFailureTest : public DocumentTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(FrameFailureTest, FrameThatCannotBeCreatedShowsTheCreationPrompt)
{
    const bool bMenuMissing = GetParam();
    CSingleDocTemplate broken(bMenuMissing ? IDR_NOTHING : IDR_SAMPLE, RUNTIME_CLASS(CSampleDoc),
                              RUNTIME_CLASS(CSampleFrame),
                              bMenuMissing ? RUNTIME_CLASS(CSampleView) : RUNTIME_CLASS(CRefusingView));
    broken.LoadTemplate();
    ktest::ModalScript script;
    script.Then(ktest::PressButton(IDOK));
    EXPECT_EQ(nullptr, broken.OpenDocumentFile(nullptr));
    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(1u, script.Seen().size());
    EXPECT_EQ("Framework Tests", script.Seen()[0].caption);
    EXPECT_EQ(0, CSampleDoc::s_nAlive) << "the new document was deleted";
    EXPECT_EQ(0, CRefusingView::s_nAlive) << "the view object that got no window was deleted";
    EXPECT_EQ(nullptr, theTestApp.m_pMainWnd);
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Sample  -  Frame"));
}

INSTANTIATE_TEST_SUITE_P(Causes, FrameFailureTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "MenuMissing" : "ViewRefused";
                         });

TEST_F(DocumentTest, ModifiedFlagIsPlain)
{
    m_template.LoadTemplate();
    CDocument* pDoc = m_template.OpenDocumentFile(nullptr, FALSE);
    ASSERT_NE(nullptr, pDoc);
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_TRUE(pDoc->SaveModified()) << "unmodified: closes without a question";
    pDoc->SetModifiedFlag();
    EXPECT_TRUE(pDoc->IsModified());
    pDoc->SetModifiedFlag(FALSE);
    EXPECT_FALSE(pDoc->IsModified());
}
}
