// A preferences file of any bytes and length, read by a new instance, which
// writes it back whole; then saved again as the settings page does.
#include <cstdio>
#include <vector>

#include "engine/PreferencesFile.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/InstanceChecks.h"
#include "tests/support/engine/FileBytes.h"
#include "tests/support/engine/TempFolder.h"
#include "tests/support/engine/TestPreferencesPath.h"

namespace tolvo {

namespace {

constexpr size_t kFileSize = 4 * kNumSettings;

const std::filesystem::path& preferencesFile()
{
    static TempFolder folder;
    static const std::filesystem::path file = folder.path() / "Tolvo.veskpref";
    return file;
}

SettingsWords expectedWords(const std::vector<unsigned char>& bytes)
{
    SettingsWords words = kDefaultSettings;
    for (size_t word = 0; word < kNumSettings && 4 * word + 4 <= bytes.size(); ++word) {
        const unsigned char* at = bytes.data() + 4 * word;
        words[word] = static_cast<int32_t>(uint32_t{at[0]} << 24 | uint32_t{at[1]} << 16 |
                                           uint32_t{at[2]} << 8 | uint32_t{at[3]});
    }
    return words;
}

std::vector<unsigned char> bigEndianFile(const SettingsWords& words)
{
    return bigEndianWords(std::vector<int32_t>(words.begin(), words.end()));
}

} // namespace

void fuzzPreferencesFile(const uint8_t* data, size_t size)
{
    const std::filesystem::path& file = preferencesFile();
    const std::vector<unsigned char> bytes(data, data + size);
    writeBytes(file, bytes);
    usePreferencesFile(file.string());
    {
        Plug plug(nullptr, PlugEd::create);
        const SettingsWords words = plug.getSettings()->snapshot();
        FUZZ_CHECK(words == expectedWords(bytes));
        FUZZ_CHECK(readBytes(file) == bigEndianFile(words));
        checkInstance(plug);

        // Saved again with a changed word, the file holds the live words and
        // a second instance starts from them.
        plug.getSettings()->set(kSettingMuteLamp, words[kSettingMuteLamp] ^ 1);
        PreferencesFile::save(*plug.getSettings());
        FUZZ_CHECK(readBytes(file).size() == kFileSize);
        Plug next(nullptr, PlugEd::create);
        FUZZ_CHECK(next.getSettings()->snapshot() == plug.getSettings()->snapshot());
    }
    usePreferencesFile(std::string());
}

} // namespace tolvo
