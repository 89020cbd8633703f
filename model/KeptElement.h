// CKeptElement: a page element held only as the lines of its stored
// sections (its own and every section named after it: frames, scripts and
// their items), written back unchanged under its current section name. It
// stands for an element that failed to load (a control missing on this
// machine, a broken strip), so that no author's data is lost.
#pragma once

#include "model/ScriptableObject.h"

#include <vector>

class CKeptElement : public CScriptableObject
{
public:
    CKeptElement(const char* sectionName = NULL, CElement* parent = NULL);
    CKeptElement(const CKeptElement& other);
    ~CKeptElement() override;

    CElement* Clone() const override;
    BOOL HitTest(POINT pt) const override;
    RECT GetRect() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    // Scripts added now would not be among the lines it writes back.
    BOOL CanAcceptChild(CElement* child) override;
    void RenameChildren() override;

    // Takes the lines of the element's sections from the file; the id,
    // type, name, position and size are read for the editor's use.
    void Capture(const CDataFile& file);

    struct StoredSection
    {
        CStr suffix;                // after the element's section name
        std::vector<CStr> lines;    // the key lines, as stored
    };
    std::vector<StoredSection> m_sections;

private:
    CKeptElement& operator=(const CKeptElement&);
};
