#include "platform/framework/CommonDialogs.h"

#include "platform/framework/WinApp.h"

#include <string.h>

namespace
{
HWND OwnerOf(CWnd* parent)
{
    CWnd* wnd = parent != NULL ? parent : AfxGetMainWnd();
    return wnd != NULL ? wnd->m_hWnd : NULL;
}

INT_PTR Answer(BOOL chosen)
{
    return chosen ? IDOK : IDCANCEL;
}
}

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_bOpenFileDialog(openFileDialog), m_pParentWnd(parent)
{
    ZeroMemory(&m_ofn, sizeof(m_ofn));
    m_fileBuffer[0] = 0;
    if (fileName != NULL)
        lstrcpynA(m_fileBuffer, fileName, sizeof(m_fileBuffer));
    if (defExt != NULL)
        m_defExt = defExt[0] == '.' ? defExt + 1 : defExt;
    if (filter != NULL)
    {
        m_filter = filter;
        for (char& c : m_filter)
        {
            if (c == '|')
                c = 0;
        }
        // Two NULs end the list even when the text did not end with "||".
        m_filter.push_back(0);
        m_filter.push_back(0);
    }
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = OwnerOf(m_pParentWnd);
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lpstrFile = m_fileBuffer;
    m_ofn.nMaxFile = sizeof(m_fileBuffer);
    if (m_ofn.lpstrFilter == NULL && !m_filter.empty())
        m_ofn.lpstrFilter = m_filter.c_str();
    if (m_ofn.lpstrDefExt == NULL && !m_defExt.empty())
        m_ofn.lpstrDefExt = m_defExt.c_str();
    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    m_file = chosen ? m_fileBuffer : "";
    return Answer(chosen);
}

std::string CFileDialog::GetFileName() const
{
    size_t slash = m_file.find_last_of("\\/:");
    return slash == std::string::npos ? m_file : m_file.substr(slash + 1);
}

std::string CFileDialog::GetFileExt() const
{
    std::string name = GetFileName();
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string CFileDialog::GetFileTitle() const
{
    std::string name = GetFileName();
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

COLORREF* CColorDialog::GetSavedCustomColors()
{
    static COLORREF custom[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
    return custom;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_pParentWnd(parent)
{
    ZeroMemory(&m_cc, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = flags | (initial != 0 ? CC_RGBINIT : 0);
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = OwnerOf(m_pParentWnd);
    return Answer(::ChooseColorA(&m_cc));
}

CFontDialog::CFontDialog(const LOGFONTA* initial, DWORD flags, HDC printer, CWnd* parent) : m_pParentWnd(parent)
{
    ZeroMemory(&m_cf, sizeof(m_cf));
    ZeroMemory(&m_lf, sizeof(m_lf));
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.hDC = printer;
    m_cf.Flags = flags;
    if (printer != NULL)
        m_cf.Flags |= CF_PRINTERFONTS;
    if (initial != NULL)
    {
        m_lf = *initial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

INT_PTR CFontDialog::DoModal()
{
    m_cf.hwndOwner = OwnerOf(m_pParentWnd);
    m_cf.lpLogFont = &m_lf;
    return Answer(::ChooseFontA(&m_cf));
}
