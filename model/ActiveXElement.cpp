#include "model/ActiveXElement.h"
#include "model/PropertySheetHooks.h"

#include "platform/atl/AtlImports.h"
#include "model/Browser.h"
#include "model/store/ControlInterfaces.h"
#include "model/store/DataFile.h"
#include "model/EditorServices.h"
#include "model/ElementSupport.h"
#include "model/ImageUtil.h"

#include <oleauto.h>
#include <string.h>

CActiveXElement::CActiveXElement(const char* sectionName, CElement* parent)
    : CScriptableObject(sectionName, parent), m_bDropTarget(0), m_hFont(NULL),
      m_format(DT_NOCLIP | DT_NOPREFIX | DT_SINGLELINE | DT_CENTER), m_strFontName("Arial"),
      m_fontColor(0xFFFFFF), m_fontSize(12), m_fontWeight(400), m_fontItalic(0),
      m_fontUnderline(0), m_fontStrikeOut(0), m_bgColor(0xAAAAAA), m_bgTransparency(0.5),
      m_bCaptionVisible(1), m_fittedWidth(0), m_naturalWidth(0), m_naturalHeight(0),
      m_resize(0), m_reposition(0)
{
    m_width = 0;
    m_height = 0;
    // Only the control's own properties are offered, never the base's size
    // and position records.
    m_properties.clear();
}

CActiveXElement::CActiveXElement(const CActiveXElement& other)
    : CScriptableObject(other), m_strProgID(other.m_strProgID), m_strCLSID(other.m_strCLSID),
      m_dispatchMembers(other.m_dispatchMembers), m_eventMembers(other.m_eventMembers),
      m_methods(other.m_methods), m_bDropTarget(other.m_bDropTarget), m_hFont(NULL),
      m_format(other.m_format), m_strCaption(other.m_strCaption),
      m_strFontName(other.m_strFontName), m_fontColor(other.m_fontColor),
      m_fontSize(other.m_fontSize), m_fontWeight(other.m_fontWeight),
      m_fontItalic(other.m_fontItalic), m_fontUnderline(other.m_fontUnderline),
      m_fontStrikeOut(other.m_fontStrikeOut), m_bgColor(other.m_bgColor),
      m_bgTransparency(other.m_bgTransparency), m_bCaptionVisible(other.m_bCaptionVisible),
      m_fittedWidth(other.m_fittedWidth), m_naturalWidth(other.m_naturalWidth),
      m_naturalHeight(other.m_naturalHeight), m_resize(other.m_resize),
      m_reposition(other.m_reposition)
{
}

CActiveXElement::~CActiveXElement()
{
    ReleaseFont();
}

CElement* CActiveXElement::Clone() const
{
    CActiveXElement* copy = new CActiveXElement(*this);
    copy->FitCaptionFont();
    return copy;
}

BOOL CActiveXElement::HitTest(POINT pt) const
{
    return HitTestRect(*this, pt);
}

RECT CActiveXElement::GetRect() const
{
    return ElementBox(*this);
}

BOOL CActiveXElement::EditProperties(BOOL bNew)
{
    return RunEditActiveXHook(this, bNew);
}

BOOL CActiveXElement::ChooseProperties(CPropertyRecordList& list)
{
    return RunChooseActiveXHook(this, list);
}

void CActiveXElement::ReleaseFont()
{
    DeleteFontHandle(m_hFont);
    m_drawnExtent.Forget();
}

HFONT CActiveXElement::MakeFont(HDC dc) const
{
    return CreateElementFont(dc, m_strFontName, m_fontSize, m_fontWeight, m_fontItalic,
                             m_fontUnderline, m_fontStrikeOut);
}

int CActiveXElement::MeasureCaption(HDC dc) const
{
    HFONT font = MakeFont(dc);
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect = GetRect();
    DrawTextA(dc, m_strCaption, m_strCaption.GetLength(), &rect,
              m_format | DT_CALCRECT | DT_EXTERNALLEADING);
    SelectObject(dc, old);
    DeleteObject(font);
    return rect.right - rect.left;
}

void CActiveXElement::FitCaptionFont()
{
    if (m_fittedWidth == m_width)
        return;
    m_fontSize = 12;
    m_bCaptionVisible = 1;
    ReleaseFont();
    HWND view = GetActiveViewWindow();
    HDC dc = GetDC(view);
    if (dc == NULL)
        return;
    int measured = MeasureCaption(dc);
    while (m_width < measured) {
        if (--m_fontSize == 5) {
            m_bCaptionVisible = 0;
            break;
        }
        measured = MeasureCaption(dc);
    }
    if (m_bCaptionVisible)
        m_hFont = MakeFont(dc);
    ReleaseDC(view, dc);
    m_fittedWidth = m_width;
}

RECT CActiveXElement::GetDrawnRect(HDC dc)
{
    FitCaptionFont();
    if (!m_bCaptionVisible)
        return GetRect();
    if (m_hFont == NULL)
        m_hFont = MakeFont(dc);
    return m_drawnExtent.Get(dc, m_hFont, m_strCaption, GetRect(), m_format);
}

BOOL CActiveXElement::Draw(HDC dc)
{
    RECT rect = GetRect();
    // A caption taller than the box passes it (DT_NOCLIP).
    RECT drawn = GetDrawnRect(dc);
    if (!RectVisible(dc, &drawn))
        return TRUE;
    int saved = SaveDC(dc);
    if (m_bgTransparency > 0)
        BlendColorIntoVisibleRect(dc, rect, m_bgColor, m_bgTransparency);
    if (m_bCaptionVisible) {
        DrawElementText(dc, m_hFont, m_fontColor, m_strCaption, rect, m_format,
                        m_bgTransparency >= 1, m_bgColor);
    }
    RestoreDC(dc, saved);
    return TRUE;
}

void CActiveXElement::DrawAt(HDC dc, POINT origin, HBITMAP mask)
{
    RECT rect = ElementBox(*this, origin);
    HBRUSH brush = CreateSolidBrush(m_bgColor);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    if (m_bCaptionVisible) {
        HFONT font = MakeFont(dc);
        DrawElementText(dc, font, m_fontColor, m_strCaption, rect, m_format, FALSE, m_bgColor);
        DeleteObject(font);
    }
    if (mask) {
        HGDIOBJ image = SelectObject(dc, mask);
        FillRect(dc, &rect, (HBRUSH)GetStockObject(BLACK_BRUSH));
        SelectObject(dc, image);
    }
}

int CActiveXElement::AccessProperty(const char* name, VARIANT& value, BOOL put)
{
    // The control's own properties go to the extra hooks: the player's
    // element answers them through the live control.
    const NamedProperty table[] = {
        { "xpos", PropInt, &m_xpos },
        { "ypos", PropInt, &m_ypos },
        { "width", PropInt, &m_width },
        { "height", PropInt, &m_height },
    };
    return AccessNamedProperty(this, table, sizeof(table) / sizeof(table[0]), name, value, put);
}

BOOL CActiveXElement::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    file->SetInt(s, "width", m_width);
    file->SetInt(s, "height", m_height);
    file->SetString(s, "CLSID", m_strCLSID);
    file->SetString(s, "progID", m_strProgID);
    file->SetBool(s, "dropTarget", m_bDropTarget);
    file->SetInt(s, "resize", m_resize);
    file->SetInt(s, "reposition", m_reposition);
    return CScriptableObject::Save(file);
}

BOOL CActiveXElement::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    file->GetInt(s, "width", m_width);
    file->GetInt(s, "height", m_height);
    file->GetString(s, "CLSID", m_strCLSID);
    file->GetString(s, "progID", m_strProgID);
    BOOL dropTarget;
    if (file->GetBool(s, "dropTarget", dropTarget))
        m_bDropTarget = dropTarget ? 1 : 0;
    file->GetInt(s, "resize", m_resize);
    file->GetInt(s, "reposition", m_reposition);
    m_strCaption = m_strProgID;
    BOOL loaded = CScriptableObject::Load(file, keepId);
    BOOL created = CreateControl();
    return loaded && created;
}

BOOL CActiveXElement::AddToTree(HWND tree, HTREEITEM parentItem)
{
    HTREEITEM item = InsertElementTreeItem(tree, parentItem, GetDisplayName(), 5, this);
    CScriptableObject::AddToTree(tree, item);
    return TRUE;
}

void CActiveXElement::UpdatePropertyList(CPropertyRecordList& list)
{
    // Tested against the names held before the call: a property that can be
    // read and written has two records, and the second (its put) would
    // otherwise never reach a Set Property action.
    const size_t held = list.size();
    for (const CPropertyRecord& record : m_properties) {
        BOOL found = FALSE;
        for (size_t i = 0; i < held && !found; ++i)
            found = lstrcmpiA(list[i].m_strName, record.m_strName) == 0;
        if (!found)
            list.push_back(record);
    }
}

HRESULT CActiveXElement::ReadClassTypeInfo(IOleObject* control)
{
    if (control == NULL)
        return E_POINTER;
    HRESULT hr = ReadControlInterfaces(control, &m_dispatchMembers, &m_eventMembers);
    return hr == S_FALSE ? S_OK : hr;
}

static int HimetricToPixels(int himetric, int pixelsPerInch)
{
    return MulDiv(himetric, pixelsPerInch, 2540);
}

// The element's own page; one not placed yet goes on the page shown now.
static CElement* PageOf(CElement* element)
{
    for (CElement* e = element->m_pParent; e != NULL; e = e->m_pParent) {
        if (dynamic_cast<CBrowser*>(e))
            return e;
    }
    return GetCurrentPage();
}

// Wine's host hands its size to the control in other units than ours, so
// comparing sizes alone would take the host's size for the control's own.
static BOOL ExtentFollowsHost(IOleObject* control, HWND host, const SIZEL& extent)
{
    RECT client = {};
    GetClientRect(host, &client);
    SetWindowPos(host, NULL, 0, 0, client.right + 40, client.bottom + 40,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    SIZEL after = { 0, 0 };
    if (FAILED(control->GetExtent(DVASPECT_CONTENT, &after)))
        return FALSE;
    return after.cx != extent.cx || after.cy != extent.cy;
}

void CActiveXElement::ReadNaturalSize(IOleObject* control, HWND host)
{
    SIZEL extent = { 0, 0 };
    if (FAILED(control->GetExtent(DVASPECT_CONTENT, &extent)))
        return;
    m_naturalWidth = extent.cx;
    m_naturalHeight = extent.cy;
    if (extent.cx <= 0 || extent.cy <= 0)
        return;
    HWND view = GetActiveViewWindow();
    HDC dc = GetDC(view);
    if (dc == NULL)
        return;
    m_naturalWidth = HimetricToPixels(extent.cx, GetDeviceCaps(dc, LOGPIXELSX));
    m_naturalHeight = HimetricToPixels(extent.cy, GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(view, dc);

    RECT client = {};
    GetClientRect(host, &client);
    if ((m_naturalWidth == client.right && m_naturalHeight == client.bottom) ||
        ExtentFollowsHost(control, host, extent)) {
        m_width = 200;
        m_height = 60;
        return;
    }
    RECT placed = { m_xpos, m_ypos, m_xpos + m_naturalWidth, m_ypos + m_naturalHeight };
    CElement* page = PageOf(this);
    if (page) {
        RECT pageRect = page->GetRect();
        IntersectRect(&placed, &placed, &pageRect);
    }
    m_width = placed.right - placed.left;
    m_height = placed.bottom - placed.top;
}

void CActiveXElement::TakeMembers()
{
    for (int i = 0; i < m_eventMembers.GetMemberCount(); ++i) {
        CStr name = m_eventMembers.GetMember(i)->GetName();
        if (!name.IsEmpty())
            AddEventName(name);
    }
    for (int i = 0; i < m_dispatchMembers.GetMemberCount(); ++i) {
        const CDispatchMemberInfo& member = *m_dispatchMembers.GetMember(i);
        CStr name = member.GetName();
        VARIANT empty;
        VariantInit(&empty);
        switch (member.GetInvokeKind()) {
        case INVOKE_FUNC:
            m_methods.push_back(CMethodRecord(member));
            if (lstrcmpiA(name, "OLEDrag") == 0)
                m_bDropTarget = 1;
            break;
        case INVOKE_PROPERTYGET: {
            CPropertyRecord record(name, "", empty, member.GetReturnType(), FALSE);
            record.m_bCanPut = 0;
            m_properties.push_back(record);
            break;
        }
        case INVOKE_PROPERTYPUT: {
            const CDispatchParamInfo* value = member.GetParam(0);
            CPropertyRecord record(name, "", empty, value ? value->GetType() : (VARTYPE)VT_BSTR,
                                   FALSE);
            record.m_bCanGet = 0;
            m_properties.push_back(record);
            if (name.FindNoCase("DropTarget") >= 0)
                m_bDropTarget = 1;
            break;
        }
        default:
            break;
        }
    }
}

BOOL CActiveXElement::CreateControl()
{
    if (m_strCLSID.IsEmpty())
        return FALSE;
    m_eventNames.clear();
    // Reading the control again would otherwise append its methods and
    // properties a second time.
    m_methods.clear();
    m_properties.clear();

    HWND host = CreateWindowExA(0, "Static", "", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, GetActiveViewWindow(), NULL, GetModuleHandleA(NULL), NULL);
    if (host == NULL)
        return FALSE;

    BOOL read = FALSE;
    int length = MultiByteToWideChar(CP_ACP, 0, m_strCLSID, -1, NULL, 0);
    BSTR clsid = SysAllocStringLen(NULL, length > 0 ? length - 1 : 0);
    IUnknown* control = NULL;
    IUnknown* unknown = NULL;
    IOleObject* oleObject = NULL;
    IViewObject2* view = NULL;
    if (clsid) {
        MultiByteToWideChar(CP_ACP, 0, m_strCLSID, -1, clsid, length);
        AtlAxCreateControlEx(clsid, host, NULL, NULL, NULL, IID_NULL, NULL);
        SysFreeString(clsid);
    }
    if (SUCCEEDED(AtlAxGetControl(host, &control)) && control &&
        SUCCEEDED(control->QueryInterface(IID_IUnknown, (void**)&unknown)) &&
        SUCCEEDED(unknown->QueryInterface(IID_IOleObject, (void**)&oleObject)) &&
        SUCCEEDED(ReadClassTypeInfo(oleObject))) {
        unknown->QueryInterface(IID_IViewObject2, (void**)&view);
        if (m_width == 0)
            ReadNaturalSize(oleObject, host);
        TakeMembers();
        oleObject->Release();
        oleObject = NULL;
        FitCaptionFont();
        read = TRUE;
    }
    if (view)
        view->Release();
    if (oleObject)
        oleObject->Release();
    if (unknown)
        unknown->Release();
    if (control)
        control->Release();
    DestroyWindow(host);
    m_dispatchMembers.Clear();
    m_eventMembers.Clear();
    return read;
}
