// CCreditStatic: a static control that scrolls a credits text upward, one
// pixel per timer step, over a plain or graded background. The last
// character of a line says its kind: tab a top-level title, new line a
// top-level group, carriage return a group title, "^" a picture (the text
// before it names a bitmap resource); any other line, an empty one too, is
// normal text.
#pragma once

#include "platform/framework/DialogControls.h"

#include <string>
#include <vector>

class CCreditStatic : public CStatic
{
public:
    enum LineKind { kNormal, kTitle, kGroup, kGroupTitle, kPicture };

    CCreditStatic();
    ~CCreditStatic() override;

    // Splits at every separator (empty lines kept); FALSE without a text.
    BOOL SetCredits(const char* text, char separator = '|');
    void SetSpeed(UINT index, int ms = 0);
    void SetColor(UINT index, COLORREF colour);
    void SetGradient(int mode);
    void SetTransparent(BOOL transparent = TRUE) { m_bTransparent = transparent; }
    // FALSE with no lines; otherwise starts timer 150 from the first line.
    BOOL StartScrolling();
    void EndScrolling();

    static LineKind KindOf(const std::string& line);
    int GetLineCount() const { return (int)m_lines.size(); }
    int GetCurrentLine() const { return m_nCurrentLine; }
    bool IsFirstPass() const { return m_bFirstTurn; }
    bool IsScrolling() const { return m_bScrolling; }

    enum { kTimerId = 150 };

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void Step();
    void EnsureLayer(int width, int height);
    void DrawLineInto(HDC dc, const std::string& line, const RECT& rect);
    void Compose(HDC target, int width, int height);
    void FillBackground(HDC dc, int width, int height);
    int HeightOf(const std::string& line);
    void DropPicture();

    std::vector<std::string> m_lines;
    int m_nCurrentLine;
    COLORREF m_colors[5];
    int m_heights[4];          // title, group, group title, normal
    int m_speeds[3];
    UINT m_nCurrentSpeed;
    int m_nScrollAmount;
    int m_nCurrentHeight;      // height of the line being scrolled in
    int m_nCounter;
    bool m_bNewLine;
    bool m_bFirstTurn;
    int m_nGradient;
    BOOL m_bTransparent;
    bool m_bScrolling;

    HBITMAP m_hLayer;          // the text layer; kKey where nothing is drawn
    int m_layerWidth;
    int m_layerHeight;
    HBITMAP m_hPicture;        // the picture being scrolled in
    std::string m_pictureName;
};
