#include "browser/ControlReport.h"

#include <ctype.h>

namespace
{
void AppendPadded(CStr& text, const char* field, int width)
{
    text += field;
    for (int length = lstrlenA(field); length < width; length++)
        text += ' ';
}

const char* ReportTypeName(VARTYPE vt)
{
    return vt == VT_VOID ? "VT_VOID" : VarTypeText(vt);
}

void AppendHeading(CStr& text, const char* heading, const CStr& displayName)
{
    text += "\r\n\r\n";
    text += heading;
    text += displayName;
    text += "\r\n\r\n";
}
}

CStr ReportFileName(const char* displayName)
{
    CStr name;
    for (const unsigned char* p = (const unsigned char*)(displayName ? displayName : ""); *p; p++)
    {
        // Only ASCII: the classification of bytes above 127 depends on the code page.
        if (*p < 128 && isalnum(*p))
            name += (char)*p;
    }
    name += ".txt";
    return name;
}

CStr FormatReport(const CControlCatalogEntry& entry, const CControlMembers& members)
{
    const CStr displayName = entry.GetDisplayName();
    CStr text("Class ID: ");
    text += entry.GetClassId();
    text += "\r\nProg ID:  ";
    text += entry.GetProgId();
    text += "\r\nlocation: ";
    text += entry.GetServerPath();
    text += "\r\n";

    AppendHeading(text, "Methods for ", displayName);
    for (const CBrowserMethodRecord& method : members.methods)
    {
        text += "  ";
        text += ReportTypeName(method.returnType);
        text += " ";
        text += method.name;
        text += "(";
        for (size_t i = 0; i < method.params.size(); i++)
        {
            if (i > 0)
                text += ",";
            text += " ";
            text += VarTypeText(method.params[i].type);
            text += " ";
            text += method.params[i].name;
        }
        text += " )\r\n";
    }

    AppendHeading(text, "Properties for ", displayName);
    for (const CControlPropertyRecord& property : members.properties)
    {
        text += "  ";
        AppendPadded(text, property.name, 20);
        text += "\t ";
        AppendPadded(text, VarTypeText(property.type), 16);
        text += FormatPropertyAccess(property);
        text += "\r\n";
    }

    AppendHeading(text, "Events for ", displayName);
    for (const CStr& name : members.events)
    {
        text += "  ";
        text += name;
        text += "\r\n";
    }
    return text;
}

BOOL WriteReportFile(const char* fileName, const CStr& text)
{
    HFILE file = _lcreat(fileName, 0);
    if (file == HFILE_ERROR)
        return FALSE;
    const UINT length = (UINT)text.GetLength();
    const UINT written = _lwrite(file, text.c_str(), length);
    _lclose(file);
    return written == length;
}
