// Whole-file reads and writes for tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace tolvo {

inline std::vector<unsigned char> readBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Seven settings words as the file stores them, big-endian.
inline std::vector<unsigned char> bigEndianWords(const std::vector<int32_t>& words)
{
    std::vector<unsigned char> bytes;
    for (int32_t word : words)
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<unsigned char>(static_cast<uint32_t>(word) >> shift));
    return bytes;
}

} // namespace tolvo
