// The main window's paint of a part of the page shows what a paint of the
// whole page shows there: the routine the window's paint handler runs (a
// bitmap of the painted area only, the page's coordinates moved onto it,
// the drawing clipped to the update region) paints here onto memory.
#include "player/runtime/Browser.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/IdManager.h"

#include "tests/support/PartialPaint.h"

using namespace Tarvex;

TEST(PagePaint, EveryPartShowsWhatTheWholePageShowsThere)
{
    ScratchDir scratch;
    CIdManager::Get().Clear();
    CBrowserDocument document;
    ASSERT_TRUE(document.Load(MakePaintedPage(scratch, false)));
    ASSERT_EQ(10, document.GetCurrentPage()->GetChildCount());
    ExpectPartsShowTheWhole(
        [&](HDC target, const RECT& area, HRGN update) { document.Paint(target, area, update); });
}
