#include "BrowserDocument.h"

#include "Browser.h"
#include "IdManager.h"
#include "PlayerPaths.h"

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
    for (IUnknown* sink : m_eventSinks)
        sink->Release();
    m_eventSinks.clear();
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
    for (IUnknown* sink : m_eventSinks)
        sink->Release();
    m_eventSinks.clear();
    DeleteChildren();
    CIdManager::Get().Clear();
}

CBrowser* CBrowserDocument::GetCurrentPage() const
{
    return m_children.empty() ? NULL : dynamic_cast<CBrowser*>(m_children.front());
}

void CBrowserDocument::AddEventSink(IUnknown* sink)
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
    (void)msg;
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
