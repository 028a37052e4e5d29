// Drives a Plug created directly (no host): process blocks, read texts and
// meters.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "editor/PlugEd.h"
#include "engine/Plug.h"

namespace tolvo {

class PlugDriver {
public:
    PlugDriver() : plug(std::make_unique<Plug>(nullptr, PlugEd::create)) {}

    Plug& operator*() { return *plug; }
    Plug* operator->() { return plug.get(); }

    std::vector<float> process(const std::vector<float>& input) { return run(input); }
    std::vector<double> processDouble(const std::vector<double>& input) { return run(input); }

    // Feeds n copies of one sample, in blocks of 1024.
    void feed(float sample, long n)
    {
        std::vector<float> block(1024, sample);
        while (n > 0) {
            const long size = n < 1024 ? n : 1024;
            block.resize(static_cast<size_t>(size));
            process(block);
            n -= size;
        }
    }

    std::string display(VstInt32 index)
    {
        char text[64] = {};
        plug->getParameterDisplay(index, text);
        return text;
    }

    MeterReadout meters()
    {
        MeterReadout readout{};
        plug->getMeters(&readout);
        return readout;
    }

private:
    template <typename Sample>
    std::vector<Sample> run(const std::vector<Sample>& input)
    {
        std::vector<Sample> in = input;
        std::vector<Sample> out(input.size(), Sample(0));
        Sample* inputs[] = {in.data()};
        Sample* outputs[] = {out.data()};
        if constexpr (std::is_same_v<Sample, double>)
            plug->processDoubleReplacing(inputs, outputs, static_cast<VstInt32>(in.size()));
        else
            plug->processReplacing(inputs, outputs, static_cast<VstInt32>(in.size()));
        return out;
    }

    std::unique_ptr<Plug> plug;
};

} // namespace tolvo
