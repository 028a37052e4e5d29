// Per-sample cost of the three process calls, with a signal and after two
// minutes of silence, against the bare kernel; prints the ratios at the end.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "benchmarks/BareKernel.h"
#include "editor/PlugEd.h"
#include "engine/Ballistics.h"
#include "engine/Plug.h"

namespace tolvo {
namespace {

constexpr double kSampleRate = 44100.0;
constexpr int kBlockSizes[] = {64, 512, 4096};
const char* const kCalls[] = {"replacing", "double", "accumulating"};

template <typename Sample>
std::vector<Sample> signal(int frames)
{
    std::vector<Sample> samples(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        samples[static_cast<size_t>(i)] = static_cast<Sample>(0.7 * std::sin(0.031 * i));
    return samples;
}

// An instance at -3 dB whose meters have decayed through two minutes of
// silence after a full-scale second.
std::unique_ptr<Plug> plugAfterSilence()
{
    auto plug = std::make_unique<Plug>(nullptr, PlugEd::create);
    std::vector<float> block(4096, 1.0f);
    std::vector<float> out(block.size());
    float* inputs[] = {block.data()};
    float* outputs[] = {out.data()};
    for (long done = 0; done < static_cast<long>(kSampleRate); done += 4096)
        plug->processReplacing(inputs, outputs, 4096);
    std::fill(block.begin(), block.end(), 0.0f);
    for (long done = 0; done < static_cast<long>(120 * kSampleRate); done += 4096)
        plug->processReplacing(inputs, outputs, 4096);
    return plug;
}

void setGain(Plug& plug)
{
    plug.setParameter(kParamGain, 0.45f);
    plug.resume();
}

template <typename Sample>
void runPlug(Plug& plug, int call, Sample* in, Sample* out, VstInt32 frames)
{
    Sample* inputs[] = {in};
    Sample* outputs[] = {out};
    if constexpr (std::is_same_v<Sample, double>) {
        plug.processDoubleReplacing(inputs, outputs, frames);
    } else if (call == 2) {
        plug.process(inputs, outputs, frames);
    } else {
        plug.processReplacing(inputs, outputs, frames);
    }
}

template <typename Sample>
void plugBenchmark(benchmark::State& state, int call, int frames, bool silence)
{
    std::unique_ptr<Plug> plug =
        silence ? plugAfterSilence() : std::make_unique<Plug>(nullptr, PlugEd::create);
    setGain(*plug);
    std::vector<Sample> in = silence ? std::vector<Sample>(frames, 0) : signal<Sample>(frames);
    std::vector<Sample> out(static_cast<size_t>(frames));
    for (auto _ : state) {
        runPlug(*plug, call, in.data(), out.data(), frames);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

template <typename Sample>
void kernelBenchmark(benchmark::State& state, int call, int frames)
{
    const MeterCoefficients coefficients = ballisticsCoefficients(kDigitalPpm, kSampleRate);
    BareKernel kernel(0.45 * 0.45 * 0.45 * 8.0, coefficients.attack, coefficients.release);
    std::vector<Sample> in = signal<Sample>(frames);
    std::vector<Sample> out(static_cast<size_t>(frames));
    for (auto _ : state) {
        if (call == 2)
            kernel.run<Sample, Sample, true>(in.data(), out.data(), frames);
        else
            kernel.run<Sample, Sample, false>(in.data(), out.data(), frames);
        benchmark::DoNotOptimize(out.data());
        benchmark::DoNotOptimize(kernel);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

std::string nameOf(int call, const char* kind, int frames)
{
    return std::string(kCalls[call]) + "/" + kind + "/" + std::to_string(frames);
}

void registerAll()
{
    for (int call = 0; call < 3; ++call) {
        for (int frames : kBlockSizes) {
            if (call == 1) {
                benchmark::RegisterBenchmark(nameOf(call, "kernel", frames).c_str(),
                                             kernelBenchmark<double>, call, frames);
                benchmark::RegisterBenchmark(nameOf(call, "plug", frames).c_str(),
                                             plugBenchmark<double>, call, frames, false);
                benchmark::RegisterBenchmark(nameOf(call, "silence", frames).c_str(),
                                             plugBenchmark<double>, call, frames, true);
            } else {
                benchmark::RegisterBenchmark(nameOf(call, "kernel", frames).c_str(),
                                             kernelBenchmark<float>, call, frames);
                benchmark::RegisterBenchmark(nameOf(call, "plug", frames).c_str(),
                                             plugBenchmark<float>, call, frames, false);
                benchmark::RegisterBenchmark(nameOf(call, "silence", frames).c_str(),
                                             plugBenchmark<float>, call, frames, true);
            }
        }
    }
}

// Keeps the time per iteration of every benchmark for the ratio table: the
// median when repetitions are asked for, else the single run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                times.emplace(run.run_name.str(), run.GetAdjustedCPUTime());
            else if (run.aggregate_name == "median")
                times[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
    }

    void printRatios() const
    {
        std::printf("\n%-14s %6s %22s %24s\n", "call", "block", "plug / bare kernel",
                    "silence / signal (plug)");
        for (int call = 0; call < 3; ++call) {
            for (int frames : kBlockSizes) {
                const double kernel = timeOf(nameOf(call, "kernel", frames));
                const double plug = timeOf(nameOf(call, "plug", frames));
                const double silence = timeOf(nameOf(call, "silence", frames));
                std::printf("%-14s %6d %22.3f %24.3f\n", kCalls[call], frames, plug / kernel,
                            silence / plug);
            }
        }
        std::printf("targets: plug / bare kernel <= 1.15, silence / signal <= 1.2\n");
    }

private:
    double timeOf(const std::string& name) const
    {
        auto found = times.find(name);
        return found == times.end() ? NAN : found->second;
    }

    std::map<std::string, double> times;
};

} // namespace
} // namespace tolvo

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    tolvo::registerAll();
    tolvo::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
