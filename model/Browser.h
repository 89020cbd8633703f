// CBrowser: one page of a project, stored whole in its own data file under
// the section "Main": its window settings, background picture, page
// scripts and the elements placed on it.
#pragma once

#include "model/ElementContainer.h"

#include <oaidl.h>
#include <vector>

class CDataFile;
class CIdManager;

// One design-time variable that a Create Variable action declares; the
// value's type is the variable's type.
class CVariableRecord
{
public:
    CVariableRecord(const char* name, const VARIANT& value, const char* owner);
    ~CVariableRecord();

    CStr m_strName;
    VARIANT m_value;
    CStr m_strOwner;   // id of the element whose action declared it

private:
    CVariableRecord(const CVariableRecord&);
    CVariableRecord& operator=(const CVariableRecord&);
};

typedef std::vector<CVariableRecord*> CVariableList;

// One entry of an action page's variable choice: the name shown and the
// value's address as the item data.
struct CVariableChoice
{
    CStr name;
    VARIANT* value;
};

// The combo box items for a list of variables, in list order; with onlyOwn,
// only those whose owner equals objectId exactly.
std::vector<CVariableChoice> GetVariableComboItems(const CVariableList& list, BOOL onlyOwn,
                                                   const char* objectId);

class CBrowser : public CElementContainer
{
public:
    CBrowser();
    CBrowser(const CBrowser& other);
    // Frees the picture, the variables and the scripts; the elements go
    // with Unload.
    ~CBrowser() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    // Save into the page's own data file, but "xres" and "yres" stay as
    // stored there (an absent one takes this screen's): the player rescales
    // a page from the screen it was laid out on, not from any it passed.
    BOOL SaveKeepingScreenSize();
    BOOL Draw(HDC dc) override;
    RECT GetRect() const override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL CanAcceptChild(CElement* child) override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    void UpdatePropertyList(CPropertyRecordList& list) override;

    void Unload();
    void FreeBackground();
    // The registry of the document that holds the page, else the active
    // document's.
    CIdManager* GetIdManager() const;
    void SetIdManager(CIdManager* ids) { m_pIdManager = ids; }
    int FindPositionIndex(const char* text) const;
    CStr GetTemplate() const { return m_strTemplate; }
    BOOL LoadElements(CDataFile* file, BOOL keepId);
    void RefreshSetPropertyActions();

    CDataFile* GetDataFile() const { return m_pDataFile; }
    void SetDataFile(CDataFile* file) { m_pDataFile = file; }
    CStr GetDataFileName() const;

    // Scope 0 global, any other local: a newly configured variable is
    // appended whatever the list holds.
    void AddVariable(int scope, const char* name, const VARIANT& value, const char* owner);
    // A loaded Create Variable action's variable: appended to the list of its
    // scope (0 global, 1 local) unless that list names it already (exact
    // case); any other scope lists nothing. TRUE when appended.
    BOOL DeclareVariable(int scope, const char* name, const VARIANT& value, const char* owner);
    void ClearVariables();
    // An action page's choices for the object with objectId: the local
    // variables it owns, then every global one.
    std::vector<CVariableChoice> GetVariableChoices(const char* objectId) const;

    CStr m_strWatermark;
    CStr m_strTitle;
    BOOL m_bTiled;
    BOOL m_bAppbar;
    BOOL m_bMouseMove;
    CStr m_strPosition;
    CStr m_strStartSound;
    HBITMAP m_hBackground;
    CStr m_strTemplate;
    CStr m_strIcon;
    int m_resize;
    CStr m_positionNames[4];
    COLORREF m_transColor;
    COLORREF m_tolerance;
    int m_windowType;
    CDataFile* m_pDataFile;
    CVariableList m_globalVariables;
    CVariableList m_localVariables;

private:
    CIdManager* m_pIdManager;   // not owned

    CBrowser& operator=(const CBrowser&);
};

// The process-wide name of the template the current page was made from.
CStr GetCurrentTemplate();
void SetCurrentTemplate(const char* name);
