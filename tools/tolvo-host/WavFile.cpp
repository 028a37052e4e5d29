#include "tools/tolvo-host/WavFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tolvo {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;

uint32_t littleEndian(const unsigned char* bytes, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void appendLittleEndian(std::vector<unsigned char>& bytes, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

struct Format {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
};

bool parseFormat(const unsigned char* chunk, uint32_t size, Format& format)
{
    if (size < 16)
        return false;
    format.tag = static_cast<uint16_t>(littleEndian(chunk, 2));
    format.channels = static_cast<uint16_t>(littleEndian(chunk + 2, 2));
    format.sampleRate = littleEndian(chunk + 4, 4);
    format.bitsPerSample = static_cast<uint16_t>(littleEndian(chunk + 14, 2));
    // The extensible format names the real encoding in its sub-format GUID.
    if (format.tag == kFormatExtensible) {
        if (size < 40)
            return false;
        format.tag = static_cast<uint16_t>(littleEndian(chunk + 24, 2));
    }
    return true;
}

float decodeSample(const unsigned char* bytes, const Format& format)
{
    const int bits = format.bitsPerSample;
    if (format.tag == kFormatFloat) {
        if (bits == 32) {
            const uint32_t word = littleEndian(bytes, 4);
            float value = 0.0f;
            std::memcpy(&value, &word, sizeof(value));
            return value;
        }
        const uint64_t word =
            littleEndian(bytes, 4) | (static_cast<uint64_t>(littleEndian(bytes + 4, 4)) << 32);
        double value = 0.0;
        std::memcpy(&value, &word, sizeof(value));
        return static_cast<float>(value);
    }
    if (bits == 8)
        return static_cast<float>((static_cast<int>(bytes[0]) - 128) / 128.0);
    const int bytesPerSample = bits / 8;
    const uint32_t raw = littleEndian(bytes, bytesPerSample) << (32 - bits);
    return static_cast<float>(static_cast<int32_t>(raw) / 2147483648.0);
}

bool supported(const Format& format)
{
    if (format.tag == kFormatPcm)
        return format.bitsPerSample == 8 || format.bitsPerSample == 16 ||
               format.bitsPerSample == 24 || format.bitsPerSample == 32;
    if (format.tag == kFormatFloat)
        return format.bitsPerSample == 32 || format.bitsPerSample == 64;
    return false;
}

} // namespace

bool WavFile::read(const std::string& path, MonoAudio& audio, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), {});
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        error = path + " is not a WAV file";
        return false;
    }

    Format format;
    bool haveFormat = false;
    const unsigned char* data = nullptr;
    size_t dataSize = 0;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const unsigned char* header = bytes.data() + at;
        const size_t available = bytes.size() - at - 8;
        const size_t size = littleEndian(header + 4, 4);
        if (std::memcmp(header, "fmt ", 4) == 0) {
            haveFormat =
                parseFormat(header + 8, static_cast<uint32_t>(std::min(size, available)), format);
        } else if (std::memcmp(header, "data", 4) == 0) {
            // A truncated file keeps the samples it still holds.
            data = header + 8;
            dataSize = std::min(size, available);
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !data) {
        error = path + " has no format or no data chunk";
        return false;
    }
    if (!supported(format)) {
        error = path + ": unsupported encoding (format " + std::to_string(format.tag) + ", " +
                std::to_string(format.bitsPerSample) + " bits)";
        return false;
    }
    if (format.channels != 1) {
        error =
            path + " has " + std::to_string(format.channels) + " channels; a mono file is needed";
        return false;
    }
    if (format.sampleRate == 0) {
        error = path + " gives no sample rate";
        return false;
    }

    const size_t sampleBytes = format.bitsPerSample / 8;
    audio.sampleRate = format.sampleRate;
    audio.samples.resize(dataSize / sampleBytes);
    for (size_t i = 0; i < audio.samples.size(); ++i)
        audio.samples[i] = decodeSample(data + i * sampleBytes, format);
    return true;
}

bool WavFile::write(const std::string& path, const MonoAudio& audio, std::string& error)
{
    const uint32_t rate = static_cast<uint32_t>(std::lround(audio.sampleRate));
    const uint32_t dataSize = static_cast<uint32_t>(audio.samples.size() * 4);
    std::vector<unsigned char> bytes;
    bytes.reserve(58 + dataSize);
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    appendLittleEndian(bytes, 50 + dataSize, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    appendLittleEndian(bytes, 18, 4);
    appendLittleEndian(bytes, kFormatFloat, 2);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, rate, 4);
    appendLittleEndian(bytes, rate * 4, 4);
    appendLittleEndian(bytes, 4, 2);
    appendLittleEndian(bytes, 32, 2);
    appendLittleEndian(bytes, 0, 2);
    bytes.insert(bytes.end(), {'f', 'a', 'c', 't'});
    appendLittleEndian(bytes, 4, 4);
    appendLittleEndian(bytes, static_cast<uint32_t>(audio.samples.size()), 4);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    appendLittleEndian(bytes, dataSize, 4);
    for (float sample : audio.samples) {
        uint32_t word = 0;
        std::memcpy(&word, &sample, sizeof(word));
        appendLittleEndian(bytes, word, 4);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace tolvo
