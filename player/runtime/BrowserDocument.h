// CBrowserDocument: the player's document of pages, whose only child is the
// page being shown. It holds the variables and the hosted controls' event
// sinks.
#pragma once

#include "player/runtime/ElementContainer.h"
#include "player/runtime/VariableScopes.h"

#include <unknwn.h>
#include <vector>

namespace Tarvex {

class CBrowser;
class DispDynEventImpl;

class CBrowserDocument : public CElementContainer
{
public:
    // The newest document becomes the process-wide one.
    CBrowserDocument();
    ~CBrowserDocument() override;

    static CBrowserDocument* GetCurrent();

    // Appends the built-in variables, then builds a new page from the file;
    // FALSE when the page failed to load.
    BOOL Load(const CDataFile& file) override;
    // The page's "OnUnload", then sinks, page, elements and ids go.
    void Clear();

    // The page, NULL without one.
    CBrowser* GetCurrentPage() const;
    // One reference taken; the sink is disconnected and released by Clear.
    void AddEventSink(DispDynEventImpl* sink);
    int GetEventSinkCount() const { return (int)m_eventSinks.size(); }

    BOOL Draw(const CDrawContext& context) override;
    // The main window's paint of area (client coordinates, the page's own)
    // onto target: the page drawn into a bitmap of the area's size (cut to
    // the page), its coordinates moved onto the bitmap and the drawing
    // clipped to update (NULL: the area), then copied to the area.
    void Paint(HDC target, const RECT& area, HRGN update);
    CElement* ChildFromPoint(int x, int y) const override;
    BOOL CanAcceptChild(const CElement* child) const override;
    void RenameChildren() override;
    // Offers the message to the accelerators of the hosted control that has
    // the focus; zero when the control consumed it.
    BOOL PreTranslateMessage(MSG* msg) override;
    SIZE GetSize() const override;

    CVariableScopes& GetScopes() { return m_scopes; }

private:
    // Disconnects and releases every sink.
    void ReleaseEventSinks();

    std::vector<DispDynEventImpl*> m_eventSinks;
    CVariableScopes m_scopes;
};

} // namespace Tarvex
