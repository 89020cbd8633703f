// The second and third pages (the selected control's properties and
// events, its methods and their parameters) and the fourth, the
// advertisement.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"
#include <vector>

class CZephraneApp;
class CControlMembers;

class CPropsAndEvents : public CPropertyPage
{
public:
    CPropsAndEvents();
    CControlMembers* m_pMembers;
    CZephraneApp* m_pApp;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void FillPropertyList();

    DECLARE_MESSAGE_MAP()
};

class CMethods : public CPropertyPage
{
public:
    CMethods();
    CControlMembers* m_pMembers;
    CZephraneApp* m_pApp;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void FillMethodList();

protected:
    void OnItemChangedMethods(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};

class CZjfAdd : public CPropertyPage
{
public:
    CZjfAdd();
    ~CZjfAdd() override;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

protected:
    void OnTimer(UINT_PTR id);
    void OnClickedPicture();
    void OnDestroy();

private:
    void ShowBitmap(size_t index);
    void DeleteBitmaps();

    std::vector<HBITMAP> m_bitmaps;
    size_t m_shown;
    UINT_PTR m_timer;

    DECLARE_MESSAGE_MAP()
};
