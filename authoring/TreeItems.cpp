#include "authoring/TreeItems.h"

#include "model/ElementContainer.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"

void InsertChildItems(HWND tree, CElement* object, HTREEITEM item)
{
    if (CScriptableObject* scriptable = dynamic_cast<CScriptableObject*>(object))
    {
        scriptable->CScriptableObject::AddToTree(tree, item);
        if (CElementContainer* container = dynamic_cast<CElementContainer*>(object))
        {
            for (size_t i = container->m_children.size(); i-- > 0;)
            {
                if (container->m_children[i])
                    container->m_children[i]->AddToTree(tree, item);
            }
        }
    }
    else if (CScript* script = dynamic_cast<CScript*>(object))
    {
        for (CScriptItem* action : script->m_items)
        {
            if (action)
                action->AddToTree(tree, item);
        }
    }
}

namespace {

const char kRecorderClass[] = "LumbrookTreeRecorder";
const UINT kRecordedMask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;

struct Match
{
    HTREEITEM item;
    int index;
    BOOL dataDiffers;
    BOOL textDiffers;
};

// Matches the items under item with the recorded children of parent, in
// order and depth first; the pairs found go to matches.
BOOL MatchChildren(HWND tree, HTREEITEM item, int parent, const std::vector<std::vector<int>>& children,
                   const std::vector<CTreeRecorder::Item>& recorded, std::vector<Match>& matches)
{
    HTREEITEM child = TreeView_GetChild(tree, item);
    char text[1024];
    for (int index : children[(size_t)(parent + 1)])
    {
        if (child == NULL)
            return FALSE;
        TVITEMA facts = {};
        facts.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_TEXT | TVIF_PARAM;
        facts.hItem = child;
        facts.pszText = text;
        facts.cchTextMax = sizeof text;
        text[0] = 0;
        const CTreeRecorder::Item& wanted = recorded[(size_t)index];
        if (!SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&facts) || facts.iImage != wanted.image ||
            facts.iSelectedImage != wanted.selectedImage)
            return FALSE;
        Match match = { child, index, facts.lParam != wanted.data, wanted.text != text };
        matches.push_back(match);
        if (!MatchChildren(tree, child, index, children, recorded, matches))
            return FALSE;
        child = TreeView_GetNextSibling(tree, child);
    }
    return child == NULL;
}

} // namespace

CTreeRecorder::CTreeRecorder() : m_window(NULL), m_faithful(TRUE)
{
}

CTreeRecorder::~CTreeRecorder()
{
    if (m_window != NULL)
        DestroyWindow(m_window);
}

HWND CTreeRecorder::Start()
{
    m_items.clear();
    m_faithful = TRUE;
    if (m_window != NULL)
        return m_window;
    HINSTANCE instance = GetModuleHandleA(NULL);
    WNDCLASSA known = {};
    if (!GetClassInfoA(instance, kRecorderClass, &known))
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kRecorderClass;
        RegisterClassA(&windowClass);
    }
    m_window = CreateWindowExA(0, kRecorderClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, instance, NULL);
    if (m_window != NULL)
        SetWindowLongPtrA(m_window, GWLP_USERDATA, (LONG_PTR)this);
    return m_window;
}

HTREEITEM CTreeRecorder::Insert(const TVINSERTSTRUCTA& insert)
{
    int parent = -1;
    if (insert.hParent != TVI_ROOT && insert.hParent != NULL)
    {
        // The recorder's own handles are the items' numbers from 1.
        size_t number = (size_t)insert.hParent;
        if (number == 0 || number > m_items.size())
        {
            m_faithful = FALSE;
            return NULL;
        }
        parent = (int)(number - 1);
    }
    if (insert.hInsertAfter != TVI_LAST || (insert.item.mask & kRecordedMask) != kRecordedMask ||
        insert.item.pszText == NULL || insert.item.pszText == LPSTR_TEXTCALLBACKA)
        m_faithful = FALSE;
    Item item;
    item.parent = parent;
    item.text = m_faithful ? insert.item.pszText : "";
    item.image = insert.item.iImage;
    item.selectedImage = insert.item.iSelectedImage;
    item.data = insert.item.lParam;
    m_items.push_back(item);
    return (HTREEITEM)m_items.size();
}

LRESULT CALLBACK CTreeRecorder::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CTreeRecorder* recorder = (CTreeRecorder*)GetWindowLongPtrA(window, GWLP_USERDATA);
    if (message == TVM_INSERTITEMA && recorder != NULL && lParam != 0)
        return (LRESULT)recorder->Insert(*(const TVINSERTSTRUCTA*)lParam);
    if (message >= TV_FIRST && message < TV_FIRST + 0x100 && recorder != NULL)
    {
        // Anything else asked of a tree would need one that holds items.
        recorder->m_faithful = FALSE;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL UpdateChildItemsInPlace(HWND tree, HTREEITEM item, const CTreeRecorder& recording)
{
    if (!recording.IsFaithful())
        return FALSE;
    const std::vector<CTreeRecorder::Item>& recorded = recording.Items();
    std::vector<std::vector<int>> children(recorded.size() + 1);
    for (size_t i = 0; i < recorded.size(); ++i)
        children[(size_t)(recorded[i].parent + 1)].push_back((int)i);
    std::vector<Match> matches;
    matches.reserve(recorded.size());
    if (!MatchChildren(tree, item, -1, children, recorded, matches))
        return FALSE;
    // Only a label that changes is set: setting one repaints its item.
    for (const Match& match : matches)
    {
        if (!match.dataDiffers && !match.textDiffers)
            continue;
        const CTreeRecorder::Item& wanted = recorded[(size_t)match.index];
        TVITEMA change = {};
        change.hItem = match.item;
        change.mask = TVIF_HANDLE | (match.dataDiffers ? TVIF_PARAM : 0) | (match.textDiffers ? TVIF_TEXT : 0);
        change.lParam = wanted.data;
        change.pszText = const_cast<char*>(wanted.text.c_str());
        SendMessageA(tree, TVM_SETITEMA, 0, (LPARAM)&change);
    }
    return TRUE;
}
