// The page's own property pages: template, background, border and icon;
// the page's sheet fills them and reads them back after OK. Also the file
// and colour pickers these pages (and the AutoRun page) open, which tests
// replace.
#pragma once

#include "authoring/ObjectPages.h"

#include <vector>

class CBrowser;

// The start of a picker for a field: the default content folder when the
// field is empty, the field made absolute when it is relative, else the
// field itself.
CStr PickerStartPath(const char* field);

// Asks for a file to open: filter as the templates write it ("A|*.a||"),
// start as PickerStartPath gives it. TRUE with the chosen full path.
typedef BOOL (*PageFileChooser)(HWND owner, const char* filter, const char* defExt, const char* start,
                                CStr& chosen);
PageFileChooser SetPageFileChooser(PageFileChooser chooser);
BOOL ChoosePageFile(HWND owner, const char* filter, const char* defExt, const char* field, CStr& chosen);

typedef BOOL (*PageColorChooser)(HWND owner, COLORREF& colour);
PageColorChooser SetPageColorChooser(PageColorChooser chooser);

// The folder of the page templates (".pqt"): "templates\" in the folder
// above the program's folder unless set; the templates' media live in
// "content\" beside it.
void SetTemplatesFolder(const char* folder);
CStr GetTemplatesFolder();
CStr GetTemplatesContentFolder();

class CPageBackgroundPP : public CObjectPropertyPage
{
public:
    CPageBackgroundPP();

    CStr m_strBackground;
    int m_bTiled;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    DECLARE_MESSAGE_MAP()
};

class CPageTemplatePP : public CObjectPropertyPage
{
public:
    CPageTemplatePP();
    ~CPageTemplatePP() override;

    BOOL OnKillActive() override;
    LRESULT OnWizardNext() override;

    CStr m_strSpare;
    CStr m_strContentFolder;
    CStr m_strTemplate;
    CStr m_strBackground;
    BOOL m_bTile;
    CPageBackgroundPP* m_pBackgroundPage;
    CBrowser* m_pPage;
    CStr m_strDescription;

protected:
    BOOL OnInitDialog() override;
    void OnSelChange();
    void OnDoubleClick();
    DECLARE_MESSAGE_MAP()

private:
    void ListTemplates();
    void ShowTemplate();
    void ShowPreview(const char* path);

    std::vector<CStr> m_paths;
    HBITMAP m_hDefaultPreview;
    HBITMAP m_hPreview;
    // Where the background page stood in the wizard, to put it back when
    // the author comes back and chooses no template.
    int m_backgroundIndex;
};

// Window types: 0 normal, 1 frame only, 2 thin frame only, 3 frameless
// (the only one with a transparency colour), 4 no background.
class CPageBorderPP : public CObjectPropertyPage
{
public:
    CPageBorderPP();

    COLORREF m_transColor;
    int m_windowType;
    BYTE m_tolerance;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnStyleClicked();
    void OnColor();
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyTransparencyRule();
};

class CPageIconPP : public CObjectPropertyPage
{
public:
    CPageIconPP();
    ~CPageIconPP() override;

    CStr m_strIcon;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    DECLARE_MESSAGE_MAP()

private:
    void ShowIcon();

    HICON m_hIcon;
};

// Loads an icon file for a preview (relative paths against the document
// folder); NULL when it cannot be loaded.
HICON LoadPreviewIcon(const char* path);
