// Window objects: binding, reflection of notifications, the handled flag.
#include "platform/framework/Afx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_heard;

// A control of our own: reflection handlers by the table's choice.
class CReflectingChild : public CWnd
{
public:
    int m_mode = 0;  // 0 none, 1 handles, 2 looks and lets the parent have it
protected:
    void OnNotifyReflect(NMHDR*, LRESULT* result)
    {
        g_heard.push_back("child");
        *result = 7;
    }
    BOOL OnNotifyReflectEx(NMHDR*, LRESULT* result)
    {
        g_heard.push_back("child");
        return FALSE;
    }
    void OnCommandReflect() { g_heard.push_back("child"); }
    DECLARE_MESSAGE_MAP()

public:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        return m_mode == 0 ? FALSE : CWnd::OnChildNotify(message, wParam, lParam, result);
    }
};

// The handlers are chosen by the mode through two message maps.
class CLookingChild : public CReflectingChild
{
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnNotifyReflect)
    ON_CONTROL_REFLECT(BN_CLICKED, OnCommandReflect)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CLookingChild, CReflectingChild)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnNotifyReflectEx)
END_MESSAGE_MAP()

class CParent : public CWnd
{
protected:
    void OnChildNotify(NMHDR*, LRESULT* result)
    {
        g_heard.push_back("parent");
        *result = 9;
    }
    void OnChildClicked() { g_heard.push_back("parent"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParent, CWnd)
    ON_NOTIFY(NM_CLICK, 5, OnChildNotify)
    ON_NOTIFY(NM_DBLCLK, 5, OnChildNotify)
    ON_BN_CLICKED(5, OnChildClicked)
END_MESSAGE_MAP()
}

TEST(ReflectionTest, AControlHearsItsNotificationsBeforeItsParent)
{
    struct Case
    {
        int mode;
        UINT message;
        UINT code;
        const char* heard;
        LRESULT result;
    };
    const Case cases[] = {
        { 0, WM_NOTIFY, (UINT)NM_CLICK, "parent", 9 },
        { 1, WM_NOTIFY, (UINT)NM_CLICK, "child", 7 },
        { 1, WM_NOTIFY, (UINT)NM_DBLCLK, "child parent", 9 },
        { 0, WM_COMMAND, BN_CLICKED, "parent", 0 },
        { 1, WM_COMMAND, BN_CLICKED, "child", 0 },
    };
    for (const Case& c : cases)
    {
        CParent parent;
        ASSERT_TRUE(parent.CreateEx(0, AfxWndClassName, "parent", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200), NULL, 0));
        CLookingChild child;
        child.m_mode = c.mode;
        ASSERT_TRUE(child.Create(NULL, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 5));
        g_heard.clear();
        LRESULT result;
        if (c.message == WM_NOTIFY)
        {
            NMHDR header = { child.m_hWnd, 5, c.code };
            result = parent.SendMessage(WM_NOTIFY, 5, (LPARAM)&header);
        }
        else
        {
            parent.SendMessage(WM_COMMAND, MAKEWPARAM(5, c.code), (LPARAM)child.m_hWnd);
            result = 0;
        }
        std::string heard;
        for (const std::string& who : g_heard)
            heard += (heard.empty() ? "" : " ") + who;
        EXPECT_EQ(heard, c.heard) << "mode " << c.mode << " code " << (int)c.code;
        if (c.message == WM_NOTIFY)
        {
            EXPECT_EQ(result, c.result) << "mode " << c.mode << " code " << (int)c.code;
        }
        parent.DestroyWindow();
    }
}

namespace
{
// Messages that reached the default processing of the subclassed window.
std::vector<std::pair<UINT, WPARAM>> g_defaults;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_USER)
        g_defaults.push_back({ message, wParam });
    return ::DefWindowProcA(window, message, wParam, lParam);
}

class CNesting : public CWnd
{
public:
    BOOL m_outerHandled = TRUE;
    BOOL m_innerHandled = TRUE;
    BOOL m_outerCallsDefault = FALSE;

protected:
    LRESULT OnOuter(WPARAM wParam, LPARAM)
    {
        SetMsgHandled(m_outerHandled);
        SendMessage(WM_USER + 2, 20);
        if (m_outerCallsDefault)
            Default();
        return 1;
    }
    LRESULT OnInner(WPARAM, LPARAM)
    {
        SetMsgHandled(m_innerHandled);
        return 2;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNesting, CWnd)
    ON_MESSAGE(WM_USER + 1, OnOuter)
    ON_MESSAGE(WM_USER + 2, OnInner)
END_MESSAGE_MAP()
}

TEST(HandledFlagTest, ANestedSendMessageKeepsTheOuterHandlersFlagAndMessage)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "FrameworkRecording";
    ::RegisterClassA(&wc);
    struct Case
    {
        BOOL outerHandled, innerHandled, outerCallsDefault;
        std::vector<std::pair<UINT, WPARAM>> defaults;  // in order
    };
    const Case cases[] = {
        { TRUE, TRUE, FALSE, {} },
        { FALSE, TRUE, FALSE, { { WM_USER + 1, 10 } } },
        { TRUE, FALSE, FALSE, { { WM_USER + 2, 20 } } },
        { FALSE, FALSE, FALSE, { { WM_USER + 2, 20 }, { WM_USER + 1, 10 } } },
        { TRUE, TRUE, TRUE, { { WM_USER + 1, 10 } } },
    };
    for (const Case& c : cases)
    {
        HWND window = ::CreateWindowExA(0, "FrameworkRecording", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                        ::GetModuleHandleA(NULL), NULL);
        ASSERT_NE(window, nullptr);
        CNesting wnd;
        wnd.m_outerHandled = c.outerHandled;
        wnd.m_innerHandled = c.innerHandled;
        wnd.m_outerCallsDefault = c.outerCallsDefault;
        ASSERT_TRUE(wnd.SubclassWindow(window));
        g_defaults.clear();
        wnd.SendMessage(WM_USER + 1, 10);
        EXPECT_EQ(g_defaults, c.defaults) << "outer " << c.outerHandled << " inner " << c.innerHandled
                                          << " default " << c.outerCallsDefault;
        wnd.DestroyWindow();
    }
}

namespace
{
class CBinding : public CWnd
{
public:
    BOOL m_boundAtNcCreate = FALSE;
    int* m_finals = nullptr;
    void PostNcDestroy() override
    {
        if (m_finals)
            ++*m_finals;
    }

protected:
    BOOL OnNcCreate(LPCREATESTRUCT cs)
    {
        m_boundAtNcCreate = FromHandlePermanent(m_hWnd) == this && m_hWnd != NULL;
        return CWnd::OnNcCreate(cs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBinding, CWnd)
    ON_WM_NCCREATE()
END_MESSAGE_MAP()

class CBindingTree : public CTreeCtrl
{
public:
    BOOL m_boundAtNcCreate = FALSE;

protected:
    BOOL OnNcCreate(LPCREATESTRUCT cs)
    {
        m_boundAtNcCreate = FromHandlePermanent(m_hWnd) == this && m_hWnd != NULL;
        return CWnd::OnNcCreate(cs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBindingTree, CTreeCtrl)
    ON_WM_NCCREATE()
END_MESSAGE_MAP()
}

TEST(BindingTest, AWindowIsBoundAtNcCreateAndUnboundOnlyWhenReallyDestroyed)
{
    int finals = 0;
    CBinding wnd;
    wnd.m_finals = &finals;
    ASSERT_TRUE(wnd.CreateEx(0, AfxWndClassName, "bound", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), NULL, 0));
    EXPECT_TRUE(wnd.m_boundAtNcCreate);
    HWND window = wnd.m_hWnd;

    CBindingTree tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &wnd, 3));
    EXPECT_TRUE(tree.m_boundAtNcCreate);
    EXPECT_NE(tree.InsertItem("item"), nullptr);

    struct Step
    {
        const char* what;
        bool destroy;
        bool bound;
        int finals;
    };
    const Step steps[] = {
        { "posted WM_NCDESTROY", false, true, 0 },
        { "DestroyWindow", true, false, 1 },
    };
    for (const Step& s : steps)
    {
        if (s.destroy)
            ::DestroyWindow(window);
        else
        {
            ::PostMessageA(window, WM_NCDESTROY, 0, 0);
            MSG msg;
            while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                ::DispatchMessageA(&msg);
        }
        EXPECT_EQ(CWnd::FromHandlePermanent(window) == &wnd, s.bound) << s.what;
        EXPECT_EQ(wnd.m_hWnd == window, s.bound) << s.what;
        EXPECT_EQ(tree.m_hWnd != NULL, s.bound) << s.what;
        EXPECT_EQ(finals, s.finals) << s.what;
    }
}

TEST(BindingTest, AFailedCreationIsReportedAndLeavesTheObjectUnbound)
{
    int finals = 0;
    CBinding wnd;
    wnd.m_finals = &finals;
    EXPECT_FALSE(wnd.CreateEx(0, "NoSuchFrameworkClass", "", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(finals, 1);
}
