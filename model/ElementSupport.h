// Small pieces the page's element classes share: property access by name
// over a table of fields, refreshing property records from fields, the
// element's box, its font and caption, and the editor tree's item for an
// element.
#pragma once

#include "model/store/PropertyRecord.h"
#include "model/store/PropertyResult.h"
#include "model/common/Str.h"

#include <windows.h>
#include <commctrl.h>
#include <oaidl.h>

class CDataFile;
class CElement;
class CScriptableObject;

enum NamedPropertyKind
{
    PropInt,     // int, VT_I4 both ways
    PropFlag,    // int flag: expects VT_BOOL, answers VT_I4, stores the 16-bit VARIANT_BOOL
    PropColour,  // COLORREF: expects VT_UI4, answers VT_I4
    PropReal,    // double, VT_R8 both ways
    PropText     // CStr, VT_BSTR both ways
};

struct NamedProperty
{
    const char* name;
    NamedPropertyKind kind;
    void* field;
};

// The by-name protocol (PropertyResult): done, an unknown name refused by
// the extra hook, or the wrong VARTYPE. Names go to the object's extra-property hooks when the
// table does not hold them; every put carried out calls OnPropertiesChanged.
int AccessNamedProperty(CScriptableObject* object, const NamedProperty* table, int count,
                        const char* name, VARIANT& value, BOOL put);

// Sets the record's value from a field, in the record's own VARTYPE.
void SetRecordFromField(CPropertyRecord& record, NamedPropertyKind kind, const void* field);
// For each named own record whose changed flag is set, its value from the field.
void RefreshChangedRecords(CPropertyRecordList& own, const NamedProperty* table, int count);

// The key colour's pixel: "transX", and "transY" only with it; without
// "transX" both become -1.
void LoadKeyColour(const CDataFile* file, const char* section, int& transX, int& transY);

// Writes "transX" and "transY" only while transX names a pixel (0 or more).
void SaveKeyColour(CDataFile* file, const char* section, int transX, int transY);

// The element's position and own size as a rectangle, less origin (a drag
// image's origin).
RECT ElementBox(const CElement& element, POINT origin = POINT());
// TRUE when pt lies in the element's GetRect.
BOOL HitTestRect(const CElement& element, POINT pt);

// A font of pointSize points on dc's device; a nonzero style int turns the
// style on.
HFONT CreateElementFont(HDC dc, const char* faceName, int pointSize, int weight, int italic,
                        int underline, int strikeOut);
// Deletes the font, left NULL.
void DeleteFontHandle(HFONT& font);
// The text in font and colour within rect, behind it bgColor when opaque
// and the page's own pixels otherwise; the text colour stays set.
void DrawElementText(HDC dc, HFONT font, COLORREF colour, const CStr& text, RECT rect,
                     UINT format, BOOL opaque, COLORREF bgColor);

// Where DrawText puts a text in rect with format, joined with rect: with
// DT_NOCLIP the glyphs may pass the box, and a paint or invalidation of the
// box alone would cut them or leave them behind. The measure is kept, as a
// place relative to the box, until the text, format, font or box size
// changes; a copy measures for itself.
class CDrawnTextExtent
{
public:
    CDrawnTextExtent() : m_valid(FALSE), m_font(NULL), m_format(0), m_size(), m_offsets() {}
    CDrawnTextExtent(const CDrawnTextExtent&) : CDrawnTextExtent() {}
    CDrawnTextExtent& operator=(const CDrawnTextExtent&)
    {
        m_valid = FALSE;
        return *this;
    }

    RECT Get(HDC dc, HFONT font, const CStr& text, const RECT& rect, UINT format);
    // The font was released: its handle may come back for another font.
    void Forget() { m_valid = FALSE; }

private:
    BOOL m_valid;
    HFONT m_font;
    CStr m_text;
    UINT m_format;
    SIZE m_size;
    RECT m_offsets;
};

// Appends the empty-valued record an element class offers for a property.
void AppendPropertyRecord(CPropertyRecordList& list, const char* name, VARTYPE vt);

// One item after the parent's last child, with the element as its data.
HTREEITEM InsertElementTreeItem(HWND tree, HTREEITEM parent, const char* text, int image,
                                CElement* element, int selectedImage = -1);
