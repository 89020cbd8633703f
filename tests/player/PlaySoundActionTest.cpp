// Play Sound: the call it makes, and that the script goes on at once.
#include "player/PlayerPaths.h"
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"

#include "player/runtime/PlaySoundAction.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

struct Call
{
    std::string sound;
    HMODULE module;
    DWORD flags;
    int count;
} g_call;

BOOL WINAPI RecordPlaySound(LPCSTR sound, HMODULE module, DWORD flags)
{
    g_call.sound = sound ? sound : "<null>";
    g_call.module = module;
    g_call.flags = flags;
    ++g_call.count;
    return TRUE;
}

int RunPlaySound(const char* path)
{
    CDataFile file;
    ScriptFileBuilder builder(file);
    std::string section = builder.Add("PlaySound");
    file.SetString(section.c_str(), "path", path);
    std::unique_ptr<CScriptItem> item(CreateScriptItem("PlaySound", section.c_str(), NULL));
    item->Load(file);
    return item->Execute();
}

TEST(PlaySoundAction, PlaysTheResolvedFileInTheBackgroundWithoutADefaultSound)
{
    ScratchDir scratch;
    SetBaseFolder(scratch.File("disc.pqz").c_str());
    struct
    {
        const char* path;
        std::string sound;
    } cases[] = {
        { "sounds\\chime.wav", scratch.File("sounds\\chime.wav") },
        { "D:\\chime.wav", "D:\\chime.wav" },
    };
    PlaySoundFunction previous = SetPlaySoundFunction(RecordPlaySound);
    for (const auto& c : cases)
    {
        g_call = Call();
        EXPECT_EQ(ResultGoOn, RunPlaySound(c.path)) << c.path;
        EXPECT_EQ(1, g_call.count) << c.path;
        EXPECT_EQ(c.sound, g_call.sound) << c.path;
        EXPECT_EQ(nullptr, g_call.module) << c.path;
        EXPECT_EQ((DWORD)(SND_FILENAME | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC), g_call.flags) << c.path;
    }
    EXPECT_EQ(0x22003u, g_call.flags);
    SetPlaySoundFunction(previous);
    SetBaseFolder("");
}

TEST(PlaySoundAction, TheSystemCallReturnsWithoutASoundDevice)
{
    ScratchDir scratch;
    // Not a sound at all: nothing can play, and nothing may wait for it.
    WriteWholeFile(scratch.File("noise.wav"), "RIFF");
    EXPECT_EQ(ResultGoOn, RunPlaySound(scratch.File("noise.wav").c_str()));
    EXPECT_EQ(ResultGoOn, RunPlaySound(scratch.File("missing.wav").c_str()));
}

} // namespace
