// CImageElement: a page element that shows a picture file stretched to its
// rectangle, optionally with one colour transparent; it also serves as a
// button with effect pictures and as a system push button with a caption.
#pragma once

#include "model/ScriptableObject.h"
#include "platform/ijl10/ijl10.h"

class CScript;

class CImageElement : public CScriptableObject
{
public:
    CImageElement(const char* sectionName = NULL, CElement* parent = NULL);
    CImageElement(const CImageElement& other);
    ~CImageElement() override;

    CElement* Clone() const override;
    BOOL HitTest(POINT pt) const override;
    RECT GetRect() const override;
    BOOL Draw(HDC dc) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    void DrawAt(HDC dc, POINT origin, HBITMAP dragMask) override;

    int AccessProperty(const char* name, VARIANT& value, BOOL put) override;
    void UpdatePropertyList(CPropertyRecordList& list) override;
    BOOL ChooseProperties(CPropertyRecordList& list) override;
    void OnPropertiesChanged() override;

    void LoadImage(BOOL skipMask);
    BOOL LoadJpeg(HBITMAP* bitmap, const char* path);
    void CreateJpegBitmap(HBITMAP* bitmap);
    void FreeImage();

    void GetEffectImages(CStr& over, CStr& down);
    void SetEffectImages(const char* over, const char* down);
    void AddSrcAction(CScript* script, const char* id, const char* picture);

    enum { TypeImage = 0, TypeButton = 1, TypeSystemButton = 2 };

    BYTE* m_pJpegPixels;
    JpegProperties m_jpegProperties;
    HBITMAP m_hPicture;
    HBITMAP m_hMask;
    BITMAP m_pictureSize;
    HDC m_hMemDC;
    CStr m_strSrc;
    CStr m_strText;
    int m_animated;
    int m_transX;
    int m_transY;
    int m_resize;
    int m_reposition;
    BYTE m_ratio;
    int m_buttonType;

private:
    void FreeJpegPixels();
    // This element's "src" in one script: set (or, for an empty picture,
    // cleared), or appended as a new action when no action takes it.
    void ApplySource(CScript* script, const char* picture);
    // AddSrcAction for a name already imported into the project.
    void AppendSrcAction(CScript* script, const char* storedName, const char* id);
    CImageElement& operator=(const CImageElement&);
};
