#pragma once
// Korvane's main window as the program builds it (the document template
// creates document, CMainFrame and CKorvaneView and shows the frame), with
// a settings file of its own, and what the tests do with it: read the list
// the way other programs do (LVM_ messages), move the selection mark, send
// commands, and run the create command through the real dialog.
#include "ModalHelper.h"
#include "TestProfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CFrameWnd;

// What the user enters in the create dialog. The check boxes are ticked
// before "Open" is clicked, since "Open" disables them.
struct NewEvent
{
    NewEvent(std::string strName, bool bOpen, bool bManual, bool bInitial)
        : name(std::move(strName)), open(bOpen), manual(bManual), initial(bInitial)
    {
    }

    std::string name;
    bool open;
    bool manual;
    bool initial;
};

// A name no other test or process uses.
std::string UniqueName(const char* pszTag);

class FrameFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    HWND FrameWnd() const { return m_hWndFrame; }
    HWND ViewWnd() const { return m_hWndView; }

    int ItemCount() const;
    std::vector<std::string> Texts() const;
    std::vector<int> Images() const;
    int SelectionMark() const;
    void SetSelectionMark(int nItem) const;
    // Screen point at the middle of item nItem.
    POINT ItemPoint(int nItem) const;
    // A screen point inside the view on which no item lies.
    POINT EmptyPoint() const;

    // WM_COMMAND without a control window to the frame, as the menu bar
    // and the toolbar send it: routed, and dropped when its rule disables it.
    void Command(UINT nID) const;

    // The action that fills the create dialog as the user would and
    // presses OK.
    static ktest::ModalAction FillCreateDialog(const NewEvent& event);

    // Runs the create command with the dialog filled as given; when a
    // message box is expected, it is answered with OK. The windows seen:
    // the dialog, then the box.
    std::vector<ktest::ModalSnapshot> RunCreate(const NewEvent& event, bool bMessageExpected = false);

    // Runs the create command, which must succeed without a message.
    void AddEvent(const NewEvent& event);

    TestProfile m_profile;

private:
    CFrameWnd* m_pFrame = nullptr;
    HWND m_hWndFrame = nullptr;
    HWND m_hWndView = nullptr;
};
