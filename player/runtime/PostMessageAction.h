// Post Message at run time: a message posted to another program's window.
#pragma once

#include "player/runtime/ScriptItem.h"
#include "actions/records/WindowScriptRecords.h"

namespace Tarvex {

class CPostMessageAction : public CScriptItem
{
public:
    CPostMessageAction(const char* typeName, const char* section, CElement* parent);

    // Posts to the first top-level window of "WindowClass", or to every
    // top-level window when there is none; the outcome is not checked.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CPostMessageRecord m_record;
};

} // namespace Tarvex
