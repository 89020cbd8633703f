// CElement (run-time): the base of every object the player builds from a
// page data file: pages, their elements, scripts and actions.
#pragma once

#include "model/store/DataFile.h"
#include "model/store/PageFormat.h"
#include "model/common/Str.h"

#include <windows.h>

namespace Tarvex {

// Where an element draws: the paint's device context (the main window's
// memory bitmap) and the region being painted (NULL: everything).
struct CDrawContext
{
    HDC dc;
    HRGN update;
};

// TRUE when the rectangle is to be painted in this context.
BOOL NeedsDrawing(const CDrawContext& context, const RECT& rect);

class CElement
{
public:
    // section: the object's data-file section; parent may be NULL.
    CElement(const char* section, CElement* parent);
    CElement(const CElement& other);
    virtual ~CElement();

    virtual void OnMouseLeave() {}
    virtual CElement* Clone() const { return NULL; }
    virtual BOOL HitTest(POINT point) const { (void)point; return FALSE; }
    virtual BOOL Draw(const CDrawContext& context) { (void)context; return TRUE; }
    virtual RECT GetRect() const;
    // Reads "id" (registered with the process-wide CIdManager), "type",
    // "name", "xpos", "ypos" and "cursor" from the own section; TRUE.
    virtual BOOL Load(const CDataFile& file);
    virtual BOOL AddChild(CElement* child) { (void)child; return FALSE; }
    virtual BOOL RemoveChild(CElement* child) { (void)child; return FALSE; }
    virtual int GetChildCount() const { return 0; }
    virtual void RenameChildren() {}
    virtual BOOL CanAcceptChild(const CElement* child) const { (void)child; return FALSE; }
    virtual CElement* FindBySerial(LONG serial);
    virtual BOOL IsPressed() const { return m_pressed != 0; }

    int GetXPos() const { return m_xpos; }
    int GetYPos() const { return m_ypos; }
    void SetPosition(int x, int y) { m_xpos = x; m_ypos = y; }
    const CStr& GetId() const { return m_id; }
    const CStr& GetSectionName() const { return m_sectionName; }
    void SetSectionName(const char* section) { m_sectionName = section; }
    const CStr& GetTypeText() const { return m_typeText; }
    void SetTypeText(const char* type) { m_typeText = type; }
    // The "name" key: for a script the event it answers.
    const CStr& GetName() const { return m_name; }
    void SetName(const char* name) { m_name = name; }
    const CStr& GetCursorName() const { return m_cursorName; }
    void SetCursorName(const char* cursor) { m_cursorName = cursor; }
    CElement* GetParent() const { return m_parent; }
    void SetParent(CElement* parent) { m_parent = parent; }
    void SetPressed(BOOL pressed) { m_pressed = pressed ? 1 : 0; }
    BOOL GetMouseMoveable() const { return m_mouseMoveable != 0; }
    void SetMouseMoveable(int moveable) { m_mouseMoveable = moveable; }
    LONG GetSerial() const { return m_serial; }
    // Set by the container that loaded the element: only loaded children
    // draw and answer hit tests.
    BOOL IsLoaded() const { return m_loaded; }
    void SetLoaded(BOOL loaded) { m_loaded = loaded; }

protected:
    int m_xpos;
    int m_ypos;
    CStr m_id;
    CStr m_sectionName;
    CStr m_typeText;
    CStr m_name;
    CStr m_cursorName;
    CElement* m_parent;
    BYTE m_pressed;
    int m_mouseMoveable;
    LONG m_serial;
    BOOL m_loaded;

private:
    CElement& operator=(const CElement&);
};

} // namespace Tarvex
