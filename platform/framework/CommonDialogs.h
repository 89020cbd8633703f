// The common dialogs: open and save, colour and font. DoModal answers IDOK
// or IDCANCEL; the owner is the parent given, else the main window.
#pragma once

#include "platform/framework/Wnd.h"

#include <commdlg.h>
#include <string>

class CFileDialog
{
public:
    // filter: "Name (*.ext)|*.ext|All Files (*.*)|*.*||" as the templates
    // write it.
    explicit CFileDialog(BOOL openFileDialog, const char* defExt = NULL, const char* fileName = NULL,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = NULL,
                         CWnd* parent = NULL);
    virtual ~CFileDialog() {}

    virtual INT_PTR DoModal();
    std::string GetPathName() const { return m_file; }
    std::string GetFileName() const;
    std::string GetFileExt() const;
    std::string GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    OPENFILENAMEA m_ofn;

private:
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    std::string m_filter;   // NUL-separated
    std::string m_defExt;
    char m_fileBuffer[MAX_PATH * 4];
    std::string m_file;
};

class CColorDialog
{
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = NULL);
    virtual ~CColorDialog() {}

    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF colour) { m_cc.rgbResult = colour; }
    // The sixteen custom colours, kept for the program's run.
    static COLORREF* GetSavedCustomColors();

    CHOOSECOLORA m_cc;

private:
    CWnd* m_pParentWnd;
};

class CFontDialog
{
public:
    explicit CFontDialog(const LOGFONTA* initial = NULL, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                         HDC printer = NULL, CWnd* parent = NULL);
    virtual ~CFontDialog() {}

    virtual INT_PTR DoModal();
    void GetCurrentFont(LOGFONTA* font) const { *font = m_lf; }
    std::string GetFaceName() const { return m_lf.lfFaceName; }
    int GetSize() const { return m_cf.iPointSize; }   // tenths of a point
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }
    BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
    BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;

private:
    CWnd* m_pParentWnd;
};
