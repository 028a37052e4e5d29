#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>

#include "tests/support/engine/TempFolder.h"
#include "tools/tolvo-host/WavFile.h"

namespace tolvo {
namespace {

void append(std::vector<unsigned char>& bytes, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A WAV file with one format chunk and one data chunk.
std::vector<unsigned char> wavBytes(uint16_t format, uint16_t channels, uint16_t bits,
                                    const std::vector<unsigned char>& data)
{
    std::vector<unsigned char> bytes = {'R', 'I', 'F', 'F'};
    append(bytes, static_cast<uint32_t>(36 + data.size()), 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    append(bytes, 16, 4);
    append(bytes, format, 2);
    append(bytes, channels, 2);
    append(bytes, 48000, 4);
    append(bytes, 48000u * channels * bits / 8, 4);
    append(bytes, channels * bits / 8, 2);
    append(bytes, bits, 2);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    append(bytes, static_cast<uint32_t>(data.size()), 4);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

class WavFileTest : public ::testing::Test {
protected:
    std::string write(const std::vector<unsigned char>& bytes)
    {
        const std::string path = (folder.path() / "file.wav").string();
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    TempFolder folder;
    MonoAudio audio;
    std::string error;
};

TEST_F(WavFileTest, FloatRoundTrip)
{
    MonoAudio original{96000.0, {0.5f, -1.0f, 1e-30f, 0.0f}};
    const std::string path = (folder.path() / "round.wav").string();
    ASSERT_TRUE(WavFile::write(path, original, error)) << error;
    ASSERT_TRUE(WavFile::read(path, audio, error)) << error;
    EXPECT_EQ(audio.sampleRate, 96000.0);
    EXPECT_EQ(audio.samples, original.samples);
}

TEST_F(WavFileTest, PcmEncodings)
{
    ASSERT_TRUE(WavFile::read(write(wavBytes(1, 1, 16, {0x00, 0x40, 0x00, 0x80})), audio, error));
    EXPECT_EQ(audio.samples, (std::vector<float>{0.5f, -1.0f}));
    EXPECT_EQ(audio.sampleRate, 48000.0);
    ASSERT_TRUE(WavFile::read(write(wavBytes(1, 1, 24, {0x00, 0x00, 0xC0})), audio, error));
    EXPECT_EQ(audio.samples, (std::vector<float>{-0.5f}));
    ASSERT_TRUE(WavFile::read(write(wavBytes(1, 1, 8, {128, 192})), audio, error));
    EXPECT_EQ(audio.samples, (std::vector<float>{0.0f, 0.5f}));
}

TEST_F(WavFileTest, RefusesWhatItCannotRead)
{
    EXPECT_FALSE(WavFile::read((folder.path() / "missing.wav").string(), audio, error));
    EXPECT_FALSE(WavFile::read(write({'R', 'I', 'F', 'F'}), audio, error));
    EXPECT_FALSE(WavFile::read(write(wavBytes(1, 2, 16, {0, 0, 0, 0})), audio, error));
    EXPECT_NE(error.find("2 channels"), std::string::npos) << error;
    EXPECT_FALSE(WavFile::read(write(wavBytes(1, 1, 12, {0, 0})), audio, error));
    EXPECT_FALSE(WavFile::read(write(wavBytes(2, 1, 16, {0, 0})), audio, error));
}

TEST_F(WavFileTest, TruncatedFilesKeepWhatTheyHold)
{
    std::vector<unsigned char> bytes = wavBytes(1, 1, 16, {0x00, 0x40, 0x00, 0x80, 0x00, 0x20});
    bytes.resize(bytes.size() - 3);
    ASSERT_TRUE(WavFile::read(write(bytes), audio, error)) << error;
    EXPECT_EQ(audio.samples, (std::vector<float>{0.5f}));
    for (size_t size = 0; size < bytes.size(); ++size) {
        std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        WavFile::read(write(cut), audio, error);
    }
}

} // namespace
} // namespace tolvo
