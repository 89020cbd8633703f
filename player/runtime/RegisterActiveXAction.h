// Register ActiveX Control at run time: a server registered or
// unregistered, after an optional copy into the system folder.
#pragma once

#include "actions/records/RegisterActiveXRecord.h"
#include "player/runtime/ScriptItem.h"

namespace Tarvex {

class CRegisterActiveXAction : public CScriptItem
{
public:
    CRegisterActiveXAction(const char* typeName, const char* section, CElement* parent);

    // An ".exe" server runs with "/REGSERVER" or "/UNREGSERVER"; any other
    // file is loaded and its DllRegisterServer or DllUnregisterServer
    // called. ResultObjectMissing on any failure.
    int Execute() override;

    // The file the next run uses.
    const CStr& GetFile() const { return m_file; }

protected:
    // Fixes the file: the system folder's copy when unregistering a copied
    // control, else "Filename" resolved against the base folder.
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    int RunServer() const;
    int CallRegistrationEntry() const;

    CRegisterActiveXRecord m_record;
    CStr m_file;
};

} // namespace Tarvex
