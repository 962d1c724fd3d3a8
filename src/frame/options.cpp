// SPDX-License-Identifier: MIT
// options.cpp - the command line and the settings file.
#include "frame/options.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "frame/userfiles.h"

static const char* const kSettingsVersion = "hollowmere settings 2";
static const char* const kScaleVersion = "hollowmere settings 1";  // a scale instead of a size

// A whole number from low to high and nothing else.
static bool readNumber(const char* text, int low, int high, int& out) {
    char* end = nullptr;
    const long n = strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < low || n > high) return false;
    out = static_cast<int>(n);
    return true;
}

static bool readScale(const char* text, int& scale) {
    return readNumber(text, kMinScale, kMaxScale, scale);
}

CommandLine parseCommandLine(int argc, char** argv) {
    CommandLine c;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const bool hasNext = i + 1 < argc;
        if (!strcmp(a, "--help") || !strcmp(a, "-h")) {
            c.help = true;
        } else if (!strcmp(a, "--version")) {
            c.version = true;
        } else if (!strcmp(a, "--fullscreen")) {
            c.fullscreen = 1;
        } else if (!strcmp(a, "--window")) {
            c.fullscreen = 0;
        } else if (!strcmp(a, "--smooth")) {
            c.smooth = 1;
        } else if (!strcmp(a, "--sharp")) {
            c.smooth = 0;
        } else if (!strcmp(a, "--scale") || !strncmp(a, "--scale=", 8)) {
            const char* value = a[7] == '=' ? a + 8 : (hasNext ? argv[++i] : "");
            if (!readScale(value, c.scale))
                printf("Ignoring --scale %s: the scale is a whole number from %d to %d\n", value,
                       kMinScale, kMaxScale);
        } else if (!strcmp(a, "--data") || !strncmp(a, "--data=", 7)) {
            const char* value = a[6] == '=' ? a + 7 : (hasNext ? argv[++i] : "");
            if (value[0]) c.dataFolder = value;
            else printf("Ignoring --data: it needs a folder\n");
        } else {
            printf("Ignoring unknown argument: %s\n", a);
        }
    }
    return c;
}

Settings applyCommandLine(Settings s, const CommandLine& c) {
    if (c.fullscreen >= 0) s.fullscreen = c.fullscreen == 1;
    if (c.smooth >= 0) s.smooth = c.smooth == 1;
    if (c.scale) {
        s.windowWidth = kScreenWidth * c.scale;
        s.windowHeight = kScreenHeight * c.scale;
    }
    return s;
}

bool sameSettings(const Settings& a, const Settings& b) {
    return a.fullscreen == b.fullscreen && a.smooth == b.smooth && a.windowWidth == b.windowWidth &&
           a.windowHeight == b.windowHeight;
}

bool fitWindow(Settings& s, int screenW, int screenH) {
    if (s.windowWidth <= screenW && s.windowHeight <= screenH) return false;
    const int scale = std::max(1, std::min(screenW / kScreenWidth, screenH / kScreenHeight));
    s.windowWidth = kScreenWidth * scale;
    s.windowHeight = kScreenHeight * scale;
    return true;
}

std::string settingsPath() {
    const std::string folder = configFolder();
    return folder.empty() ? "" : folder + "/settings";
}

std::string settingsText(const Settings& s) {
    return std::string(kSettingsVersion) + "\nfullscreen " + (s.fullscreen ? "1" : "0") +
           "\nsmooth " + (s.smooth ? "1" : "0") + "\nwindow " + std::to_string(s.windowWidth) +
           " " + std::to_string(s.windowHeight) + "\n";
}

bool parseSettings(const std::string& text, Settings& out) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || (line != kSettingsVersion && line != kScaleVersion)) return false;
    const bool scaled = line == kScaleVersion;
    Settings s;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream words(line);
        std::string name, value, second, extra;
        if (!(words >> name >> value)) return false;
        const bool pair = static_cast<bool>(words >> second);
        if (words >> extra) return false;
        int scale = 0;
        if ((name == "fullscreen" || name == "smooth") && !pair && (value == "0" || value == "1")) {
            (name == "fullscreen" ? s.fullscreen : s.smooth) = value == "1";
        } else if (scaled && name == "scale" && !pair && readScale(value.c_str(), scale)) {
            s.windowWidth = kScreenWidth * scale;
            s.windowHeight = kScreenHeight * scale;
        } else if (scaled || name != "window" || !pair ||
                   !readNumber(value.c_str(), kMinWindowSide, kMaxWindowSide, s.windowWidth) ||
                   !readNumber(second.c_str(), kMinWindowSide, kMaxWindowSide, s.windowHeight)) {
            return false;
        }
    }
    out = s;
    return true;
}

Settings loadSettings(const std::string& path) {
    Settings s;
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0) return s;  // first run: nothing remembered
    std::string text;
    if (!readWholeFile(path, text))
        printf("Ignoring the settings in %s: the file cannot be read\n", path.c_str());
    else if (!parseSettings(text, s))
        printf("Ignoring the settings in %s: the file is damaged\n", path.c_str());
    return s;
}

bool saveSettings(const std::string& path, const Settings& s) {
    std::string error;
    if (path.empty()) error = "no home folder";
    if (error.empty() && writeFileAtomically(path, settingsText(s), &error)) return true;
    printf("Unable to save the settings: %s\n", error.c_str());
    return false;
}
