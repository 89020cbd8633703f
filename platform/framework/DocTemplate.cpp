#include "platform/framework/DocTemplate.h"

#include "platform/framework/Document.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
                           const CRuntimeClass* viewClass)
    : m_nIDResource(resourceId), m_pDocClass(docClass), m_pFrameClass(frameClass), m_pViewClass(viewClass)
{
    m_strDocStrings = AfxLoadString(resourceId);
}

CDocTemplate::~CDocTemplate()
{
}

BOOL CDocTemplate::GetDocString(std::string& text, DocStringIndex index) const
{
    text.clear();
    size_t start = 0;
    for (int i = 0; i < (int)index; ++i)
    {
        start = m_strDocStrings.find('\n', start);
        if (start == std::string::npos)
            return FALSE;
        ++start;
    }
    size_t end = m_strDocStrings.find('\n', start);
    text = m_strDocStrings.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return TRUE;
}

std::string CDocTemplate::GetFilter() const
{
    std::string name, ext, filter;
    if (GetDocString(name, filterName) && GetDocString(ext, filterExt) && !name.empty() && !ext.empty())
    {
        filter += name;
        filter += '\0';
        filter += "*" + ext;
        filter += '\0';
    }
    filter += AfxLoadString(AFX_IDS_ALLFILTER);
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    filter += '\0';
    return filter;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : NULL;
    CDocument* doc = object && object->IsKindOf(RUNTIME_CLASS(CDocument)) ? static_cast<CDocument*>(object) : NULL;
    if (doc == NULL)
    {
        delete object;
        return NULL;
    }
    AddDocument(doc);
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* doc, CFrameWnd* other)
{
    CCreateContext context;
    context.m_pCurrentFrame = other;
    context.m_pCurrentDoc = doc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : NULL;
    CFrameWnd* frame = object && object->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(object) : NULL;
    if (frame == NULL)
    {
        delete object;
        return NULL;
    }
    // A frame that fails to load has deleted itself (PostNcDestroy).
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, &context))
        return NULL;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible)
{
    frame->InitialUpdateFrame(doc, makeVisible);
}

void CDocTemplate::AddDocument(CDocument* doc)
{
    doc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* doc)
{
    doc->m_pDocTemplate = NULL;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    POSITION pos = GetFirstDocPosition();
    while (pos)
    {
        CDocument* doc = GetNextDoc(pos);
        doc->OnCloseDocument();
        pos = GetFirstDocPosition();
    }
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos;)
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    return TRUE;
}

// ---------------------------------------------------------------------------

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, const CRuntimeClass* docClass,
                                       const CRuntimeClass* frameClass, const CRuntimeClass* viewClass)
    : CDocTemplate(resourceId, docClass, frameClass, viewClass), m_pOnlyDoc(NULL)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc)
    {
        CDocument* doc = m_pOnlyDoc;
        m_pOnlyDoc = NULL;
        doc->m_pDocTemplate = NULL;
        // The frame and its views still show it: they forget it.
        if (doc->m_viewList.IsEmpty())
            delete doc;
        else
            doc->m_bAutoDelete = TRUE;
    }
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* doc)
{
    std::string title;
    if (!GetDocString(title, docName) || title.empty())
        title = AfxLoadString(AFX_IDS_UNTITLED);
    doc->SetTitle(title.c_str());
}

void CSingleDocTemplate::AddDocument(CDocument* doc)
{
    CDocTemplate::AddDocument(doc);
    m_pOnlyDoc = doc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* doc)
{
    if (m_pOnlyDoc == doc)
        m_pOnlyDoc = NULL;
    CDocTemplate::RemoveDocument(doc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc ? reinterpret_cast<POSITION>(m_pOnlyDoc) : NULL;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& pos) const
{
    CDocument* doc = pos ? m_pOnlyDoc : NULL;
    pos = NULL;
    return doc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path, BOOL makeVisible)
{
    CDocument* doc = m_pOnlyDoc;
    CFrameWnd* frame = NULL;
    BOOL created = FALSE;
    if (doc)
    {
        if (!doc->SaveModified())
            return NULL;
        POSITION pos = doc->GetFirstViewPosition();
        if (pos)
            frame = doc->GetNextView(pos)->GetParentFrame();
    }
    else
    {
        doc = CreateNewDocument();
        if (doc == NULL)
        {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            return NULL;
        }
        created = TRUE;
    }
    if (frame == NULL)
    {
        frame = CreateNewFrame(doc, NULL);
        if (frame == NULL)
        {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            if (created)
                delete doc;
            return NULL;
        }
    }

    if (path == NULL)
    {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument())
        {
            if (created)
                frame->DestroyWindow();
            return NULL;
        }
    }
    else
    {
        // The path is cleared first, so one the document sets for itself
        // while opening can be told apart and kept.
        doc->m_strPathName.clear();
        doc->SetModifiedFlag(FALSE);
        if (!doc->OnOpenDocument(path))
        {
            // A failed open leaves a fresh new document with the default
            // title, and its views shown anew.
            SetDefaultTitle(doc);
            doc->OnNewDocument();
            InitialUpdateFrame(frame, doc, makeVisible);
            return NULL;
        }
        std::string kept = doc->m_strPathName;
        doc->SetPathName(kept.empty() ? path : kept.c_str());
    }
    InitialUpdateFrame(frame, doc, makeVisible);
    return doc;
}
