#include "model/common/Str.h"
#include "model/common/MessageReporter.h"

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <limits.h>
#include <new>

namespace {

// The shared empty representation: never counted (its count stays -1, so no
// writer ever takes it for a unique block), never locked, never freed.
struct EmptyRep
{
    CStrHeader header;
    char text[4];
};
EmptyRep g_empty = { { 0, 0, -1, 0 }, { 0, 0, 0, 0 } };

inline char* EmptyText() { return g_empty.text; }
inline char* TextOf(CStrHeader* h) { return reinterpret_cast<char*>(h + 1); }

const int kPoolLists = 20;
const int kPooledBelow = 320;   // block bytes
const int kBlockOverhead = sizeof(CStrHeader) + 1;

// One cache line per list, so threads working on different sizes do not
// fight over one line.
struct alignas(64) PoolList
{
    volatile LONG lock;
    CStrHeader* head;
};
PoolList g_pools[kPoolLists];
volatile LONG g_poolingOff;

// The free list is threaded through the first word of each free block.
inline CStrHeader*& NextFree(CStrHeader* h) { return *reinterpret_cast<CStrHeader**>(h); }

// A free word is taken with one locked exchange, the common case by far; a
// held one is waited on without writing to it.
inline void SpinLock(volatile LONG* word)
{
    while (InterlockedCompareExchange(word, 1, 0) != 0)
    {
        while (*word != 0)
            Sleep(0);
    }
}

// Only the holder writes a held word: a store that keeps the writes made
// under the lock before it gives the word back.
inline void SpinUnlock(volatile LONG* word)
{
    __atomic_store_n(word, 0, __ATOMIC_RELEASE);
}

inline bool IsFlagChar(char c)
{
    switch (c)
    {
    case '-': case '+': case ' ': case '#': case '*': case '.': case 'h': case 'l': case 'L':
        return true;
    default:
        return c >= '0' && c <= '9';
    }
}

enum ConversionKind { ConvInteger, ConvDouble, ConvText, ConvCStr, ConvEnd, ConvLiteral };

inline ConversionKind KindOf(char c)
{
    switch (c)
    {
    case 'c': case 'C': case 'd': case 'i': case 'o': case 'u': case 'x': case 'X': case 'p':
        return ConvInteger;
    case 'e': case 'E': case 'f': case 'g': case 'G':
        return ConvDouble;
    case 's':
        return ConvText;
    case '!':
        return ConvCStr;
    case 'n': case 'S': case '\0':
        return ConvEnd;
    default:
        return ConvLiteral;
    }
}

int CallWvsprintf(char* out, const char* conversion, ...)
{
    va_list args;
    va_start(args, conversion);
    int n = wvsprintfA(out, conversion, args);
    va_end(args);
    return n;
}

// Whether a text or CStr argument of the format points into the block that
// starts at text and holds capacity characters (or is the string itself).
bool FormatArgumentsInside(const char* format, va_list args, const char* text, int capacity, const CStr* self)
{
    va_list ap;
    va_copy(ap, args);
    bool inside = false;
    for (const char* p = format; !inside && (p = strchr(p, '%')) != NULL; )
    {
        ++p;
        while (IsFlagChar(*p))
            ++p;
        char c = *p;
        ConversionKind kind = KindOf(c);
        if (kind == ConvEnd)
            break;
        ++p;
        if (kind == ConvInteger)
            (void)va_arg(ap, int);
        else if (kind == ConvDouble)
            (void)va_arg(ap, double);
        else if (kind == ConvText)
        {
            const char* arg = va_arg(ap, const char*);
            inside = (uintptr_t)arg - (uintptr_t)text <= (uintptr_t)capacity;
        }
        else if (kind == ConvCStr)
            inside = va_arg(ap, const CStr*) == self;
    }
    va_end(ap);
    return inside;
}

const int kConversionMax = 40;            // conversion text, '%' and letter included
const int kWvsprintfLimit = 1024;   // wvsprintfA never writes more than this

} // namespace

// ---------------------------------------------------------------------------
// Blocks and the pool

CStrHeader* CStr::AllocBuffer(int capacity)
{
    if (capacity < 0 || capacity > INT_MAX - 64)
        throw std::bad_alloc();
    capacity |= 15;
    int bytes = capacity + kBlockOverhead;
    CStrHeader* h = NULL;
    if (bytes < kPooledBelow)
    {
        PoolList& list = g_pools[bytes / 16];
        SpinLock(&list.lock);
        h = list.head;
        if (h)
            list.head = NextFree(h);
        SpinUnlock(&list.lock);
    }
    if (!h)
    {
        h = static_cast<CStrHeader*>(malloc(bytes));
        if (!h)
            throw std::bad_alloc();
    }
    h->length = 0;
    h->capacity = capacity;
    h->refs = 1;
    h->lock = 0;
    return h;
}

void CStr::ReleaseBlock(CStrHeader* h)
{
    if (h == &g_empty.header)
        return;
    // The one holder of a block has no one to race: no other string can
    // come to share it while this one goes.
    if (__atomic_load_n(&h->refs, __ATOMIC_ACQUIRE) == 1)
    {
        h->refs = 0;
    }
    else
    {
        LONG left = InterlockedDecrement(&h->refs);
        if (left > 0)
            return;
        if (left < 0)
        {
            InterlockedIncrement(&h->refs);
            return;
        }
    }
    int bytes = h->capacity + kBlockOverhead;
    if (bytes < kPooledBelow && !g_poolingOff)
    {
        PoolList& list = g_pools[bytes / 16];
        SpinLock(&list.lock);
        NextFree(h) = list.head;
        list.head = h;
        SpinUnlock(&list.lock);
        return;
    }
    free(h);
}

void CStr::FreePool(int list)
{
    if (list < 0 || list >= kPoolLists)
        return;
    PoolList& pool = g_pools[list];
    SpinLock(&pool.lock);
    CStrHeader* h = pool.head;
    pool.head = NULL;
    while (h)
    {
        CStrHeader* next = NextFree(h);
        free(h);
        h = next;
    }
    SpinUnlock(&pool.lock);
}

void CStr::FreeAllPools()
{
    for (int i = 0; i < kPoolLists; ++i)
        FreePool(i);
}

void CStr::SetPoolingOff(BOOL off)
{
    if (off)
    {
        // Set before emptying: a block released meanwhile by another thread
        // would otherwise be pooled again after the lists were emptied.
        InterlockedExchange(&g_poolingOff, 1);
        FreeAllPools();
    }
    else
    {
        InterlockedExchange(&g_poolingOff, 0);
    }
}

BOOL CStr::IsPoolingOff()
{
    return g_poolingOff != 0;
}

int CStr::PooledBlockCount(int list)
{
    if (list < 0 || list >= kPoolLists)
        return 0;
    PoolList& pool = g_pools[list];
    int count = 0;
    SpinLock(&pool.lock);
    for (CStrHeader* h = pool.head; h; h = NextFree(h))
        ++count;
    SpinUnlock(&pool.lock);
    return count;
}

// ---------------------------------------------------------------------------
// Write lock

CStrWriteLock::CStrWriteLock(CStr& s, int required, BOOL keepText)
    : m_s(s), m_locked(NULL)
{
    CStrHeader* h = s.Header();
    int length = h->length;
    if (required <= 0)
        required = length;
    if (h == &g_empty.header)
    {
        CStrHeader* fresh = CStr::AllocBuffer(required);
        TextOf(fresh)[0] = 0;
        s.m_pch = TextOf(fresh);
        return;
    }
    SpinLock(&h->lock);
    if (h->refs == 1 && h->capacity >= required)
    {
        m_locked = h;
        return;
    }
    CStrHeader* fresh = CStr::AllocBuffer(required > length ? required : length);
    if (keepText)
    {
        fresh->length = length;
        memcpy(TextOf(fresh), TextOf(h), length + 1);
    }
    else
    {
        TextOf(fresh)[0] = 0;
    }
    SpinUnlock(&h->lock);
    CStr::ReleaseBlock(h);
    s.m_pch = TextOf(fresh);
}

CStrWriteLock::~CStrWriteLock()
{
    if (m_locked)
        SpinUnlock(&m_locked->lock);
}

// ---------------------------------------------------------------------------
// Construction and assignment

CStr::CStr()
    : m_pch(EmptyText())
{
}

CStr::CStr(const char* text, int minCapacity)
{
    int length = text ? (int)strlen(text) : 0;
    if (minCapacity < 0)
        minCapacity = 0;
    if (length == 0 && minCapacity == 0)
    {
        m_pch = EmptyText();
        return;
    }
    CStrHeader* h = AllocBuffer(length > minCapacity ? length : minCapacity);
    h->length = length;
    m_pch = TextOf(h);
    if (length)
        memcpy(m_pch, text, length + 1);
    else
        m_pch[0] = 0;
}

CStr::CStr(const CStr& other)
{
    CopyConstruct(other);
}

CStr::CStr(CStr&& other) noexcept
    : m_pch(other.m_pch)
{
    other.m_pch = EmptyText();
}

CStr::~CStr()
{
    ReleaseBlock(Header());
}

CStr& CStr::operator=(CStr&& other) noexcept
{
    char* mine = m_pch;
    m_pch = other.m_pch;
    other.m_pch = mine;
    return *this;
}

bool CStr::IsSharedEmpty() const
{
    return m_pch == g_empty.text;
}

void CStr::SetSharedEmpty()
{
    m_pch = EmptyText();
}

void CStr::CopyConstruct(const CStr& other)
{
    m_pch = other.m_pch;
    CStrHeader* h = Header();
    if (h != &g_empty.header)
        InterlockedIncrement(&h->refs);
}

void CStr::Release()
{
    ReleaseBlock(Header());
    SetSharedEmpty();
}

void CStr::Assign(const CStr& other)
{
    if (m_pch == other.m_pch)
        return;
    CStrHeader* h = other.Header();
    if (h != &g_empty.header)
        InterlockedIncrement(&h->refs);
    ReleaseBlock(Header());
    m_pch = other.m_pch;
}

bool CStr::PointsInside(const char* p) const
{
    return (uintptr_t)p - (uintptr_t)m_pch <= (uintptr_t)Header()->capacity;
}

void CStr::AssignText(const char* text)
{
    if (!text || !*text)
    {
        Release();
        return;
    }
    int length = (int)strlen(text);
    CStr pin;
    bool inside = PointsInside(text);
    // A text taken from this block must outlive the block's replacement.
    if (inside && Header()->refs != 1)
        pin.Assign(*this);
    CStrWriteLock lock(*this, length, FALSE);
    if (inside)
        memmove(lock.Buffer(), text, length + 1);
    else
        memcpy(lock.Buffer(), text, length + 1);
    lock.Header()->length = length;
}

void CStr::AssignWide(const wchar_t* text)
{
    int bytes = text ? WideCharToMultiByte(CP_ACP, 0, text, -1, NULL, 0, NULL, NULL) : 0;
    if (bytes <= 1)
    {
        Release();
        return;
    }
    CStrWriteLock lock(*this, bytes - 1, FALSE);
    int written = WideCharToMultiByte(CP_ACP, 0, text, -1, lock.Buffer(), bytes, NULL, NULL);
    int length = written > 0 ? written - 1 : 0;
    lock.Buffer()[length] = 0;
    lock.Header()->length = length;
}

CStr CStr::FromWide(const wchar_t* text, int reserve)
{
    CStr result(NULL, reserve > 0 ? reserve : 0);
    result.AssignWide(text);
    return result;
}

wchar_t* CStr::AllocWide() const
{
    int count = MultiByteToWideChar(CP_ACP, 0, m_pch, -1, NULL, 0);
    // A caller that uses the copy would otherwise read through NULL.
    if (count <= 0)
        count = 1;
    wchar_t* wide = static_cast<wchar_t*>(malloc(count * sizeof(wchar_t)));
    if (!wide)
        throw std::bad_alloc();
    int written = MultiByteToWideChar(CP_ACP, 0, m_pch, -1, wide, count);
    wide[written > 0 ? written - 1 : 0] = 0;
    return wide;
}

void CStr::Empty()
{
    if (IsSharedEmpty())
        return;
    CStrWriteLock lock(*this, 0, FALSE);
    lock.Buffer()[0] = 0;
    lock.Header()->length = 0;
}

BOOL CStr::LoadString(UINT id, HINSTANCE module)
{
    if (!module)
        module = GetModuleHandleA(NULL);
    char shortText[96];
    int n = ::LoadStringA(module, id, shortText, sizeof shortText);
    if (n <= 0)
        return FALSE;
    if (n > 94)
    {
        // The small buffer may have cut the text: load it whole.
        CStr whole;
        char* buffer = whole.GetBuffer(16383);
        n = ::LoadStringA(module, id, buffer, 16384);
        whole.ReleaseBuffer(n > 0 ? n : 0);
        AssignText(whole);
        return TRUE;
    }
    Empty();
    AppendBytes(shortText, n);
    return TRUE;
}

char* CStr::GetBuffer(int capacity)
{
    CStrWriteLock lock(*this, capacity > 0 ? capacity : 0, TRUE);
    return lock.Buffer();
}

void CStr::ReleaseBuffer(int length)
{
    if (IsSharedEmpty())
        return;
    CStrHeader* h = Header();
    if (length < 0)
    {
        const char* end = static_cast<const char*>(memchr(m_pch, 0, h->capacity));
        length = end ? (int)(end - m_pch) : h->capacity;
    }
    if (length > h->capacity)
        length = h->capacity;
    m_pch[length] = 0;
    h->length = length;
}

// ---------------------------------------------------------------------------
// Appending and building

int CStr::AppendCapacity(const CStrHeader* h, int needed)
{
    int capacity = h->capacity;
    // Growing one's own block by half again keeps a text built by appends
    // linear; the plain rule would copy the whole text every 16 characters.
    if (needed > capacity && h->refs == 1 && capacity < INT_MAX / 2)
    {
        int grown = capacity + capacity / 2;
        if (grown > needed)
            return grown;
    }
    return needed;
}

void CStr::GrowForAppend(int added)
{
    if (added <= 0)
        return;
    CStrHeader* h = Header();
    if (added > INT_MAX - 64 - h->length)
        throw std::bad_alloc();
    CStrWriteLock lock(*this, AppendCapacity(h, h->length + added), TRUE);
}

void CStr::AppendRaw(const char* bytes, int count)
{
    CStrHeader* h = Header();
    int length = h->length;
    if (count > INT_MAX - 64 - length)
        throw std::bad_alloc();
    int needed = length + count;
    CStr pin;
    bool inside = PointsInside(bytes);
    // Bytes taken from this block must outlive the block's replacement.
    if (inside && !(h->refs == 1 && needed <= h->capacity))
        pin.Assign(*this);
    CStrWriteLock lock(*this, AppendCapacity(h, needed), TRUE);
    char* text = lock.Buffer();
    if (inside)
        memmove(text + length, bytes, count);
    else
        memcpy(text + length, bytes, count);
    text[needed] = 0;
    lock.Header()->length = needed;
}

void CStr::AppendChar(char c)
{
    AppendRaw(&c, 1);
}

void CStr::AppendBytes(const char* bytes, int count)
{
    // A negative count would write before the text's end.
    if (count <= 0 || !bytes)
        return;
    AppendRaw(bytes, count);
}

void CStr::Append(const CStr& other)
{
    int count = other.GetLength();
    if (count == 0)
        return;
    AppendRaw(other.m_pch, count);
}

void CStr::AppendText(const char* text)
{
    if (!text || !*text)
        return;
    AppendRaw(text, (int)strlen(text));
}

void CStr::Prepend(const char* text)
{
    if (!text || !*text)
        return;
    int count = (int)strlen(text);
    CStrHeader* h = Header();
    int length = h->length;
    if (count > INT_MAX - 64 - length)
        throw std::bad_alloc();
    int needed = length + count;
    CStr pin;
    // Moving the old text up would overwrite a text taken from it.
    if (PointsInside(text))
        pin.Assign(*this);
    CStrWriteLock lock(*this, AppendCapacity(Header(), needed), TRUE);
    char* buffer = lock.Buffer();
    memmove(buffer + count, buffer, length + 1);
    memcpy(buffer, text, count);
    lock.Header()->length = needed;
}

static CStr ConcatBytes(const char* a, int la, const char* b, int lb)
{
    CStr result;
    char* text = result.GetBuffer(la + lb);
    memcpy(text, a, la);
    memcpy(text + la, b, lb);
    result.ReleaseBuffer(la + lb);
    return result;
}

CStr CStr::Concat(const CStr& a, const CStr& b)
{
    return ConcatBytes(a.m_pch, a.GetLength(), b.m_pch, b.GetLength());
}

CStr CStr::ConcatText(const CStr& a, const char* b)
{
    if (!b)
        b = "";
    return ConcatBytes(a.m_pch, a.GetLength(), b, (int)strlen(b));
}

CStr CStr::ConcatToText(const char* a, const CStr& b)
{
    if (!a)
        a = "";
    return ConcatBytes(a, (int)strlen(a), b.m_pch, b.GetLength());
}

CStr CStr::PlusChar(const CStr& s, char c)
{
    return ConcatBytes(s.m_pch, s.GetLength(), &c, 1);
}

CStr operator+(const CStr& a, const CStr& b) { return CStr::Concat(a, b); }
CStr operator+(const CStr& a, const char* b) { return CStr::ConcatText(a, b); }
CStr operator+(const char* a, const CStr& b) { return CStr::ConcatToText(a, b); }

// ---------------------------------------------------------------------------
// Extracting and cutting

void CStr::Mid(int start, int count, CStr& out) const
{
    // Negative values would read before the text.
    if (start < 0)
        start = 0;
    if (count < 0)
        count = 0;
    if (&out == this)
    {
        // Emptying the output first would lose the text being cut.
        CStr part;
        Mid(start, count, part);
        out.Assign(part);
        return;
    }
    out.Empty();
    int length = GetLength();
    if (length == 0 || (start == 0 && count == 0) || start >= length)
        return;
    if (count > length - start)
        count = length - start;
    out.AppendBytes(m_pch + start, count);
}

void CStr::Left(int count, CStr& out) const
{
    Mid(0, count, out);
}

void CStr::Right(int count, CStr& out) const
{
    if (count < 0)
        count = 0;
    int length = GetLength();
    if (count < length)
        Mid(length - count, count, out);
    else
        out.Assign(*this);
}

void CStr::Truncate(int length)
{
    if (length < 0)
        length = 0;
    if (length >= GetLength())
        return;
    CStrWriteLock lock(*this, 0, TRUE);
    lock.Buffer()[length] = 0;
    lock.Header()->length = length;
}

void CStr::DeleteLeft(int count)
{
    if (count < 0)
        count = 0;
    int length = GetLength();
    if (count >= length)
    {
        Empty();
        return;
    }
    if (count == 0)
        return;
    CStrWriteLock lock(*this, 0, TRUE);
    char* text = lock.Buffer();
    memmove(text, text + count, length - count + 1);
    lock.Header()->length = length - count;
}

void CStr::DeleteRight(int count)
{
    if (count < 0)
        count = 0;
    int length = GetLength();
    if (count < length)
        Truncate(length - count);
    else
        Empty();
}

void CStr::ChangeCase(BOOL upper)
{
    int length = GetLength();
    if (length == 0)
        return;
    CStr copy;
    copy.AppendBytes(m_pch, length);
    if (upper)
        CharUpperBuffA(copy.m_pch, length);
    else
        CharLowerBuffA(copy.m_pch, length);
    if (!Equals(copy))
        Assign(copy);
}

// ---------------------------------------------------------------------------
// Searching and comparing

int CStr::Find(const char* text, int start) const
{
    // A negative start would search before the text.
    if (start < 0)
        start = 0;
    if (start > 0 && start >= GetLength())
    {
        FatalIndex();
        return -1;
    }
    const char* hit = strstr(m_pch + start, text ? text : "");
    return hit ? (int)(hit - m_pch) : -1;
}

int CStr::FindChar(char c, int start) const
{
    // A negative start would search before the text.
    if (start < 0)
        start = 0;
    if (start > 0 && start >= GetLength())
    {
        FatalIndex();
        return -1;
    }
    const char* hit = strchr(m_pch + start, c);
    return hit ? (int)(hit - m_pch) : -1;
}

int CStr::FindNoCase(const char* text, int start) const
{
    CStr haystack(*this);
    haystack.ChangeCase(FALSE);
    CStr needle(text);
    needle.ChangeCase(FALSE);
    return haystack.Find(needle, start);
}

int CStr::Compare(const char* text) const
{
    if (!text)
        text = "";
    // Equal bytes compare equal in every locale; skip the locale's tables.
    if (strcmp(m_pch, text) == 0)
        return 0;
    int r = lstrcmpA(m_pch, text);
    return (r > 0) - (r < 0);
}

static bool SameIgnoringAsciiCase(const char* a, const char* b)
{
    for (;; ++a, ++b)
    {
        unsigned char x = (unsigned char)*a;
        unsigned char y = (unsigned char)*b;
        if (x != y)
        {
            unsigned char lx = x | 0x20;
            if (lx != (y | 0x20) || lx < 'a' || lx > 'z')
                return false;
        }
        else if (!x)
        {
            return true;
        }
    }
}

int CStr::CompareNoCase(const char* text) const
{
    if (!text)
        text = "";
    if (SameIgnoringAsciiCase(m_pch, text))
        return 0;
    int r = lstrcmpiA(m_pch, text);
    return (r > 0) - (r < 0);
}

static bool IsPrintableAscii(const char* s)
{
    for (; *s; ++s)
    {
        if ((unsigned char)*s < 0x20 || (unsigned char)*s > 0x7E)
            return false;
    }
    return true;
}

BOOL CStr::EqualsNoCase(const char* text) const
{
    if (!text)
        text = "";
    if (SameIgnoringAsciiCase(m_pch, text))
        return TRUE;
    // Printable ASCII texts that differ beyond letter case never compare
    // equal, so the locale's tables are needed only for the others.
    if (IsPrintableAscii(m_pch) && IsPrintableAscii(text))
        return FALSE;
    return lstrcmpiA(m_pch, text) == 0;
}

BOOL CStr::Equals(const CStr& other) const
{
    if (m_pch == other.m_pch)
        return TRUE;
    int length = GetLength();
    return length == other.GetLength() && memcmp(m_pch, other.m_pch, length) == 0;
}

BOOL CStr::EqualsText(const char* text) const
{
    if (!text)
        text = "";
    size_t length = (size_t)GetLength();
    return strlen(text) == length && memcmp(m_pch, text, length) == 0;
}

// ---------------------------------------------------------------------------
// Formatting

void CStr::ReserveForFormat(const char* format)
{
    if (!IsSharedEmpty())
    {
        Empty();
        return;
    }
    int capacity = 0;
    for (const char* p = format; *p; )
    {
        if (*p == '%')
        {
            if (p[1] == 's' || p[1] == 'S')
            {
                capacity += 32;
                p += 2;
                continue;
            }
            capacity += 8;
        }
        else
        {
            ++capacity;
        }
        ++p;
    }
    CStrHeader* h = AllocBuffer(capacity);
    TextOf(h)[0] = 0;
    m_pch = TextOf(h);
}

void CStr::Format(const char* format, ...)
{
    if (!format)
        format = "";
    va_list args;
    va_start(args, format);
    if (!IsSharedEmpty()
        && (PointsInside(format) || FormatArgumentsInside(format, args, m_pch, GetCapacity(), this)))
    {
        // Emptying this string first would destroy a format or an argument
        // taken from it.
        CStr result;
        result.ReserveForFormat(format);
        result.FormatAppend(format, args);
        Assign(result);
    }
    else
    {
        ReserveForFormat(format);
        FormatAppend(format, args);
    }
    va_end(args);
}

void CStr::FormatV(const char* format, va_list args)
{
    if (!format)
        return;
    // Appended piece by piece, a format or an argument taken from this string
    // would see the pieces already appended.
    if (!IsSharedEmpty()
        && (PointsInside(format) || FormatArgumentsInside(format, args, m_pch, GetCapacity(), this)))
    {
        CStr part;
        part.FormatAppend(format, args);
        Append(part);
        return;
    }
    FormatAppend(format, args);
}

void CStr::FormatAppend(const char* format, va_list args)
{
    va_list ap;
    va_copy(ap, args);
    const char* p = format;
    for (;;)
    {
        const char* percent = strchr(p, '%');
        if (!percent)
        {
            AppendText(p);
            break;
        }
        if (percent > p)
            AppendRaw(p, (int)(percent - p));
        BOOL ended = FALSE;
        p = FormatOne(percent + 1, &ap, &ended);
        if (ended)
        {
            AppendText(p);
            break;
        }
    }
    va_end(ap);
}

void CStr::AppendFormatted(const char* conversion, int value)
{
    char scratch[kWvsprintfLimit + 16];
    int n = CallWvsprintf(scratch, conversion, value, 0, 0, 0);
    if (n >= kWvsprintfLimit || n < 0)
        n = (int)strnlen(scratch, kWvsprintfLimit);
    AppendRaw(scratch, n);
}

void CStr::AppendFormatted(const char* conversion, double value)
{
    char scratch[128];
    int n = snprintf(scratch, sizeof scratch, conversion, value);
    if (n < 0)
        return;
    if (n < (int)sizeof scratch)
    {
        AppendRaw(scratch, n);
        return;
    }
    // A long result (a wide field, a large precision) goes straight into
    // the string's own buffer, sized by the first pass.
    GrowForAppend(n);
    CStrHeader* h = Header();
    snprintf(m_pch + h->length, n + 1, conversion, value);
    h->length += n;
}

const char* CStr::FormatOne(const char* afterPercent, va_list* args, BOOL* ended)
{
    char conversion[kConversionMax + 1];
    int used = 0;
    conversion[used++] = '%';
    const char* p = afterPercent;
    int precision = -1;
    for (; IsFlagChar(*p); ++p)
    {
        if (*p == '.')
            precision = 0;
        else if (precision >= 0 && *p >= '0' && *p <= '9')
            precision = precision > (INT_MAX - 9) / 10 ? INT_MAX : precision * 10 + (*p - '0');
        // A longer run of flags would overflow the conversion buffer.
        if (used < kConversionMax - 1)
            conversion[used++] = *p;
    }
    char c = *p;
    switch (KindOf(c))
    {
    case ConvInteger:
    {
        int value = va_arg(*args, int);
        if (used == 1 && (c == 'd' || c == 'i'))
        {
            // The plain form needs no system call.
            char digits[16];
            char* end = digits + sizeof digits;
            char* q = end;
            unsigned int magnitude = value < 0 ? 0u - (unsigned int)value : (unsigned int)value;
            do
            {
                *--q = (char)('0' + magnitude % 10);
                magnitude /= 10;
            } while (magnitude);
            if (value < 0)
                *--q = '-';
            AppendRaw(q, (int)(end - q));
        }
        else
        {
            conversion[used++] = c;
            conversion[used] = 0;
            AppendFormatted(conversion, value);
        }
        return p + 1;
    }
    case ConvDouble:
    {
        double value = va_arg(*args, double);
        // The argument is one double: a '*' would take another argument and
        // 'L' a long double.
        int kept = 1;
        for (int i = 1; i < used; ++i)
        {
            char f = conversion[i];
            if (f != '*' && f != 'h' && f != 'l' && f != 'L')
                conversion[kept++] = f;
        }
        conversion[kept++] = c;
        conversion[kept] = 0;
        AppendFormatted(conversion, value);
        return p + 1;
    }
    case ConvText:
    {
        const char* text = va_arg(*args, const char*);
        if (!text)
            text = "(null)";
        int length;
        if (precision >= 0)
        {
            const char* end = static_cast<const char*>(memchr(text, 0, (size_t)precision));
            length = end ? (int)(end - text) : precision;
        }
        else
        {
            length = (int)strlen(text);
        }
        if (length > 0)
            AppendRaw(text, length);
        return p + 1;
    }
    case ConvCStr:
    {
        const CStr* other = va_arg(*args, const CStr*);
        // A NULL address would be read through.
        if (other)
            Append(*other);
        return p + 1;
    }
    case ConvEnd:
        *ended = TRUE;
        if (c == 'n')
            FatalFormat();
        return c ? p + 1 : p;
    case ConvLiteral:
    default:
        AppendChar(c);
        return p + 1;
    }
}

// ---------------------------------------------------------------------------
// Fatal messages

void CStr::FatalIndex()
{
    CStrFatal(2);
}

void CStr::FatalFormat()
{
    CStrFatal(3);
}

void CStrFatal(int code)
{
    char text[64];
    wsprintfA(text, "CStr fatal %d", code);
    ReportMessage(NULL, text, NULL, MB_SYSTEMMODAL | MB_ICONERROR);
}

BOOL ContainsNoCase(const char* text, const char* part, BOOL afterFirst)
{
    return ContainsNoCaseFrom(text, part, afterFirst ? 1 : 0);
}

BOOL ContainsNoCaseFrom(const char* text, const char* part, int from)
{
    if (text == NULL || part == NULL)
        return FALSE;
    size_t n = strlen(part);
    size_t length = strlen(text);
    for (size_t i = from > 0 ? (size_t)from : 0; i + n <= length; ++i) {
        if (_strnicmp(text + i, part, n) == 0)
            return TRUE;
    }
    return FALSE;
}

BOOL BeginsWithNoCase(const char* text, const char* start)
{
    if (text == NULL || start == NULL)
        return FALSE;
    return _strnicmp(text, start, strlen(start)) == 0;
}
