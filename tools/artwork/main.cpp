// tolvo-artwork: paints the editor's seventeen PNG images.
//   tolvo-artwork OUTDIR         writes them into OUTDIR (resources/ of the tree)
//   tolvo-artwork --check-fonts  exit 0 when every font file is installed
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/artwork/ButtonArt.h"
#include "tools/artwork/DigitStrips.h"
#include "tools/artwork/FaderArt.h"
#include "tools/artwork/FontBook.h"
#include "tools/artwork/LogoArt.h"
#include "tools/artwork/PanelArt.h"
#include "tools/artwork/SettingsPageArt.h"

using namespace artwork;

namespace {

struct Picture {
    const char* file;
    std::function<std::unique_ptr<Image>()> paint;
};

// The buttons and the logo are painted over the single-channel panel at the
// places where the editor puts them.
std::vector<Picture> pictures(const FontBook& fonts, Image& panel)
{
    return {
        {"110-panel-two-channel.png", [&] { return mainPanel(fonts, true); }},
        {"111-button-flip.png",
         [&] { return lampButtonStrip(fonts, "FLIP", rgb(0x2fd8f0), panel, 179, 297); }},
        {"112-fader-cap.png", [] { return faderCap(); }},
        {"113-button-mute.png",
         [&] { return lampButtonStrip(fonts, "MUTE", rgb(0xff3030), panel, 179, 371); }},
        {"114-fader-cap-mask.png", [] { return faderCapMask(); }},
        {"116-button-bypass.png",
         [&] { return lampButtonStrip(fonts, "BYPASS", rgb(0xf03cdc), panel, 179, 334); }},
        {"117-button-pre.png", [&] { return preButtonStrip(fonts, panel, 58, 448); }},
        {"118-button-fine.png",
         [&] { return lampButtonStrip(fonts, "FINE", rgb(0x3be04f), panel, 179, 408); }},
        {"119-digits-small.png", [] { return smallDigitStrip(); }},
        {"120-digits-large.png", [] { return largeDigitStrip(); }},
        {"121-logo.png", [&] { return logoStrip(fonts, panel, 7, 71); }},
        {"122-settings-two-channel.png", [&] { return settingsPage(fonts, true); }},
        {"123-panel.png", [&] { return mainPanel(fonts, false); }},
        {"124-meter-colours.png", [] { return meterColourStrip(); }},
        {"125-option-mark.png", [] { return optionMark(); }},
        {"126-settings-buttons-lit.png", [&] { return settingsButtonsLit(fonts); }},
        {"127-settings.png", [&] { return settingsPage(fonts, false); }},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tolvo-artwork OUTDIR | --check-fonts\n");
        return 2;
    }
    FontBook fonts;
    if (!fonts.complete()) {
        std::fprintf(stderr, "tolvo-artwork: missing fonts: %s\n", fonts.missing().c_str());
        return 1;
    }
    if (std::strcmp(argv[1], "--check-fonts") == 0)
        return 0;
    const std::string folder = argv[1];
    const std::unique_ptr<Image> panel = mainPanel(fonts, false);
    for (const Picture& picture : pictures(fonts, *panel)) {
        const std::string path = folder + "/" + picture.file;
        if (!picture.paint()->save(path)) {
            std::fprintf(stderr, "tolvo-artwork: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
