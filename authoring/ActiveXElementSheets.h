// The ActiveX element's property sheets, installed as the model's hook: a
// new element is given its control by the control picker; an existing one
// has its name, size, position and place in the tree edited.
#pragma once

#include <windows.h>

class CActiveXElement;

BOOL EditActiveXElementProperties(CActiveXElement* control, BOOL bNew);
// The sheet of an element already placed: TRUE after OK.
BOOL EditActiveXObjectProperties(CActiveXElement* control);
// Installs EditActiveXElementProperties as the element's edit hook.
void InstallActiveXElementSheets();
