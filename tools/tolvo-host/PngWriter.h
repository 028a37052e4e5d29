// Writes blue-green-red-alpha pixel rows as an RGB PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvo {

bool writePng(const std::string& path, const std::vector<uint8_t>& pixels, int32_t width,
              int32_t height);

} // namespace tolvo
