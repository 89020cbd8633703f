#include "player/runtime/BrowserDocument.h"

#include "player/runtime/ActiveXElement.h"
#include "player/runtime/Browser.h"
#include "player/runtime/DispDynEventImpl.h"
#include "player/runtime/DrawingSupport.h"
#include "player/runtime/IdManager.h"
#include "player/PlayerPaths.h"

#include <algorithm>

namespace Tarvex {

namespace {

CBrowserDocument* g_document;

} // namespace

CBrowserDocument::CBrowserDocument() : CElementContainer("Main", NULL)
{
    g_document = this;
}

CBrowserDocument::~CBrowserDocument()
{
    // Still connected, a sink would run scripts of elements being deleted.
    ReleaseEventSinks();
    DeleteChildren();
    if (g_document == this)
        g_document = NULL;
}

CBrowserDocument* CBrowserDocument::GetCurrent()
{
    return g_document;
}

BOOL CBrowserDocument::Load(const CDataFile& file)
{
    m_scopes.AppendBuiltInVariables(GetBaseFolder());
    AddChild(new CBrowser(this));
    BOOL result = TRUE;
    for (CElement* child : m_children)
    {
        BOOL loaded = child->Load(file);
        child->SetLoaded(loaded);
        result = result && loaded;
    }
    return result;
}

void CBrowserDocument::Clear()
{
    if (CBrowser* page = GetCurrentPage())
        page->FireOnUnload();
    ReleaseEventSinks();
    DeleteChildren();
    CIdManager::Get().Clear();
}

CBrowser* CBrowserDocument::GetCurrentPage() const
{
    return m_children.empty() ? NULL : dynamic_cast<CBrowser*>(m_children.front());
}

void CBrowserDocument::ReleaseEventSinks()
{
    std::vector<DispDynEventImpl*> sinks;
    sinks.swap(m_eventSinks);
    for (DispDynEventImpl* sink : sinks)
    {
        sink->Unadvise();
        sink->Release();
    }
}

void CBrowserDocument::AddEventSink(DispDynEventImpl* sink)
{
    if (!sink)
        return;
    sink->AddRef();
    m_eventSinks.push_back(sink);
}

BOOL CBrowserDocument::Draw(const CDrawContext& context)
{
    for (CElement* child : m_children)
        child->Draw(context);
    return TRUE;
}

void CBrowserDocument::Paint(HDC target, const RECT& area, HRGN update)
{
    // The bitmap covers the painted area only: one of a very large page's
    // size could not be made at all.
    SIZE size = GetSize();
    int width = std::min(area.right, size.cx) - area.left;
    int height = std::min(area.bottom, size.cy) - area.top;
    if (width <= 0 || height <= 0)
        return;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP buffer = memory ? CreateCompatibleBitmap(target, width, height) : NULL;
    if (buffer)
    {
        HGDIOBJ old = SelectObject(memory, buffer);
        SetViewportOrgEx(memory, -area.left, -area.top, NULL);
        // What lies outside the update region is never shown: leave it
        // undrawn. The clip is given in the bitmap's own coordinates.
        HRGN clip = CreateRectRgn(area.left, area.top, area.left + width, area.top + height);
        if (update)
            CombineRgn(clip, clip, update, RGN_AND);
        OffsetRgn(clip, -area.left, -area.top);
        SelectClipRgn(memory, clip);
        DeleteObject(clip);
        CDrawContext context = { memory, update };
        Draw(context);
        BitBlt(target, area.left, area.top, width, height, memory, area.left, area.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(buffer);
    }
    if (memory)
        DeleteDC(memory);
}

CElement* CBrowserDocument::ChildFromPoint(int x, int y) const
{
    CBrowser* page = GetCurrentPage();
    return page ? page->ChildFromPoint(x, y) : NULL;
}

BOOL CBrowserDocument::CanAcceptChild(const CElement* child) const
{
    return dynamic_cast<const CBrowser*>(child) != NULL;
}

void CBrowserDocument::RenameChildren()
{
    for (CElement* child : m_children)
        child->RenameChildren();
}

BOOL CBrowserDocument::PreTranslateMessage(MSG* msg)
{
    HWND main = GetDrawingWindow();
    HWND focus = GetFocus();
    if (!msg || !main || !focus || focus == main || !IsChild(main, focus))
        return 1;
    HWND child = focus;
    while (::GetParent(child) != main)
        child = ::GetParent(child);
    CBrowser* page = GetCurrentPage();
    if (!page)
        return 1;
    for (int i = 0; i < page->GetChildCount(); ++i)
    {
        CActiveXElement* element = dynamic_cast<CActiveXElement*>(page->GetChild(i));
        if (!element || element->GetHostWindow() != child || !element->GetControl())
            continue;
        IOleInPlaceActiveObject* active = NULL;
        if (FAILED(element->GetControl()->QueryInterface(IID_IOleInPlaceActiveObject, (void**)&active)) || !active)
            return 1;
        HRESULT hr = active->TranslateAccelerator(msg);
        active->Release();
        return hr == S_OK ? 0 : 1;
    }
    return 1;
}

SIZE CBrowserDocument::GetSize() const
{
    CBrowser* page = GetCurrentPage();
    if (page)
        return page->GetSize();
    SIZE none = { 0, 0 };
    return none;
}

} // namespace Tarvex
