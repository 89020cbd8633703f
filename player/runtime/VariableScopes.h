// The player's variables: named VARIANTs in a global list, a local list and
// a stack of event-parameter frames, and the substitution of |name| in texts.
#pragma once

#include "model/common/Str.h"
#include "model/common/VariantHelpers.h"

#include <windows.h>
#include <oleauto.h>

#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

namespace Tarvex {

struct CVariable
{
    CStr name;
    VARIANT value;   // owned: VariantClear when the entry goes
};

class CVariableList
{
public:
    CVariableList() {}
    ~CVariableList();

    // The first entry whose name equals name byte for byte, else NULL.
    CVariable* Find(const char* name) const;
    // Appends a copy of value; a value that cannot be copied is kept as
    // VT_ERROR with the failing HRESULT.
    CVariable* Append(const char* name, const VARIANT& value);
    // Find, else a new entry holding VT_EMPTY.
    CVariable* FindOrCreate(const char* name);

    int GetCount() const { return (int)m_entries.size(); }
    CVariable* GetAt(int index) const { return m_entries[index]; }
    void Clear();

private:
    CVariableList(const CVariableList&);
    CVariableList& operator=(const CVariableList&);

    std::deque<CVariable*> m_entries;
    // The first entry of every name: a script of thousands of variables
    // would otherwise compare every name at every lookup.
    std::unordered_map<std::string, CVariable*> m_firstByName;
};

enum VariableScope { ScopeGlobal = 0, ScopeLocal = 1, ScopeEvent = 2 };

class CVariableScopes
{
public:
    // The newest scopes become the process-wide ones that LookupVariable
    // and the actions reach.
    CVariableScopes();
    ~CVariableScopes();

    CVariableList& GetGlobal() { return m_global; }
    CVariableList& GetLocal() { return m_local; }
    // The top event-parameter frame; NULL while no control event is handled.
    CVariableList* GetTopFrame() const;
    CVariableList& PushFrame();
    void PopFrame();   // frees the frame's values
    int GetFrameDepth() const { return (int)m_frames.size(); }

    // Local list, then the top frame, then the global list.
    CVariable* Lookup(const char* name) const;

    // The list of a stored scope number; result 0, or 9 for scope 2 without
    // a frame, or 10 for another number (the script-item result codes).
    int GetScopeList(long scope, CVariableList** list);

    // "NULL", "CD_ROOT", "WIN", "SYS", "APPPATH", "TRUE", "FALSE" in the
    // global list at every page load, each appended only while the list has
    // no entry of its name (what a lookup finds stays the same); baseFolder
    // ends with '\'.
    void AppendBuiltInVariables(const char* baseFolder);

    static CVariableScopes* GetCurrent();
    static void SetCurrent(CVariableScopes* scopes);

private:
    CVariableScopes(const CVariableScopes&);
    CVariableScopes& operator=(const CVariableScopes&);

    CVariableList m_global;
    CVariableList m_local;
    std::vector<CVariableList*> m_frames;
};

// Pushes a frame of event parameters for the life of the object.
class CEventFrame
{
public:
    explicit CEventFrame(CVariableScopes* scopes);
    ~CEventFrame();
    // Adds a parameter to the frame; nothing without scopes.
    void Add(const char* name, const VARIANT& value);

private:
    CEventFrame(const CEventFrame&);
    CEventFrame& operator=(const CEventFrame&);
    CVariableScopes* m_scopes;
    CVariableList* m_frame;
};

// Through the process-wide scopes; NULL without them or without the name.
CVariable* LookupVariable(const char* name);

// The variable of that name in a stored scope number of the process-wide
// scopes, made there when missing; a script-item result code (0 with the
// variable, 11 without scopes or variable, or GetScopeList's code).
int FindOrCreateScopedVariable(long scope, const char* name, CVariable*& variable);

// The longest text a substitution may make; a longer one fails.
const int kMaxSubstitutedLength = 4 * 1024 * 1024;

// Replaces every |name| of a text variable by its text, in place; FALSE,
// with the text unchanged, when the result would pass the longest.
BOOL SubstituteVariables(CStr& text);
// The same in a value that holds a text; any other value stays as it is.
BOOL SubstituteVariables(VARIANT& value);
// A copy of in, its |name|s substituted when it holds a text; FALSE, with
// out unchanged, when the substitution fails.
BOOL CopyVariantSubstituted(VARIANT& out, const VARIANT& in);
// The next pair of bars at or after start: name between them, index after
// the closing bar; FALSE when there is no such pair.
BOOL FindNextVariableName(const CStr& text, int start, CStr& name, int& next);
// Replaces the first "|name|" in text by value.
void ReplaceVariableText(const char* name, CStr& text, const char* value);

// Value conversions of the actions: VariantChangeType with flags 0 on the
// system default locale.
HRESULT ChangeVariantType(VARIANT& out, const VARIANT& in, VARTYPE type);
// 8-bit text of a VARIANT ("TRUE"/"FALSE" for VT_BOOL, empty when it cannot
// be converted, a null BSTR as empty).
CStr VariantText(const VARIANT& value);
// Copies in into out (out cleared first); a failed copy leaves VT_ERROR.
void CopyVariantInto(VARIANT& out, const VARIANT& in);

} // namespace Tarvex
