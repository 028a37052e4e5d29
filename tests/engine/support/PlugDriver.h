// Drives a Plug created directly (no host): process blocks, read texts and
// meters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Plug.h"

namespace tolvo {

class PlugDriver {
public:
    PlugDriver() : plug(std::make_unique<Plug>(nullptr)) {}

    Plug& operator*() { return *plug; }
    Plug* operator->() { return plug.get(); }

    std::vector<float> process(const std::vector<float>& input)
    {
        std::vector<float> in = input;
        std::vector<float> out(input.size(), 0.0f);
        float* inputs[] = {in.data()};
        float* outputs[] = {out.data()};
        plug->processReplacing(inputs, outputs, static_cast<VstInt32>(in.size()));
        return out;
    }

    std::vector<double> processDouble(const std::vector<double>& input)
    {
        std::vector<double> in = input;
        std::vector<double> out(input.size(), 0.0);
        double* inputs[] = {in.data()};
        double* outputs[] = {out.data()};
        plug->processDoubleReplacing(inputs, outputs, static_cast<VstInt32>(in.size()));
        return out;
    }

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
    std::unique_ptr<Plug> plug;
};

} // namespace tolvo
