// The editor's integer scale on high-resolution screens: the rule that picks
// it from what the host, the user and the desktop say, and the Xft.dpi reader.
#pragma once

#include <cstdint>

namespace gui {

constexpr int32_t kMaxEditorScale = 3;
// The screen resolution at which the editor is drawn 1:1.
constexpr double kBaseDpi = 96.0;

// What is known when the editor opens; zero or null where nothing was said.
struct ScaleSources {
    double hostScale = 0.0;             // a scale the host gives
    const char* userScale = nullptr;    // the TOLVO_SCALE setting: "1", "2" or "3"
    const char* desktopScale = nullptr; // GDK_SCALE: a positive integer
    double screenDpi = 0.0;             // Xft.dpi, or the host window's DPI
    int32_t screenHeight = 0;           // physical pixels
};

// A fractional scale rounded to the nearest integer, halves up, within 1..3.
int32_t roundEditorScale(double scale);

// The first source that applies (host, user, desktop, screen DPI, else 1),
// stepped down while an editor of `editorHeight` pixels at 1× would be
// taller than 90 % of the screen.
int32_t chooseEditorScale(const ScaleSources& sources, int32_t editorHeight);

// The Xft.dpi value in an X resource manager string, or 0 when absent or bad.
double xftDpiOf(const char* resources);

} // namespace gui
