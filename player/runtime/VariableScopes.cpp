#include "player/runtime/VariableScopes.h"

#include "player/runtime/ScriptItem.h"
#include "model/common/VariantHelpers.h"

namespace Tarvex {

namespace {

CVariableScopes* g_currentScopes = NULL;

} // namespace

// ---------------------------------------------------------------------------
// Value helpers

HRESULT ChangeVariantType(VARIANT& out, const VARIANT& in, VARTYPE type)
{
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = VariantChangeTypeEx(&result, const_cast<VARIANT*>(&in), LOCALE_SYSTEM_DEFAULT, 0, type);
    if (FAILED(hr))
        return hr;
    VariantClear(&out);
    out = result;
    return hr;
}

CStr VariantText(const VARIANT& value)
{
    if (value.vt == VT_BSTR)
    {
        CStr text;
        if (value.bstrVal)
            text.AssignWide(value.bstrVal);
        return text;
    }
    return VariantToText(value);
}

void CopyVariantInto(VARIANT& out, const VARIANT& in)
{
    if (&out == &in)
        return;
    VariantClear(&out);
    HRESULT hr = VariantCopy(&out, const_cast<VARIANT*>(&in));
    if (FAILED(hr))
    {
        VariantInit(&out);
        out.vt = VT_ERROR;
        out.scode = hr;
    }
}

// ---------------------------------------------------------------------------
// CVariableList

CVariableList::~CVariableList()
{
    Clear();
}

void CVariableList::Clear()
{
    for (CVariable* entry : m_entries)
    {
        VariantClear(&entry->value);
        delete entry;
    }
    m_entries.clear();
    m_firstByName.clear();
}

CVariable* CVariableList::Find(const char* name) const
{
    if (!name)
        return NULL;
    auto found = m_firstByName.find(name);
    return found == m_firstByName.end() ? NULL : found->second;
}

CVariable* CVariableList::Append(const char* name, const VARIANT& value)
{
    CVariable* entry = new CVariable;
    entry->name = name ? name : "";
    VariantInit(&entry->value);
    CopyVariantInto(entry->value, value);
    m_entries.push_back(entry);
    m_firstByName.emplace(std::string(entry->name.c_str()), entry);
    return entry;
}

CVariable* CVariableList::FindOrCreate(const char* name)
{
    CVariable* entry = Find(name);
    if (entry)
        return entry;
    VARIANT empty;
    VariantInit(&empty);
    Append(name, empty);
    return Find(name);
}

// ---------------------------------------------------------------------------
// CVariableScopes

CVariableScopes::CVariableScopes()
{
    g_currentScopes = this;
}

CVariableScopes::~CVariableScopes()
{
    while (!m_frames.empty())
        PopFrame();
    if (g_currentScopes == this)
        g_currentScopes = NULL;
}

CVariableScopes* CVariableScopes::GetCurrent()
{
    return g_currentScopes;
}

void CVariableScopes::SetCurrent(CVariableScopes* scopes)
{
    g_currentScopes = scopes;
}

CVariableList* CVariableScopes::GetTopFrame() const
{
    return m_frames.empty() ? NULL : m_frames.back();
}

CVariableList& CVariableScopes::PushFrame()
{
    m_frames.push_back(new CVariableList);
    return *m_frames.back();
}

void CVariableScopes::PopFrame()
{
    if (m_frames.empty())
        return;
    delete m_frames.back();
    m_frames.pop_back();
}

CVariable* CVariableScopes::Lookup(const char* name) const
{
    if (CVariable* local = m_local.Find(name))
        return local;
    if (CVariableList* frame = GetTopFrame())
    {
        if (CVariable* parameter = frame->Find(name))
            return parameter;
    }
    return m_global.Find(name);
}

int CVariableScopes::GetScopeList(long scope, CVariableList** list)
{
    *list = NULL;
    switch (scope)
    {
    case ScopeGlobal:
        *list = &m_global;
        return 0;
    case ScopeLocal:
        *list = &m_local;
        return 0;
    case ScopeEvent:
        *list = GetTopFrame();
        return *list ? 0 : 9;
    default:
        return 10;
    }
}

// A name holds one entry: a lookup finds the earliest one anyway, and
// appending at every page load would grow the list without end.
static void AddOnce(CVariableList& list, const char* name, const VARIANT& value)
{
    if (!list.Find(name))
        list.Append(name, value);
}

static void AddTextOnce(CVariableList& list, const char* name, const char* text)
{
    VARIANT value;
    VariantInit(&value);
    SetVariantText(value, text);
    AddOnce(list, name, value);
    VariantClear(&value);
}

static CStr FolderWithBackslash(UINT (WINAPI* query)(LPSTR, UINT))
{
    char folder[MAX_PATH + 2];
    UINT length = query(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        folder[0] = '\0';
    CStr text(folder);
    text += "\\";
    return text;
}

void CVariableScopes::AppendBuiltInVariables(const char* baseFolder)
{
    CStr base(baseFolder ? baseFolder : "");
    VARIANT value;
    VariantInit(&value);
    AddOnce(m_global, "NULL", value);
    AddTextOnce(m_global, "CD_ROOT", base.Left(base.GetLength() < 3 ? base.GetLength() : 3));
    AddTextOnce(m_global, "WIN", FolderWithBackslash(GetWindowsDirectoryA));
    AddTextOnce(m_global, "SYS", FolderWithBackslash(GetSystemDirectoryA));
    AddTextOnce(m_global, "APPPATH", base);
    value.vt = VT_I4;
    value.lVal = 1;
    AddOnce(m_global, "TRUE", value);
    value.lVal = 0;
    AddOnce(m_global, "FALSE", value);
}

// ---------------------------------------------------------------------------
// CEventFrame

CEventFrame::CEventFrame(CVariableScopes* scopes)
    : m_scopes(scopes), m_frame(scopes ? &scopes->PushFrame() : NULL)
{
}

CEventFrame::~CEventFrame()
{
    if (m_scopes)
        m_scopes->PopFrame();
}

void CEventFrame::Add(const char* name, const VARIANT& value)
{
    if (m_frame)
        m_frame->Append(name, value);
}

// ---------------------------------------------------------------------------
// Lookup and substitution

CVariable* LookupVariable(const char* name)
{
    CVariableScopes* scopes = CVariableScopes::GetCurrent();
    return scopes ? scopes->Lookup(name) : NULL;
}

int FindOrCreateScopedVariable(long scope, const char* name, CVariable*& variable)
{
    variable = NULL;
    CVariableScopes* scopes = CVariableScopes::GetCurrent();
    if (!scopes)
        return ResultVariableMissing;
    CVariableList* list = NULL;
    int result = scopes->GetScopeList(scope, &list);
    if (result != ResultGoOn)
        return result;
    variable = list->FindOrCreate(name);
    return variable ? ResultGoOn : ResultVariableMissing;
}

BOOL FindNextVariableName(const CStr& text, int start, CStr& name, int& next)
{
    int length = text.GetLength();
    if (start < 0 || start >= length)
        return FALSE;
    int open = text.FindChar('|', start);
    if (open < 0 || open + 1 >= length)
        return FALSE;
    int close = text.FindChar('|', open + 1);
    if (close < 0)
        return FALSE;
    name = text.Mid(open + 1, close - open - 1);
    next = close + 1;
    return TRUE;
}

// The first "|name|" at or after from replaced by value; the index after
// the inserted value, or -1 when there was no such text.
static int ReplaceVariableTextFrom(const char* name, CStr& text, const char* value, int from)
{
    CStr marked("|");
    marked += name;
    marked += "|";
    if (from >= text.GetLength())
        return -1;
    int at = text.Find(marked, from);
    if (at < 0)
        return -1;
    CStr result = text.Left(at);
    result += value;
    int after = result.GetLength();
    int rest = at + marked.GetLength();
    result += text.Mid(rest, text.GetLength() - rest);
    text = result;
    return after;
}

void ReplaceVariableText(const char* name, CStr& text, const char* value)
{
    ReplaceVariableTextFrom(name, text, value, 0);
}

BOOL SubstituteVariables(CStr& text)
{
    const int length = text.GetLength();
    if (length < 3)
        return TRUE;
    const char* source = text.c_str();
    // One pass into a new text: replacing in place would copy the rest of
    // the text at every name, and going on after each inserted value keeps
    // bars of a value from being read as names.
    std::string result;
    int scan = 0;
    CStr name;
    int next = 0;
    while (scan < length - 1 && FindNextVariableName(text, scan, name, next))
    {
        int open = text.FindChar('|', scan);
        CVariable* variable = LookupVariable(name);
        if (variable && variable->value.vt == VT_BSTR)
        {
            CStr value = VariantText(variable->value);
            if (result.size() + (open - scan) + value.GetLength() > (size_t)kMaxSubstitutedLength)
                return FALSE;
            result.append(source + scan, open - scan);
            result.append(value.c_str(), value.GetLength());
        }
        else
        {
            if (result.size() + (next - scan) > (size_t)kMaxSubstitutedLength)
                return FALSE;
            result.append(source + scan, next - scan);
        }
        scan = next;
    }
    if (scan == 0)
        return TRUE;
    if (result.size() + (length - scan) > (size_t)kMaxSubstitutedLength)
        return FALSE;
    result.append(source + scan, length - scan);
    text = CStr(result.c_str());
    return TRUE;
}

BOOL SubstituteVariables(VARIANT& value)
{
    if (value.vt != VT_BSTR)
        return TRUE;
    CStr text = VariantText(value);
    if (!SubstituteVariables(text))
        return FALSE;
    SetVariantText(value, text);
    return TRUE;
}

BOOL CopyVariantSubstituted(VARIANT& out, const VARIANT& in)
{
    VARIANT copy;
    VariantInit(&copy);
    CopyVariantInto(copy, in);
    BOOL substituted = SubstituteVariables(copy);
    if (substituted)
        CopyVariantInto(out, copy);
    VariantClear(&copy);
    return substituted;
}

} // namespace Tarvex
