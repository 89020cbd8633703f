// The sample's pictures, drawn here rather than kept as binary files: a
// backdrop gradient, a tile for a tiled page and a logo on a colour key.
#pragma once

#include <string>
#include <vector>

// Writes every picture as a 24-bit BMP into folder (which must exist, with
// or without a trailing separator); the file names written, or an empty
// list when a file cannot be written.
std::vector<std::string> WriteSamplePictures(const std::string& folder);
