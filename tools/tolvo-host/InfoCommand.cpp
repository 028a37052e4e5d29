// tolvo-host info: what a host sees of the plug-in before audio flows.
#include <cstdio>

#include "tools/loader/PluginModule.h"
#include "tools/tolvo-host/Commands.h"
#include "tools/tolvo-host/HostedPlugin.h"

namespace tolvo {

namespace {

std::string fourCharText(VstInt32 code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += static_cast<char>((static_cast<uint32_t>(code) >> shift) & 0xFF);
    return text;
}

void printFlags(VstInt32 flags)
{
    std::printf("flags:          0x%04X", static_cast<unsigned>(flags));
    if (flags & effFlagsHasEditor)
        std::printf(" editor");
    if (flags & effFlagsCanReplacing)
        std::printf(" replacing");
    if (flags & effFlagsProgramChunks)
        std::printf(" chunks");
    if (flags & effFlagsCanDoubleReplacing)
        std::printf(" double-replacing");
    std::printf("\n");
}

} // namespace

int runInfo(const Arguments& arguments)
{
    HostedPlugin hosted(arguments);
    if (!hosted.isReady())
        return 1;
    PluginInstance& plugin = hosted.plugin();
    AEffect* effect = plugin.effect();
    std::printf("plug-in:        %s\n", hosted.path().c_str());
    std::printf("effect name:    %s\n", plugin.text(effGetEffectName).c_str());
    std::printf("vendor:         %s\n", plugin.text(effGetVendorString).c_str());
    std::printf("product:        %s\n", plugin.text(effGetProductString).c_str());
    std::printf("vendor version: %ld\n", static_cast<long>(plugin.dispatch(effGetVendorVersion)));
    std::printf("unique id:      %s\n", fourCharText(effect->uniqueID).c_str());
    std::printf("category:       %ld\n", static_cast<long>(plugin.dispatch(effGetPlugCategory)));
    std::printf("VST version:    %ld\n", static_cast<long>(plugin.dispatch(effGetVstVersion)));
    std::printf("inputs/outputs: %d/%d\n", effect->numInputs, effect->numOutputs);
    printFlags(effect->flags);
    std::printf("program:        %s (%d of %d)\n", plugin.text(effGetProgramName).c_str(),
                static_cast<int>(plugin.dispatch(effGetProgram)) + 1, effect->numPrograms);
    std::printf("parameters:     %d\n", effect->numParams);
    for (VstInt32 index = 0; index < effect->numParams; ++index) {
        std::printf("  %d %-8s %8.6f  %-8s %s\n", index,
                    plugin.text(effGetParamName, index).c_str(), plugin.getParameter(index),
                    plugin.text(effGetParamDisplay, index).c_str(),
                    plugin.text(effGetParamLabel, index).c_str());
    }
    return 0;
}

} // namespace tolvo
