// CUndo: the editor's undo. After every change the current page is written
// as a page data file into the temporary folder; Undo goes back to the page
// as it was in the snapshot before the newest. There is no redo.
#pragma once

#include "model/common/Str.h"

#include <deque>

class CBrowser;
class CLumbrookConfigDoc;

class CUndo
{
public:
    explicit CUndo(CLumbrookConfigDoc* document);
    ~CUndo();

    // Takes a snapshot of the current page (its data file brought up to
    // date first) and marks the document modified.
    void Record();
    void Undo();
    // Deletes every snapshot file.
    void Clear();
    // Keeps at most n snapshots from the next Record on; 0 takes none.
    void SetLevels(int n);
    int GetLevels() const { return m_levels; }
    int GetCount() const { return (int)m_snapshots.size(); }
    CStr GetNewestPath() const;
    const CStr& GetTempFolder() const { return m_strTempFolder; }

private:
    struct Snapshot
    {
        CStr path;
        CStr dataFileName;   // the page it came from; unique in a project
        // That page as it was then: compared, never used, as it may be gone.
        const CBrowser* page;
    };
    CStr MakeSnapshotName(const CStr& pageId);
    // The page the newest snapshot came from; NULL when the project no
    // longer holds it.
    CBrowser* FindNewestPage() const;
    void DropNewest();

    CLumbrookConfigDoc* m_pDocument;
    std::deque<Snapshot> m_snapshots;
    CStr m_strTempFolder;
    int m_levels;
    int m_counter;
    LONG m_history;   // this history's number in the process
};
