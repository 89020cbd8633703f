// Commands: the routing order, disabled commands, the idle update of
// toolbar buttons and status panes.
#include "tests/platform/framework/FrameworkTestApp.h"

#include <gtest/gtest.h>

namespace
{
struct RouteCase
{
    const char* handlers;  // the targets that carry the command out
    const char* expected;  // the one that does, "" for none
};

std::vector<std::string> Split(const char* names)
{
    std::vector<std::string> out;
    std::string all = names, word;
    for (char c : all + " ")
    {
        if (c == ' ')
        {
            if (!word.empty())
                out.push_back(word);
            word.clear();
        }
        else
        {
            word += c;
        }
    }
    return out;
}
}

TEST(CommandRoutingTest, TheFirstTargetInRoutingOrderCarriesTheCommandOut)
{
    const RouteCase cases[] = {
        { "view document template frame application", "view" },
        { "document template frame application", "document" },
        { "template frame application", "template" },
        { "frame application", "frame" },
        { "application", "application" },
        { "application view", "view" },
        { "frame document", "document" },
        { "", "" },
    };
    CTestApp app;
    ASSERT_NE(app.Start(), nullptr);
    UINT id = ID_ROUTED_FIRST;
    for (const RouteCase& c : cases)
    {
        g_handles.clear();
        g_log.clear();
        for (const std::string& name : Split(c.handlers))
            g_handles.insert({ name, id });
        app.Frame()->SendMessage(WM_COMMAND, id, 0);
        std::string who = g_log.empty() ? "" : g_log[0];
        EXPECT_EQ(who, c.expected) << "handlers: " << c.handlers;
        EXPECT_LE(g_log.size(), 1u) << "handlers: " << c.handlers;
        ++id;
    }
}

TEST(CommandRoutingTest, ADisabledCommandIsNotCarriedOutSentOrPosted)
{
    struct Case
    {
        BOOL enabled;
        BOOL posted;
        BOOL fromToolbar;
        int runs;
    };
    const Case cases[] = {
        { TRUE, FALSE, FALSE, 1 },
        { FALSE, FALSE, FALSE, 0 },
        { TRUE, TRUE, FALSE, 1 },
        { FALSE, TRUE, FALSE, 0 },
        { FALSE, TRUE, TRUE, 0 },
        { TRUE, TRUE, TRUE, 1 },
    };
    CTestApp app;
    ASSERT_NE(app.Start(), nullptr);
    for (const Case& c : cases)
    {
        g_guardedEnabled = c.enabled;
        g_guardedRuns = 0;
        LPARAM from = c.fromToolbar ? (LPARAM)app.Frame()->m_toolBar.m_hWnd : 0;
        if (c.posted)
        {
            app.Frame()->PostMessage(WM_COMMAND, ID_GUARDED, from);
            PumpMessages();
        }
        else
        {
            app.Frame()->SendMessage(WM_COMMAND, ID_GUARDED, from);
        }
        EXPECT_EQ(g_guardedRuns, c.runs) << "enabled " << c.enabled << " posted " << c.posted << " toolbar "
                                         << c.fromToolbar;
    }
    g_guardedEnabled = TRUE;
}

TEST(IdleUpdateTest, ToolbarButtonsFollowTheirUpdateHandlers)
{
    struct Case
    {
        UINT id;
        BOOL enabled;
    };
    const Case cases[] = {
        { ID_TOOL_ENABLED, TRUE },
        { ID_TOOL_DISABLED, FALSE },
        { ID_TOOL_UNHANDLED, FALSE },  // no handler anywhere
    };
    CTestApp app;
    ASSERT_NE(app.Start(), nullptr);
    CToolBarCtrl& bar = app.Frame()->m_toolBar.GetToolBarCtrl();
    // Before the idle update every button is as it was made: enabled.
    for (const Case& c : cases)
        EXPECT_TRUE(bar.IsButtonEnabled(c.id)) << c.id;
    app.OnIdle(0);
    for (const Case& c : cases)
        EXPECT_EQ(bar.IsButtonEnabled(c.id) != FALSE, c.enabled != FALSE) << c.id;
}

TEST(IdleUpdateTest, KeyIndicatorsShowWhileTheirKeyIsOn)
{
    struct Case
    {
        BOOL caps, num, scroll;
        const char* texts[3];
    };
    const Case cases[] = {
        { TRUE, FALSE, FALSE, { "CAP", "", "" } },
        { FALSE, TRUE, TRUE, { "", "NUM", "SCRL" } },
        { FALSE, FALSE, FALSE, { "", "", "" } },
    };
    CTestApp app;
    ASSERT_NE(app.Start(), nullptr);
    CStatusBar& bar = app.Frame()->m_statusBar;
    for (const Case& c : cases)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CAPITAL] = c.caps ? 1 : 0;
        keys[VK_NUMLOCK] = c.num ? 1 : 0;
        keys[VK_SCROLL] = c.scroll ? 1 : 0;
        ::SetKeyboardState(keys);
        app.OnIdle(0);
        for (int pane = 1; pane <= 3; ++pane)
        {
            char text[64] = "";
            bar.SendMessage(SB_GETTEXTA, pane, (LPARAM)text);
            EXPECT_STREQ(text, c.texts[pane - 1]) << "pane " << pane << " caps " << c.caps << " num " << c.num;
        }
    }
    char message[64] = "";
    bar.SendMessage(SB_GETTEXTA, 0, (LPARAM)message);
    EXPECT_STREQ(message, "Ready");
}

TEST(IdleUpdateTest, TheViewMenuTogglesTheBars)
{
    CTestApp app;
    ASSERT_NE(app.Start(), nullptr);
    CTestFrame* frame = app.Frame();
    for (UINT id : { (UINT)ID_VIEW_TOOLBAR, (UINT)ID_VIEW_STATUS_BAR })
    {
        CWnd* bar = frame->GetDescendantWindow(id, TRUE);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->IsWindowVisible());
        frame->SendMessage(WM_COMMAND, id, 0);
        EXPECT_FALSE(bar->IsWindowVisible()) << id;
        frame->SendMessage(WM_COMMAND, id, 0);
        EXPECT_TRUE(bar->IsWindowVisible()) << id;
    }
}

TEST(FlyByTest, MenuItemsAndToolbarButtonsShowTheirPrompts)
{
    CTestApp app;
    ASSERT_NE(app.Start(), nullptr);
    CTestFrame* frame = app.Frame();
    HMENU menu = ::CreatePopupMenu();
    struct Case
    {
        UINT id;
        UINT flags;
        HMENU menu;
        const char* message;
    };
    const Case cases[] = {
        { ID_TOOL_ENABLED, MF_STRING, menu, "Carry out the enabled command" },
        { 0, MF_SEPARATOR, menu, "" },
        { 0, 0xFFFF, NULL, "Ready" },
    };
    for (const Case& c : cases)
    {
        frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(c.id, c.flags), (LPARAM)c.menu);
        char text[128] = "";
        frame->m_statusBar.SendMessage(SB_GETTEXTA, 0, (LPARAM)text);
        EXPECT_STREQ(text, c.message) << c.id << " " << c.flags;
    }
    ::DestroyMenu(menu);

    // The toolbar's tip is the text after the prompt's new line.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = frame->m_toolBar.GetToolBarCtrl().GetToolTips();
    info.hdr.idFrom = ID_TOOL_ENABLED;
    info.hdr.code = TTN_GETDISPINFOA;
    frame->SendMessage(WM_NOTIFY, ID_TOOL_ENABLED, (LPARAM)&info);
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, "Enabled");
}

// The image lists a frame hands its toolbar stay the frame's: the toolbar
// going away leaves them whole (deleting them freed memory it never owned).
TEST(ToolbarImagesTest, TheListsHandedToAToolbarOutliveIt)
{
    CTestApp app;
    ASSERT_NE(app.Start(), nullptr);
    CImageList normal, hot;
    ASSERT_TRUE(normal.Create(16, 16, ILC_COLOR24, 1, 1));
    ASSERT_TRUE(hot.Create(16, 16, ILC_COLOR24, 1, 1));
    HIMAGELIST normalHandle = normal.GetSafeHandle(), hotHandle = hot.GetSafeHandle();
    {
        CToolBar bar;
        ASSERT_TRUE(bar.CreateEx(app.Frame(), TBSTYLE_FLAT, WS_CHILD | CBRS_TOP));
        bar.SetHotImageList(&hot);
        bar.SetImageList(&normal);
        EXPECT_EQ((HIMAGELIST)bar.SendMessage(TB_GETIMAGELIST), normalHandle);
    }
    EXPECT_EQ(normal.GetSafeHandle(), normalHandle);
    EXPECT_EQ(hot.GetSafeHandle(), hotHandle);
    EXPECT_EQ(normal.GetImageCount(), 0);
}
