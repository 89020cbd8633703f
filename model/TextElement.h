// CTextElement: a page element that shows text in a GDI font over an
// optional blended background colour.
#pragma once

#include "model/ElementSupport.h"
#include "model/ScriptableObject.h"

#include <vector>

struct NamedProperty;

class CTextElement : public CScriptableObject
{
public:
    CTextElement(const char* sectionName = NULL, CElement* parent = NULL);
    CTextElement(const CTextElement& other);
    ~CTextElement() override;

    CElement* Clone() const override;
    BOOL HitTest(POINT pt) const override;
    BOOL Draw(HDC dc) override;
    RECT GetRect() const override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    void DrawAt(HDC dc, POINT origin, HBITMAP mask) override;
    RECT GetDrawnRect(HDC dc) override;

    int AccessProperty(const char* name, VARIANT& value, BOOL put) override;
    void UpdatePropertyList(CPropertyRecordList& list) override;
    BOOL ChooseProperties(CPropertyRecordList& list) override;

    void ReleaseFont();
    void UpdateFormat();

    HFONT m_hFont;
    UINT m_format;
    CStr m_strText;
    CStr m_strFontName;
    COLORREF m_fontColor;
    int m_fontSize;
    int m_fontWeight;
    int m_fontItalic;
    int m_fontUnderline;
    int m_fontStrikeOut;
    COLORREF m_bgColor;
    double m_bgTransparency;
    CStr m_strJustification;
    CStr m_strVJustification;
    int m_singleline;
    int m_resize;
    int m_reposition;

private:
    HFONT MakeFont(HDC dc) const;
    CDrawnTextExtent m_drawnExtent;
    // The fields both by-name tables reach.
    std::vector<NamedProperty> TextFields();
    CTextElement& operator=(const CTextElement&);
};
