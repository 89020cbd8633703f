// CProjectInfPP: the AutoRun settings of the disc (the icon and up to three
// context-menu entries), the last page of the page's sheet.
#pragma once

#include "authoring/ObjectPages.h"

class CProjectInfPP : public CObjectPropertyPage
{
public:
    CProjectInfPP();
    ~CProjectInfPP() override;

    BOOL OnApply() override;

    CStr m_strLabel[3];
    CStr m_strCommand[3];
    CStr m_strIconFile;
    // -1 for an .ico file (or no icon).
    int m_iconIndex;

    HICON GetShownIcon() const { return m_hIcon; }

    // What the icon file names: an .ico, an .exe or .dll holding icons, or
    // neither.
    enum { IconFileNone, IconFileIco, IconFileLibrary };
    static int IconFileKind(const char* path);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnIconFileUpdate();
    void OnIconIndexChange();
    void OnBrowse();
    DECLARE_MESSAGE_MAP()

private:
    void RefreshPreview();
    void ShowExtractedIcon();
    void SetIcon(HICON icon);

    HICON m_hIcon;
    BOOL m_bRefreshing;
};
