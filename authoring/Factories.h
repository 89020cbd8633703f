// The factories of new pages, elements and ready-made buttons. Every result
// is new and owned by the caller until it joins a page, script or document.
#pragma once

#include "model/common/Str.h"

class CActiveXElement;
class CBrowser;
class CImageElement;
class CImageListElement;
class CScript;
class CScriptableObject;
class CScriptItem;
class CTextElement;

// Button kinds, as the button picker's item data gives them.
enum ButtonKind
{
    ButtonPlain = 0, ButtonExit, ButtonShowDocument, ButtonLaunchHtml, ButtonOpenFolder, ButtonRunProgram,
    ButtonHelp, ButtonBrowseCD, ButtonOK, ButtonCancel, ButtonBack, ButtonNext, ButtonKindCount
};

// A page with its "OnUnload" and "OnLoad" scripts, no id and no data file.
CBrowser* CreateNewPage();
CImageElement* CreateImageElement(CBrowser* page);
CImageListElement* CreateImageListElement(CBrowser* page);
CTextElement* CreateTextElement(CBrowser* page);
CActiveXElement* CreateActiveXElement(CBrowser* page);

// An image element acting as a button of the kind, its picture and mouse
// scripts from the current page template when there is one.
CImageElement* CreateButton(CBrowser* page, int kind);
void ApplyButtonTemplate(CImageElement* element, int kind);
void AddDefaultButtonScripts(CScriptableObject* element);
// Event index 0 "OnMouseIn", 1 "OnMouseOut", 2 "OnMouseDown", 3 "OnMouseUp".
CScript* CreateTemplateButtonScript(int eventIndex, const char* buttonId, int kind);
// The kind's main action, or NULL.
CScriptItem* CreateButtonAction(int kind);
// 2 Launch HTML, 3 Open Folder, 4 Play Sound, 5 Shell Execute, 6 Internal
// Command, 7 Run Program; NULL for any other number.
CScriptItem* CreateActionByKind(int number);

// The name a button of the kind is given ("" for kind 0 and unknown kinds).
const char* GetButtonKindName(int kind);
// The folder under which page templates keep their media: the author's
// content folder when set, else the installation's.
CStr GetTemplateMediaRoot();
// A template's media folder (its "folder" key) with a trailing backslash:
// under the media root, or under the installation's content folder when
// only that one holds it.
CStr GetTemplateMediaFolder(const char* folder);
