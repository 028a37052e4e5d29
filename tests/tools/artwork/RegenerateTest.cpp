// The committed images are exactly what the generator paints.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "view/PngDecoder.h"
#include "view/ResourceLookup.h"

namespace tolvo {
namespace {

namespace fs = std::filesystem;

TEST(Artwork, RegeneratedImagesEqualTheEmbeddedOnes)
{
#ifndef TOLVO_ARTWORK_GENERATOR
    GTEST_SKIP() << "the artwork generator is not built for this target";
#else
    const std::string generator = TOLVO_ARTWORK_GENERATOR;
    if (std::system(("\"" + generator + "\" --check-fonts").c_str()) != 0)
        GTEST_SKIP() << "the generator's font files are not installed";
    const fs::path folder = fs::temp_directory_path() / "tolvo-artwork-regenerated";
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_EQ(std::system(("\"" + generator + "\" \"" + folder.string() + "\"").c_str()), 0);

    int compared = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const int32_t id = std::atoi(name.c_str());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        gui::DecodedImage regenerated, embedded;
        ASSERT_TRUE(gui::decodePng(bytes.data(), bytes.size(), regenerated)) << name;
        const gui::ResourceBytes resource = gui::findPngResource(id);
        ASSERT_TRUE(gui::decodePng(resource.data, resource.size, embedded)) << name;
        EXPECT_EQ(regenerated.width, embedded.width) << name;
        EXPECT_EQ(regenerated.height, embedded.height) << name;
        EXPECT_TRUE(regenerated.pixels == embedded.pixels)
            << name << " differs from the committed image: run the `artwork` target";
        ++compared;
    }
    EXPECT_EQ(compared, 17);
    fs::remove_all(folder);
#endif
}

} // namespace
} // namespace tolvo
