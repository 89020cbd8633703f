#include "platform/framework/FileFind.h"

#include <string.h>

CFileFind::CFileFind()
    : m_hFind(INVALID_HANDLE_VALUE), m_hasNext(false), m_hasFound(false)
{
    ZeroMemory(&m_next, sizeof(m_next));
    ZeroMemory(&m_found, sizeof(m_found));
}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_hasNext = m_hasFound = false;
    m_root.Empty();
}

BOOL CFileFind::FindFile(const char* name, DWORD)
{
    Close();
    if (name == NULL || *name == 0)
        name = "*.*";
    m_hFind = ::FindFirstFileA(name, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hasNext = true;

    const char* slash = strrchr(name, '\\');
    const char* other = strrchr(name, '/');
    if (other > slash)
        slash = other;
    if (slash == NULL && name[0] != 0 && name[1] == ':')
        slash = name + 1;
    if (slash != NULL)
        m_root.AppendBytes(name, (int)(slash - name + 1));
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_hasNext)
        return FALSE;
    m_found = m_next;
    m_hasFound = true;
    m_hasNext = ::FindNextFileA(m_hFind, &m_next) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

CStr CFileFind::GetFileName() const
{
    return m_hasFound ? CStr(m_found.cFileName) : CStr();
}

CStr CFileFind::GetFilePath() const
{
    if (!m_hasFound)
        return CStr();
    CStr path(m_root);
    path += m_found.cFileName;
    return path;
}

CStr CFileFind::GetFileTitle() const
{
    CStr name = GetFileName();
    const char* dot = strrchr(name.c_str(), '.');
    if (dot == NULL || dot == name.c_str())
        return name;
    CStr title;
    title.AppendBytes(name.c_str(), (int)(dot - name.c_str()));
    return title;
}

ULONGLONG CFileFind::GetLength() const
{
    if (!m_hasFound)
        return 0;
    return ((ULONGLONG)m_found.nFileSizeHigh << 32) | m_found.nFileSizeLow;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* time) const
{
    if (!m_hasFound || time == NULL)
        return FALSE;
    *time = m_found.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    return m_hasFound && (m_found.dwFileAttributes & mask) != 0;
}

BOOL CFileFind::IsDots() const
{
    if (!m_hasFound || !IsDirectory())
        return FALSE;
    const char* n = m_found.cFileName;
    return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0));
}
