// The editor scale rule and the Xft.dpi reader; no window system involved.
#include "view/platform/EditorScale.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace gui {

namespace {

constexpr double kMaxScreenShare = 0.9;
constexpr char kXftDpiKey[] = "Xft.dpi:";

// A whole positive number and nothing else, or 0.
int32_t wholeNumberOf(const char* text)
{
    if (!text || *text < '1' || *text > '9')
        return 0;
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value <= 0 || value > 1000)
        return 0;
    return static_cast<int32_t>(value);
}

int32_t wantedScale(const ScaleSources& sources)
{
    if (std::isfinite(sources.hostScale) && sources.hostScale > 0.0)
        return roundEditorScale(sources.hostScale);
    int32_t user = wholeNumberOf(sources.userScale);
    if (user >= 1 && user <= kMaxEditorScale)
        return user;
    if (int32_t desktop = wholeNumberOf(sources.desktopScale))
        return roundEditorScale(desktop);
    if (std::isfinite(sources.screenDpi) && sources.screenDpi > 0.0)
        return roundEditorScale(sources.screenDpi / kBaseDpi);
    return 1;
}

} // namespace

int32_t roundEditorScale(double scale)
{
    if (!std::isfinite(scale) || scale < 1.0)
        return 1;
    if (scale >= kMaxEditorScale)
        return kMaxEditorScale;
    return static_cast<int32_t>(std::floor(scale + 0.5));
}

int32_t chooseEditorScale(const ScaleSources& sources, int32_t editorHeight)
{
    int32_t scale = wantedScale(sources);
    if (sources.screenHeight > 0) {
        double limit = kMaxScreenShare * sources.screenHeight;
        while (scale > 1 && static_cast<double>(editorHeight) * scale > limit)
            --scale;
    }
    return scale;
}

double xftDpiOf(const char* resources)
{
    if (!resources)
        return 0.0;
    for (const char* line = resources; *line;) {
        const char* end = std::strchr(line, '\n');
        size_t length = end ? static_cast<size_t>(end - line) : std::strlen(line);
        size_t keyLength = sizeof(kXftDpiKey) - 1;
        if (length > keyLength && std::strncmp(line, kXftDpiKey, keyLength) == 0) {
            char* after = nullptr;
            double dpi = std::strtod(line + keyLength, &after);
            while (after < line + length && (*after == ' ' || *after == '\t'))
                ++after;
            bool clean = after == line + length;
            return clean && std::isfinite(dpi) && dpi > 0.0 ? dpi : 0.0;
        }
        if (!end)
            break;
        line = end + 1;
    }
    return 0.0;
}

} // namespace gui
