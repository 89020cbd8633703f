// Finds a control's default interface and its default source (event)
// interface through the coclass type information the control provides, and
// reads their members. The ActiveX element, the player's event sink and the
// controls browser all look for these two the same way.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include "model/store/DispatchInterfaceInfo.h"

// Either list may be NULL when that interface is not wanted; the lists are
// emptied first and a found interface sets the list's GUID. The search
// stops once every wanted interface is found.
// S_OK: read (the source interface may be missing: its GUID stays GUID_NULL);
// S_FALSE: the control provides no class information, nothing was read;
// E_FAIL: a default interface was wanted and the coclass names none;
// otherwise the failing call's code.
// unreadableSourceSkipped: a source interface whose type information cannot
// be read leaves the source list empty instead of failing the whole read
// (the controls browser's choice; the editor and the player fail).
HRESULT ReadControlInterfaces(IUnknown* control, CDispatchInterfaceInfo* defaultMembers,
                              CDispatchInterfaceInfo* sourceMembers, BOOL unreadableSourceSkipped = FALSE);

// The same from the coclass type information itself.
HRESULT ReadCoclassInterfaces(ITypeInfo* coclass, CDispatchInterfaceInfo* defaultMembers,
                              CDispatchInterfaceInfo* sourceMembers, BOOL unreadableSourceSkipped = FALSE);
