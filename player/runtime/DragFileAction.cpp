#include "player/runtime/DragFileAction.h"

#include "player/runtime/ImpIDataObject.h"
#include "player/runtime/ImpIDropSource.h"
#include "player/runtime/RegistryText.h"

#include <new>

namespace Tarvex {

namespace {

const DWORD kRegistryPathBytes = 65536;

} // namespace

CDragAction::CDragAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent), m_dropSource(NULL)
{
    if (CImpIDropSource* source = new (std::nothrow) CImpIDropSource)
        source->QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&m_dropSource));
}

CDragAction::~CDragAction()
{
    if (m_dropSource)
        m_dropSource->Release();
}

void CDragAction::LoadAction(const CDataFile& file, const char* section)
{
    if (!ReadActionRegistryText(file, section, kRegistryPathBytes, m_path))
        file.GetString(section, "path", m_path);
}

int CDragAction::Execute()
{
    if (!m_dropSource)
        return ResultGoOn;
    CImpIDataObject* data = new (std::nothrow) CImpIDataObject(m_path);
    if (!data)
        return ResultGoOn;
    FORMATETC format = { CF_HDROP, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    data->SetData(&format, &medium, TRUE);
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data, m_dropSource, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    data->Release();
    return ResultGoOn;
}

} // namespace Tarvex
