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
                 "  info [--plugin PATH]   identity, flags, parameters and program\n"
                 "  editor [--plugin PATH] [--seconds N] [--screenshot FILE]\n"
                 "                         open the editor in a window; with --screenshot save\n"
                 "                         the window as PNG after N seconds (default 2) and exit\n"
                 "  contact-sheet OUT.png [--scale N]\n"
                 "                         every image built into the module on one sheet\n");
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
    if (std::strcmp(argv[1], "editor") == 0)
        return tolvo::runEditor(arguments);
    if (std::strcmp(argv[1], "contact-sheet") == 0)
        return tolvo::runContactSheet(arguments);
    printUsage();
    return 2;
}
