// Stored forms of the shell actions: Open Folder, Play Sound, Launch HTML and
// Shell Execute keep one path; Run Program adds its command line.
#pragma once

#include "model/store/DataFile.h"

struct CPathRecord
{
    CStr path;

    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};

struct CRunProgramRecord
{
    CStr path;
    CStr parameters;

    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};
