// Mono WAV files for render and tone: reads 8-, 16-, 24- and 32-bit PCM and
// 32- and 64-bit float (plain or extensible format), writes 32-bit float.
#pragma once

#include <string>
#include <vector>

namespace tolvo {

struct MonoAudio {
    double sampleRate = 44100.0;
    std::vector<float> samples;
};

class WavFile {
public:
    // False with a message when the file is missing, malformed, not mono or
    // in an unsupported encoding.
    static bool read(const std::string& path, MonoAudio& audio, std::string& error);
    static bool write(const std::string& path, const MonoAudio& audio, std::string& error);
};

} // namespace tolvo
