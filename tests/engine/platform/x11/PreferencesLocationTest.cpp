// Where instances keep the per-user preferences file on Linux, as the built
// module finds it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "engine/PreferencesPath.h"
#include "tests/support/PluginFixture.h"
#include "tests/support/engine/FileBytes.h"
#include "tests/support/engine/TempFolder.h"

namespace tolvo {
namespace {

// Sets environment variables for one test and restores them afterwards.
class ScopedEnvironment {
public:
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    void set(const std::string& name, const char* value)
    {
        const char* old = std::getenv(name.c_str());
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            setenv(name.c_str(), value, 1);
        else
            unsetenv(name.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST(PreferencesLocation, ConfigHomeOrHomeConfig)
{
    ScopedEnvironment environment;
    environment.set("HOME", "/home/someone");
    environment.set("XDG_CONFIG_HOME", "/tmp/config");
    EXPECT_EQ(preferencesFilePath(), "/tmp/config/Corvath/Tolvo.veskpref");
    environment.set("XDG_CONFIG_HOME", "");
    EXPECT_EQ(preferencesFilePath(), "/home/someone/.config/Corvath/Tolvo.veskpref");
    environment.set("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(preferencesFilePath(), "/home/someone/.config/Corvath/Tolvo.veskpref");
    environment.set("HOME", nullptr);
    EXPECT_EQ(preferencesFilePath(), "");
}

class ModulePreferences : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(builtModule().isLoaded()) << builtModule().errorText(); }

    TempFolder config;
    std::filesystem::path corvath = config.path() / "Corvath";
    ScopedEnvironment environment;
};

TEST_F(ModulePreferences, NewInstanceWritesTheDefaultsIntoAnExistingFolder)
{
    std::filesystem::create_directory(corvath);
    environment.set("XDG_CONFIG_HOME", config.path().c_str());
    PluginInstance instance(builtModule());
    ASSERT_NE(instance.effect(), nullptr);
    EXPECT_EQ(readBytes(corvath / "Tolvo.veskpref"), bigEndianWords({0, 2, 2, 0, 0, 0, 0}));
}

TEST_F(ModulePreferences, WithoutTheFolderNothingIsCreated)
{
    environment.set("XDG_CONFIG_HOME", config.path().c_str());
    PluginInstance instance(builtModule());
    ASSERT_NE(instance.effect(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(corvath));
    EXPECT_EQ(instance.text(effGetParamDisplay, 0), "0");
}

TEST_F(ModulePreferences, HomeConfigServesWhenConfigHomeIsEmpty)
{
    const auto folder = config.path() / ".config" / "Corvath";
    std::filesystem::create_directories(folder);
    writeBytes(folder / "Tolvo.veskpref", bigEndianWords({0, 0, 1, 3, 0, 1, 1}));
    environment.set("XDG_CONFIG_HOME", "");
    environment.set("HOME", config.path().c_str());
    PluginInstance instance(builtModule());
    ASSERT_NE(instance.effect(), nullptr);
    instance.setParameter(1, 0.0f);
    EXPECT_EQ(instance.text(effGetParamDisplay, 1), "-24.00");
    void* data = nullptr;
    ASSERT_EQ(instance.dispatch(effGetChunk, 0, 0, &data), 56);
    int32_t words[7];
    std::memcpy(words, static_cast<const unsigned char*>(data) + 28, sizeof(words));
    const int32_t expected[] = {0, 0, 1, 3, 0, 1, 1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(words[i], expected[i]) << i;
}

} // namespace
} // namespace tolvo
