#include "platform/framework/Document.h"

#include "platform/framework/DocTemplate.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() : m_pDocTemplate(NULL), m_bModified(FALSE), m_bAutoDelete(TRUE)
{
}

CDocument::~CDocument()
{
    // Views outlive nothing of ours: they forget the document.
    while (!m_viewList.IsEmpty())
        m_viewList.RemoveHead()->m_pDocument = NULL;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(const char* title)
{
    m_strTitle = title ? title : "";
    for (POSITION pos = GetFirstViewPosition(); pos;)
    {
        CFrameWnd* frame = GetNextView(pos)->GetParentFrame();
        if (frame)
            frame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::SetPathName(const char* path, BOOL addToRecent)
{
    char full[MAX_PATH];
    m_strPathName = path && *path && ::GetFullPathNameA(path, sizeof(full), full, NULL) > 0 ? full : (path ? path : "");
    size_t slash = m_strPathName.find_last_of("\\/");
    SetTitle(slash == std::string::npos ? m_strPathName.c_str() : m_strPathName.c_str() + slash + 1);
    if (addToRecent && AfxGetApp() && !m_strPathName.empty())
        AfxGetApp()->AddToRecentFileList(m_strPathName.c_str());
}

void CDocument::AddView(CView* view)
{
    m_viewList.AddTail(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view)
{
    POSITION pos = m_viewList.Find(view);
    if (pos == NULL)
        return;
    m_viewList.RemoveAt(pos);
    view->m_pDocument = NULL;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    // A single-document template keeps its document without views.
    if (m_viewList.IsEmpty() && m_bAutoDelete && m_pDocTemplate == NULL)
        delete this;
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, void* hintObject)
{
    for (POSITION pos = GetFirstViewPosition(); pos;)
    {
        CView* view = GetNextView(pos);
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
    }
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* path)
{
    // No serialisation here: the base only checks that the file opens.
    HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    ::CloseHandle(file);
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* path)
{
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Frames go first; the document itself only when nothing keeps it.
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* view = m_viewList.GetHead();
        CFrameWnd* frame = view->GetParentFrame();
        PreCloseFrame(frame);
        if (frame)
            frame->DestroyWindow();
        else
            view->DestroyWindow();
        // A view that did not leave the list would loop forever.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == view)
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    std::string name = m_strPathName.empty() ? m_strTitle : m_strPathName;
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    if (name.empty())
        name = AfxLoadString(AFX_IDS_UNTITLED);
    std::string prompt;
    AfxFormatString1(prompt, AFX_IDP_ASK_TO_SAVE, name.c_str());
    switch (AfxMessageBox(prompt.c_str(), MB_YESNOCANCEL | MB_ICONEXCLAMATION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD attributes = ::GetFileAttributesA(m_strPathName.c_str());
    if (m_strPathName.empty() || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)))
        return DoSave(NULL);
    return DoSave(m_strPathName.c_str());
}

BOOL CDocument::DoSave(const char* path, BOOL replace)
{
    std::string name = path ? path : "";
    if (name.empty())
    {
        name = m_strPathName;
        if (replace && name.empty())
        {
            name = m_strTitle;
            std::string ext;
            if (m_pDocTemplate && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.empty() &&
                name.find('.') == std::string::npos)
                name += ext;
            // Characters a file name cannot hold are dropped.
            std::string clean;
            for (char ch : name)
                if (!strchr("\\/:*?\"<>|", ch))
                    clean += ch;
            name = clean;
        }
        CWinApp* app = AfxGetApp();
        if (app == NULL || !app->DoPromptFileName(name, replace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILE, 0, FALSE,
                                                  m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(name.c_str()))
        return FALSE;
    if (replace)
        SetPathName(name.c_str());
    return TRUE;
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(NULL);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
