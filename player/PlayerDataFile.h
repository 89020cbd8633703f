// What the player does with the shared data file beyond its typed reads:
// reading archive records (for CMultiFilePqz and single members) and its
// own plain-file forms.
#pragma once

#include "model/store/ArchiveRecords.h"
#include "model/store/DataFile.h"

// The part of an archive record after its tag: the name into the data
// file's name, then the content's lines. FALSE when the stream ends inside
// the name or the byte count, or when the name or the count is beyond what
// the format holds; a content cut short keeps the lines read.
BOOL ReadArchiveMember(CArchiveReader& reader, CDataFile* file);

// The first page record named memberName (ignoring case), or the first page
// record at all when memberName is NULL, into file's lines. The member name
// is not kept.
BOOL OpenArchiveMember(CDataFile& file, const char* archivePath, const char* memberName);

// Empties file, then tries memberName, the archive's own name with ".pgd",
// and the first page record.
BOOL OpenDataFile(CDataFile& file, const char* archivePath, const char* memberName);

// Plain files: loading replaces the lines with the file's, split at every
// CR and LF, empty lines dropped (a last line without its line end counts);
// TRUE when a line was read. Saving writes every line with "\r\n" in one
// write, nothing when the file cannot be created.
BOOL LoadDataFileFromFile(CDataFile& file, const char* path);
BOOL SaveDataFileToFile(const CDataFile& file, const char* path);
