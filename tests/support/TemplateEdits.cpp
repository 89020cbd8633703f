#include "tests/support/TemplateEdits.h"

namespace {

// A reader of one template's words; a template that ends too soon stops it.
class TemplateReader
{
public:
    TemplateReader(const BYTE* start, DWORD size) : m_start(start), m_at(start), m_end(start + size) {}

    bool Ok() const { return m_at <= m_end; }
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    void Skip(size_t bytes) { m_at += bytes; }
    void AlignToDword() { m_at = m_start + ((m_at - m_start + 3) & ~(size_t)3); }

    // A name or an ordinal (0xFFFF and a word); the class "Edit" or its atom.
    std::wstring NameOrOrdinal(WORD* ordinal)
    {
        *ordinal = 0;
        if (m_at + sizeof(WORD) > m_end)
        {
            m_at = m_end + 1;
            return std::wstring();
        }
        WORD first = *reinterpret_cast<const WORD*>(m_at);
        if (first == 0xFFFF)
        {
            Skip(sizeof(WORD));
            *ordinal = Word();
            return std::wstring();
        }
        return String();
    }

    std::wstring String()
    {
        std::wstring text;
        while (m_at + sizeof(WCHAR) <= m_end)
        {
            WCHAR c = Take<WCHAR>();
            if (c == 0)
                return text;
            text += c;
        }
        m_at = m_end + 1;
        return text;
    }

private:
    template <class T>
    T Take()
    {
        if (m_at + sizeof(T) > m_end)
        {
            m_at = m_end + 1;
            return T();
        }
        T value;
        memcpy(&value, m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }

    const BYTE* m_start;
    const BYTE* m_at;
    const BYTE* m_end;
};

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? (char)c : '?';
    return out;
}

bool IsEditClass(const std::wstring& name, WORD ordinal)
{
    return ordinal == 0x0081 || _wcsicmp(name.c_str(), L"Edit") == 0;
}

void ReadTemplate(int dialogId, const BYTE* data, DWORD size, std::vector<TemplateEdit>& edits)
{
    TemplateReader r(data, size);
    bool extended = size >= 4 && reinterpret_cast<const WORD*>(data)[0] == 1 &&
                    reinterpret_cast<const WORD*>(data)[1] == 0xFFFF;
    DWORD style = 0;
    WORD count = 0;
    if (extended)
    {
        r.Skip(2 * sizeof(WORD) + 2 * sizeof(DWORD));   // version, signature, help id, extended style
        style = r.Dword();
        count = r.Word();
    }
    else
    {
        style = r.Dword();
        r.Dword();   // extended style
        count = r.Word();
    }
    r.Skip(4 * sizeof(short));   // x, y, cx, cy
    WORD ordinal = 0;
    r.NameOrOrdinal(&ordinal);   // menu
    r.NameOrOrdinal(&ordinal);   // class
    std::string caption = Narrow(r.String());
    if (style & DS_SETFONT)
    {
        r.Word();   // point size
        if (extended)
            r.Skip(sizeof(WORD) + 2);   // weight, italic, character set
        r.String();   // face
    }
    for (WORD i = 0; i < count && r.Ok(); ++i)
    {
        r.AlignToDword();
        DWORD itemStyle = 0;
        int id = 0;
        if (extended)
        {
            r.Dword();   // help id
            r.Dword();   // extended style
            itemStyle = r.Dword();
            r.Skip(4 * sizeof(short));
            id = (int)r.Dword();
        }
        else
        {
            itemStyle = r.Dword();
            r.Dword();
            r.Skip(4 * sizeof(short));
            id = (short)r.Word();
        }
        WORD classOrdinal = 0;
        std::wstring className = r.NameOrOrdinal(&classOrdinal);
        r.NameOrOrdinal(&ordinal);   // title
        WORD extra = r.Word();
        r.Skip(extra);
        if (r.Ok() && IsEditClass(className, classOrdinal))
        {
            TemplateEdit edit;
            edit.dialogId = dialogId;
            edit.dialogCaption = caption;
            edit.controlId = id;
            edit.style = itemStyle;
            edits.push_back(edit);
        }
    }
}

BOOL CALLBACK CollectDialog(HMODULE module, LPCSTR, LPSTR name, LONG_PTR found)
{
    // Named templates would need their name kept; ours are all numbered.
    if (!IS_INTRESOURCE(name))
        return TRUE;
    HRSRC info = FindResourceA(module, name, (LPCSTR)RT_DIALOG);
    HGLOBAL loaded = info ? LoadResource(module, info) : NULL;
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : NULL;
    if (data != NULL)
        ReadTemplate((int)(UINT_PTR)name, data, SizeofResource(module, info),
                     *reinterpret_cast<std::vector<TemplateEdit>*>(found));
    return TRUE;
}

} // namespace

std::vector<TemplateEdit> ReadTemplateEdits(HMODULE module)
{
    if (module == NULL)
        module = GetModuleHandleA(NULL);
    std::vector<TemplateEdit> edits;
    EnumResourceNamesA(module, (LPCSTR)RT_DIALOG, CollectDialog, (LONG_PTR)&edits);
    return edits;
}
