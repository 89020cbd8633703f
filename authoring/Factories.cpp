#include "authoring/Factories.h"

#include "actions/PropertyActions.h"
#include "actions/ShellActions.h"
#include "actions/WindowScriptActions.h"
#include "authoring/ProgramFolders.h"
#include "authoring/ProjectFolder.h"
#include "model/ActiveXElement.h"
#include "model/Browser.h"
#include "model/EditorServices.h"
#include "model/ImageElement.h"
#include "model/ImageListElement.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "model/common/PathHelpers.h"
#include "model/store/DataFile.h"

#include <string.h>

namespace {

struct KindRow
{
    const char* name;
    const char* section;
};

const KindRow kKinds[ButtonKindCount] = {
    { "", "default" },
    { "Exit Button", "exit" },
    { "Show Document Button", "shellExecute" },
    { "Launch HTML Button", "launchHtml" },
    { "Open Folder Button", "openFolder" },
    { "Run  Program Button", "runProgram" },
    { "Help Button", "help" },
    { "Browse CD Button", "browseCD" },
    { "OK Button", "ok" },
    { "Cancel Button", "cancel" },
    { "Back Button", "back" },
    { "Next Button", "next" },
};

const char* const kMouseEvents[4] = { "OnMouseIn", "OnMouseOut", "OnMouseDown", "OnMouseUp" };

BOOL IsFolder(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int CheckedKind(int kind)
{
    return kind >= 0 && kind < ButtonKindCount ? kind : ButtonPlain;
}

// The template's keys for the kind: FALSE when there is no template or it
// cannot be read.
BOOL ReadTemplate(int kind, CDataFile& file, CStr& mediaFolder)
{
    CStr name = GetCurrentTemplate();
    if (name.IsEmpty() || !file.LoadFromFile(name))
        return FALSE;
    CStr folder;
    file.GetString("main", "folder", folder);
    mediaFolder = GetTemplateMediaFolder(folder);
    (void)kind;
    return TRUE;
}

CStr TemplateFile(const CDataFile& file, const CStr& mediaFolder, int kind, const char* key)
{
    CStr name;
    if (!file.GetString(kKinds[CheckedKind(kind)].section, key, name) || name.IsEmpty())
        return CStr();
    char path[MAX_PATH];
    if (mediaFolder.GetLength() >= MAX_PATH)
        return CStr();
    strcpy(path, mediaFolder);
    if (!AppendPath(path, name))
        return CStr();
    return CStr(path);
}

template <class T> T* Named(T* element, CBrowser* page, const char* type)
{
    element->m_pParent = page;
    element->SetType(type);
    element->RegisterId(type);
    return element;
}

void AppendSetSource(CScript* script, const char* buttonId, const CStr& picture)
{
    if (picture.IsEmpty())
        return;
    CSetPropertyAction* action = new CSetPropertyAction();
    action->m_strControlId = buttonId;
    CStr stored = ImportMediaFile(picture, TRUE);
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    wchar_t* wide = stored.AllocWide();
    value.bstrVal = SysAllocString(wide);
    free(wide);
    action->AddAssignment("src", "", value, VT_BSTR, TRUE);
    VariantClear(&value);
    script->AppendItem(action);
}

void AppendPlaySound(CScript* script, const CStr& sound)
{
    if (sound.IsEmpty())
        return;
    CPlaySoundAction* action = new CPlaySoundAction();
    action->m_record.path = sound;
    script->AppendItem(action);
}

CScript* MakeNamedScript(const char* name, const char* section, CElement* parent)
{
    CScript* script = CreateScript();
    script->SetType("Script");
    script->m_strName = name;
    if (section)
        script->m_strSectionName = section;
    script->m_pParent = parent;
    return script;
}

// The template's folder under root, with a trailing backslash; empty when
// the joined path would not fit.
CStr JoinMediaFolder(const CStr& root, const CStr& name)
{
    char path[MAX_PATH];
    if (root.GetLength() >= MAX_PATH)
        return CStr();
    strcpy(path, root);
    // Joined by text, a root without its backslash ran into the name
    // ("C:\MyContent" + "blue") and no template media were found.
    if (!name.IsEmpty() && !AppendPath(path, name))
        return CStr();
    if (!AddBackslash(path))
        return CStr();
    return CStr(path);
}

} // namespace

const char* GetButtonKindName(int kind)
{
    return kKinds[CheckedKind(kind)].name;
}

CStr GetTemplateMediaRoot()
{
    return GetDefaultContentFolder();
}

CStr GetTemplateMediaFolder(const char* folder)
{
    CStr name = folder ? folder : "";
    CStr chosen = JoinMediaFolder(GetTemplateMediaRoot(), name);
    // The templates shipped with the program keep their media in the
    // installation's content folder; an author's own content folder that
    // holds no such folder must not leave their buttons without pictures.
    if (!name.IsEmpty() && !IsFolder(chosen)) {
        CStr shipped = JoinMediaFolder(GetContentFolder(), name);
        if (IsFolder(shipped))
            return shipped;
    }
    return chosen;
}

CBrowser* CreateNewPage()
{
    CBrowser* page = new CBrowser();
    page->SetType("Browser");
    CScript* onLoad = MakeNamedScript("OnLoad", "Script_1", page);
    CScript* onUnload = MakeNamedScript("OnUnload", "Script_2", page);
    page->m_scripts.push_back(onUnload);
    page->m_scripts.push_back(onLoad);
    return page;
}

CImageElement* CreateImageElement(CBrowser* page)
{
    return Named(new CImageElement(), page, "Image");
}

CImageListElement* CreateImageListElement(CBrowser* page)
{
    return Named(new CImageListElement(), page, "ImageList");
}

CTextElement* CreateTextElement(CBrowser* page)
{
    return Named(new CTextElement(), page, "Text");
}

CActiveXElement* CreateActiveXElement(CBrowser* page)
{
    return Named(new CActiveXElement(), page, "ActiveX");
}

void ApplyButtonTemplate(CImageElement* element, int kind)
{
    CDataFile file;
    CStr media;
    if (element == NULL || !ReadTemplate(kind, file, media))
        return;
    CStr picture = TemplateFile(file, media, kind, "normalImage");
    if (!picture.IsEmpty())
        element->m_strSrc = picture;
}

void AddDefaultButtonScripts(CScriptableObject* element)
{
    for (const char* name : { "OnMouseUp", "OnMouseDown", "OnMouseOut", "OnMouseIn" })
        element->m_scripts.push_back(MakeNamedScript(name, NULL, element));
    element->RenameChildren();
}

CScript* CreateTemplateButtonScript(int eventIndex, const char* buttonId, int kind)
{
    if (eventIndex < 0 || eventIndex > 3)
        return NULL;
    CScript* script = MakeNamedScript(kMouseEvents[eventIndex], NULL, NULL);
    CDataFile file;
    CStr media;
    if (!ReadTemplate(kind, file, media))
        return script;
    switch (eventIndex)
    {
    case 0:
        AppendPlaySound(script, TemplateFile(file, media, kind, "hoverSound"));
        AppendSetSource(script, buttonId, TemplateFile(file, media, kind, "hoverImage"));
        break;
    case 2:
        AppendPlaySound(script, TemplateFile(file, media, kind, "clickSound"));
        AppendSetSource(script, buttonId, TemplateFile(file, media, kind, "clickImage"));
        break;
    default:
        AppendSetSource(script, buttonId, TemplateFile(file, media, kind, "normalImage"));
        break;
    }
    return script;
}

CImageElement* CreateButton(CBrowser* page, int kind)
{
    CImageElement* element = CreateImageElement(page);
    element->RegisterId(GetButtonKindName(kind));
    ApplyButtonTemplate(element, kind);
    if (GetCurrentTemplate().IsEmpty())
    {
        AddDefaultButtonScripts(element);
    }
    else
    {
        for (int index = 3; index >= 0; --index)
        {
            CScript* script = CreateTemplateButtonScript(index, element->m_strId, kind);
            script->m_pParent = element;
            element->m_scripts.push_back(script);
        }
        element->RenameChildren();
    }
    element->LoadImage(FALSE);
    return element;
}

static CInternalCommandAction* MakeInternalCommand(const char* command)
{
    CInternalCommandAction* action = new CInternalCommandAction();
    action->m_record.command = command;
    return action;
}

CScriptItem* CreateButtonAction(int kind)
{
    switch (CheckedKind(kind))
    {
    case ButtonExit: return MakeInternalCommand("Exit");
    case ButtonShowDocument:
    case ButtonHelp: return new CShellExecuteAction();
    case ButtonLaunchHtml: return new CLaunchHtmlAction();
    case ButtonOpenFolder: return new COpenFolderAction();
    case ButtonRunProgram: return new CRunProgramAction();
    case ButtonBrowseCD:
    {
        COpenFolderAction* action = new COpenFolderAction();
        action->m_record.path = ".\\";
        return action;
    }
    case ButtonBack: return MakeInternalCommand("PrevPage");
    case ButtonNext: return MakeInternalCommand("NextPage");
    default: return NULL;
    }
}

CScriptItem* CreateActionByKind(int number)
{
    switch (number)
    {
    case 2: return new CLaunchHtmlAction();
    case 3: return new COpenFolderAction();
    case 4: return new CPlaySoundAction();
    case 5: return new CShellExecuteAction();
    case 6: return new CInternalCommandAction();
    case 7: return new CRunProgramAction();
    default: return NULL;
    }
}
