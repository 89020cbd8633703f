// Call ActiveX Method at run time: calls a method of a hosted control with
// constant or variable arguments and keeps its answer in a variable.
#pragma once

#include "player/runtime/ScriptItem.h"
#include "actions/records/CallActiveXMethodRecord.h"

namespace Tarvex {

class CCallActiveXMethodAction : public CScriptItem
{
public:
    CCallActiveXMethodAction(const char* typeName, const char* section, CElement* parent);

    // 6 when "controlId" names no hosted control, else 0 whatever the
    // control answers.
    int Execute() override;

    const CCallActiveXMethodRecord& GetRecord() const { return m_record; }

protected:
    // The stored keys; every one of the "numParameters" arguments is read,
    // also one whose section has no "valueType".
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CCallActiveXMethodRecord m_record;
};

} // namespace Tarvex
