#include "model/Browser.h"
#include "model/PropertySheetHooks.h"

#include "model/ActiveXElement.h"
#include "model/store/DataFile.h"
#include "model/EditorServices.h"
#include "model/ElementSupport.h"
#include "model/IdManager.h"
#include "model/ImageElement.h"
#include "model/ImageListElement.h"
#include "model/ImageUtil.h"
#include "model/KeptElement.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/SetPropertyHooks.h"
#include "model/TextElement.h"

#include <new>
#include <oleauto.h>
#include <string.h>

static CStr g_currentTemplate;

CStr GetCurrentTemplate()
{
    return g_currentTemplate;
}

void SetCurrentTemplate(const char* name)
{
    g_currentTemplate = name;
}

CVariableRecord::CVariableRecord(const char* name, const VARIANT& value, const char* owner)
    : m_strName(name), m_strOwner(owner)
{
    VariantInit(&m_value);
    if (FAILED(VariantCopy(&m_value, const_cast<VARIANT*>(&value))))
        VariantInit(&m_value);
}

CVariableRecord::~CVariableRecord()
{
    VariantClear(&m_value);
}

std::vector<CVariableChoice> GetVariableComboItems(const CVariableList& list, BOOL onlyOwn,
                                                   const char* objectId)
{
    std::vector<CVariableChoice> items;
    for (CVariableRecord* record : list) {
        if (record == NULL)
            continue;
        if (onlyOwn && strcmp(record->m_strOwner, objectId ? objectId : "") != 0)
            continue;
        CVariableChoice choice = { record->m_strName, &record->m_value };
        items.push_back(choice);
    }
    return items;
}

static const char* const kPositionNames[4] = { "left", "right", "bottom", "top" };

CBrowser::CBrowser()
    : CElementContainer("Main", NULL), m_bTiled(TRUE), m_bAppbar(FALSE), m_bMouseMove(TRUE),
      m_strPosition("right"), m_hBackground(NULL), m_resize(2), m_transColor(0),
      m_tolerance(0), m_windowType(0), m_pDataFile(NULL), m_pIdManager(NULL)
{
    m_strType = "Browser";
    m_containerWidth = 400;
    m_containerHeight = 300;
    for (int i = 0; i < 4; ++i)
        m_positionNames[i] = kPositionNames[i];
    ClearEventNames();
    AddEventName("PreLoad");
    AddEventName("OnLoad");
    AddEventName("OnUnload");
}

// The window settings a copy does not carry take the construction values;
// the position names are constants and stay filled so that a copy can
// still look up its edge.
CBrowser::CBrowser(const CBrowser& other)
    : CElementContainer(other), m_strWatermark(other.m_strWatermark),
      m_bTiled(other.m_bTiled), m_bAppbar(other.m_bAppbar), m_bMouseMove(TRUE),
      m_strPosition(other.m_strPosition), m_strStartSound(other.m_strStartSound),
      m_hBackground(NULL), m_strTemplate(other.m_strTemplate), m_strIcon(other.m_strIcon),
      m_resize(2), m_transColor(0), m_tolerance(0), m_windowType(0),
      m_pDataFile(other.m_pDataFile), m_pIdManager(other.m_pIdManager)
{
    for (int i = 0; i < 4; ++i)
        m_positionNames[i] = kPositionNames[i];
}

CBrowser::~CBrowser()
{
    FreeBackground();
    ClearVariables();
    // The elements belong to Unload; the container frees only its list.
    m_children.clear();
}

CElement* CBrowser::Clone() const
{
    return new CBrowser(*this);
}

void CBrowser::FreeBackground()
{
    if (m_hBackground) {
        DeleteObject(m_hBackground);
        m_hBackground = NULL;
    }
}

void CBrowser::Unload()
{
    FreeBackground();
    DeleteAllElements();
    for (CScript* script : m_scripts)
        delete script;
    m_scripts.clear();
}

CIdManager* CBrowser::GetIdManager() const
{
    return m_pIdManager != NULL ? m_pIdManager : GetActiveIdManager();
}

int CBrowser::FindPositionIndex(const char* text) const
{
    for (int i = 0; i < 4; ++i) {
        if (text && !m_positionNames[i].IsEmpty() && lstrcmpiA(m_positionNames[i], text) == 0)
            return i;
    }
    return -1;
}

CStr CBrowser::GetDataFileName() const
{
    return m_pDataFile ? m_pDataFile->GetName() : CStr("");
}

RECT CBrowser::GetRect() const
{
    RECT rect = { 0, 0, m_containerWidth, m_containerHeight };
    return rect;
}

BOOL CBrowser::EditProperties(BOOL bNew)
{
    return RunEditPageHook(this, bNew);
}

BOOL CBrowser::CanAcceptChild(CElement* child)
{
    if (child == NULL)
        return FALSE;
    const char* type = child->m_strType;
    // A kept stand-in is an element that failed to load (a missing control,
    // a broken strip); refusing it would strand it where it is.
    const BOOL kept = dynamic_cast<CKeptElement*>(child) != NULL;
    if (lstrcmpiA(type, "Image") == 0)
        return kept || dynamic_cast<CImageElement*>(child) != NULL;
    if (lstrcmpiA(type, "ImageList") == 0)
        return kept || dynamic_cast<CImageListElement*>(child) != NULL;
    if (lstrcmpiA(type, "Text") == 0)
        return kept || dynamic_cast<CTextElement*>(child) != NULL;
    if (lstrcmpiA(type, "ActiveX") == 0)
        return kept || dynamic_cast<CActiveXElement*>(child) != NULL;
    if (lstrcmpiA(type, "Script") == 0)
        return CScriptableObject::CanAcceptChild(child);
    return FALSE;
}

BOOL CBrowser::AddToTree(HWND tree, HTREEITEM parentItem)
{
    IEditorServices* services = GetEditorServices();
    if (tree == NULL || services == NULL || !services->HasActiveDocument())
        return FALSE;
    int image = GetCurrentPage() == this ? 14 : 15;
    HTREEITEM item = InsertElementTreeItem(tree, parentItem, GetDisplayName(), image, this, 14);
    for (CScript* script : m_scripts) {
        if (script)
            script->AddToTree(tree, item);
    }
    for (size_t i = m_children.size(); i-- > 0;) {
        if (m_children[i])
            m_children[i]->AddToTree(tree, item);
    }
    return TRUE;
}

void CBrowser::UpdatePropertyList(CPropertyRecordList& list)
{
    list.clear();
}

BOOL CBrowser::Save(CDataFile* file)
{
    if (file == NULL)
        file = m_pDataFile;
    // Without a data file there is nowhere to write.
    if (file == NULL)
        return FALSE;
    m_xpos = 0;
    m_ypos = 0;
    file->Clear();
    const char* s = "Main";
    file->SetString(s, "title", m_strTitle);
    file->SetString(s, "watermark", ImportMediaFile(m_strWatermark, TRUE));
    file->SetBool(s, "tiled", m_bTiled);
    file->SetInt(s, "resize", m_resize);
    file->SetInt(s, "width", m_containerWidth);
    file->SetInt(s, "height", m_containerHeight);
    file->SetBool(s, "appbar", m_bAppbar);
    file->SetString(s, "position", m_strPosition);
    file->SetString(s, "startSound", m_strStartSound);
    file->SetString(s, "template", m_strTemplate);
    file->SetString(s, "icon", ImportMediaFile(m_strIcon, FALSE));
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    file->SetInt(s, "yres", desktop.bottom - desktop.top);
    file->SetInt(s, "xres", desktop.right - desktop.left);
    file->SetInt(s, "windowType", m_windowType);
    file->SetLong(s, "transColor", (long)m_transColor);
    file->SetLong(s, "tolerance", (long)m_tolerance);
    file->SetBool(s, "mouseMove", m_bMouseMove);
    return CElementContainer::Save(file);
}

BOOL CBrowser::SaveKeepingScreenSize()
{
    CDataFile* file = m_pDataFile;
    if (file == NULL)
        return FALSE;
    static const char* const kKeys[2] = { "xres", "yres" };
    CStr stored[2];
    BOOL had[2] = { FALSE, FALSE };
    int header = file->FindSectionIndex("Main");
    for (int k = 0; k < 2 && header >= 0; ++k) {
        int at = file->FindKeyIndex(header + 1, kKeys[k]);
        had[k] = at >= 0;
        if (had[k])
            stored[k] = file->GetLine(at);
    }
    BOOL saved = Save(file);
    header = file->FindSectionIndex("Main");
    for (int k = 0; k < 2 && header >= 0; ++k) {
        int at = had[k] ? file->FindKeyIndex(header + 1, kKeys[k]) : -1;
        if (at >= 0)
            file->SetLine(at, stored[k]);
    }
    return saved;
}

BOOL CBrowser::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        file = m_pDataFile;
    if (file == NULL)
        return FALSE;
    const char* s = "Main";
    long number;
    file->GetString(s, "title", m_strTitle);
    file->GetString(s, "watermark", m_strWatermark);
    file->GetBool(s, "tiled", m_bTiled);
    file->GetInt(s, "width", m_containerWidth);
    file->GetInt(s, "height", m_containerHeight);
    file->GetInt(s, "resize", m_resize);
    file->GetBool(s, "appbar", m_bAppbar);
    file->GetString(s, "position", m_strPosition);
    file->GetString(s, "startSound", m_strStartSound);
    file->GetString(s, "template", m_strTemplate);
    file->GetString(s, "icon", m_strIcon);
    if (file->GetLong(s, "transColor", number))
        m_transColor = (COLORREF)number;
    if (file->GetLong(s, "tolerance", number))
        m_tolerance = (COLORREF)number;
    file->GetInt(s, "windowType", m_windowType);
    file->GetBool(s, "mouseMove", m_bMouseMove);
    SetCurrentTemplate(m_strTemplate);

    // The page's own id is registered before its elements' ids.
    CStr storedId;
    BOOL registered = !keepId && file->GetString(s, "id", storedId) && !storedId.IsEmpty();
    if (registered) {
        RegisterStoredId(storedId);
        storedId = m_strId;
    }
    BOOL elementsLoaded = LoadElements(file, keepId);
    BOOL restLoaded = CElementContainer::Load(file, TRUE);
    if (registered)
        m_strId = storedId;
    if (!keepId)
        RefreshSetPropertyActions();
    return elementsLoaded && restLoaded;
}

static CScriptableObject* MakeElement(const CStr& type, const char* section, CElement* parent)
{
    switch (ElementKindFromType(type, TypeTextContains)) {
    case StoredElementText:
        return new (std::nothrow) CTextElement(section, parent);
    case StoredElementImageList:
        return new (std::nothrow) CImageListElement(section, parent);
    case StoredElementImage:
        return new (std::nothrow) CImageElement(section, parent);
    case StoredElementActiveX:
        return new (std::nothrow) CActiveXElement(section, parent);
    default:
        return NULL;
    }
}

BOOL CBrowser::LoadElements(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    int count = 0;
    file->GetInt("Main", "numElements", count);
    // A corrupt count would otherwise make elements without end.
    count = ClampStoredCount(count, file);
    BOOL allLoaded = TRUE;
    for (int i = 1; i <= count; ++i) {
        CStr section = ElementSectionName("Main", i);
        CStr type;
        if (!file->GetString(section, "type", type))
            continue;
        CScriptableObject* element = MakeElement(type, section, this);
        if (element == NULL)
            continue;
        // Loaded before it joins the list: adding renumbers, and a skipped
        // section before it would make it read its neighbour's keys.
        if (!element->Load(file, keepId)) {
            allLoaded = FALSE;
            // The registry would otherwise keep the id of a deleted object.
            CIdManager* ids = GetIdManager();
            if (ids != NULL && !element->m_strId.IsEmpty())
                ids->Unregister(element->m_strId, element);
            // Kept as its stored lines, so a save loses none of the author's data.
            CKeptElement* kept = new (std::nothrow) CKeptElement(section, this);
            delete element;
            if (kept == NULL)
                continue;
            kept->Capture(*file);
            // Registered like any element, so no other one is given its id.
            if (!keepId && !kept->m_strId.IsEmpty())
                kept->RegisterStoredId(CStr(kept->m_strId));
            element = kept;
        }
        AddChild(element);
    }
    return allLoaded;
}

void CBrowser::RefreshSetPropertyActions()
{
    const SetPropertyHooks* hooks = GetSetPropertyHooks();
    if (hooks == NULL || hooks->markTargetProperties == NULL)
        return;
    for (CElement* child : m_children) {
        CScriptableObject* object = dynamic_cast<CScriptableObject*>(child);
        if (object == NULL)
            continue;
        for (CScript* script : object->m_scripts) {
            if (script == NULL)
                continue;
            int position = 0;
            while (CScriptItem* item = script->FindItemFrom("SetProperty", position)) {
                if (!hooks->markTargetProperties(item, this))
                    break;
                position++;
            }
        }
    }
}

BOOL CBrowser::Draw(HDC dc)
{
    if (m_hBackground == NULL && !m_strWatermark.IsEmpty()) {
        CStr path = MakeMediaPathAbsolute(m_strWatermark);
        if (ContainsNoCase(m_strWatermark, ".gif", TRUE))
            LoadGifPicture(GetActiveViewWindow(), path, m_windowType == 3 ? 4 : 0, &m_hBackground, NULL);
        if (m_hBackground == NULL)
            m_hBackground = LoadBitmapFile(path);
    }
    const int W = m_containerWidth;
    const int H = m_containerHeight;
    SIZE size = GetBitmapSize(m_hBackground);
    // An empty picture would never advance the tiling.
    if (m_hBackground && size.cx > 0 && size.cy > 0) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, m_hBackground);
        if (m_bTiled) {
            for (int y = 0; y < H; y += size.cy) {
                for (int x = 0; x < W; x += size.cx) {
                    int w = W - x < size.cx ? W - x : size.cx;
                    int h = H - y < size.cy ? H - y : size.cy;
                    BitBlt(dc, x, y, w, h, memory, 0, 0, SRCCOPY);
                }
            }
        } else {
            StretchBlt(dc, 0, 0, W, H, memory, 0, 0, size.cx, size.cy, SRCCOPY);
        }
        SelectObject(memory, previous);
        DeleteDC(memory);
    } else {
        RECT rect = { 0, 0, W, H };
        FillRect(dc, &rect, (HBRUSH)GetStockObject(WHITE_BRUSH));
    }
    for (CElement* child : m_children) {
        if (child)
            child->Draw(dc);
    }
    return TRUE;
}

void CBrowser::AddVariable(int scope, const char* name, const VARIANT& value, const char* owner)
{
    CVariableList& list = scope == 0 ? m_globalVariables : m_localVariables;
    list.push_back(new CVariableRecord(name, value, owner));
}

BOOL CBrowser::DeclareVariable(int scope, const char* name, const VARIANT& value, const char* owner)
{
    if (scope != 0 && scope != 1)
        return FALSE;
    CVariableList& list = scope == 0 ? m_globalVariables : m_localVariables;
    for (CVariableRecord* record : list) {
        if (record != NULL && lstrcmpA(record->m_strName, name ? name : "") == 0)
            return FALSE;
    }
    list.push_back(new CVariableRecord(name, value, owner));
    return TRUE;
}

void CBrowser::ClearVariables()
{
    for (CVariableRecord* record : m_globalVariables)
        delete record;
    for (CVariableRecord* record : m_localVariables)
        delete record;
    m_globalVariables.clear();
    m_localVariables.clear();
}

std::vector<CVariableChoice> CBrowser::GetVariableChoices(const char* objectId) const
{
    std::vector<CVariableChoice> choices = GetVariableComboItems(m_localVariables, TRUE, objectId);
    std::vector<CVariableChoice> globals = GetVariableComboItems(m_globalVariables, FALSE, objectId);
    choices.insert(choices.end(), globals.begin(), globals.end());
    return choices;
}
