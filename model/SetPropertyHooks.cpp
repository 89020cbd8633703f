#include "model/SetPropertyHooks.h"

static SetPropertyHooks g_hooks;
static BOOL g_installed = FALSE;

void SetSetPropertyHooks(const SetPropertyHooks* hooks)
{
    if (hooks) {
        g_hooks = *hooks;
        g_installed = TRUE;
    } else {
        g_installed = FALSE;
    }
}

const SetPropertyHooks* GetSetPropertyHooks()
{
    return g_installed ? &g_hooks : NULL;
}
