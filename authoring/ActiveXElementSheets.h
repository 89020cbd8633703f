// The ActiveX element's property sheets, installed as the model's hook: a
// new element is given its control by the control picker; an existing one
// has its name, size, position and place in the tree edited.
#pragma once

#include <windows.h>

class CActiveXElement;
class CLumbrookConfigDoc;

BOOL EditActiveXElementProperties(CActiveXElement* control, BOOL bNew);
// The sheet of an element already placed (name, size, position, events):
// TRUE after OK. document NULL: the active one.
BOOL EditActiveXObjectProperties(CActiveXElement* control, CLumbrookConfigDoc* document = NULL);
// Installs EditActiveXElementProperties as the element's edit hook.
void InstallActiveXElementSheets();
