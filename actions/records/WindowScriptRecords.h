// Stored forms of Internal Command, Post Message and Execute Global Script.
#pragma once

#include "model/store/DataFile.h"

struct CInternalCommandRecord
{
    CStr command;       // "ChangePage", "NextPage", "PrevPage", "Minimize", "Exit"
    CStr parameters;    // for "ChangePage" the page to show

    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};

struct CPostMessageRecord
{
    CStr windowClass;   // empty: broadcast to all top-level windows
    int message;
    int wparam;
    long lparam;

    CPostMessageRecord();
    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};

struct CExecuteGlobalScriptRecord
{
    CStr scriptName;

    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};
