#include "actions/records/RegisterActiveXRecord.h"

CRegisterActiveXRecord::CRegisterActiveXRecord()
    : unregister(FALSE), copyToSystem(TRUE)
{
}

BOOL CRegisterActiveXRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "CLSID", clsid);
    file.SetString(section, "Filename", filename);
    file.SetBool(section, "Unregister", unregister);
    file.SetBool(section, "CopyToSystem", copyToSystem);
    return TRUE;
}

BOOL CRegisterActiveXRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "CLSID", clsid);
    file.GetString(section, "Filename", filename);
    file.GetBool(section, "Unregister", unregister);
    file.GetBool(section, "CopyToSystem", copyToSystem);
    return TRUE;
}
