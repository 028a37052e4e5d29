// tolvo-host: the project's own small host for loading, inspecting and
// running the plug-in.
#include <cstdio>
#include <cstring>

#include "engine/Version.h"
#include "tools/tolvo-host/Commands.h"

namespace {

void printUsage()
{
    std::fprintf(
        stderr, "usage: tolvo-host COMMAND [options]\n"
                "  --version              the release version\n"
                "  info [--plugin PATH]   identity, flags, parameters and program\n"
                "  editor [--plugin PATH] [--seconds N] [--screenshot FILE] [--state FILE]\n"
                "         [--signal tone|silence] [--no-editor] [--cpu-share] [--scale 1|2|3]\n"
                "                         open the editor in a window; with --screenshot save\n"
                "                         the window as PNG after N seconds (default 2) and exit;\n"
                "                         --state restores a saved 56-byte state block first;\n"
                "                         --cpu-share prints the process's CPU time / wall time\n"
                "                         --scale draws the editor at 1, 2 or 3 times its size\n"
                "  contact-sheet OUT.png [--scale N]\n"
                "                         every image built into the module on one sheet\n"
                "  render IN.wav OUT.wav [--gain DB] [--trim DB] [--trim-range 12|24|36]\n"
                "         [--phase] [--mute] [--bypass] [--ballistics dppm|ppm|vu|bbc]\n"
                "         [--state FILE] [--save-state FILE] [--plugin PATH]\n"
                "                         process a mono WAV file through the plug-in and\n"
                "                         print input and output peak and RMS levels\n"
                "  tone OUT.wav [--freq HZ] [--seconds S] [--level DBFS] [--rate HZ]\n"
                "                         write a mono sine test tone (default 1 kHz, 2 s,\n"
                "                         -12 dBFS, 44100 Hz)\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage();
        return 2;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("tolvo-host %s\n", kVersionText);
        return 0;
    }
    tolvo::Arguments arguments(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "info") == 0)
        return tolvo::runInfo(arguments);
    if (std::strcmp(argv[1], "editor") == 0)
        return tolvo::runEditor(arguments);
    if (std::strcmp(argv[1], "contact-sheet") == 0)
        return tolvo::runContactSheet(arguments);
    if (std::strcmp(argv[1], "render") == 0)
        return tolvo::runRender(arguments);
    if (std::strcmp(argv[1], "tone") == 0)
        return tolvo::runTone(arguments);
    printUsage();
    return 2;
}
