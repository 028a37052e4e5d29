// tolvo-host render: runs a mono WAV file through the plug-in as a host
// would, in host-sized blocks, and reports the levels before and after.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/loader/PluginModule.h"
#include "tools/tolvo-host/Commands.h"
#include "tools/tolvo-host/HostedPlugin.h"
#include "tools/tolvo-host/StateFile.h"
#include "tools/tolvo-host/WavFile.h"

namespace tolvo {

namespace {

constexpr VstInt32 kBlockSize = 512;
constexpr int kTrimRangeOffset = 36;
constexpr int kBallisticsOffset = 40;

const std::vector<std::string> kValueOptions = {
    "--gain", "--trim", "--trim-range", "--ballistics", "--state", "--save-state", "--plugin"};

Arguments positionalArguments(const Arguments& arguments)
{
    Arguments positional;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (std::find(kValueOptions.begin(), kValueOptions.end(), arguments[i]) !=
            kValueOptions.end())
            ++i;
        else if (arguments[i].rfind("--", 0) != 0)
            positional.push_back(arguments[i]);
    }
    return positional;
}

bool parseNumber(const std::string& text, double& number)
{
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0' && !std::isnan(number);
}

double decibels(double linear)
{
    return 20.0 * std::log10(linear);
}

void printLevels(const char* name, const std::vector<float>& samples)
{
    double peak = 0.0;
    double sum = 0.0;
    for (float sample : samples) {
        peak = std::max(peak, std::fabs(static_cast<double>(sample)));
        sum += static_cast<double>(sample) * sample;
    }
    const double rms = samples.empty() ? 0.0 : std::sqrt(sum / samples.size());
    std::printf("%-7s peak %8.2f dBFS   rms %8.2f dBFS\n", name, decibels(peak), decibels(rms));
}

// The settings words travel in the state block: a host has no other way in.
class StateBlock {
public:
    explicit StateBlock(PluginInstance& plugin) : plugin(plugin)
    {
        void* data = nullptr;
        if (plugin.dispatch(effGetChunk, 0, 0, &data) == kChunkSize && data)
            bytes.assign(static_cast<unsigned char*>(data),
                         static_cast<unsigned char*>(data) + kChunkSize);
    }
    bool valid() const { return bytes.size() == kChunkSize; }
    int32_t word(int offset) const
    {
        int32_t value = 0;
        std::memcpy(&value, bytes.data() + offset, sizeof(value));
        return value;
    }
    void setWord(int offset, int32_t value)
    {
        std::memcpy(bytes.data() + offset, &value, sizeof(value));
    }
    bool apply() { return plugin.dispatch(effSetChunk, 0, kChunkSize, bytes.data()) == kChunkSize; }

private:
    PluginInstance& plugin;
    std::vector<unsigned char> bytes;
};

// --trim-range and --ballistics, written into the settings words.
bool applySettings(PluginInstance& plugin, const Arguments& arguments)
{
    std::string range;
    std::string ballistics;
    const bool haveRange = optionValue(arguments, "--trim-range", range);
    const bool haveBallistics = optionValue(arguments, "--ballistics", ballistics);
    if (!haveRange && !haveBallistics)
        return true;
    StateBlock block(plugin);
    if (!block.valid()) {
        std::fprintf(stderr, "the plug-in gave no state block\n");
        return false;
    }
    if (haveRange) {
        const char* ranges[] = {"12", "24", "36"};
        auto found = std::find(std::begin(ranges), std::end(ranges), range);
        if (found == std::end(ranges)) {
            std::fprintf(stderr, "--trim-range takes 12, 24 or 36\n");
            return false;
        }
        block.setWord(kTrimRangeOffset, static_cast<int32_t>(found - std::begin(ranges)));
    }
    if (haveBallistics) {
        const std::string modes[] = {"dppm", "ppm", "vu", "bbc"};
        auto found = std::find(std::begin(modes), std::end(modes), ballistics);
        if (found == std::end(modes)) {
            std::fprintf(stderr, "--ballistics takes dppm, ppm, vu or bbc\n");
            return false;
        }
        block.setWord(kBallisticsOffset, static_cast<int32_t>(found - std::begin(modes)));
    }
    return block.apply();
}

// --gain and --trim in dB, the switches as flags.
bool applyParameters(PluginInstance& plugin, const Arguments& arguments)
{
    std::string text;
    double number = 0.0;
    if (optionValue(arguments, "--gain", text)) {
        if (!parseNumber(text, number)) {
            std::fprintf(stderr, "--gain takes a number of dB\n");
            return false;
        }
        const double normalized = std::cbrt(std::pow(10.0, number / 20.0) / 8.0);
        plugin.setParameter(0, static_cast<float>(std::min(normalized, 1.0)));
    }
    if (optionValue(arguments, "--trim", text)) {
        if (!parseNumber(text, number)) {
            std::fprintf(stderr, "--trim takes a number of dB\n");
            return false;
        }
        StateBlock block(plugin);
        const int32_t word = block.valid() ? block.word(kTrimRangeOffset) : 2;
        const double range = 12.0 * (1 + (word < 0 ? 0 : word % 3));
        const double normalized = (range + number) / (2.0 * range);
        plugin.setParameter(1, static_cast<float>(std::clamp(normalized, 0.0, 1.0)));
    }
    const char* switches[] = {"--phase", "--mute", "--bypass"};
    for (int i = 0; i < 3; ++i)
        if (hasFlag(arguments, switches[i]))
            plugin.setParameter(2 + i, 1.0f);
    return true;
}

void printParameters(PluginInstance& plugin)
{
    std::printf("settings");
    for (VstInt32 index = 0; index < plugin.effect()->numParams; ++index) {
        std::string display = plugin.text(effGetParamDisplay, index);
        display.erase(0, display.find_first_not_of(' '));
        std::printf("  %s %s", plugin.text(effGetParamName, index).c_str(), display.c_str());
    }
    std::printf("\n");
}

} // namespace

int runRender(const Arguments& arguments)
{
    const Arguments files = positionalArguments(arguments);
    if (files.size() != 2) {
        std::fprintf(stderr, "render needs IN.wav and OUT.wav\n");
        return 2;
    }
    MonoAudio audio;
    std::string error;
    if (!WavFile::read(files[0], audio, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    HostedPlugin hosted(arguments);
    if (!hosted.isReady())
        return 1;
    PluginInstance& plugin = hosted.plugin();
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(audio.sampleRate));
    plugin.dispatch(effSetBlockSize, 0, kBlockSize);

    std::string statePath;
    if (optionValue(arguments, "--state", statePath) && !loadState(plugin, statePath))
        return 1;
    if (!applySettings(plugin, arguments) || !applyParameters(plugin, arguments))
        return 2;
    plugin.dispatch(effMainsChanged, 0, 1);

    std::vector<float> output(audio.samples.size());
    for (size_t at = 0; at < audio.samples.size(); at += kBlockSize) {
        const size_t frames = std::min<size_t>(kBlockSize, audio.samples.size() - at);
        plugin.processReplacing(audio.samples.data() + at, output.data() + at,
                                static_cast<VstInt32>(frames));
    }
    plugin.dispatch(effMainsChanged, 0, 0);

    printParameters(plugin);
    printLevels("input", audio.samples);
    printLevels("output", output);

    MonoAudio rendered{audio.sampleRate, std::move(output)};
    if (!WavFile::write(files[1], rendered, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (optionValue(arguments, "--save-state", statePath) && !saveState(plugin, statePath))
        return 1;
    return 0;
}

} // namespace tolvo
