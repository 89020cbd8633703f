// Play Sound at run time: a sound file started in the background.
#pragma once

#include "player/runtime/ScriptItem.h"
#include "actions/records/ShellRecords.h"

namespace Tarvex {

// The call that plays; tests put their own in its place.
typedef BOOL (WINAPI* PlaySoundFunction)(LPCSTR sound, HMODULE module, DWORD flags);
// NULL brings back the system's PlaySoundA; answers the one it replaces.
PlaySoundFunction SetPlaySoundFunction(PlaySoundFunction function);

class CPlaySoundAction : public CScriptItem
{
public:
    CPlaySoundAction(const char* typeName, const char* section, CElement* parent);

    // Starts "path", resolved against the base folder, without waiting, with
    // no default sound and giving up on a busy device; ResultGoOn.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CPathRecord m_record;
};

} // namespace Tarvex
