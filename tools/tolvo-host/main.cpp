// tolvo-host: the project's own small host for loading, inspecting and
// running the plug-in.
#include <cstdio>
#include <cstring>

#include "tools/tolvo-host/Commands.h"

namespace {

void printUsage()
{
    std::fprintf(stderr,
                 "usage: tolvo-host COMMAND [options]\n"
                 "  info [--plugin PATH]   identity, flags, parameters and program\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage();
        return 2;
    }
    tolvo::Arguments arguments(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "info") == 0)
        return tolvo::runInfo(arguments);
    printUsage();
    return 2;
}
