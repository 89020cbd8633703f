#include "player/runtime/PostMessageAction.h"

namespace Tarvex {

CPostMessageAction::CPostMessageAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CPostMessageAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CPostMessageAction::Execute()
{
    HWND target = NULL;
    if (!m_record.windowClass.IsEmpty())
        target = FindWindowA(m_record.windowClass, NULL);
    if (!target)
        target = HWND_BROADCAST;
    PostMessageA(target, (UINT)m_record.message, (WPARAM)(UINT)m_record.wparam, (LPARAM)m_record.lparam);
    return ResultGoOn;
}

} // namespace Tarvex
