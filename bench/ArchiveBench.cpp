// Writes and reads a project of about 20 MB and compares both with zlib's
// own gzwrite and gzread of the same bytes in this process (targets: write
// at most 1.1x, read at most 1.5x, the player's read as well). Both reads put the bytes into fresh
// memory; zlib's read into a buffer already touched is printed beside.
#include "bench/BenchTimer.h"
#include "model/store/DataFileManager.h"
#include "player/MultiFilePqz.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

const int kRuns = 3;

void BuildProject(CDataFileManager& manager)
{
    char name[32], section[32], key[32], value[96];
    for (int p = 0; p < 40; ++p) {
        snprintf(name, sizeof name, p ? "page_%d.pgd" : "tarvex.pgd", p);
        CDataFile* page = manager.AddFile(name);
        for (int s = 0; s < 600; ++s) {
            snprintf(section, sizeof section, "Object%d", s);
            for (int k = 0; k < 20; ++k) {
                snprintf(key, sizeof key, "property%d", k);
                snprintf(value, sizeof value, "%d,%d text of element %d on page %d", s * 37 % 1000, k * 13, s, p);
                page->SetString(section, key, value);
            }
        }
    }
}

std::string ReadAll(const char* path)
{
    std::string bytes;
    gzFile in = gzopen(path, "rb");
    char chunk[1 << 16];
    int got;
    while (in && (got = gzread(in, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, got);
    if (in)
        gzclose(in);
    return bytes;
}

double TimeZlibWrite(const char* path, const std::string& bytes)
{
    double start = NowSeconds();
    gzFile out = gzopen(path, "wb9");
    gzwrite(out, bytes.data(), (unsigned)bytes.size());
    gzclose(out);
    return NowSeconds() - start;
}

// zlib's read of the same bytes into a block of its own, as every reader
// that keeps what it reads needs (ours gets one for every page); a buffer
// already in use (touched) skips the cost of fresh memory, which the reader
// of a project never can.
double TimeZlibRead(const char* path, std::string& buffer, bool touched)
{
    double start = NowSeconds();
    char* bytes = touched ? &buffer[0] : (char*)malloc(buffer.size());
    gzFile in = gzopen(path, "rb");
    int got = bytes ? gzread(in, bytes, (unsigned)buffer.size()) : -1;
    gzclose(in);
    double seconds = NowSeconds() - start;
    if (got != (int)buffer.size())
        printf("  zlib read %d bytes, expected %u\n", got, (unsigned)buffer.size());
    if (!touched && bytes) {
        memcpy(&buffer[0], bytes, buffer.size());
        free(bytes);
    }
    return seconds;
}

} // namespace

int main()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string ours = std::string(temp) + "archive_bench.pqz";
    std::string theirs = std::string(temp) + "archive_bench_zlib.gz";

    CDataFileManager project;
    BuildProject(project);
    if (!project.WriteArchive(ours.c_str())) {
        printf("writing the archive failed\n");
        return 1;
    }
    const std::string stored = ReadAll(ours.c_str());
    printf("Archive: %d data files, %.1f MB stored (%.1f MB compressed)\n", project.GetFileCount(),
           stored.size() / 1048576.0, GetCompressedFileSizeA(ours.c_str(), NULL) / 1048576.0);

    double writeOurs = 1e30, writeZlib = 1e30, readOurs = 1e30, readPlayer = 1e30, readZlib = 1e30, readTouched = 1e30, split = 1e30;
    std::string buffer(stored.size(), '\0');
    bool same = true;
    for (int run = 0; run < kRuns; ++run) {
        double start = NowSeconds();
        BOOL written = project.WriteArchive(ours.c_str());
        writeOurs = std::min(writeOurs, NowSeconds() - start);
        writeZlib = std::min(writeZlib, TimeZlibWrite(theirs.c_str(), stored));

        std::unique_ptr<CDataFileManager> read(new CDataFileManager);
        start = NowSeconds();
        BOOL ok = read->ReadArchive(ours.c_str());
        readOurs = std::min(readOurs, NowSeconds() - start);
        // The player's archive list reads through the same record reader.
        std::unique_ptr<CMultiFilePqz> played(new CMultiFilePqz);
        start = NowSeconds();
        BOOL playerOk = played->Load(ours.c_str());
        readPlayer = std::min(readPlayer, NowSeconds() - start);
        same = same && playerOk && played->GetCount() == project.GetFileCount();
        readTouched = std::min(readTouched, TimeZlibRead(theirs.c_str(), buffer, true));
        readZlib = std::min(readZlib, TimeZlibRead(theirs.c_str(), buffer, false));
        // Pages are split into lines when first used: every page here.
        start = NowSeconds();
        long lines = 0;
        for (int i = 0; i < read->GetFileCount(); ++i)
            lines += read->GetFile(i)->GetLineCount();
        split = std::min(split, NowSeconds() - start);
        same = same && lines > 0;
        same = same && written && ok && read->GetFileCount() == project.GetFileCount() && buffer == stored;
    }
    double writeRatio = writeOurs / writeZlib;
    double readRatio = readOurs / readZlib;
    printf("  write: %7.1f ms, zlib gzwrite %7.1f ms: %.2fx (target <= 1.1x): %s\n", writeOurs * 1e3,
           writeZlib * 1e3, writeRatio, writeRatio <= 1.1 ? "met" : "MISSED");
    printf("  read:  %7.1f ms, zlib gzread  %7.1f ms: %.2fx (target <= 1.5x): %s\n", readOurs * 1e3,
           readZlib * 1e3, readRatio, readRatio <= 1.5 ? "met" : "MISSED");
    double playerRatio = readPlayer / readZlib;
    printf("  player's read: %7.1f ms: %.2fx zlib's read (target <= 1.5x): %s\n", readPlayer * 1e3, playerRatio,
           playerRatio <= 1.5 ? "met" : "MISSED");
    printf("         zlib gzread into a buffer already touched %7.1f ms: %.2fx that\n", readTouched * 1e3,
           readOurs / readTouched);
    printf("  first use of every page read (split into lines): %.1f ms more; read and split: %.2fx zlib's read\n",
           split * 1e3, (readOurs + split) / readZlib);
    printf("  (best of %d runs each)%s\n", kRuns, same ? "" : "  -- RESULTS DIFFER");
    DeleteFileA(ours.c_str());
    DeleteFileA(theirs.c_str());
    return same ? 0 : 1;
}
