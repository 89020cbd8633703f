// CElement: the base of every object of a page's model (page, placed
// elements, scripts, actions); CElementContainer, declared in
// ElementContainer.h, holds child elements.
#pragma once

#include <vector>

#include "model/common/Str.h"
#include "model/store/PageFormat.h"

#include <windows.h>
#include <commctrl.h>

class CBrowser;
class CDataFile;

class CElement
{
public:
    CElement(const char* sectionName = NULL, CElement* parent = NULL);
    CElement(const CElement& other);

    // The family's operations, in slot order. Those that need the editor's
    // windows do nothing here until the authoring program overrides them.
    virtual ~CElement();
    virtual CElement* Clone() const;
    virtual BOOL HitTest(POINT pt) const;
    virtual BOOL Draw(HDC dc);
    virtual RECT GetRect() const;
    virtual BOOL EditProperties(BOOL bNew);
    virtual BOOL Load(CDataFile* file, BOOL keepId);
    virtual BOOL Save(CDataFile* file);
    virtual BOOL AddChild(CElement* child);
    virtual CElement* DropChild(CElement* dragged, CElement* target);
    virtual BOOL RemoveChild(CElement* child);
    virtual BOOL CanAcceptChild(CElement* child);
    virtual CStr GetType();
    virtual CStr GetClassName() const;
    virtual BOOL AddToTree(HWND tree, HTREEITEM parentItem);
    virtual CStr GetDisplayName() const;
    virtual void ShowContextMenu(int screenX, int screenY, BOOL restricted);
    virtual int GetChildCount() const;
    virtual void RenameChildren();
    virtual CElement* FindBySerial(int serial);
    virtual void MoveChild(CElement* child, int direction);
    virtual void RenameReferences(const char* oldId, const char* newId);
    virtual BOOL IsPressed() const;
    // The drag image into the bitmap selected in dc, its opaque parts in
    // black into mask (a monochrome bitmap; NULL: no mask).
    virtual void DrawAt(HDC dc, POINT origin, HBITMAP mask);
    // What a paint of the element touches, measured on dc: its rectangle,
    // and for a text the glyphs that pass it.
    virtual RECT GetDrawnRect(HDC dc);

    // The popup menu that ShowContextMenu tracks, and its "New" submenu,
    // for this kind of object (page, page element, script or action); with
    // restricted, only "New" leads on. The caller destroys the menu.
    HMENU BuildContextMenu(BOOL restricted);
    HMENU BuildNewMenu(BOOL restricted);

    CStr GetId() const { return m_strId; }
    void SetId(const char* id) { m_strId = id; }
    CStr GetName() const { return m_strName; }
    void SetName(const char* name) { m_strName = name; }
    CStr GetSectionName() const { return m_strSectionName; }
    void SetSectionName(const char* name) { m_strSectionName = name; }
    void SetType(const char* type) { m_strType = type; }
    CElement* GetParent() const { return m_pParent; }
    void SetParent(CElement* parent) { m_pParent = parent; }
    int GetSerial() const { return m_serial; }

    // The page that holds the object: itself when it is one, else the
    // nearest page up the parent chain; NULL when there is none.
    CBrowser* GetPage() const;

    // Makes the id the unique name that the document's registry, reached
    // through the page, gives for wanted; an object on no page asks the
    // active document's. Without a registry the wanted name is used as it is.
    void RegisterId(const char* wanted);
    // The same for an id read with the object's page: kept unless another
    // object of the page bears exactly that id (CIdManager::RegisterStored).
    void RegisterStoredId(const char* stored);

    // The process-wide counter that numbers every new object.
    static int GetSerialCounter();
    static void SetSerialCounter(int next);

    int m_xpos;
    int m_ypos;
    CStr m_strId;
    CStr m_strSectionName;
    CStr m_strType;
    CStr m_strName;
    CStr m_strCursor;
    CElement* m_pParent;
    int m_width;
    int m_height;
    BYTE m_bPressed;
    int m_serial;
    // Stored "key = value" lines of the object's section that its Load did
    // not ask for (keys of the player or of another tool): saved back
    // unchanged when the object did not write the key this time.
    std::vector<CStr> m_keptLines;
    // Inserts the kept lines whose keys the section lacks.
    void WriteKeptLines(CDataFile* file) const;

private:
    static int TakeSerial();
    void TakeRegisteredId(const char* wanted, BOOL stored);
    CElement& operator=(const CElement&);
};

