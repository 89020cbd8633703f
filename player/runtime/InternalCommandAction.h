// Internal Command at run time: page changes, minimising and leaving,
// asked of the main window.
#pragma once

#include "player/runtime/ScriptItem.h"
#include "actions/records/WindowScriptRecords.h"

namespace Tarvex {

class CInternalCommandAction : public CScriptItem
{
public:
    CInternalCommandAction(const char* typeName, const char* section, CElement* parent);

    // Posts to the main window, which acts after the running script; always
    // ResultGoOn.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CInternalCommandRecord m_record;
};

} // namespace Tarvex
