#include "player/runtime/PlaySoundAction.h"

#include "player/PlayerPaths.h"

#include <mmsystem.h>

namespace Tarvex {

namespace {

PlaySoundFunction g_playSound = PlaySoundA;

} // namespace

PlaySoundFunction SetPlaySoundFunction(PlaySoundFunction function)
{
    PlaySoundFunction previous = g_playSound;
    g_playSound = function ? function : PlaySoundA;
    return previous;
}

CPlaySoundAction::CPlaySoundAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CPlaySoundAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CPlaySoundAction::Execute()
{
    CStr path = ResolvePath(m_record.path);
    g_playSound(path, NULL, SND_FILENAME | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC);
    return ResultGoOn;
}

} // namespace Tarvex
