// Every committed fuzz input (the seed corpora and the inputs that once broke
// an invariant) runs through its target as an ordinary test, in every build.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzTargets.h"
#include "tests/support/engine/FileBytes.h"

namespace tolvo {

void reportBrokenInvariant(const char* condition, const char* file, int line)
{
    ADD_FAILURE_AT(file, line) << "broken invariant: " << condition;
}

namespace {

std::vector<std::filesystem::path> inputsOf(const char* target, const char* kind)
{
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(TOLVO_FUZZ_INPUTS) / kind / target;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class FuzzReplay : public ::testing::TestWithParam<NamedFuzzTarget> {
protected:
    void replay(const std::vector<std::filesystem::path>& files)
    {
        for (const auto& file : files) {
            SCOPED_TRACE(file.string());
            const std::vector<unsigned char> bytes = readBytes(file);
            GetParam().run(bytes.data(), bytes.size());
        }
    }
};

TEST_P(FuzzReplay, EmptySeedAndRegressionInputs)
{
    GetParam().run(nullptr, 0);
    const std::vector<std::filesystem::path> seeds = inputsOf(GetParam().name, "corpus");
    ASSERT_FALSE(seeds.empty()) << "every target has seeds";
    replay(seeds);
    replay(inputsOf(GetParam().name, "regressions"));
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(kFuzzTargets),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tolvo
