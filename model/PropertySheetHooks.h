// The property sheets of pages and page elements are windows of the editor,
// above the model; the editor installs one hook per kind of object, and the
// objects' EditProperties and ChooseProperties call them. Without a hook
// the call does nothing and answers FALSE.
#pragma once

#include "model/store/PropertyRecord.h"

#include <windows.h>

class CBrowser;
class CTextElement;
class CImageElement;
class CActiveXElement;
class CScript;

typedef BOOL (*EditPageHook)(CBrowser* page, BOOL bNew);
typedef BOOL (*EditTextHook)(CTextElement* text, BOOL bNew);
typedef BOOL (*ChooseTextHook)(CTextElement* text, CPropertyRecordList& list);
typedef BOOL (*EditImageHook)(CImageElement* image, BOOL bNew);
typedef BOOL (*ChooseImageHook)(CImageElement* image, CPropertyRecordList& list);
typedef BOOL (*EditActiveXHook)(CActiveXElement* control, BOOL bNew);
typedef BOOL (*ChooseActiveXHook)(CActiveXElement* control, CPropertyRecordList& list);
// A script's sheet: the script-item picker that adds actions to it.
typedef BOOL (*EditScriptHook)(CScript* script, BOOL bNew);

// Each setter installs one hook (NULL removes it) and returns the previous.
EditPageHook SetEditPageHook(EditPageHook hook);
EditTextHook SetEditTextHook(EditTextHook hook);
ChooseTextHook SetChooseTextHook(ChooseTextHook hook);
EditImageHook SetEditImageHook(EditImageHook hook);
ChooseImageHook SetChooseImageHook(ChooseImageHook hook);
EditActiveXHook SetEditActiveXHook(EditActiveXHook hook);
ChooseActiveXHook SetChooseActiveXHook(ChooseActiveXHook hook);
EditScriptHook SetEditScriptHook(EditScriptHook hook);

// The calls the objects make: FALSE when no hook is installed.
BOOL RunEditPageHook(CBrowser* page, BOOL bNew);
BOOL RunEditTextHook(CTextElement* text, BOOL bNew);
BOOL RunChooseTextHook(CTextElement* text, CPropertyRecordList& list);
BOOL RunEditImageHook(CImageElement* image, BOOL bNew);
BOOL RunChooseImageHook(CImageElement* image, CPropertyRecordList& list);
BOOL RunEditActiveXHook(CActiveXElement* control, BOOL bNew);
BOOL RunChooseActiveXHook(CActiveXElement* control, CPropertyRecordList& list);
BOOL RunEditScriptHook(CScript* script, BOOL bNew);
