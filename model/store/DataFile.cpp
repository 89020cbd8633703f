// CDataFile keeps its lines in a vector and a lookup index beside them, so
// that setting or reading a key costs the same on a page of ten thousand
// sections as on a page of ten. The index answers exactly what a scan of the
// lines would: it is rebuilt from the lines whenever an edit is not one it
// can follow (or the file is cleared), in the memory it had.
#include "model/store/DataFile.h"
#include "model/store/ArchiveRecords.h"
#include "model/store/KeyReadLog.h"
#include "model/common/VariantHelpers.h"

#include <oleauto.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>
#include <utility>

namespace {

const char kNullText[] = "(null)";   // what "%s" makes of a NULL text
const unsigned char kStoredCR = 0xE7;

CStr MakeText(const char* bytes, int count)
{
    CStr text;
    if (count > 0)
        text.AppendBytes(bytes, count);
    return text;
}

// Printable ASCII compares under lstrcmpiA exactly as under ASCII case
// folding; for every other character the index asks lstrcmpiA itself.
bool IsPlain(unsigned char c)
{
    return c >= 0x20 && c < 0x7F;
}

char LowerPlain(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

int PlainLength(const char* text, int length)
{
    int i = 0;
    while (i < length && IsPlain((unsigned char)text[i]))
        ++i;
    return i;
}

bool IsPlainText(const char* text)
{
    for (; *text; ++text)
        if (!IsPlain((unsigned char)*text))
            return false;
    return true;
}

std::string Lowered(const char* text, int length)
{
    std::string lowered(text, length);
    for (char& c : lowered)
        c = LowerPlain(c);
    return lowered;
}

// Every key a line answers to: the text before each " = " that lies wholly in
// the line's printable start, as it stands in the line.
template <class F> void ForEachPlainKey(const CStr& line, F f)
{
    const char* text = line.c_str();
    int plain = PlainLength(text, line.GetLength());
    for (int p = 0; p + 3 <= plain; ++p)
        if (text[p] == ' ' && text[p + 1] == '=' && text[p + 2] == ' ')
            f(text, p);
}

// Where the next " = " at or after from starts inside the printable start
// of a text; -1 when there is none.
int NextKeyEnd(const char* text, int plain, int from)
{
    for (int p = from; p + 3 <= plain; ++p)
        if (text[p] == ' ' && text[p + 1] == '=' && text[p + 2] == ' ')
            return p;
    return -1;
}

// Whether two lines answer to the same keys (a value rewritten in place).
bool SameKeys(const CStr& a, const CStr& b)
{
    const char* x = a.c_str();
    const char* y = b.c_str();
    int plainX = PlainLength(x, a.GetLength());
    int plainY = PlainLength(y, b.GetLength());
    int last = -1;
    for (int from = 0;;) {
        int endX = NextKeyEnd(x, plainX, from);
        if (endX != NextKeyEnd(y, plainY, from))
            return false;
        if (endX < 0)
            break;
        last = endX;
        from = endX + 1;
    }
    for (int i = 0; i < last; ++i)
        if (LowerPlain(x[i]) != LowerPlain(y[i]))
            return false;
    return true;
}

bool LineHasPlainKey(const CStr& line, const std::string& key)
{
    int n = (int)key.size();
    const char* text = line.c_str();
    if (line.GetLength() < n + 3 || PlainLength(text, n + 3) < n + 3)
        return false;
    if (text[n] != ' ' || text[n + 1] != '=' || text[n + 2] != ' ')
        return false;
    for (int i = 0; i < n; ++i)
        if (LowerPlain(text[i]) != key[i])
            return false;
    return true;
}

// The key rule itself: the line's first prefix-length characters against the
// prefix, ignoring case as lstrcmpiA does.
bool PrefixMatches(const CStr& line, const char* prefix, int prefixLength)
{
    if (line.GetLength() < prefixLength)
        return false;
    std::string start(line.c_str(), prefixLength);
    return lstrcmpiA(start.c_str(), prefix) == 0;
}

int ScanKey(const std::vector<CStr>& lines, int from, const char* key)
{
    std::string prefix = std::string(key) + " = ";
    for (int i = from; i < (int)lines.size() && !CDataFile::IsSectionHeader(lines[i]); ++i)
        if (PrefixMatches(lines[i], prefix.c_str(), (int)prefix.size()))
            return i;
    return -1;
}

bool IsEmptyBrackets(const CStr& line)
{
    return line.GetLength() == 2 && line[0] == '[' && line[1] == ']';
}

// Single-line values lose their line breaks; multi-line ones are encoded.
void EncodeLineBreaks(char* text, int length, BOOL multiLine)
{
    for (int i = 0; i < length; ++i) {
        if (text[i] == '\r')
            text[i] = multiLine ? (char)kStoredCR : ' ';
        else if (text[i] == '\n')
            text[i] = multiLine ? '|' : ' ';
    }
}

bool HasLineBreak(const char* text)
{
    return strpbrk(text, "\r\n") != NULL;
}

// The text "%ld" makes of a number, into digits; returns its length.
int NumberText(long value, char (&digits)[24])
{
    char* end = digits + sizeof digits;
    char* p = end;
    unsigned long magnitude = value < 0 ? 0ul - (unsigned long)value : (unsigned long)value;
    do {
        *--p = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        *--p = '-';
    int length = (int)(end - p);
    memmove(digits, p, (size_t)length);
    return length;
}

// Before a number is stored: a VARIANT of another type is cleared first.
void Retype(VARIANT& value, VARTYPE type)
{
    if (V_VT(&value) != type) {
        HRESULT hr = VariantClear(&value);
        if (FAILED(hr)) {
            V_VT(&value) = VT_ERROR;
            V_ERROR(&value) = hr;
        }
        V_VT(&value) = type;
    }
}

// The next LF at or after p, or end; four bytes at a time, since a page is
// split into some hundred thousand lines when it is first used.
const char* FindNewline(const char* p, const char* end)
{
    while (p < end && ((uintptr_t)p & 3)) {
        if (*p == '\n')
            return p;
        ++p;
    }
    while (end - p >= 4) {
        uint32_t word;
        memcpy(&word, p, 4);
        uint32_t x = word ^ 0x0A0A0A0Au;
        if ((x - 0x01010101u) & ~x & 0x80808080u)
            break;
        p += 4;
    }
    while (p < end && *p != '\n')
        ++p;
    return p;
}

const CStr& EmptyLine()
{
    static const CStr empty;
    return empty;
}

// The index makes a hash node for every key, and the heap is slow at many
// small blocks: they come from chunks of the index's own, by size class.
class CIndexArena
{
public:
    CIndexArena() : m_next(NULL), m_left(0)
    {
        memset(m_free, 0, sizeof m_free);
    }

    ~CIndexArena()
    {
        for (void* chunk : m_chunks)
            ::operator delete(chunk);
    }

    void* Allocate(size_t bytes)
    {
        size_t sizeClass = (bytes + kGrain - 1) / kGrain;
        if (sizeClass >= kClasses)
            return ::operator new(bytes);
        if (void* block = m_free[sizeClass]) {
            m_free[sizeClass] = *(void**)block;
            return block;
        }
        size_t size = sizeClass * kGrain;
        if (m_left < size) {
            m_next = (char*)::operator new(kChunk);
            m_chunks.push_back(m_next);
            m_left = kChunk;
        }
        void* block = m_next;
        m_next += size;
        m_left -= size;
        return block;
    }

    void Free(void* block, size_t bytes)
    {
        size_t sizeClass = (bytes + kGrain - 1) / kGrain;
        if (sizeClass >= kClasses) {
            ::operator delete(block);
            return;
        }
        *(void**)block = m_free[sizeClass];
        m_free[sizeClass] = block;
    }

    // The index's own copy of a key or a name, lowered when asked; with its
    // NUL, so that no copy is an empty block.
    const char* CopyText(const char* text, int length, bool lower)
    {
        char* copy = (char*)Allocate((size_t)length + 1);
        for (int i = 0; i < length; ++i)
            copy[i] = lower ? LowerPlain(text[i]) : text[i];
        copy[length] = 0;
        return copy;
    }

    void FreeText(const char* text, int length)
    {
        Free(const_cast<char*>(text), (size_t)length + 1);
    }

private:
    CIndexArena(const CIndexArena&);
    CIndexArena& operator=(const CIndexArena&);

    static const size_t kGrain = 8;
    static const size_t kClasses = 65;        // blocks up to 512 bytes
    static const size_t kChunk = 64 * 1024;
    void* m_free[kClasses];
    char* m_next;
    size_t m_left;
    std::vector<void*> m_chunks;
};

template <class T> struct ArenaAllocator
{
    typedef T value_type;

    explicit ArenaAllocator(CIndexArena* owner) : arena(owner) {}
    template <class U> ArenaAllocator(const ArenaAllocator<U>& other) : arena(other.arena) {}

    T* allocate(size_t count) { return (T*)arena->Allocate(count * sizeof(T)); }
    void deallocate(T* block, size_t count) { arena->Free(block, count * sizeof(T)); }

    template <class U> bool operator==(const ArenaAllocator<U>& other) const { return arena == other.arena; }
    template <class U> bool operator!=(const ArenaAllocator<U>& other) const { return arena != other.arena; }

    CIndexArena* arena;
};

// A key or a section name in the index: the index's own copy, or, to look
// one up, the text asked for where it stands.
struct IndexText
{
    const char* text;
    int length;
};

// Keys ignore case; the index holds printable ASCII keys only, where ASCII
// folding is lstrcmpiA's rule. Both sides fold as they compare, so a lookup
// copies nothing.
// FNV-1a over the text, each character folded first when asked.
template <bool Fold> size_t HashText(const IndexText& text)
{
    uint32_t h = 2166136261u;
    for (int i = 0; i < text.length; ++i)
        h = (h ^ (unsigned char)(Fold ? LowerPlain(text.text[i]) : text.text[i])) * 16777619u;
    return h;
}

struct FoldedHash
{
    size_t operator()(const IndexText& key) const { return HashText<true>(key); }
};

struct FoldedEqual
{
    bool operator()(const IndexText& a, const IndexText& b) const
    {
        if (a.length != b.length)
            return false;
        for (int i = 0; i < a.length; ++i)
            if (LowerPlain(a.text[i]) != LowerPlain(b.text[i]))
                return false;
        return true;
    }
};

// Section names are case-sensitive.
struct ExactHash
{
    size_t operator()(const IndexText& name) const { return HashText<false>(name); }
};

struct ExactEqual
{
    bool operator()(const IndexText& a, const IndexText& b) const
    {
        return a.length == b.length && memcmp(a.text, b.text, (size_t)a.length) == 0;
    }
};

template <class Hash, class Equal>
using ArenaMapOf = std::unordered_map<IndexText, int, Hash, Equal, ArenaAllocator<std::pair<const IndexText, int>>>;
typedef ArenaMapOf<FoldedHash, FoldedEqual> KeyMap;
typedef ArenaMapOf<ExactHash, ExactEqual> NameMap;

// key, " = ", value, written straight into the line's own buffer.
CStr MakeKeyLine(const char* key, int keyLength, const char* value, int valueLength, BOOL multiLine)
{
    CStr line;
    int length = keyLength + 3 + valueLength;
    char* text = line.GetBuffer(length);
    memcpy(text, key, keyLength);
    memcpy(text + keyLength, " = ", 3);
    memcpy(text + keyLength + 3, value, valueLength);
    // A line break kept in a stored line would split it into forged lines
    // when the file is written and read again.
    EncodeLineBreaks(text, length, multiLine);
    line.ReleaseBuffer(length);
    return line;
}

CStr MakeHeaderLine(const char* name, int nameLength)
{
    CStr line;
    char* text = line.GetBuffer(nameLength + 2);
    text[0] = '[';
    memcpy(text + 1, name, nameLength);
    text[nameLength + 1] = ']';
    line.ReleaseBuffer(nameLength + 2);
    return line;
}

} // namespace

// Sections by name and, per section, keys by their lowered text. Key lines
// are kept as their distance from the end of their section, so that a key
// put directly under its header (what every setter does) moves no entry.
struct CDataFile::Index
{
    struct Section
    {
        Section(int headerLine, CIndexArena* arena)
            : header(headerLine), keys(0, KeyMap::hasher(), KeyMap::key_equal(), KeyMap::allocator_type(arena)) {}
        int header;
        KeyMap keys;    // first line of each key, by its lowered copy
        // Lines holding a character outside printable ASCII, nearest the
        // header first: (distance, length of their printable start).
        std::vector<std::pair<int, int>> odd;
    };
    // Growing the list of sections must move them, not copy their maps.
    static_assert(std::is_nothrow_move_constructible<Section>::value, "sections move without copying");

    CIndexArena arena;                            // first: it outlives the maps
    std::vector<Section> sections;                // in line order
    NameMap byName;                               // the first header of a name wins
    mutable int lastSection;
    // The section FindSection answered last, and its name: setters and
    // getters ask for one section many times in a row.
    mutable int lastFound;
    mutable IndexText lastFoundName;

    Index()
        : byName(0, NameMap::hasher(), NameMap::key_equal(), NameMap::allocator_type(&arena)), lastSection(-1),
          lastFound(-1)
    {
    }

    // Made from the lines in the memory the index has already.
    void Build(const std::vector<CStr>& lines)
    {
        Reset();
        for (int i = 0; i < (int)lines.size(); ++i)
            if (IsSectionHeader(lines[i]))
                AddSection(lines, i);
        for (int s = 0; s < (int)sections.size(); ++s) {
            int end = End(s, lines);
            for (int j = sections[s].header + 1; j < end; ++j)
                AddLine(sections[s], lines[j], end - j);
        }
    }

    // Back to an index of no lines; the blocks go back to the arena for the
    // next build (a save empties its page and writes every key again).
    void Reset()
    {
        for (Section& sec : sections)
            for (const auto& entry : sec.keys)
                arena.FreeText(entry.first.text, entry.first.length);
        sections.clear();
        for (const auto& entry : byName)
            arena.FreeText(entry.first.text, entry.first.length);
        byName.clear();
        lastSection = -1;
        lastFound = -1;
    }

    void AddSection(const std::vector<CStr>& lines, int header)
    {
        const CStr& line = lines[header];
        sections.emplace_back(header, &arena);
        IndexText name = { line.c_str() + 1, line.GetLength() - 2 };
        if (byName.find(name) == byName.end()) {
            name.text = arena.CopyText(name.text, name.length, false);
            byName.emplace(name, (int)sections.size() - 1);
        }
    }

    int End(int s, const std::vector<CStr>& lines) const
    {
        return s + 1 < (int)sections.size() ? sections[s + 1].header : (int)lines.size();
    }

    // The last section whose header stands above the line; -1 when none.
    // Lookups and edits mostly stay in the section used last.
    int SectionAbove(int line) const
    {
        int s = lastSection;
        int count = (int)sections.size();
        if (s >= 0 && s < count && sections[s].header < line && (s + 1 == count || sections[s + 1].header >= line))
            return s;
        auto it = std::partition_point(sections.begin(), sections.end(),
                                       [line](const Section& sec) { return sec.header < line; });
        s = (int)(it - sections.begin()) - 1;
        lastSection = s;
        return s;
    }

    int FindSection(const char* name) const
    {
        int length = (int)strlen(name);
        if (lastFound >= 0 && lastFoundName.length == length && memcmp(lastFoundName.text, name, (size_t)length) == 0) {
            lastSection = lastFound;
            return sections[lastFound].header;
        }
        IndexText wanted = { name, length };
        auto it = byName.find(wanted);
        if (it == byName.end())
            return -1;
        lastSection = it->second;
        lastFound = it->second;
        lastFoundName = it->first;
        return sections[it->second].header;
    }

    int SectionAt(int header) const
    {
        int s = SectionAbove(header + 1);
        return (s >= 0 && sections[s].header == header) ? s : -1;
    }

    int FindKey(const std::vector<CStr>& lines, int s, const char* key) const
    {
        const Section& sec = sections[s];
        if (!IsPlainText(key))
            return ScanKey(lines, sec.header + 1, key);
        int end = End(s, lines);
        int length = (int)strlen(key);
        int best = -1;
        IndexText wanted = { key, length };
        auto it = sec.keys.find(wanted);
        if (it != sec.keys.end())
            best = end - it->second;
        if (!sec.odd.empty()) {
            std::string prefix = std::string(key) + " = ";
            for (const auto& odd : sec.odd) {
                int line = end - odd.first;
                if (best >= 0 && line >= best)
                    break;
                if (odd.second < length + 3 && PrefixMatches(lines[line], prefix.c_str(), length + 3))
                    return line;
            }
        }
        return best;
    }

    // The edit hooks run after the vector has changed; false means the edit
    // changed the sections themselves and the index must be rebuilt.
    bool Inserted(const std::vector<CStr>& lines, int at)
    {
        const CStr& line = lines[at];
        if (IsSectionHeader(line)) {
            if (at != (int)lines.size() - 1)
                return false;
            AddSection(lines, at);
            return true;
        }
        int s = SectionAbove(at);
        ShiftHeaders(s + 1, 1);
        if (s < 0)
            return true;
        Section& sec = sections[s];
        int distance = End(s, lines) - at;
        if (at > sec.header + 1)
            ShiftFrom(sec, distance, 1);
        AddLine(sec, line, distance);
        return true;
    }

    bool Removed(const std::vector<CStr>& lines, int at, const CStr& old)
    {
        if (IsSectionHeader(old))
            return false;
        int s = SectionAbove(at);
        ShiftHeaders(s + 1, -1);
        if (s < 0)
            return true;
        Section& sec = sections[s];
        int end = End(s, lines);
        int distance = end + 1 - at;
        std::vector<std::string> lost = Forget(sec, old, distance);
        if (at > sec.header + 1)
            ShiftFrom(sec, distance + 1, -1);
        for (const std::string& key : lost)
            Refind(sec, lines, at, end, key);
        return true;
    }

    bool Replaced(const std::vector<CStr>& lines, int at, const CStr& old)
    {
        const CStr& line = lines[at];
        if (IsSectionHeader(old) || IsSectionHeader(line))
            return IsSectionHeader(old) && old == line;
        int s = SectionAbove(at);
        if (s < 0)
            return true;
        Section& sec = sections[s];
        int end = End(s, lines);
        int distance = end - at;
        if (SameKeys(old, line)) {
            ForgetOdd(sec, distance);
            AddOdd(sec, line, distance);
            return true;
        }
        std::vector<std::string> lost = Forget(sec, old, distance);
        for (const std::string& key : lost)
            Refind(sec, lines, at, end, key);
        AddLine(sec, line, distance);
        return true;
    }

private:
    Index(const Index&);
    Index& operator=(const Index&);

    static CIndexArena& ArenaOf(Section& sec)
    {
        return *sec.keys.get_allocator().arena;
    }

    static void AddLine(Section& sec, const CStr& line, int distance)
    {
        ForEachPlainKey(line, [&](const char* text, int length) {
            // Most keys are new to their section: the copy is made first, so
            // that one lookup places it.
            IndexText key = { ArenaOf(sec).CopyText(text, length, true), length };
            auto entry = sec.keys.emplace(key, distance);
            if (!entry.second) {
                ArenaOf(sec).FreeText(key.text, length);
                if (entry.first->second < distance)
                    entry.first->second = distance;
            }
        });
        AddOdd(sec, line, distance);
    }

    static void AddOdd(Section& sec, const CStr& line, int distance)
    {
        int plain = PlainLength(line.c_str(), line.GetLength());
        if (plain < line.GetLength()) {
            auto at = std::partition_point(sec.odd.begin(), sec.odd.end(),
                                           [distance](const std::pair<int, int>& odd) { return odd.first > distance; });
            sec.odd.insert(at, std::make_pair(distance, plain));
        }
    }

    static void ForgetOdd(Section& sec, int distance)
    {
        for (auto it = sec.odd.begin(); it != sec.odd.end(); ++it) {
            if (it->first == distance) {
                sec.odd.erase(it);
                return;
            }
        }
    }

    // Drops the entries of a line about to go; returns the keys it was first for.
    static std::vector<std::string> Forget(Section& sec, const CStr& line, int distance)
    {
        std::vector<std::string> lost;
        ForEachPlainKey(line, [&](const char* text, int length) {
            IndexText key = { text, length };
            auto it = sec.keys.find(key);
            if (it != sec.keys.end() && it->second == distance) {
                IndexText stored = it->first;
                sec.keys.erase(it);
                ArenaOf(sec).FreeText(stored.text, stored.length);
                lost.push_back(Lowered(text, length));
            }
        });
        ForgetOdd(sec, distance);
        return lost;
    }

    static void Refind(Section& sec, const std::vector<CStr>& lines, int from, int end, const std::string& key)
    {
        for (int j = from; j < end; ++j) {
            if (LineHasPlainKey(lines[j], key)) {
                IndexText wanted = { key.c_str(), (int)key.size() };
                auto it = sec.keys.find(wanted);
                if (it != sec.keys.end()) {
                    it->second = end - j;
                } else {
                    wanted.text = ArenaOf(sec).CopyText(key.c_str(), (int)key.size(), true);
                    sec.keys.emplace(wanted, end - j);
                }
                return;
            }
        }
    }

    static void ShiftFrom(Section& sec, int distance, int delta)
    {
        for (auto& entry : sec.keys)
            if (entry.second >= distance)
                entry.second += delta;
        for (auto& odd : sec.odd)
            if (odd.first >= distance)
                odd.first += delta;
    }

    void ShiftHeaders(int first, int delta)
    {
        for (int t = first; t < (int)sections.size(); ++t)
            sections[t].header += delta;
    }
};

CDataFile::CDataFile()
    : m_kind(KindPage), m_lineTerminator("\r\n"), m_index(NULL), m_indexBuilt(false), m_stored(NULL),
      m_storedLength(0), m_readLog(NULL)
{
}

CDataFile::CDataFile(const CDataFile& other)
    : m_kind(other.m_kind), m_name(other.m_name), m_lineTerminator(other.m_lineTerminator),
      m_lines(other.m_lines), m_index(NULL), m_indexBuilt(false), m_stored(NULL), m_storedLength(0),
      m_readLog(NULL)
{
    SetStoredContent(other.m_stored, other.m_storedLength);
}

CDataFile& CDataFile::operator=(const CDataFile& other)
{
    if (this != &other) {
        Clear();
        m_kind = other.m_kind;
        m_name = other.m_name;
        m_lineTerminator = other.m_lineTerminator;
        m_lines = other.m_lines;
        SetStoredContent(other.m_stored, other.m_storedLength);
    }
    return *this;
}

CDataFile::~CDataFile()
{
    Clear();
    delete m_index;
}

// Reading an archive keeps each page as the text it was stored as; only a
// page that is used pays for its lines.
void CDataFile::SetStoredContent(const char* bytes, int count)
{
    if (count <= 0)
        return;
    char* copy = (char*)malloc((size_t)count);
    if (!copy)
        throw std::bad_alloc();
    memcpy(copy, bytes, (size_t)count);
    AdoptStoredContent(copy, count);
}

void CDataFile::AdoptStoredContent(char* bytes, int count)
{
    if (count <= 0) {
        free(bytes);
        return;
    }
    SplitStored();
    m_stored = bytes;
    m_storedLength = count;
    DropIndex();
}

void CDataFile::SplitStored() const
{
    if (!m_stored)
        return;
    std::unique_ptr<char, void (*)(void*)> stored(m_stored, free);
    const char* text = m_stored;
    const char* end = text + m_storedLength;
    m_stored = NULL;
    m_storedLength = 0;
    DropIndex();
    size_t lines = 1;
    for (const char* p = FindNewline(text, end); p < end; p = FindNewline(p + 1, end))
        ++lines;
    m_lines.reserve(m_lines.size() + lines);
    for (const char* p = text; p < end;) {
        const char* newline = FindNewline(p, end);
        const char* stop = newline;
        while (stop > p && (stop[-1] == '\r' || stop[-1] == '\n'))
            --stop;
        m_lines.emplace_back();
        if (stop > p)
            m_lines.back().AppendBytes(p, (int)(stop - p));
        p = newline < end ? newline + 1 : end;
    }
}

const CDataFile::Index& CDataFile::GetIndex() const
{
    SplitStored();
    if (!m_index)
        m_index = new Index;
    if (!m_indexBuilt) {
        m_index->Build(m_lines);
        m_indexBuilt = true;
    }
    return *m_index;
}

void CDataFile::DropIndex() const
{
    m_indexBuilt = false;
}

void CDataFile::Clear()
{
    m_lines.clear();
    DropIndex();
    free(m_stored);
    m_stored = NULL;
    m_storedLength = 0;
}

int CDataFile::GetLineCount() const
{
    SplitStored();
    return (int)m_lines.size();
}

const CStr& CDataFile::GetLine(int index) const
{
    SplitStored();
    if (index < 0 || index >= (int)m_lines.size())
        return EmptyLine();
    return m_lines[index];
}

void CDataFile::AppendLine(const CStr& line)
{
    SplitStored();
    InsertLine((int)m_lines.size(), line);
}

void CDataFile::AppendLineBytes(const char* bytes, int count)
{
    SplitStored();
    m_lines.emplace_back();
    if (count > 0)
        m_lines.back().AppendBytes(bytes, count);
    if (m_indexBuilt && !m_index->Inserted(m_lines, (int)m_lines.size() - 1))
        DropIndex();
}

void CDataFile::ReserveLines(int count)
{
    SplitStored();
    if (count > 0)
        m_lines.reserve(count);
}

void CDataFile::InsertLine(int index, const CStr& line)
{
    InsertLine(index, CStr(line));
}

void CDataFile::InsertLine(int index, CStr&& line)
{
    SplitStored();
    index = std::max(0, std::min(index, (int)m_lines.size()));
    m_lines.insert(m_lines.begin() + index, std::move(line));
    if (m_indexBuilt && !m_index->Inserted(m_lines, index))
        DropIndex();
}

void CDataFile::SetLine(int index, const CStr& line)
{
    SplitStored();
    if (index < 0 || index >= (int)m_lines.size())
        return;
    CStr old = m_lines[index];
    m_lines[index] = line;
    if (m_indexBuilt && !m_index->Replaced(m_lines, index, old))
        DropIndex();
}

void CDataFile::RemoveLine(int index)
{
    SplitStored();
    if (index < 0 || index >= (int)m_lines.size())
        return;
    CStr old = m_lines[index];
    m_lines.erase(m_lines.begin() + index);
    if (m_indexBuilt && !m_index->Removed(m_lines, index, old))
        DropIndex();
}

int CDataFile::GetContentLength() const
{
    SplitStored();
    int length = 0;
    for (const CStr& line : m_lines)
        length += line.GetLength();
    return length;
}

int CDataFile::GetIndexedSectionCount() const
{
    return (int)GetIndex().sections.size();
}

int CDataFile::GetSectionCount() const
{
    SplitStored();
    int count = 0;
    for (const CStr& line : m_lines)
        if (line.GetLength() > 0 && line[0] == '[')
            ++count;
    return count;
}

CStr CDataFile::GetName() const
{
    return m_name;
}

BOOL CDataFile::IsSectionHeader(const CStr& line)
{
    int length = line.GetLength();
    return length > 2 && line[0] == '[' && line[length - 1] == ']';
}

BOOL CDataFile::IsSectionHeaderAt(int index) const
{
    SplitStored();
    return index >= 0 && index < (int)m_lines.size() && IsSectionHeader(m_lines[index]);
}

int CDataFile::FindSectionIndex(const char* name) const
{
    SplitStored();
    if (!name)
        name = kNullText;
    if (!*name) {
        // "[]" is no header, so the index does not hold it.
        for (int i = 0; i < (int)m_lines.size(); ++i)
            if (IsEmptyBrackets(m_lines[i]))
                return i;
        return -1;
    }
    return GetIndex().FindSection(name);
}

int CDataFile::FindSection(const char* name) const
{
    int index = FindSectionIndex(name);
    return index < 0 ? (int)m_lines.size() : index;
}

int CDataFile::NextSection(int from, CStr& name) const
{
    SplitStored();
    for (int i = std::max(from, 0); i < (int)m_lines.size(); ++i) {
        const CStr& line = m_lines[i];
        if (line.GetLength() > 0 && line[0] == '[') {
            name = MakeText(line.c_str() + 1, line.GetLength() - 2);
            return i;
        }
    }
    return (int)m_lines.size();
}

int CDataFile::GetOrAddSection(const char* name)
{
    if (!name)
        name = "none";
    std::string encoded;
    if (HasLineBreak(name)) {
        // A line break in a header would split it when the file is stored.
        encoded = name;
        EncodeLineBreaks(&encoded[0], (int)encoded.size(), FALSE);
        name = encoded.c_str();
    }
    int index = FindSectionIndex(name);
    if (index >= 0)
        return index;
    AppendLine(MakeHeaderLine(name, (int)strlen(name)));
    return (int)m_lines.size() - 1;
}

int CDataFile::FindKeyIndex(int from, const char* key, CStr* value) const
{
    SplitStored();
    if (!key)
        key = kNullText;
    from = std::max(from, 0);
    if (from >= (int)m_lines.size())
        return -1;
    const Index& index = GetIndex();
    int s = from > 0 ? index.SectionAt(from - 1) : -1;
    int found = s >= 0 ? index.FindKey(m_lines, s, key) : ScanKey(m_lines, from, key);
    if (found >= 0 && value) {
        const CStr& line = m_lines[found];
        int prefix = (int)strlen(key) + 3;
        *value = MakeText(line.c_str() + prefix, line.GetLength() - prefix);
    }
    return found;
}

BOOL CDataFile::FindKey(int from, const char* key, CStr& value) const
{
    return FindKeyIndex(from, key, &value) >= 0;
}

BOOL CDataFile::StoreKeyLine(const char* section, const char* key, const char* value, int valueLength, BOOL multiLine)
{
    if (!section)
        return FALSE;
    if (!key)
        key = kNullText;
    if (!value) {
        value = kNullText;
        valueLength = (int)strlen(kNullText);
    }
    int keyLength = (int)strlen(key);
    CStr line = MakeKeyLine(key, keyLength, value, valueLength, multiLine);
    std::string encodedKey;
    if (HasLineBreak(key)) {
        encodedKey.assign(line.c_str(), (size_t)keyLength);
        key = encodedKey.c_str();
    }

    int header = GetOrAddSection(section);
    int existing = FindKeyIndex(header + 1, key);
    if (existing >= 0)
        SetLine(existing, line);
    else
        InsertLine(header + 1, std::move(line));
    return TRUE;
}

BOOL CDataFile::SetKeyLine(const char* section, const char* key, const CStr& value)
{
    return StoreKeyLine(section, key, value.c_str(), value.GetLength(), FALSE);
}

BOOL CDataFile::SetBool(const char* section, const char* key, BOOL value)
{
    const char* text = value ? "true" : "false";
    return StoreKeyLine(section, key, text, (int)strlen(text), FALSE);
}

BOOL CDataFile::SetString(const char* section, const char* key, const char* value)
{
    return StoreKeyLine(section, key, value, value ? (int)strlen(value) : 0, FALSE);
}

BOOL CDataFile::SetDouble(const char* section, const char* key, double value)
{
    CStr text;
    text.Format("%.4f", value);
    return SetKeyLine(section, key, text);
}

BOOL CDataFile::SetLong(const char* section, const char* key, long value)
{
    char digits[24];
    int length = NumberText(value, digits);
    return StoreKeyLine(section, key, digits, length, FALSE);
}

BOOL CDataFile::SetInt(const char* section, const char* key, int value)
{
    return SetLong(section, key, value);
}

BOOL CDataFile::SetVarType(const char* section, const char* key, VARTYPE value)
{
    return SetLong(section, key, (long)value);
}

BOOL CDataFile::SetMultiLineString(const char* section, const char* key, const char* value)
{
    return StoreKeyLine(section, key, value, value ? (int)strlen(value) : 0, TRUE);
}

BOOL CDataFile::SetVariant(const char* section, const char* key, const VARIANT& value)
{
    if (!section)
        return FALSE;
    return SetKeyLine(section, key, VariantToText(value));
}

BOOL CDataFile::GetString(const char* section, const char* key, CStr& value) const
{
    if (m_readLog)
        m_readLog->NoteRead(section, key);
    int header = FindSectionIndex(section);
    if (header < 0)
        return FALSE;
    // The value is set only when the key is found.
    return FindKeyIndex(header + 1, key, &value) >= 0;
}

// What GetString would give, read where it stands: the rest of the key's
// line after " = ", up to the line's NUL. NULL when missing.
const char* CDataFile::FindValueText(const char* section, const char* key) const
{
    if (m_readLog)
        m_readLog->NoteRead(section, key);
    int header = FindSectionIndex(section);
    if (header < 0)
        return NULL;
    if (!key)
        key = kNullText;
    int found = FindKeyIndex(header + 1, key);
    if (found < 0)
        return NULL;
    return m_lines[found].c_str() + strlen(key) + 3;
}

BOOL CDataFile::GetBool(const char* section, const char* key, BOOL& value) const
{
    const char* text = FindValueText(section, key);
    if (!text)
        return FALSE;
    value = strstr(text, "true") != NULL;
    return TRUE;
}

BOOL CDataFile::GetDouble(const char* section, const char* key, double& value) const
{
    const char* text = FindValueText(section, key);
    if (!text)
        return FALSE;
    value = atof(text);
    return TRUE;
}

BOOL CDataFile::GetLong(const char* section, const char* key, long& value) const
{
    const char* text = FindValueText(section, key);
    if (!text)
        return FALSE;
    value = strtol(text, NULL, 0);
    return TRUE;
}

BOOL CDataFile::GetInt(const char* section, const char* key, int& value) const
{
    const char* text = FindValueText(section, key);
    if (!text)
        return FALSE;
    value = atoi(text);
    return TRUE;
}

BOOL CDataFile::GetVarType(const char* section, const char* key, VARTYPE& value) const
{
    const char* text = FindValueText(section, key);
    if (!text)
        return FALSE;
    value = (VARTYPE)atoi(text);
    return TRUE;
}

BOOL CDataFile::GetMultiLineString(const char* section, const char* key, CStr& value) const
{
    CStr text;
    if (!GetString(section, key, text))
        return FALSE;
    int length = text.GetLength();
    const char* stored = text.c_str();
    int i = 0;
    while (i < length && (unsigned char)stored[i] != kStoredCR && stored[i] != '|')
        ++i;
    if (i == length) {
        // Nothing encoded: the stored text is the value.
        value = text;
        return TRUE;
    }
    CStr decoded;
    char* out = decoded.GetBuffer(length);
    memcpy(out, stored, (size_t)length);
    for (; i < length; ++i) {
        if ((unsigned char)out[i] == kStoredCR)
            out[i] = '\r';
        else if (out[i] == '|')
            out[i] = '\n';
    }
    decoded.ReleaseBuffer(length);
    value = decoded;
    return TRUE;
}

BOOL CDataFile::GetVariant(const char* section, const char* key, VARTYPE type, VARIANT& value) const
{
    CStr text;
    if (!GetString(section, key, text))
        return FALSE;
    switch (type) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_I2:
        Retype(value, VT_I2);
        V_I2(&value) = (SHORT)atoi(text.c_str());
        break;
    case VT_I4:
        Retype(value, VT_I4);
        V_I4(&value) = strtol(text.c_str(), NULL, 0);
        break;
    case VT_R4:
    case VT_R8:
        Retype(value, VT_R8);
        V_R8(&value) = atof(text.c_str());
        break;
    case VT_UI4: {
        // Read as a signed long, a value above 2^31-1 would come back cut to it.
        long long wide = strtoll(text.c_str(), NULL, 0);
        if (wide > 0x7FFFFFFFLL && wide <= 0xFFFFFFFFLL) {
            Retype(value, VT_UI4);
            V_UI4(&value) = (ULONG)wide;
        } else {
            Retype(value, VT_I4);
            V_I4(&value) = strtol(text.c_str(), NULL, 0);
            VariantChangeType(&value, &value, 0, VT_UI4);
        }
        break;
    }
    default:
        SetVariantText(value, text.c_str(), text.GetLength());
        VariantChangeType(&value, &value, 0, type);
        break;
    }
    return TRUE;
}

BOOL CDataFile::LoadFromFile(const char* path)
{
    return LoadPlainLines(*this, path, PlainLinesAsWritten);
}

BOOL CDataFile::SaveToFile(const char* path) const
{
    SplitStored();
    if (!path)
        return FALSE;
    // The bytes a text-mode write gives (each line, then CR LF), written at
    // once: a write for every line cost more than making the lines.
    size_t total = 0;
    for (const CStr& line : m_lines)
        total += (size_t)line.GetLength() + 2;
    std::string text;
    text.reserve(total);
    for (const CStr& line : m_lines) {
        text.append(line.c_str(), (size_t)line.GetLength());
        text.append("\r\n", 2);
    }
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    bool ok = true;
    for (size_t done = 0; ok && done < text.size();) {
        DWORD piece = (DWORD)std::min<size_t>(text.size() - done, 1u << 30);
        DWORD written = 0;
        ok = WriteFile(file, text.data() + done, piece, &written, NULL) && written == piece;
        done += written;
    }
    if (!CloseHandle(file))
        ok = false;
    return ok ? TRUE : FALSE;
}
