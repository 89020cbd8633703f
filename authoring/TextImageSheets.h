// The property sheets of text and image elements: editing an element
// (EditProperties) and choosing new values for a Set Property action
// (ChooseProperties). The editor installs them as the model's hooks.
#pragma once

#include "model/store/PropertyRecord.h"

#include <windows.h>

class CTextElement;
class CImageElement;

// Installs the four sheets as the model's hooks (the editor's start-up).
void InstallTextImageSheets();

// TRUE when the author confirmed; nothing changes otherwise.
BOOL EditTextProperties(CTextElement* text, BOOL bNew);
BOOL ChooseTextProperties(CTextElement* text, CPropertyRecordList& list);
BOOL EditImageProperties(CImageElement* image, BOOL bNew);
BOOL ChooseImageProperties(CImageElement* image, CPropertyRecordList& list);
