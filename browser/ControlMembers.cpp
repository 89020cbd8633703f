#include "browser/ControlMembers.h"

#include <stdlib.h>
#include <ole2.h>
#include <ocidl.h>
#include "model/common/VariantHelpers.h"
#include "model/store/ControlInterfaces.h"
#include "platform/atl/AtlImports.h"

void CControlMembers::Clear()
{
    methods.clear();
    properties.clear();
    events.clear();
}

void CControlMembers::Collect(const CDispatchInterfaceInfo& defaultMembers,
                              const CDispatchInterfaceInfo& sourceMembers)
{
    for (int i = 0; i < sourceMembers.GetMemberCount(); i++)
    {
        CStr name = sourceMembers.GetMember(i)->GetName();
        if (!name.IsEmpty())
            events.push_back(name);
    }
    for (int i = 0; i < defaultMembers.GetMemberCount(); i++)
    {
        const CDispatchMemberInfo& member = *defaultMembers.GetMember(i);
        const int kind = member.GetInvokeKind();
        if (kind == INVOKE_FUNC)
        {
            CBrowserMethodRecord method;
            method.name = member.GetName();
            method.returnType = member.GetReturnType();
            for (int p = 0; p < member.GetParamCount(); p++)
            {
                const CDispatchParamInfo* param = member.GetParam(p);
                method.params.push_back(CMethodParamRecord{ param->GetName(), param->GetType(), param->IsOptional() });
            }
            methods.push_back(method);
            continue;
        }
        if (kind != INVOKE_PROPERTYGET && kind != INVOKE_PROPERTYPUT && kind != INVOKE_PROPERTYPUTREF)
            continue;
        VARTYPE type = member.GetReturnType();
        if (kind != INVOKE_PROPERTYGET)
            type = member.GetParamCount() > 0 ? member.GetParam(0)->GetType() : (VARTYPE)VT_BSTR;
        CStr name = member.GetName();
        CControlPropertyRecord* known = NULL;
        for (CControlPropertyRecord& property : properties)
        {
            if (property.name.Equals(name))
            {
                known = &property;
                break;
            }
        }
        if (!known)
        {
            properties.push_back(CControlPropertyRecord{ name, type, 0, 0, 0 });
            known = &properties.back();
        }
        known->get |= kind == INVOKE_PROPERTYGET ? 1 : 0;
        known->put |= kind == INVOKE_PROPERTYPUT ? 1 : 0;
        known->putRef |= kind == INVOKE_PROPERTYPUTREF ? 1 : 0;
    }
}

CStr FormatPropertyAccess(const CControlPropertyRecord& property)
{
    const struct
    {
        BYTE present;
        const char* text;
    } parts[] = { { property.get, "Get" }, { property.put, "Put" }, { property.putRef, "PR" } };
    CStr access;
    for (const auto& part : parts)
    {
        if (!part.present)
            continue;
        if (!access.IsEmpty())
            access += ", ";
        access += part.text;
    }
    return access;
}

const char* VarTypeText(VARTYPE vt)
{
    const char* name = GetVarTypeName(vt);
    return name ? name : "";
}

BOOL LoadControlMembers(const char* classId, HWND parent, CControlMembers& members)
{
    members.Clear();
    if (!classId || !*classId)
        return FALSE;
    HWND host = CreateWindowExA(0, "Static", "", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                parent, NULL, GetModuleHandleA(NULL), NULL);
    if (!host)
        return FALSE;

    BOOL read = FALSE;
    CStr text(classId);
    wchar_t* wide = text.AllocWide();
    if (wide)
    {
        AtlAxCreateControlEx(wide, host, NULL, NULL, NULL, IID_NULL, NULL);
        free(wide);
    }
    IUnknown* control = NULL;
    IOleObject* oleObject = NULL;
    if (SUCCEEDED(AtlAxGetControl(host, &control)) && control &&
        SUCCEEDED(control->QueryInterface(IID_IOleObject, (void**)&oleObject)) && oleObject)
    {
        CDispatchInterfaceInfo defaultMembers;
        CDispatchInterfaceInfo sourceMembers;
        // An event interface that cannot be read costs only the events: failing
        // the whole read would show "SNAFU" and empty pages for a control
        // whose properties and methods are there.
        if (ReadControlInterfaces(oleObject, &defaultMembers, &sourceMembers, TRUE) == S_OK)
        {
            IViewObject2* view = NULL;
            if (SUCCEEDED(oleObject->QueryInterface(IID_IViewObject2, (void**)&view)) && view)
                view->Release();
            members.Collect(defaultMembers, sourceMembers);
            read = TRUE;
        }
        oleObject->Release();
    }
    if (control)
        control->Release();
    DestroyWindow(host);
    return read;
}
