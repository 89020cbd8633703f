#include "authoring/EditorServicesImpl.h"

#include "actions/records/DataFileActionRecords.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ProjectFolder.h"
#include "model/Browser.h"
#include "model/EditorServices.h"
#include "platform/framework/Afx.h"

namespace {

class CEditorServices : public IEditorServices
{
public:
    CStr ImportFileIntoProject(const char* path, BOOL keepParentFolder) override
    {
        return ::ImportFileIntoProject(path, keepParentFolder);
    }
    void AddDesignTimeVariable(CElement* source, int scope, const char* name, const VARIANT& value,
                               const char* owner) override
    {
        CBrowser* page = source ? source->GetPage() : NULL;
        if (page)
            page->DeclareVariable(scope, name, value, owner);
    }
    // However long the folder is: a cut one would store wrong paths.
    CStr GetTempFolder() override { return GetTemporaryFolder(); }
    BOOL HasActiveDocument() override { return GetActiveEditorDocument() != NULL; }
    void UpdateAllViews(int hint, CElement* object) override
    {
        if (CLumbrookConfigDoc* document = GetActiveEditorDocument())
            document->UpdateAllViews(NULL, hint, object);
    }
    CIdManager* GetIdManager() override
    {
        CLumbrookConfigDoc* document = GetActiveEditorDocument();
        return document ? &document->m_ids : NULL;
    }
    HWND GetActiveViewWindow() override
    {
        CFrameWnd* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
        CView* view = frame ? frame->GetActiveView() : NULL;
        return view ? view->m_hWnd : NULL;
    }
    CStr MakeAbsolutePath(const char* path) override
    {
        if (!GetDocumentFolder().IsEmpty())
            return ::MakeAbsolutePath(path);
        char full[MAX_PATH];
        DWORD length = GetFullPathNameA(path, MAX_PATH, full, NULL);
        return CStr(length == 0 || length >= MAX_PATH ? path : full);
    }
    CElement* GetCurrentPage() override
    {
        CLumbrookConfigDoc* document = GetActiveEditorDocument();
        return document ? document->GetCurrentPage() : NULL;
    }
    CStr GetDefaultContentFolder() override { return ::GetDefaultContentFolder(); }
};

CEditorServices g_services;

} // namespace

void InstallEditorServices()
{
    SetEditorServices(&g_services);
}

void RemoveEditorServices()
{
    if (GetEditorServices() == &g_services)
        SetEditorServices(NULL);
}

CLumbrookConfigDoc* GetActiveEditorDocument()
{
    CFrameWnd* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    return frame ? dynamic_cast<CLumbrookConfigDoc*>(frame->GetActiveDocument()) : NULL;
}
