// The actions whose run-time work comes later (properties, shell, sounds,
// messages, cookies, controls, dragging, registration, the browser
// window): they load with their script, so the actions after them keep
// their places, and running them does nothing yet.
#pragma once

#include "ScriptItem.h"

namespace Tarvex {

class CDeferredAction : public CScriptItem
{
public:
    CDeferredAction(const char* typeName, const char* section, CElement* parent);
    int Execute() override { return ResultGoOn; }

protected:
    void LoadAction(const CDataFile&, const char*) override {}
};

} // namespace Tarvex
