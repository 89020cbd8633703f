// A control's methods, properties and events as the browser lists them,
// read from the members of its default and default source interfaces.
#pragma once

#include <windows.h>
#include <vector>
#include "model/common/Str.h"
#include "model/store/DispatchInterfaceInfo.h"

struct CMethodParamRecord
{
    CStr name;
    VARTYPE type;
    BYTE optional;   // PARAMFLAG_FOPT
};

struct CBrowserMethodRecord
{
    CStr name;
    VARTYPE returnType;
    std::vector<CMethodParamRecord> params;
};

struct CControlPropertyRecord
{
    CStr name;
    VARTYPE type;
    BYTE get;
    BYTE put;
    BYTE putRef;
};

class CControlMembers
{
public:
    void Clear();
    // Appends the source interface's named members as events and sorts the
    // default interface's members into methods and properties; a property
    // whose accessors come as separate members is listed once.
    void Collect(const CDispatchInterfaceInfo& defaultMembers, const CDispatchInterfaceInfo& sourceMembers);

    std::vector<CBrowserMethodRecord> methods;
    std::vector<CControlPropertyRecord> properties;
    std::vector<CStr> events;
};

// "Get", "Put", "PR" for the flags present, joined with ", "; "" for none.
CStr FormatPropertyAccess(const CControlPropertyRecord& property);

// The VARTYPE's name, "" for one without a name.
const char* VarTypeText(VARTYPE vt);

// Creates the control of classId for a moment in a hidden window owned by
// parent and reads its members into members (emptied first). FALSE when the
// control cannot be created or names no default interface.
BOOL LoadControlMembers(const char* classId, HWND parent, CControlMembers& members);
