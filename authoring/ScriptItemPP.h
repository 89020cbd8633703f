// CScriptItemPP: the "Script Items" page of a script's sheet, from which
// the author adds actions to the script.
#pragma once

#include "model/common/Str.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

class CLumbrookConfigDoc;
class CScript;

class CScriptItemPP : public CPropertyPage
{
public:
    CScriptItemPP();

    CLumbrookConfigDoc* m_pDocument;
    CScript* m_pScript;
    CStr m_strEventName;

    // Adds the selected action type's new action to the script and edits
    // it; an action whose edit fails goes again. TRUE when one was added.
    BOOL AddSelectedItem();

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnListDoubleClick();
    DECLARE_MESSAGE_MAP()
};

// The script's sheet: the picker alone, titled with the script's name.
// FALSE when it ends with Cancel (or "Done").
BOOL EditScriptItems(CLumbrookConfigDoc* document, CScript* script);

// At the editor's start: the action types, the script's sheet as the
// model's hook, and the folder the action pages' pickers start in.
void InstallScriptEditing();
