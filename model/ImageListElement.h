// CImageListElement: a page element that shows one rectangle ("frame") of
// a larger picture; a script picks the frame through its "frame" property.
#pragma once

#include "model/ScriptableObject.h"

#include <vector>

class CImageListElement : public CScriptableObject
{
public:
    CImageListElement(const char* sectionName = NULL, CElement* parent = NULL);
    CImageListElement(const CImageListElement& other);
    ~CImageListElement() override;

    CElement* Clone() const override;
    BOOL HitTest(POINT pt) const override;
    RECT GetRect() const override;
    BOOL Draw(HDC dc) override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    void DrawAt(HDC dc, POINT origin, HBITMAP dragMask) override;

    int AccessProperty(const char* name, VARIANT& value, BOOL put) override;
    void UpdatePropertyList(CPropertyRecordList& list) override;

    void LoadImage(BOOL skipMask);
    void FreeImage();
    // TRUE while the frame index names one of the frames.
    BOOL HasValidFrame() const;

    CStr m_strSrc;
    HBITMAP m_hPicture;
    HBITMAP m_hMask;
    BITMAP m_pictureSize;
    HDC m_hMemDC;
    std::vector<RECT> m_frames;
    int m_frame;
    RECT m_currentFrame;
    int m_transX;
    int m_transY;

private:
    // The shown frame's size becomes the element's.
    void SizeToFrame();
    CImageListElement& operator=(const CImageListElement&);
};
