// CScript (run-time): the ordered actions that answer one event of their
// owner, and the interpreter that runs them.
#pragma once

#include "player/runtime/Element.h"

#include <vector>

namespace Tarvex {

class CScriptItem;

class CScript : public CElement
{
public:
    CScript(const char* section, CElement* parent);
    ~CScript() override;

    // "numScriptItems" and "name", the actions from "<section>_ScriptItem_%d"
    // (unknown type names skipped), then the base keys.
    BOOL Load(const CDataFile& file) override;

    // Runs the actions in order, IF/ELSE/ENDIF steering; a result other
    // than go on, true or false ends the run.
    void Run();

    int GetItemCount() const { return (int)m_items.size(); }
    CScriptItem* GetItem(int index) const { return m_items[index]; }
    // Takes ownership and sets the item's parent.
    void AppendItem(CScriptItem* item);

private:
    CScript(const CScript&);
    CScript& operator=(const CScript&);

    std::vector<CScriptItem*> m_items;
};

// Nested runs deeper than this end quietly.
const int kMaxScriptNesting = 64;
// Script runs that one event may start, nested ones included; the runs past
// it end quietly like those nested too deep.
const long kMaxScriptRunsPerEvent = 100000;

// The "PreLoad" scripts among the page's "Script_1" to "Script_3" (name
// compared ignoring case), each loaded as a temporary script and run.
void RunPreLoadScripts(const CDataFile& page);

} // namespace Tarvex
