// SPDX-License-Identifier: MIT
// options.cpp - the command line and the settings file.
#include "frame/options.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "frame/userfiles.h"

static const char* const kSettingsVersion = "hollowmere settings 1";

static bool readScale(const char* text, int& scale) {
    char* end = nullptr;
    const long n = strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < kMinScale || n > kMaxScale) return false;
    scale = static_cast<int>(n);
    return true;
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
    if (c.scale) s.scale = c.scale;
    return s;
}

std::string usageText(const char* program) {
    return std::string("Usage: ") + program +
           " [options]\n"
           "  --fullscreen     start in full screen (F9 switches while playing)\n"
           "  --window         start in a window\n"
           "  --scale N        window N times 800x600, N from 1 to 4\n"
           "  --data DIR       read the pictures from DIR/gfx\n"
           "  --version        print name, edition and version\n"
           "  --help           print this help\n"
           "Full screen and scale are remembered in $XDG_CONFIG_HOME/hollowmere/settings.\n";
}

std::string settingsPath() {
    const std::string folder = configFolder();
    return folder.empty() ? "" : folder + "/settings";
}

std::string settingsText(const Settings& s) {
    return std::string(kSettingsVersion) + "\nfullscreen " + (s.fullscreen ? "1" : "0") +
           "\nscale " + std::to_string(s.scale) + "\n";
}

bool parseSettings(const std::string& text, Settings& out) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kSettingsVersion) return false;
    Settings s;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream words(line);
        std::string name, value, extra;
        if (!(words >> name >> value) || (words >> extra)) return false;
        if (name == "fullscreen" && (value == "0" || value == "1")) {
            s.fullscreen = value == "1";
        } else if (name != "scale" || !readScale(value.c_str(), s.scale)) {
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
