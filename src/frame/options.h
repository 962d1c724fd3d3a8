// SPDX-License-Identifier: MIT
// options.h - what the player chose: the command line, and the full-screen,
// smoothing and window-size choices remembered in $XDG_CONFIG_HOME/hollowmere/settings.
#pragma once
#include <string>

constexpr int kMinScale = 1;  // --scale N: the window is 800x600 times N
constexpr int kMaxScale = 4;
constexpr int kScreenWidth = 800;  // the game's picture, scaled into the window or screen
constexpr int kScreenHeight = 600;
constexpr int kMinWindowSide = 100;    // a remembered window size is at least this
constexpr int kMaxWindowSide = 16384;  // and at most this on each side

// The choices kept between runs.
struct Settings {
    bool fullscreen = false;              // start in full screen
    bool smooth = false;                  // filtered scaling instead of sharp pixels
    int windowWidth = kScreenWidth;      // the window's size as the player left it
    int windowHeight = kScreenHeight;
};

// One run's command line; a choice not given leaves the remembered one.
struct CommandLine {
    int fullscreen = -1;        // 1 --fullscreen, 0 --window, -1 neither
    int smooth = -1;            // 1 --smooth, 0 --sharp, -1 neither
    int scale = 0;              // --scale N, 0 when not given
    std::string dataFolder;     // --data DIR, "" to search the usual places
    bool help = false;          // --help: print the usage and stop
    bool version = false;       // --version: print name, edition, version and stop
};

// Reads argv; prints one console line for every argument it ignores.
CommandLine parseCommandLine(int argc, char** argv);
// The remembered settings with this run's command-line choices laid over them.
Settings applyCommandLine(Settings s, const CommandLine& c);
bool sameSettings(const Settings& a, const Settings& b);
// Shrinks a window that does not fit a screen of screenW x screenH to the
// largest whole scale of 800x600 that fits (at least 1); true when it shrank.
bool fitWindow(Settings& s, int screenW, int screenH);

// <configFolder()>/settings, "" when there is no home folder.
std::string settingsPath();
// The settings file's text: a version line, then one "name value..." line each.
std::string settingsText(const Settings& s);
// Parses settingsText's format (and the older one with a scale line); false
// (out unchanged) for anything else.
bool parseSettings(const std::string& text, Settings& out);
// The file's settings; a missing file gives the defaults silently, an unreadable
// or damaged one the defaults with one console line.
Settings loadSettings(const std::string& path);
// Writes the file atomically; false with one console line on failure.
bool saveSettings(const std::string& path, const Settings& s);
