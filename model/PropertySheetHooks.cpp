#include "model/PropertySheetHooks.h"

namespace {

template <typename Hook>
Hook Swap(Hook& slot, Hook hook)
{
    Hook previous = slot;
    slot = hook;
    return previous;
}

EditPageHook g_editPage = NULL;
EditTextHook g_editText = NULL;
ChooseTextHook g_chooseText = NULL;
EditImageHook g_editImage = NULL;
ChooseImageHook g_chooseImage = NULL;
EditActiveXHook g_editActiveX = NULL;
ChooseActiveXHook g_chooseActiveX = NULL;
EditScriptHook g_editScript = NULL;

} // namespace

EditPageHook SetEditPageHook(EditPageHook hook) { return Swap(g_editPage, hook); }
EditTextHook SetEditTextHook(EditTextHook hook) { return Swap(g_editText, hook); }
ChooseTextHook SetChooseTextHook(ChooseTextHook hook) { return Swap(g_chooseText, hook); }
EditImageHook SetEditImageHook(EditImageHook hook) { return Swap(g_editImage, hook); }
ChooseImageHook SetChooseImageHook(ChooseImageHook hook) { return Swap(g_chooseImage, hook); }
EditActiveXHook SetEditActiveXHook(EditActiveXHook hook) { return Swap(g_editActiveX, hook); }
ChooseActiveXHook SetChooseActiveXHook(ChooseActiveXHook hook) { return Swap(g_chooseActiveX, hook); }
EditScriptHook SetEditScriptHook(EditScriptHook hook) { return Swap(g_editScript, hook); }

BOOL RunEditPageHook(CBrowser* page, BOOL bNew)
{
    return g_editPage ? g_editPage(page, bNew) : FALSE;
}

BOOL RunEditTextHook(CTextElement* text, BOOL bNew)
{
    return g_editText ? g_editText(text, bNew) : FALSE;
}

BOOL RunChooseTextHook(CTextElement* text, CPropertyRecordList& list)
{
    return g_chooseText ? g_chooseText(text, list) : FALSE;
}

BOOL RunEditImageHook(CImageElement* image, BOOL bNew)
{
    return g_editImage ? g_editImage(image, bNew) : FALSE;
}

BOOL RunChooseImageHook(CImageElement* image, CPropertyRecordList& list)
{
    return g_chooseImage ? g_chooseImage(image, list) : FALSE;
}

BOOL RunEditActiveXHook(CActiveXElement* control, BOOL bNew)
{
    return g_editActiveX ? g_editActiveX(control, bNew) : FALSE;
}

BOOL RunChooseActiveXHook(CActiveXElement* control, CPropertyRecordList& list)
{
    return g_chooseActiveX ? g_chooseActiveX(control, list) : FALSE;
}

BOOL RunEditScriptHook(CScript* script, BOOL bNew)
{
    return g_editScript ? g_editScript(script, bNew) : FALSE;
}
