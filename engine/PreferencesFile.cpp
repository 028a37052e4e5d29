#include "engine/PreferencesFile.h"

#include <cstdio>

#include "engine/PreferencesPath.h"

namespace {

constexpr size_t kFileSize = kNumSettings * 4;

int32_t fromBigEndian(const unsigned char* bytes)
{
    const uint32_t word = (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) |
                          (uint32_t{bytes[2]} << 8) | uint32_t{bytes[3]};
    return static_cast<int32_t>(word);
}

void toBigEndian(int32_t value, unsigned char* bytes)
{
    const uint32_t word = static_cast<uint32_t>(value);
    bytes[0] = static_cast<unsigned char>(word >> 24);
    bytes[1] = static_cast<unsigned char>(word >> 16);
    bytes[2] = static_cast<unsigned char>(word >> 8);
    bytes[3] = static_cast<unsigned char>(word);
}

} // namespace

void PreferencesFile::load(PlugSettings& settings)
{
    const std::string path = preferencesFilePath();
    if (path.empty())
        return;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return;
    unsigned char bytes[kFileSize];
    const size_t length = std::fread(bytes, 1, sizeof(bytes), file);
    std::fclose(file);
    for (size_t word = 0; word < length / 4; ++word)
        settings.set(static_cast<int>(word), fromBigEndian(bytes + 4 * word));
}

void PreferencesFile::save(const PlugSettings& settings)
{
    const std::string path = preferencesFilePath();
    if (path.empty())
        return;
    unsigned char bytes[kFileSize];
    for (int word = 0; word < kNumSettings; ++word)
        toBigEndian(settings.get(word), bytes + 4 * word);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes, 1, sizeof(bytes), file);
    std::fclose(file);
}

void PreferencesFile::loadDefaults(PlugSettings& settings)
{
    settings.assign(kDefaultSettings);
    load(settings);
    save(settings);
}
