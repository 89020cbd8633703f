// CTextElement (run-time): a piece of text in a font and colour over an
// optional blended background; it grows to fit its text within the page.
#pragma once

#include "player/runtime/ScriptableObject.h"

namespace Tarvex {

class CTextElement : public CScriptableObject
{
public:
    CTextElement(const char* section, CElement* parent);
    CTextElement(const CTextElement& other);
    ~CTextElement() override;

    CElement* Clone() const override { return new CTextElement(*this); }
    RECT GetRect() const override;
    BOOL Load(const CDataFile& file) override;
    BOOL Draw(const CDrawContext& context) override;
    int AccessProperty(const char* name, VARIANT* value, BOOL put) override;
    void OnPropertiesChanged() override;

    // Width and height become at least the text's size in its own font, but
    // never reach past the parent container's size.
    void FitToText(HDC dc);
    void ReleaseFont();
    void UpdateFormat();

    const CStr& GetText() const { return m_text; }
    UINT GetFormat() const { return m_format; }
    SIZE GetSize() const { SIZE size = { m_width, m_height }; return size; }

private:
    CTextElement& operator=(const CTextElement&);
    HFONT MakeFont(HDC dc) const;

    HFONT m_font;
    // The measure only changes with the element's own fields: the paints
    // in between reuse it.
    BOOL m_fitted;
    UINT m_format;
    CStr m_text;
    CStr m_fontName;
    COLORREF m_fontColor;
    int m_fontSize;
    int m_fontWeight;
    int m_fontItalic;
    int m_fontUnderline;
    int m_fontStrikeOut;
    int m_width;
    int m_height;
    COLORREF m_bgColor;
    double m_bgTransparency;
    CStr m_justification;
    CStr m_vjustification;
    int m_singleline;
    // Where the element was last fitted, and so drawn.
    RECT m_lastRect;
};

} // namespace Tarvex
