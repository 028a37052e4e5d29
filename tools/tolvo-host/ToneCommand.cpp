// tolvo-host tone: writes a mono sine test tone as a 32-bit float WAV file.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/tolvo-host/Commands.h"
#include "tools/tolvo-host/WavFile.h"

namespace tolvo {

namespace {

bool numberOption(const Arguments& arguments, const std::string& name, double& number)
{
    std::string text;
    if (!optionValue(arguments, name, text))
        return true;
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(number)) {
        std::fprintf(stderr, "%s takes a number\n", name.c_str());
        return false;
    }
    return true;
}

} // namespace

int runTone(const Arguments& arguments)
{
    if (arguments.empty() || arguments[0].rfind("--", 0) == 0) {
        std::fprintf(stderr, "tone needs OUT.wav\n");
        return 2;
    }
    double frequency = 1000.0;
    double seconds = 2.0;
    double level = -12.0;
    double rate = 44100.0;
    if (!numberOption(arguments, "--freq", frequency) ||
        !numberOption(arguments, "--seconds", seconds) ||
        !numberOption(arguments, "--level", level) || !numberOption(arguments, "--rate", rate))
        return 2;
    if (rate < 1000.0 || rate > 768000.0 || seconds < 0.0 || seconds > 3600.0 || frequency <= 0.0 ||
        frequency >= rate / 2.0) {
        std::fprintf(stderr, "tone: rate 1000..768000 Hz, 0..3600 s, 0 < freq < rate/2\n");
        return 2;
    }

    MonoAudio audio;
    audio.sampleRate = std::round(rate);
    audio.samples.resize(static_cast<size_t>(std::llround(seconds * audio.sampleRate)));
    const double amplitude = std::pow(10.0, level / 20.0);
    const double step = 2.0 * std::acos(-1.0) * frequency / audio.sampleRate;
    for (size_t i = 0; i < audio.samples.size(); ++i)
        audio.samples[i] = static_cast<float>(amplitude * std::sin(step * static_cast<double>(i)));

    std::string error;
    if (!WavFile::write(arguments[0], audio, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %.0f Hz, %.2f dBFS, %.3f s at %.0f Hz\n", arguments[0].c_str(), frequency,
                level, seconds, audio.sampleRate);
    return 0;
}

} // namespace tolvo
