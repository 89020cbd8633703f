// The drag's drop source: when OLE's drag loop drops, goes on or cancels.
#include "player/runtime/ImpIDropSource.h"

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(ImpIDropSource, QueryContinueDragFollowsEscAndTheLeftButton)
{
    struct Case
    {
        const char* name;
        BOOL escape;
        DWORD keys;
        HRESULT expected;
    };
    const Case cases[] = {
        { "Esc with the button down", TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL },
        { "Esc after the button", TRUE, 0, DRAGDROP_S_CANCEL },
        { "button down", FALSE, MK_LBUTTON, S_OK },
        { "button down with Shift and Ctrl", FALSE, MK_LBUTTON | MK_SHIFT | MK_CONTROL, S_OK },
        { "button up", FALSE, 0, DRAGDROP_S_DROP },
        { "button up, Ctrl held", FALSE, MK_CONTROL, DRAGDROP_S_DROP },
        { "only the right button", FALSE, MK_RBUTTON, DRAGDROP_S_DROP },
    };
    IDropSource* source = NULL;
    ASSERT_EQ(S_OK, (new CImpIDropSource)->QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&source)));
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, source->QueryContinueDrag(c.escape, c.keys)) << c.name;
    const DWORD effects[] = { DROPEFFECT_NONE, DROPEFFECT_COPY, DROPEFFECT_LINK, DROPEFFECT_MOVE };
    for (DWORD effect : effects)
        EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source->GiveFeedback(effect)) << "effect " << effect;
    source->Release();
}

TEST(ImpIDropSource, TheFirstQueryInterfaceHoldsIt)
{
    CImpIDropSource* made = new CImpIDropSource;
    void* object = NULL;
    EXPECT_EQ(E_NOINTERFACE, made->QueryInterface(IID_IDataObject, &object));
    EXPECT_EQ(nullptr, object);
    ASSERT_EQ(S_OK, made->QueryInterface(IID_IUnknown, &object));
    EXPECT_EQ(static_cast<IUnknown*>(made), object);
    EXPECT_EQ(2u, made->AddRef());
    EXPECT_EQ(1u, made->Release());
    EXPECT_EQ(0u, made->Release());
}
