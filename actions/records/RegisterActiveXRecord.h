// Stored form of Register ActiveX Control.
#pragma once

#include "model/store/DataFile.h"

struct CRegisterActiveXRecord
{
    CStr clsid;         // informational, filled by the control picker
    CStr filename;      // the server file (.dll, .ocx or .exe)
    BOOL unregister;
    BOOL copyToSystem;  // copy into the system folder before registering

    CRegisterActiveXRecord();
    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};
