// CActiveXElement: a page element that stands for one registered ActiveX
// control, named by its class ID and ProgID. The editor creates the control
// only for a moment, to read its events, properties and methods from its
// type information, and shows a grey half-transparent placeholder with the
// ProgID as caption; the player hosts the live control from the same keys.
#pragma once

#include "model/ElementSupport.h"
#include "model/ScriptableObject.h"
#include "model/store/DispatchInterfaceInfo.h"
#include "model/store/MethodRecord.h"

#include <ole2.h>
#include <vector>

class CActiveXElement : public CScriptableObject
{
public:
    CActiveXElement(const char* sectionName = NULL, CElement* parent = NULL);
    CActiveXElement(const CActiveXElement& other);
    ~CActiveXElement() override;

    CElement* Clone() const override;
    BOOL HitTest(POINT pt) const override;
    RECT GetRect() const override;
    BOOL Draw(HDC dc) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL ChooseProperties(CPropertyRecordList& list) override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    void DrawAt(HDC dc, POINT origin, HBITMAP mask) override;
    RECT GetDrawnRect(HDC dc) override;

    int AccessProperty(const char* name, VARIANT& value, BOOL put) override;
    void UpdatePropertyList(CPropertyRecordList& list) override;

    // Creates the control in a hidden host window, reads it and ends it
    // again; TRUE when its class type information was read. The control's
    // events, methods and properties replace those read before.
    BOOL CreateControl();
    // The members of the control's default and default source interfaces;
    // a control without class information counts as read, with none.
    HRESULT ReadClassTypeInfo(IOleObject* control);
    // The largest caption size from 12 points down to 6 that fits the
    // width; below that the caption is not drawn.
    void FitCaptionFont();
    void ReleaseFont();

    CStr m_strProgID;
    CStr m_strCLSID;
    CDispatchInterfaceInfo m_dispatchMembers;
    CDispatchInterfaceInfo m_eventMembers;
    std::vector<CMethodRecord> m_methods;
    BYTE m_bDropTarget;
    HFONT m_hFont;
    UINT m_format;
    CStr m_strCaption;
    CStr m_strFontName;
    COLORREF m_fontColor;
    int m_fontSize;
    int m_fontWeight;
    int m_fontItalic;
    int m_fontUnderline;
    int m_fontStrikeOut;
    COLORREF m_bgColor;
    double m_bgTransparency;
    BYTE m_bCaptionVisible;
    int m_fittedWidth;
    int m_naturalWidth;
    int m_naturalHeight;
    int m_resize;
    int m_reposition;

private:
    HFONT MakeFont(HDC dc) const;
    int MeasureCaption(HDC dc) const;
    void ReadNaturalSize(IOleObject* control, HWND host);
    void TakeMembers();
    CActiveXElement& operator=(const CActiveXElement&);
    CDrawnTextExtent m_drawnExtent;
};
