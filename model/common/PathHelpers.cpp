#include "model/common/PathHelpers.h"

#include <string.h>
#include <string>

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool FitsPath(size_t length)
{
    return length < MAX_PATH;
}

int MeasureWidth(HDC dc, const std::string& text)
{
    SIZE size = { 0, 0 };
    GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
    return size.cx;
}

} // namespace

BOOL AddBackslash(char* path)
{
    size_t length = strlen(path);
    if (length > 0 && path[length - 1] == '\\')
        return TRUE;
    // Appending to a full buffer would write past MAX_PATH.
    if (!FitsPath(length + 1))
        return FALSE;
    path[length] = '\\';
    path[length + 1] = '\0';
    return TRUE;
}

void RemoveBackslash(char* path)
{
    size_t length = strlen(path);
    if (length > 0 && path[length - 1] == '\\')
        path[length - 1] = '\0';
}

BOOL IsRelativePath(const char* path)
{
    return strchr(path, ':') == NULL;
}

BOOL FileExists(const char* path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path, &data);
    if (find == INVALID_HANDLE_VALUE)
        return FALSE;
    // Left open, every check would leak a handle.
    FindClose(find);
    return TRUE;
}

const char* GetFileNamePart(const char* path)
{
    const char* sep = strrchr(path, '\\');
    if (!sep)
        sep = strrchr(path, '/');
    if (!sep)
        return path;
    if (sep[1] != '\0')
        return sep + 1;
    if (sep == path)
        return path;
    const char* p = sep - 1;
    while (p > path && !IsSeparator(*p))
        --p;
    return p == path ? path : p + 1;
}

char* GetFileNamePart(char* path)
{
    return const_cast<char*>(GetFileNamePart(const_cast<const char*>(path)));
}

void RemoveFileSpec(char* path)
{
    *GetFileNamePart(path) = '\0';
}

const char* NextPathComponent(const char* text)
{
    const char* sep = strchr(text, '\\');
    if (!sep || sep[1] == '\0')
        return NULL;
    return sep + 1;
}

char* NextPathComponent(char* text)
{
    return const_cast<char*>(NextPathComponent(const_cast<const char*>(text)));
}

BOOL CanonicalizePath(char* out, const char* in)
{
    // Built aside so that out may be in, and so that a result too long for
    // out leaves it untouched.
    std::string work;
    const char* rest = in;
    size_t rootLength = in[0] == '\\' ? 1 : 0;
    if (strchr(in, ':'))
    {
        const char* slash = strchr(in, '\\');
        size_t driveLength = slash ? (size_t)(slash - in) : strlen(in);
        work.assign(in, driveLength);
        work += '\\';
        rest = in + driveLength + (slash ? 1 : 0);
        rootLength = work.size();
    }

    for (;;)
    {
        const char* end = strchr(rest, '\\');
        size_t length = end ? (size_t)(end - rest) : strlen(rest);
        // Only "." and ".." themselves are special; ".cache" or "..data" are
        // folder names like any other.
        const bool isCurrent = length == 1 && rest[0] == '.';
        const bool isParent = length == 2 && rest[0] == '.' && rest[1] == '.';
        if (isParent)
        {
            // Unchecked, ".." at the root would remove the drive or the leading '\'.
            if (work.size() > rootLength)
            {
                std::string tail = work.substr(rootLength);
                RemoveFileSpec(&tail[0]);
                work.resize(rootLength);
                work += tail.c_str();
            }
        }
        else if (!isCurrent)
        {
            work.append(rest, length);
            if (end)
                work += '\\';
        }
        if (!end)
            break;
        rest = end + 1;
    }

    if (!work.empty() && work.back() == '\\')
        work.pop_back();
    if (!FitsPath(work.size()))
        return FALSE;
    memcpy(out, work.c_str(), work.size() + 1);
    return TRUE;
}

BOOL AppendPath(char* folder, const char* relative)
{
    std::string joined = folder;
    if (relative[0] == '\\')
    {
        if (!joined.empty() && joined.back() == '\\')
            joined.pop_back();
    }
    else if (!joined.empty() && joined.back() != '\\')
    {
        joined += '\\';
    }
    joined += relative;
    // The join may be longer than MAX_PATH while its canonical form is not.
    return CanonicalizePath(folder, joined.c_str());
}

BOOL CompactPathToWidth(HDC dc, char* path, int width)
{
    const std::string whole = path;
    if (MeasureWidth(dc, whole) <= width)
        return TRUE;

    const char* name = GetFileNamePart(path);
    if (name == path)
        return FALSE;
    const std::string tail = std::string("...\\") + name;
    const int prefixLength = (int)(name - path);
    // "...\" in place of fewer than four characters would lengthen the path.
    if (prefixLength < 4)
        return FALSE;

    std::string candidate = tail;
    int measured = MeasureWidth(dc, candidate);
    if (measured < width)
    {
        // Keeping more than prefixLength - 4 characters would lengthen the path.
        const int bound = prefixLength - 3;
        int i = 1;
        while (measured < width && i < bound)
        {
            candidate = whole.substr(0, i) + tail;
            measured = MeasureWidth(dc, candidate);
            ++i;
        }
        if (measured > width)
            candidate = whole.substr(0, i - 2) + tail;
    }
    memcpy(path, candidate.c_str(), candidate.size() + 1);
    return TRUE;
}

void SetDlgItemPath(HWND dialog, int controlId, const char* path)
{
    HWND control = GetDlgItem(dialog, controlId);
    if (!control)
        return;

    std::string text = path;
    text.resize(text.size() + 1);
    RECT client = { 0, 0, 0, 0 };
    GetClientRect(control, &client);

    HDC dc = GetDC(control);
    if (dc)
    {
        HFONT font = (HFONT)SendMessageA(control, WM_GETFONT, 0, 0);
        HGDIOBJ previous = font ? SelectObject(dc, font) : NULL;
        CompactPathToWidth(dc, &text[0], client.right - client.left);
        if (previous)
            SelectObject(dc, previous);
        ReleaseDC(control, dc);
    }
    SetWindowTextA(control, text.c_str());
}
