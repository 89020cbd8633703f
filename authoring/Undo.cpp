#include "authoring/Undo.h"

#include "authoring/LumbrookConfigDoc.h"
#include "model/Browser.h"
#include "model/store/DataFile.h"
#include "platform/framework/Afx.h"

#include <stdlib.h>
#include <vector>

CUndo::CUndo(CLumbrookConfigDoc* document) : m_pDocument(document), m_levels(10), m_counter(0)
{
    static LONG histories = 0;
    m_history = InterlockedIncrement(&histories);
    DWORD length = GetTempPathA(0, NULL);
    std::vector<char> folder(length + 1, 0);
    if (length > 0 && GetTempPathA(length + 1, &folder[0]) > 0)
        m_strTempFolder = &folder[0];
    CWinApp* app = AfxGetApp();
    std::string levels = app ? app->GetProfileString("Settings", "UndoLevels", "") : std::string();
    if (!levels.empty())
        m_levels = (int)strtol(levels.c_str(), NULL, 10);
}

CUndo::~CUndo()
{
    Clear();
}

void CUndo::SetLevels(int n)
{
    m_levels = n;
    if (CWinApp* app = AfxGetApp())
    {
        char text[16];
        wsprintfA(text, "%d", n);
        app->WriteProfileString("Settings", "UndoLevels", text);
    }
}

CStr CUndo::GetNewestPath() const
{
    return m_snapshots.empty() ? CStr() : m_snapshots.back().path;
}

CStr CUndo::MakeSnapshotName(const CStr& pageId)
{
    if (m_snapshots.empty())
        m_counter = 0;
    // A stored id may hold anything; only plain characters reach the
    // file name, so a snapshot never lands outside the temporary folder.
    CStr safe;
    for (int i = 0; i < pageId.GetLength(); ++i)
    {
        char c = pageId[i];
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        safe += plain ? c : '_';
    }
    // The temporary folder is shared by every editor running at once (and
    // every document of one): without the process and the history in the
    // name, one editor's snapshots overwrite or delete another's, and an
    // Undo then finds nothing to restore.
    CStr name;
    name.Format("%s%s_%lu-%ld_%d.tmp", m_strTempFolder.c_str(), safe.c_str(), (unsigned long)GetCurrentProcessId(),
                m_history, m_counter++);
    return name;
}

void CUndo::Record()
{
    if (m_pDocument == NULL)
        return;
    CBrowser* page = m_pDocument->GetCurrentPage();
    if (page == NULL)
        return;
    m_pDocument->SetModifiedFlag(TRUE);
    // Without snapshots the document commits the page when it leaves it
    // and when it saves.
    if (m_levels < 1)
        return;
    if (!m_pDocument->CommitCurrentPage())
        return;
    Snapshot snapshot;
    snapshot.path = MakeSnapshotName(page->m_strId);
    snapshot.dataFileName = page->GetDataFileName();
    snapshot.page = page;
    if (!page->GetDataFile()->SaveToFile(snapshot.path))
    {
        DeleteFileA(snapshot.path);
        return;
    }
    m_snapshots.push_back(snapshot);
    while ((int)m_snapshots.size() > m_levels)
    {
        DeleteFileA(m_snapshots.front().path);
        m_snapshots.pop_front();
    }
}

void CUndo::DropNewest()
{
    DeleteFileA(m_snapshots.back().path);
    m_snapshots.pop_back();
}

CBrowser* CUndo::FindNewestPage() const
{
    const Snapshot& newest = m_snapshots.back();
    // Mostly the page still current: no need to go through every page of
    // the project by name.
    CBrowser* current = m_pDocument->GetCurrentPage();
    if (current != NULL && newest.page == current && current->GetDataFile() != NULL &&
        current->GetDataFileName() == newest.dataFileName)
        return current;
    return m_pDocument->FindPageByDataFileName(newest.dataFileName);
}

void CUndo::Undo()
{
    if (m_pDocument == NULL || m_snapshots.size() < 2)
        return;
    m_pDocument->Select(NULL);
    DropNewest();
    CBrowser* page = FindNewestPage();
    if (page == NULL)
        return;
    CDataFile stored;
    if (!stored.LoadFromFile(m_snapshots.back().path))
    {
        // The page stays as it is; the history goes on below it.
        DropNewest();
        return;
    }
    if (page != m_pDocument->GetCurrentPage())
        m_pDocument->SetCurrentPage(page, TRUE);
    m_pDocument->RestorePage(page, stored);
    DropNewest();
    m_pDocument->Select(page);
    m_pDocument->UpdateAllViews(NULL, HintWholeDocument, NULL);
    Record();
}

void CUndo::Clear()
{
    for (const Snapshot& snapshot : m_snapshots)
        DeleteFileA(snapshot.path);
    m_snapshots.clear();
}
