// JPEG files made to fail: the bytes of a JPEG file cut off where its
// pixels begin, so that its headers are whole and its pixels missing.
#pragma once

#include <string>

// The file's bytes up to the first two bytes after the start-of-scan
// header; empty when the bytes hold no scan.
inline std::string CutOffInItsPixels(const std::string& bytes)
{
    size_t scan = bytes.find("\xFF\xDA");
    if (scan == std::string::npos || scan + 4 > bytes.size())
        return std::string();
    size_t header = ((size_t)(unsigned char)bytes[scan + 2] << 8) | (unsigned char)bytes[scan + 3];
    return bytes.substr(0, scan + 2 + header + 2);
}
