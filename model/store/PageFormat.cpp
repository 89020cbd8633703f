#include "model/store/PageFormat.h"

#include "model/common/Str.h"

#include <string.h>

CStr MakeChildSectionName(const char* ownerSection, const char* prefix, int number)
{
    CStr name;
    if (strcmp(ownerSection, "Main") == 0)
        name.Format("%s_%d", prefix, number);
    else
        name.Format("%s_%s_%d", ownerSection, prefix, number);
    return name;
}

CStr NumberedSection(const char* section, const char* suffix, int number)
{
    CStr name;
    name.Format("%s_%s_%d", section, suffix, number);
    return name;
}

CStr ElementSectionName(const char* ownerSection, int number)
{
    return MakeChildSectionName(ownerSection, "Element", number);
}

CStr ScriptSectionName(const char* ownerSection, int number)
{
    return MakeChildSectionName(ownerSection, "Script", number);
}

CStr ScriptItemSectionName(const char* scriptSection, int number)
{
    return NumberedSection(scriptSection, "ScriptItem", number);
}

CStr ParameterSectionName(const char* section, int index)
{
    return NumberedSection(section, "Param", index);
}

CStr PropertySectionName(const char* section, int index)
{
    return NumberedSection(section, "Property", index);
}

int ClampStoredCount(int count, const CDataFile& file)
{
    if (count <= 0)
        return 0;
    // The sections the lookup index holds are known at once; only a count
    // beyond them pays for a pass over the lines.
    if (count <= file.GetIndexedSectionCount())
        return count;
    int sections = file.GetSectionCount();
    return count < sections ? count : sections;
}

int ClampStoredCount(int count, const CDataFile* file)
{
    return file == NULL ? 0 : ClampStoredCount(count, *file);
}

UINT TextFormatFlags(const char* justification, const char* vjustification, BOOL singleline)
{
    UINT format = DT_NOPREFIX | DT_NOCLIP;
    if (strcmp(justification, "right") == 0)
        format |= DT_RIGHT;
    else if (strcmp(justification, "center") == 0)
        format |= DT_CENTER;
    if (!singleline)
        return format | DT_WORDBREAK;
    format |= DT_SINGLELINE;
    if (strcmp(vjustification, "bottom") == 0)
        format |= DT_BOTTOM;
    else if (strcmp(vjustification, "top") != 0)
        format |= DT_VCENTER;
    return format;
}

StoredElementKind ElementKindFromType(const char* type, TypeTextRule rule)
{
    static const struct {
        const char* word;
        StoredElementKind kind;
    } kinds[] = {
        { "Text", StoredElementText },
        { "ImageList", StoredElementImageList },
        { "Image", StoredElementImage },
        { "ActiveX", StoredElementActiveX },
    };
    if (type == NULL)
        return StoredElementNone;
    for (const auto& k : kinds) {
        bool found = rule == TypeTextBeginsWith ? BeginsWithNoCase(type, k.word) : ContainsNoCase(type, k.word);
        if (found)
            return k.kind;
    }
    return StoredElementNone;
}
