// A data file written as text in a test: lines separated by '\n'.
#pragma once

#include "model/store/DataFile.h"

#include <string>

inline CDataFile FileFromText(const std::string& text)
{
    CDataFile file;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        file.AppendLine(CStr(text.substr(start, end - start).c_str()));
        start = end + 1;
    }
    return file;
}
