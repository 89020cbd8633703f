// CDocTemplate and CSingleDocTemplate: the document, frame and view classes
// of one document type, with its string (seven fields separated by new
// lines: window title, document name, file-new name, filter name, filter
// extension, file type id, file type name).
#pragma once

#include "platform/framework/CmdTarget.h"

#include <string>

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex
    {
        windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName
    };

    ~CDocTemplate() override;

    virtual BOOL GetDocString(std::string& text, DocStringIndex index) const;
    UINT GetResourceID() const { return m_nIDResource; }

    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* doc, CFrameWnd* other);
    virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* doc) = 0;
    virtual void AddDocument(CDocument* doc);
    virtual void RemoveDocument(CDocument* doc);
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& pos) const = 0;
    // path NULL: a new document. NULL on failure.
    virtual CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE) = 0;
    virtual void CloseAllDocuments(BOOL endSession);
    virtual BOOL SaveAllModified();

    // The open and save dialogs' filter: "name\0*.ext\0All Files (*.*)\0*.*\0\0".
    std::string GetFilter() const;

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    std::string m_strDocStrings;

protected:
    CDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
                 const CRuntimeClass* viewClass);
};

// One document object for the life of the program: File New and File Open
// reuse it, and the views get their initial update again after each.
class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
                       const CRuntimeClass* viewClass);
    ~CSingleDocTemplate() override;

    void SetDefaultTitle(CDocument* doc) override;
    void AddDocument(CDocument* doc) override;
    void RemoveDocument(CDocument* doc) override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& pos) const override;
    // A failed open leaves the document new and untitled and answers NULL;
    // a path the document gave itself while opening is kept.
    CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE) override;

    CDocument* m_pOnlyDoc;
};
