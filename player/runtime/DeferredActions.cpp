#include "DeferredActions.h"

namespace Tarvex {

CDeferredAction::CDeferredAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

} // namespace Tarvex
