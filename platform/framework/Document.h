// CDocument: the data of one open file and the views that show it.
#pragma once

#include "platform/framework/CmdTarget.h"
#include "platform/framework/List.h"

#include <string>

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const char* GetTitle() const { return m_strTitle.c_str(); }
    virtual void SetTitle(const char* title);
    const char* GetPathName() const { return m_strPathName.c_str(); }
    // Sets the path, the title from its file name and, when asked, adds
    // the path to the recent files.
    virtual void SetPathName(const char* path, BOOL addToRecent = TRUE);
    void ClearPathName() { m_strPathName.clear(); }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

    // Views
    void AddView(CView* view);
    void RemoveView(CView* view);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& pos) const { return m_viewList.GetNext(pos); }
    // Every view but the sender gets OnUpdate(sender, hint, hintObject).
    void UpdateAllViews(CView* sender, LPARAM hint = 0, void* hintObject = NULL);
    virtual void OnChangedViewList();

    // Life of the document's contents
    virtual void DeleteContents() {}
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(const char* path);
    virtual BOOL OnSaveDocument(const char* path);
    virtual void OnCloseDocument();
    // "Save changes to <title>?" through the reporter: Yes saves (FALSE
    // when that fails), No goes on, Cancel answers FALSE.
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame(CFrameWnd* frame) { return SaveModified(); }
    virtual void PreCloseFrame(CFrameWnd* frame) {}
    // Save (replace = TRUE asks for a name only when there is none) and
    // Save As; the dialog's filter comes from the template string.
    virtual BOOL DoSave(const char* path, BOOL replace = TRUE);
    virtual BOOL DoFileSave();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    std::string m_strTitle;
    std::string m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CList<CView*, CView*> m_viewList;
    BOOL m_bModified;
    BOOL m_bAutoDelete;  // deleted when its last view goes

protected:
    void OnFileSave();
    void OnFileSaveAs();
    DECLARE_MESSAGE_MAP()
};
