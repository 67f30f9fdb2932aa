#pragma once
// Command targets, static message maps and update rules.
//
// Each class that handles messages declares DECLARE_MESSAGE_MAP() in its body
// and writes its map as a table at the top of its .cpp:
//
//     BEGIN_MESSAGE_MAP(CMyView, CListView)
//         ON_COMMAND(ID_EDIT_THING, &CMyView::OnEditThing)
//         ON_UPDATE_COMMAND_UI(ID_EDIT_THING, &CMyView::OnUpdateEditThing)
//         ON_NOTIFY_REFLECT(LVN_DELETEITEM, &CMyView::OnLvnDeleteitem)
//         ON_WM_CONTEXTMENU()
//     END_MESSAGE_MAP()
//
// A map that does not handle an entry passes on to its base class's map.
// Handlers receive typed parameters:
//     ON_COMMAND            void OnX()
//     ON_COMMAND_EX         BOOL OnX(UINT nID)          FALSE: routing goes on
//     ON_UPDATE_COMMAND_UI  void OnUpdateX(CCmdUI* pCmdUI)
//     ON_CONTROL            void OnX()                  (ON_BN_CLICKED alike)
//     ON_NOTIFY             void OnX(NMHDR* pNMHDR, LRESULT* pResult)
//     ON_NOTIFY_EX_RANGE    BOOL OnX(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
//     ON_MESSAGE            LRESULT OnX(WPARAM wParam, LPARAM lParam)
// Window messages (ON_WM_...) and reflected notifications are in Wnd.h.
#include "RuntimeClass.h"

#include <type_traits>

class CCmdTarget;
class CCmdUI;

// Codes passed to OnCmdMsg besides a control's notification code.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// A WM_NOTIFY notification travels through OnCmdMsg with
// nCode = MAKELONG(code, WM_NOTIFY) and pExtra pointing at this.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg when it is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
};

// What a map entry's dispatcher gets to crack.
struct AFX_DISPATCHARGS
{
    UINT nID;
    WPARAM wParam;
    LPARAM lParam;
    void* pExtra;
    LRESULT lResult;
};

// Calls the handler; FALSE when the handler declined (the ..._EX kinds).
using AFX_PDISPATCH = BOOL (*)(CCmdTarget* pTarget, AFX_DISPATCHARGS& args);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message; WM_COMMAND for commands, update rules and control notifications
    UINT nCode;      // notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;        // first command or control identifier
    UINT nLastID;    // last identifier of the range
    AFX_PDISPATCH pfnDispatch;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;   // ends with an entry whose pfnDispatch is null
};

// Base of every class that receives commands.
class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Looks for an entry for command nID with code nCode in this object's
    // map chain and calls it. With pHandlerInfo, only tells whether there is
    // one. Classes that route further (frame, view) override this.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry of the map chain matching message, code and id, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

// The state of one user-interface item (menu item, toolbar button) that an
// update rule sets. A CCmdUI without an item (no menu) just records what the
// rule decided, which the framework uses to test a command before running it.
class CCmdUI
{
public:
    explicit CCmdUI(UINT nID = 0) : m_nID(nID) {}
    virtual ~CCmdUI() = default;

    UINT m_nID;
    UINT m_nIndex = 0;          // position of the item in m_hMenu
    HMENU m_hMenu = nullptr;    // menu that holds the item, or null

    void Enable(BOOL bOn = TRUE);
    void SetCheck(int nCheck = 1);    // 0 clear, 1 checked

    BOOL IsEnabled() const { return m_bEnabled; }
    int GetCheck() const { return m_nCheck; }

    // Runs the update rule of m_nID through pTarget's routing. When there is
    // no rule and bDisableIfNoHandler is set, the item is enabled exactly when
    // some target has a handler for the command. TRUE when a rule ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

protected:
    // Show the state on the item; the default acts on the menu item.
    virtual void ApplyEnable(BOOL bOn);
    virtual void ApplyCheck(int nCheck);

private:
    BOOL m_bEnabled = TRUE;
    BOOL m_bEnableChanged = FALSE;
    int m_nCheck = 0;
};

// --- message map construction --------------------------------------------

#define DECLARE_MESSAGE_MAP()                                              \
protected:                                                                 \
    static const AFX_MSGMAP* GetThisMessageMap();                          \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                             \
    const AFX_MSGMAP* theClass::GetMessageMap() const                      \
    {                                                                      \
        return GetThisMessageMap();                                        \
    }                                                                      \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                        \
    {                                                                      \
        using ThisClass [[maybe_unused]] = theClass;                       \
        using TheBaseClass = baseClass;                                    \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                  \
            { 0, 0, 0, 0, nullptr }                                        \
        };                                                                 \
        static const AFX_MSGMAP messageMap = {                             \
            &TheBaseClass::GetThisMessageMap, messageEntries };            \
        return &messageMap;                                                \
    }

// --- dispatchers: one per handler signature ---------------------------------

template <class PMF> struct AfxMemberOf;
template <class C, class R, class... A> struct AfxMemberOf<R (C::*)(A...)>
{
    using Class = C;
};

template <auto pmf> using AfxHandlerClass = typename AfxMemberOf<decltype(pmf)>::Class;

template <auto pmf, class Signature>
constexpr bool AfxHasSignature =
    std::is_same_v<decltype(pmf), Signature AfxHandlerClass<pmf>::*>;

template <auto pmf> AfxHandlerClass<pmf>* AfxTargetOf(CCmdTarget* pTarget)
{
    return static_cast<AfxHandlerClass<pmf>*>(pTarget);
}

template <auto pmf> BOOL AfxDispatchCommand(CCmdTarget* pTarget, AFX_DISPATCHARGS&)
{
    static_assert(AfxHasSignature<pmf, void()>, "command handler must be void OnX()");
    (AfxTargetOf<pmf>(pTarget)->*pmf)();
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchCommandEx(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, BOOL(UINT)>, "handler must be BOOL OnX(UINT nID)");
    return (AfxTargetOf<pmf>(pTarget)->*pmf)(args.nID);
}

template <auto pmf> BOOL AfxDispatchUpdate(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, void(CCmdUI*)>, "update rule must be void OnUpdateX(CCmdUI*)");
    (AfxTargetOf<pmf>(pTarget)->*pmf)(static_cast<CCmdUI*>(args.pExtra));
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchNotify(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, void(NMHDR*, LRESULT*)>,
                  "notification handler must be void OnX(NMHDR*, LRESULT*)");
    const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(args.pExtra);
    (AfxTargetOf<pmf>(pTarget)->*pmf)(pNotify->pNMHDR, pNotify->pResult);
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchNotifyEx(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, BOOL(UINT, NMHDR*, LRESULT*)>,
                  "handler must be BOOL OnX(UINT nID, NMHDR*, LRESULT*)");
    const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(args.pExtra);
    return (AfxTargetOf<pmf>(pTarget)->*pmf)(args.nID, pNotify->pNMHDR, pNotify->pResult);
}

template <auto pmf> BOOL AfxDispatchMessage(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, LRESULT(WPARAM, LPARAM)>,
                  "handler must be LRESULT OnX(WPARAM, LPARAM)");
    args.lResult = (AfxTargetOf<pmf>(pTarget)->*pmf)(args.wParam, args.lParam);
    return TRUE;
}

// --- entries ------------------------------------------------------------------

#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (id), (id), &AfxDispatchCommand<memberFxn> },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (id), (id), &AfxDispatchCommandEx<memberFxn> },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    { WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), (id), (id), &AfxDispatchUpdate<memberFxn> },
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (wNotifyCode), (id), (id), &AfxDispatchCommand<memberFxn> },
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, static_cast<WORD>(wNotifyCode), (id), (id), &AfxDispatchNotify<memberFxn> },
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, static_cast<WORD>(wNotifyCode), (id), (idLast), &AfxDispatchNotifyEx<memberFxn> },
#define ON_MESSAGE(message, memberFxn) \
    { (message), 0, 0, 0, &AfxDispatchMessage<memberFxn> },
