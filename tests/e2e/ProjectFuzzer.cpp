#include "tests/e2e/ProjectFuzzer.h"

#include "tests/e2e/PlayerProcess.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/player/ScriptFileBuilder.h"

#include <zlib.h>

#include <atomic>
#include <mutex>
#include <random>
#include <thread>
#include <string>
#include <vector>

namespace {

// How long a page may take to come up before the case counts as hung: a
// cold Wine start with other players starting beside it is slow.
const DWORD kPageUpMs = kPlayerWaitMs;

struct SeedRecord
{
    std::string name;
    std::vector<std::string> lines;
};

std::vector<std::string> LinesOf(const CDataFile& file)
{
    std::vector<std::string> lines;
    for (int i = 0; i < file.GetLineCount(); ++i)
        lines.push_back(std::string(file.GetLine(i)));
    return lines;
}

void AddText(CDataFile& page, int number, const char* id, const char* text)
{
    std::string section = "Element_" + std::to_string(number);
    page.SetString(section.c_str(), "type", "Text");
    page.SetString(section.c_str(), "id", id);
    page.SetString(section.c_str(), "text", text);
    page.SetInt(section.c_str(), "xpos", 10 * number);
    page.SetInt(section.c_str(), "ypos", 20 * number);
    page.SetInt(section.c_str(), "width", 80);
    page.SetInt(section.c_str(), "height", 20);
    page.SetInt(section.c_str(), "fontSize", 12);
}

// Two pages: elements, variables, conditions, properties, a global script,
// a temporary-folder file and a page change; nothing that starts programs.
std::vector<SeedRecord> SeedProject(unsigned caseNumber)
{
    CDataFile first;
    std::string title = "Fuzz " + std::to_string(caseNumber);
    first.SetString("Main", "title", title.c_str());
    first.SetInt("Main", "width", 200);
    first.SetInt("Main", "height", 120);
    first.SetInt("Main", "windowType", 2);
    first.SetBool("Main", "appbar", FALSE);
    first.SetInt("Main", "xres", 1024);
    first.SetInt("Main", "yres", 768);
    first.SetInt("Main", "numElements", 2);
    AddText(first, 1, "t1", "Hello |who|");
    AddText(first, 2, "t2", "second");
    first.SetInt("Element_2", "resize", 1);
    first.SetInt("Element_2", "numScripts", 1);
    ScriptFileBuilder(first, "Element_2_Script_1", "OnMouseDown").ModifyVariable("n", "Plus", VT_I4, "1");
    first.SetInt("Main", "numScripts", 3);
    ScriptFileBuilder pre(first, "Script_1", "PreLoad");
    pre.CreateVariable("who", VT_BSTR, "world");
    pre.CreateVariable("n", VT_I4, "1");
    ScriptFileBuilder load(first, "Script_2", "OnLoad");
    load.ModifyVariable("n", "Times", VT_I4, "7");
    load.If("n", 2, "7");
    std::string set = load.Add("SetProperty");
    first.SetString(set.c_str(), "controlId", "t1");
    first.SetString(set.c_str(), "property", "text");
    first.SetInt(set.c_str(), "valueType", VT_BSTR);
    first.SetString(set.c_str(), "value", "|who| |n|");
    load.Add("ELSE Statement");
    load.ModifyVariable("who", "Plus", VT_BSTR, "|who|");
    load.Add("ENDIF Statement");
    std::string get = load.Add("GetProperty");
    first.SetString(get.c_str(), "controlId", "t2");
    first.SetString(get.c_str(), "property", "xpos");
    first.SetString(get.c_str(), "variableName", "n");
    std::string run = load.Add("ExecuteGlobalScript");
    first.SetString(run.c_str(), "scriptName", "G");
    std::string save = load.SaveToFile("tarvex_fuzz_case", "n", "n");
    first.SetBool(save.c_str(), "useTemDir", TRUE);
    ScriptFileBuilder global(first, "Script_3", "G");
    global.ModifyVariable("who", "Plus", VT_BSTR, "!");
    std::string read = global.Add("ReadFromFile");
    first.SetBool(read.c_str(), "useTemDir", TRUE);
    first.SetString(read.c_str(), "path", "tarvex_fuzz_case");
    first.SetString(read.c_str(), "key", "n");
    first.SetString(read.c_str(), "variable", "who");

    CDataFile second;
    second.SetString("Main", "title", (title + " second").c_str());
    second.SetInt("Main", "width", 160);
    second.SetInt("Main", "height", 90);
    second.SetBool("Main", "appbar", FALSE);
    second.SetInt("Main", "numElements", 1);
    AddText(second, 1, "t1", "|who|");
    return { { "tarvex.pgd", LinesOf(first) }, { "page_2.pgd", LinesOf(second) } };
}

class Mutator
{
public:
    Mutator(unsigned caseNumber, bool hugeCounts) : m_random(caseNumber * 2654435761u + 12345u), m_huge(hugeCounts) {}

    int Below(int limit) { return limit <= 0 ? 0 : (int)(m_random() % (unsigned)limit); }

    std::string Number()
    {
        static const char* const bounded[] = { "-1", "-2147483648", "0", "1", "7", "64", "-65536", "30000",
                                               "4294967295", "1e308", "0x7FFFFFFF", "", "abc", "-" };
        static const char* const huge[] = { "2147483647", "10000000", "100000000" };
        if (m_huge && Below(4) == 0)
            return huge[Below(3)];
        return bounded[Below((int)(sizeof(bounded) / sizeof(bounded[0])))];
    }

    std::string LongText()
    {
        static const char* const pieces[] = { "x", "|who|", "\\", "..\\", "%s%n", "|", "=", "[", " " };
        std::string piece = pieces[Below(9)];
        size_t length = 1000 + (size_t)Below(120000);
        std::string text;
        while (text.size() < length)
            text += piece;
        return text;
    }

    // One change to the lines of a record.
    std::string MutateLines(std::vector<std::string>& lines)
    {
        if (lines.empty())
            return "empty";
        size_t at = (size_t)Below((int)lines.size());
        std::string& line = lines[at];
        size_t equals = line.find(" = ");
        switch (Below(8))
        {
        case 0:
        {
            // A count of sections that may not be there.
            static const char* const counts[] = { "numScripts", "numElements", "numScriptItems" };
            for (std::string& candidate : lines)
            {
                size_t position = candidate.find(" = ");
                if (position == std::string::npos)
                    continue;
                std::string key = candidate.substr(0, position);
                if (key == counts[Below(3)] && Below(2) == 0)
                {
                    candidate = key + " = " + Number();
                    return "count " + candidate.substr(0, 40);
                }
            }
            return "no count";
        }
        case 1:
            if (equals == std::string::npos)
                return "no value";
            line = line.substr(0, equals + 3) + Number();
            return "value " + line.substr(0, 40);
        case 2:
            if (equals == std::string::npos)
                return "no value";
            line = line.substr(0, equals + 3) + LongText();
            return "long value " + line.substr(0, 30);
        case 3:
            if (equals == std::string::npos || equals == 0)
                return "no key";
            // A key that is almost right: a letter dropped or its case turned.
            if (Below(2) == 0)
                line.erase((size_t)Below((int)equals), 1);
            else
                line[(size_t)Below((int)equals)] ^= 0x20;
            return "key " + line.substr(0, 40);
        case 4:
            lines.erase(lines.begin() + (long)at);
            return "line removed";
        case 5:
            lines.insert(lines.begin() + (long)at, lines[at]);
            return "line doubled";
        case 6:
        {
            static const char* const odd[] = { "[", "[]", "[Main", "=", " = ", "[Main]", "[Script_2]", "key without value" };
            lines.insert(lines.begin() + (long)at, odd[Below(8)]);
            return "odd line";
        }
        default:
            lines.insert(lines.begin() + (long)at, LongText());
            return "long line";
        }
    }

    // One change to the stored framing of a record.
    std::string MutateFraming(Record& record)
    {
        switch (Below(4))
        {
        case 0:
            record.countAdjust = m_huge && Below(3) == 0 ? (long)0x7FFFFFFF : (long)Below(4000) - 2000;
            return "byte count " + std::to_string(record.countAdjust);
        case 1:
            record.name = std::string((size_t)(m_huge ? Below(1000) : Below(300)), 'n') + ".pgd";
            return "name of " + std::to_string(record.name.size());
        case 2:
        {
            static const char* const tags[] = { "OPT", "PG", "pgd", "\x00\x00\x00" };
            record.tag = std::string(tags[Below(4)], 3);
            return "tag";
        }
        default:
            record.content.clear();
            return "empty record";
        }
    }

    // Flipped bytes of the uncompressed archive, past the magic.
    std::string FlipBytes(std::string& bytes)
    {
        int flips = 1 + Below(16);
        for (int i = 0; i < flips && bytes.size() > 4; ++i)
            bytes[4 + (size_t)Below((int)bytes.size() - 4)] ^= (char)(1 << Below(8));
        return std::to_string(flips) + " bytes flipped";
    }

private:
    std::mt19937 m_random;
    bool m_huge;
};

std::string Gzip(const std::string& bytes, const std::string& path)
{
    gzFile out = gzopen(path.c_str(), "wb6");
    if (!out)
        return std::string();
    gzwrite(out, bytes.data(), (unsigned)bytes.size());
    gzclose(out);
    return path;
}

} // namespace

ProjectFuzzer::ProjectFuzzer(const std::string& folder, bool hugeCounts) : m_folder(folder), m_hugeCounts(hugeCounts)
{
}

std::string ProjectFuzzer::MutatedArchive(unsigned caseNumber, std::string& what) const
{
    Mutator mutator(caseNumber, m_hugeCounts);
    std::vector<SeedRecord> seed = SeedProject(caseNumber);
    what.clear();
    int lineChanges = mutator.Below(4);
    for (int i = 0; i < lineChanges; ++i)
    {
        SeedRecord& record = seed[(size_t)mutator.Below(5) == 0 ? 1 : 0];
        what += mutator.MutateLines(record.lines) + "; ";
    }
    std::vector<Record> records;
    for (const SeedRecord& s : seed)
        records.push_back({ "PGD", s.name, Content(s.lines) });
    if (mutator.Below(4) == 0)
        what += mutator.MutateFraming(records[(size_t)mutator.Below(2)]) + "; ";
    std::string bytes = ArchiveBytes(records);
    if (mutator.Below(4) == 0)
        what += mutator.FlipBytes(bytes) + "; ";
    if (mutator.Below(6) == 0)
    {
        bytes.resize((size_t)mutator.Below((int)bytes.size()));
        what += "cut at " + std::to_string(bytes.size()) + "; ";
    }
    std::string path = m_folder + "tarvex.pqz";
    Gzip(bytes, path);
    if (mutator.Below(10) == 0)
    {
        // The compressed stream cut short.
        std::string packed;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
        if (file != INVALID_HANDLE_VALUE)
        {
            DWORD size = GetFileSize(file, NULL);
            packed.resize(size);
            DWORD read = 0;
            ReadFile(file, &packed[0], size, &read, NULL);
            CloseHandle(file);
            packed.resize((size_t)mutator.Below((int)read));
            what += "stream cut at " + std::to_string(packed.size()) + "; ";
            file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            DWORD written = 0;
            WriteFile(file, packed.data(), (DWORD)packed.size(), &written, NULL);
            CloseHandle(file);
        }
    }
    if (what.empty())
        what = "seed";
    return path;
}

FuzzOutcome ProjectFuzzer::Play(unsigned caseNumber) const
{
    FuzzOutcome outcome;
    std::string path = MutatedArchive(caseNumber, outcome.what);
    DWORD start = GetTickCount();
    PlayerProcess player;
    if (!player.Start(TarvexExePath(), "\"" + path + "\""))
    {
        outcome.abnormal = true;
        outcome.what += " - not started, error " + std::to_string(player.StartError());
        return outcome;
    }
    bool ended = false;
    // The page up, or the player gone: either is an answer.
    if (player.WaitForWindow(true, kPageUpMs))
        ended = player.Close();
    else if (!player.IsRunning())
        ended = true;
    else if (player.WaitForWindow(false, 10) && player.Close())
        ended = true;
    outcome.milliseconds = GetTickCount() - start;
    if (!ended)
    {
        player.Terminate();
        outcome.abnormal = true;
        outcome.what += " - no page and no end";
        return outcome;
    }
    outcome.exitCode = player.ExitCode();
    outcome.abnormal = outcome.exitCode != 0;
    return outcome;
}

std::vector<FuzzOutcome> PlayFuzzCases(const std::string& folder, bool hugeCounts, unsigned first, unsigned count,
                                       unsigned workers, const std::function<void(unsigned, const FuzzOutcome&)>& onAbnormal)
{
    std::mutex reporting;
    std::vector<FuzzOutcome> outcomes(count);
    std::atomic<unsigned> next(0);
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w)
    {
        std::string own = folder + "worker" + std::to_string(w) + "\\";
        CreateDirectoryA(own.c_str(), NULL);
        threads.emplace_back([own, hugeCounts, first, count, &next, &outcomes, &reporting, &onAbnormal]() {
            ProjectFuzzer fuzzer(own, hugeCounts);
            for (unsigned i = next++; i < count; i = next++)
            {
                outcomes[i] = fuzzer.Play(first + i);
                if (outcomes[i].abnormal && onAbnormal)
                {
                    std::lock_guard<std::mutex> lock(reporting);
                    onAbnormal(first + i, outcomes[i]);
                }
            }
            DeleteFileA((own + "tarvex.pqz").c_str());
            RemoveDirectoryA(own.c_str());
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    return outcomes;
}
