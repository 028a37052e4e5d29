#include "tools/tolvo-host/StateFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace tolvo {

bool loadState(PluginInstance& plugin, const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), {});
    if (!file.eof() && !file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    if (plugin.dispatch(effSetChunk, 0, static_cast<VstIntPtr>(bytes.size()), bytes.data()) !=
        kChunkSize) {
        std::fprintf(stderr, "%s: the plug-in refused the state (%zu bytes, 56 expected)\n",
                     path.c_str(), bytes.size());
        return false;
    }
    return true;
}

bool saveState(PluginInstance& plugin, const std::string& path)
{
    void* data = nullptr;
    const VstIntPtr size = plugin.dispatch(effGetChunk, 0, 0, &data);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (size <= 0 || !data ||
        !file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size))) {
        std::fprintf(stderr, "cannot write the state to %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace tolvo
