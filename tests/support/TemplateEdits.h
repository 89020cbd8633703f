// The edit controls of the dialog templates linked into this program, read
// from the compiled templates themselves: a test can hold a row for every
// field a person can type into, and know when a template gains one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TemplateEdit
{
    int dialogId = 0;
    std::string dialogCaption;
    int controlId = 0;
    DWORD style = 0;
};

// Every control of class "Edit" (the EDITTEXT statement or a CONTROL of that
// class) in every RT_DIALOG resource of the module, in resource order.
std::vector<TemplateEdit> ReadTemplateEdits(HMODULE module = NULL);
