// CStr: the narrow string of every program. One pointer to the characters,
// a four-word header (length, capacity, reference count, lock word) just
// before them; copies share the block, writers get a block of their own.
#pragma once

#include <windows.h>
#include <stdarg.h>

struct CStrHeader
{
    LONG length;    // characters before the NUL; links the free list while pooled
    LONG capacity;  // characters the block holds without the NUL, always 15 mod 16
    LONG refs;      // CStr objects sharing the block
    LONG lock;      // writer's spin lock, 0 when free
};

class CStr
{
public:
    CStr();
    CStr(const char* text, int minCapacity = 0);
    CStr(const CStr& other);
    CStr(CStr&& other) noexcept;
    ~CStr();

    CStr& operator=(const CStr& other) { Assign(other); return *this; }
    CStr& operator=(CStr&& other) noexcept;
    CStr& operator=(const char* text) { AssignText(text); return *this; }
    CStr& operator+=(const CStr& other) { Append(other); return *this; }
    CStr& operator+=(const char* text) { AppendText(text); return *this; }
    CStr& operator+=(char c) { AppendChar(c); return *this; }

    operator const char*() const { return m_pch; }
    const char* c_str() const { return m_pch; }
    int GetLength() const { return Header()->length; }
    int GetCapacity() const { return Header()->capacity; }
    int GetRefCount() const { return Header()->refs; }
    bool IsEmpty() const { return Header()->length == 0; }
    bool IsSharedEmpty() const;
    char operator[](int i) const { return m_pch[i]; }

    // Construction and assignment
    void CopyConstruct(const CStr& other);
    void Assign(const CStr& other);
    void AssignText(const char* text);
    void AssignWide(const wchar_t* text);
    // A block of capacity reserve | 15 first when reserve > 0, then the
    // wide text assigned.
    static CStr FromWide(const wchar_t* text, int reserve = 0);
    // A malloc'd wide copy with its NUL; the caller frees it.
    wchar_t* AllocWide() const;
    void Empty();
    BOOL LoadString(UINT id, HINSTANCE module = NULL);

    // Appending and building
    void AppendChar(char c);
    void AppendBytes(const char* bytes, int count);
    void Append(const CStr& other);
    void AppendText(const char* text);
    void Prepend(const char* text);
    static CStr Concat(const CStr& a, const CStr& b);
    static CStr ConcatText(const CStr& a, const char* b);
    static CStr ConcatToText(const char* a, const CStr& b);
    static CStr PlusChar(const CStr& s, char c);

    // Extracting and cutting
    void Mid(int start, int count, CStr& out) const;
    void Left(int count, CStr& out) const;
    void Right(int count, CStr& out) const;
    CStr Mid(int start, int count) const { CStr s; Mid(start, count, s); return s; }
    CStr Left(int count) const { CStr s; Left(count, s); return s; }
    CStr Right(int count) const { CStr s; Right(count, s); return s; }
    void Truncate(int length);
    void DeleteLeft(int count);
    void DeleteRight(int count);
    void ChangeCase(BOOL upper);
    void MakeUpper() { ChangeCase(TRUE); }
    void MakeLower() { ChangeCase(FALSE); }

    // Searching and comparing
    int Find(const char* text, int start = 0) const;
    int FindChar(char c, int start = 0) const;
    int FindNoCase(const char* text, int start = 0) const;
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;
    BOOL EqualsNoCase(const char* text) const;  // CompareNoCase(text) == 0, quick for plain ASCII
    BOOL Equals(const CStr& other) const;
    BOOL EqualsText(const char* text) const;
    bool operator==(const CStr& other) const { return Equals(other) != FALSE; }
    bool operator!=(const CStr& other) const { return Equals(other) == FALSE; }
    bool operator==(const char* text) const { return EqualsText(text) != FALSE; }
    bool operator!=(const char* text) const { return EqualsText(text) == FALSE; }

    // Formatting
    void Format(const char* format, ...);
    void FormatV(const char* format, va_list args);

    // "CStr fatal 2": a search start at or past the end.
    static void FatalIndex();

    // Pool control
    static void SetPoolingOff(BOOL off);
    static BOOL IsPoolingOff();
    static void FreeAllPools();
    static int PooledBlockCount(int list);  // blocks waiting in one free list

    // Raw access for the write lock and for callers that fill the buffer
    // themselves: GetBuffer makes the block unique with room for the given
    // number of characters; ReleaseBuffer sets the length (-1: up to the NUL).
    char* GetBuffer(int capacity);
    void ReleaseBuffer(int length = -1);

private:
    friend class CStrWriteLock;

    CStrHeader* Header() const { return reinterpret_cast<CStrHeader*>(m_pch) - 1; }
    static CStrHeader* AllocBuffer(int capacity);
    static void ReleaseBlock(CStrHeader* header);
    static void FreePool(int list);
    void Release();
    void SetSharedEmpty();
    void ReserveForFormat(const char* format);
    void FormatAppend(const char* format, va_list args);
    const char* FormatOne(const char* afterPercent, va_list* args, BOOL* ended);
    void GrowForAppend(int added);
    void AppendRaw(const char* bytes, int count);
    bool PointsInside(const char* p) const;
    static int AppendCapacity(const CStrHeader* header, int needed);
    void AppendFormatted(const char* conversion, int value);
    void AppendFormatted(const char* conversion, double value);

    static void FatalFormat();

    char* m_pch;
};

// Case-insensitive searches of names and type texts (ASCII letters fold,
// as in _strnicmp). ContainsNoCase with afterFirst finds part only at a
// position after the text's first character; an empty part is in every
// text. ContainsNoCaseFrom finds part only at position from or later; a
// text too short for that is answered FALSE, never with CStr::Find's box.
BOOL ContainsNoCase(const char* text, const char* part, BOOL afterFirst = FALSE);
BOOL ContainsNoCaseFrom(const char* text, const char* part, int from);
BOOL BeginsWithNoCase(const char* text, const char* start);

CStr operator+(const CStr& a, const CStr& b);
CStr operator+(const CStr& a, const char* b);
CStr operator+(const char* a, const CStr& b);

// Holds a string's block lock while an operation writes it, after making
// its buffer unique with at least the required capacity (0: its length).
class CStrWriteLock
{
public:
    CStrWriteLock(CStr& s, int required, BOOL keepText);
    ~CStrWriteLock();
    char* Buffer() const { return m_s.m_pch; }
    CStrHeader* Header() const { return m_s.Header(); }

private:
    CStrWriteLock(const CStrWriteLock&);
    CStrWriteLock& operator=(const CStrWriteLock&);
    CStr& m_s;
    CStrHeader* m_locked;
};

// Shows "CStr fatal %d"; the failing operation goes on afterwards.
void CStrFatal(int code);
