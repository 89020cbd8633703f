// Helpers of the page and element tests: a 24-bit drawing surface in
// memory, picture files written byte by byte, and stand-ins for the
// authoring program and for Set Property actions.
#pragma once

#include "tests/model/FakeEditorServices.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/SetPropertyHooks.h"
#include "tests/support/DataFileText.h"
#include "tests/support/GifBytes.h"
#include "tests/support/TestSupport.h"

#include <windows.h>
#include <string.h>
#include <string>
#include <vector>

// A memory context with a top-down 24-bit DIB section selected.
class DibSurface
{
public:
    DibSurface(int w, int h, COLORREF fill = RGB(255, 255, 255)) : m_w(w), m_h(h), m_bits(NULL)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = w;
        bmi.bmiHeader.biHeight = -h;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 24;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(NULL);
        m_bitmap = CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, (void**)&m_bits, NULL, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        Fill(fill);
    }
    ~DibSurface()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    void Fill(COLORREF colour)
    {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = { 0, 0, m_w, m_h };
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
        GdiFlush();
    }
    // The raw blue, green and red bytes of a pixel.
    const BYTE* Bytes(int x, int y) const
    {
        GdiFlush();
        return m_bits + y * Stride() + x * 3;
    }
    COLORREF Pixel(int x, int y) const
    {
        const BYTE* p = Bytes(x, y);
        return RGB(p[2], p[1], p[0]);
    }
    int Stride() const { return (m_w * 3 + 3) & ~3; }

private:
    int m_w, m_h;
    BYTE* m_bits;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// The monochrome mask of a drag image, white at first; black marks the
// image.
class DragMask
{
public:
    DragMask(int w, int h) : m_bitmap(CreateBitmap(w, h, 1, 1, NULL))
    {
        HDC dc = CreateCompatibleDC(NULL);
        HGDIOBJ old = SelectObject(dc, m_bitmap);
        PatBlt(dc, 0, 0, w, h, WHITENESS);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    ~DragMask() { DeleteObject(m_bitmap); }
    HBITMAP Handle() const { return m_bitmap; }
    bool Marked(int x, int y) const
    {
        HDC dc = CreateCompatibleDC(NULL);
        HGDIOBJ old = SelectObject(dc, m_bitmap);
        COLORREF colour = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteDC(dc);
        return colour == RGB(0, 0, 0);
    }

private:
    DragMask(const DragMask&);
    DragMask& operator=(const DragMask&);
    HBITMAP m_bitmap;
};

inline void PutLE16(std::string& s, unsigned v) { s += (char)(v & 0xFF); s += (char)((v >> 8) & 0xFF); }
inline void PutLE32(std::string& s, unsigned v) { PutLE16(s, v & 0xFFFF); PutLE16(s, v >> 16); }

// A bottom-up 24-bit .bmp file; pixels row by row from the top.
inline void WriteBmpFile(const std::string& path, int w, int h, const std::vector<COLORREF>& pixels)
{
    int stride = (w * 3 + 3) & ~3;
    std::string bytes = "BM";
    PutLE32(bytes, 54 + stride * h);
    PutLE32(bytes, 0);
    PutLE32(bytes, 54);
    PutLE32(bytes, 40);
    PutLE32(bytes, w);
    PutLE32(bytes, h);
    PutLE16(bytes, 1);
    PutLE16(bytes, 24);
    PutLE32(bytes, 0);
    PutLE32(bytes, stride * h);
    PutLE32(bytes, 2835);
    PutLE32(bytes, 2835);
    PutLE32(bytes, 0);
    PutLE32(bytes, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            COLORREF c = pixels[y * w + x];
            bytes += (char)GetBValue(c);
            bytes += (char)GetGValue(c);
            bytes += (char)GetRValue(c);
        }
        bytes.append(stride - w * 3, '\0');
    }
    WriteWholeFile(path, bytes);
}

inline void WriteSolidBmp(const std::string& path, int w, int h, COLORREF colour)
{
    WriteBmpFile(path, w, h, std::vector<COLORREF>(w * h, colour));
}

// A Set Property action reduced to what the model asks of it: named
// assignments held as text, stored under "prop_<name>" keys.
class FakeSetProperty : public CScriptItem
{
public:
    FakeSetProperty() { m_strName = "SetProperty"; }
    CElement* Clone() const override { return new FakeSetProperty(*this); }
    BOOL HasStoredForm() const override { return !assignments.empty(); }
    BOOL Save(CDataFile* file) override;
    BOOL Load(CDataFile* file, BOOL keepId) override;

    int Find(const char* name) const
    {
        for (size_t i = 0; i < assignments.size(); ++i) {
            if (assignments[i].first == name)
                return (int)i;
        }
        return -1;
    }
    std::vector<std::pair<std::string, std::string>> assignments;
    int marked = 0;
};

inline CScriptItem* FakeActionFactory(const char* typeName)
{
    if (lstrcmpA(typeName, "SetProperty") == 0)
        return new FakeSetProperty();
    return NULL;
}

inline BOOL FakeGetSource(const CScriptItem* action, CStr& source)
{
    const FakeSetProperty* fake = dynamic_cast<const FakeSetProperty*>(action);
    int i = fake ? fake->Find("src") : -1;
    if (i < 0)
        return FALSE;
    source = fake->assignments[i].second.c_str();
    return TRUE;
}

inline BOOL FakeSetSource(CScriptItem* action, const char* stored)
{
    FakeSetProperty* fake = dynamic_cast<FakeSetProperty*>(action);
    if (fake == NULL)
        return FALSE;
    int i = fake->Find("src");
    if (*stored == '\0') {
        if (i >= 0)
            fake->assignments.erase(fake->assignments.begin() + i);
    } else if (i >= 0) {
        fake->assignments[i].second = stored;
    } else {
        fake->assignments.push_back(std::make_pair(std::string("src"), std::string(stored)));
    }
    return TRUE;
}

inline BOOL FakeMarkTargets(CScriptItem* action, CElementContainer*)
{
    FakeSetProperty* fake = dynamic_cast<FakeSetProperty*>(action);
    if (fake == NULL)
        return FALSE;
    fake->marked++;
    return TRUE;
}

// Installs the fake action's factory and hooks while it lives.
class FakeSetPropertyScope
{
public:
    FakeSetPropertyScope() : m_previous(SetScriptItemFactory(FakeActionFactory))
    {
        SetPropertyHooks hooks = { FakeGetSource, FakeSetSource, FakeMarkTargets };
        SetSetPropertyHooks(&hooks);
    }
    ~FakeSetPropertyScope()
    {
        SetSetPropertyHooks(NULL);
        SetScriptItemFactory(m_previous);
    }

private:
    ScriptItemFactoryFn m_previous;
};

#include "model/store/DataFile.h"

inline BOOL FakeSetProperty::Save(CDataFile* file)
{
    file->SetString(m_strSectionName, "controlId", m_strControlId);
    for (const auto& a : assignments)
        file->SetString(m_strSectionName, ("prop_" + a.first).c_str(), a.second.c_str());
    return CElement::Save(file);
}

inline BOOL FakeSetProperty::Load(CDataFile* file, BOOL keepId)
{
    file->GetString(m_strSectionName, "controlId", m_strControlId);
    CStr src;
    if (file->GetString(m_strSectionName, "prop_src", src))
        assignments.push_back(std::make_pair(std::string("src"), std::string(src.c_str())));
    CStr other;
    if (file->GetString(m_strSectionName, "prop_width", other))
        assignments.push_back(std::make_pair(std::string("width"), std::string(other.c_str())));
    return CElement::Load(file, keepId);
}

// Stores media under the data folder's prefix, as the editor would.
class ImportingServices : public FakeEditorServices
{
public:
    CStr ImportFileIntoProject(const char* path, BOOL keep) override
    {
        imports.push_back(std::make_pair(std::string(path), keep));
        return CStr(".\\tarvex.dat\\") + path;
    }
    std::vector<std::pair<std::string, BOOL>> imports;
};

