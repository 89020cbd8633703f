// CDataFile: an in-memory INI-like text file of "[section]" headers and
// "key = value" lines. Every page of a project is one; the project archive
// stores them one after the other.
#pragma once

#include "model/common/Str.h"

#include <oaidl.h>
#include <vector>

class CKeyReadLog;

class CDataFile
{
public:
    enum Kind { KindPage = 0, KindOptions = 1, KindResource = 2 };

    CDataFile();
    CDataFile(const CDataFile& other);
    CDataFile& operator=(const CDataFile& other);
    virtual ~CDataFile();

    int m_kind;
    CStr m_name;
    CStr m_lineTerminator;  // "\r\n", used by the archive writer

    // Lines, without their terminators. Positions are line indices; the end
    // of the list is GetLineCount().
    void Clear();
    int GetLineCount() const;
    const CStr& GetLine(int index) const;
    void AppendLine(const CStr& line);
    void InsertLine(int index, const CStr& line);
    void InsertLine(int index, CStr&& line);
    void SetLine(int index, const CStr& line);
    void RemoveLine(int index);
    void AppendLineBytes(const char* bytes, int count);  // a line from raw bytes
    void ReserveLines(int count);
    // Appends the lines of stored text (lines ended by LF, trailing CR and
    // LF removed, as the archive keeps them); split on first use.
    void SetStoredContent(const char* bytes, int count);
    // The same with a block from malloc, which the data file then owns.
    void AdoptStoredContent(char* bytes, int count);
    int GetContentLength() const;   // sum of the line lengths
    int GetSectionCount() const;    // lines whose first character is '['
    // Well-formed "[name]" headers, from the lookup index: never more than
    // GetSectionCount(), and known at once when the index is built.
    int GetIndexedSectionCount() const;
    CStr GetName() const;

    // Sections (names are case-sensitive)
    int FindSectionIndex(const char* name) const;          // -1 when absent
    int FindSection(const char* name) const;               // the end when absent
    int NextSection(int from, CStr& name) const;           // the end when none
    int GetOrAddSection(const char* name);                 // NULL means "none"
    static BOOL IsSectionHeader(const CStr& line);
    BOOL IsSectionHeaderAt(int index) const;

    // Keys (names are not case-sensitive), searched from the line after a
    // header up to the next header.
    int FindKeyIndex(int from, const char* key, CStr* value = NULL) const;  // -1 when absent
    BOOL FindKey(int from, const char* key, CStr& value) const;

    // Setters: FALSE only when the section name is NULL.
    BOOL SetBool(const char* section, const char* key, BOOL value);
    BOOL SetString(const char* section, const char* key, const char* value);
    BOOL SetDouble(const char* section, const char* key, double value);
    BOOL SetLong(const char* section, const char* key, long value);
    BOOL SetInt(const char* section, const char* key, int value);
    BOOL SetVarType(const char* section, const char* key, VARTYPE value);
    BOOL SetMultiLineString(const char* section, const char* key, const char* value);
    BOOL SetVariant(const char* section, const char* key, const VARIANT& value);

    // Getters: FALSE, output unchanged, when the section or key is missing.
    BOOL GetBool(const char* section, const char* key, BOOL& value) const;
    BOOL GetString(const char* section, const char* key, CStr& value) const;
    BOOL GetDouble(const char* section, const char* key, double& value) const;
    BOOL GetLong(const char* section, const char* key, long& value) const;
    BOOL GetInt(const char* section, const char* key, int& value) const;
    BOOL GetVarType(const char* section, const char* key, VARTYPE& value) const;
    BOOL GetMultiLineString(const char* section, const char* key, CStr& value) const;
    BOOL GetVariant(const char* section, const char* key, VARTYPE type, VARIANT& value) const;

    // Plain text files
    BOOL LoadFromFile(const char* path);
    BOOL SaveToFile(const char* path) const;

    // The log that the getters tell of every key asked (CKeyReadLog attaches
    // itself); NULL when none. A copy starts without one.
    CKeyReadLog* GetReadLog() const { return m_readLog; }
    void SetReadLog(CKeyReadLog* log) const { m_readLog = log; }

private:
    BOOL SetKeyLine(const char* section, const char* key, const CStr& value);
    BOOL StoreKeyLine(const char* section, const char* key, const char* value, int valueLength, BOOL multiLine);
    const char* FindValueText(const char* section, const char* key) const;

    mutable std::vector<CStr> m_lines;
    // Lookup index over m_lines; see DataFile.cpp. A dropped index keeps its
    // memory and is made again from the lines when next used.
    struct Index;
    mutable Index* m_index;
    mutable bool m_indexBuilt;
    const Index& GetIndex() const;
    void DropIndex() const;
    // Stored text whose lines follow m_lines, not split yet (from malloc).
    mutable char* m_stored;
    mutable int m_storedLength;
    mutable CKeyReadLog* m_readLog;
    void SplitStored() const;
};
