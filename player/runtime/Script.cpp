#include "player/runtime/Script.h"

#include "player/runtime/IdManager.h"
#include "player/runtime/ScriptItem.h"
#include "actions/records/SectionKeys.h"

#include <stdio.h>
#include <string.h>

namespace Tarvex {

namespace {

int g_runDepth;
// Runs started since the outermost one began.
long g_runsThisEvent;

const char kIfType[] = "IF/WHILE Statement";
const char kElseType[] = "ELSE Statement";
const char kEndIfType[] = "ENDIF Statement";

bool IsType(const CScriptItem* item, const char* type)
{
    return strcmp(item->GetName(), type) == 0;
}

} // namespace

CScript::CScript(const char* section, CElement* parent)
    : CElement(section, parent)
{
    m_typeText = "Script";
}

CScript::~CScript()
{
    for (CScriptItem* item : m_items)
        delete item;
}

void CScript::AppendItem(CScriptItem* item)
{
    item->SetParent(this);
    m_items.push_back(item);
}

BOOL CScript::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    int count = 0;
    file.GetInt(section, "numScriptItems", count);
    file.GetString(section, "name", m_name);
    count = ClampStoredCount(count, file);

    for (int i = 1; i <= count; ++i)
    {
        CStr itemSection = ScriptItemSectionName(section, i);
        CStr typeName;
        // A section without "name" makes nothing, rather than a second
        // action of the type before it reading keys that are not its own.
        if (!file.GetString(itemSection, "name", typeName))
            continue;
        CScriptItem* item = CreateScriptItem(typeName, itemSection, this);
        if (item)
            AppendItem(item);
    }
    for (CScriptItem* item : m_items)
        item->Load(file);
    return CElement::Load(file);
}

void CScript::Run()
{
    // A script that runs itself, directly or through others, would recurse
    // until the stack overflows.
    if (g_runDepth >= kMaxScriptNesting)
        return;
    // The depth cap alone still lets a script that runs itself twice start
    // 2^64 runs: the whole event has a budget too.
    if (g_runDepth == 0)
        g_runsThisEvent = 0;
    if (g_runsThisEvent >= kMaxScriptRunsPerEvent)
        return;
    ++g_runsThisEvent;
    ++g_runDepth;
    const size_t count = m_items.size();
    size_t p = 0;
    bool elseTested = false;
    while (p < count)
    {
        CScriptItem* item = m_items[p];
        if (!elseTested && IsType(item, kElseType))
        {
            // The IF branch before it has run: pass over the else branch.
            int depth = 1;
            while (p < count && depth > 0)
            {
                CScriptItem* passed = m_items[p++];
                if (IsType(passed, kIfType))
                    ++depth;
                else if (IsType(passed, kEndIfType))
                    --depth;
            }
            if (depth > 0 || p >= count)
                break;
            elseTested = true;
            continue;
        }
        elseTested = false;

        int result = item->Execute();
        if (result == ResultGoOn || result == ResultTrue)
        {
            ++p;
            continue;
        }
        if (result != ResultFalse)
            break;
        // A false condition: on behind this IF's ELSE or ENDIF.
        int depth = 1;
        size_t q = p + 1;
        for (; q < count; ++q)
        {
            CScriptItem* examined = m_items[q];
            if (IsType(examined, kIfType))
                ++depth;
            else if (IsType(examined, kEndIfType))
                --depth;
            else if (IsType(examined, kElseType) && depth == 1)
                --depth;
            if (depth == 0)
                break;
        }
        if (q >= count)
            break;
        p = q + 1;
    }
    --g_runDepth;
}

void RunPreLoadScripts(const CDataFile& page)
{
    for (int i = 1; i <= 3; ++i)
    {
        char section[32];
        snprintf(section, sizeof(section), "Script_%d", i);
        CStr name;
        if (!page.GetString(section, "name", name) || !name.EqualsNoCase("PreLoad"))
            continue;
        // The temporary script's ids go with it: a later action of the page
        // would otherwise reach its freed actions.
        int registered = CIdManager::Get().GetCount();
        CScript script(section, NULL);
        script.Load(page);
        script.Run();
        CIdManager::Get().Truncate(registered);
    }
}

} // namespace Tarvex
