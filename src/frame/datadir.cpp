// SPDX-License-Identifier: MIT
// datadir.cpp - where gfx/ is.
#include "frame/datadir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#ifndef HOLLOWMERE_DATADIR
#define HOLLOWMERE_DATADIR "/usr/local/share/hollowmere"
#endif
#ifndef HOLLOWMERE_DATA_FROM_BIN
#define HOLLOWMERE_DATA_FROM_BIN "../share/hollowmere"
#endif

static std::string normal(const std::string& folder) {
    std::string s = std::filesystem::path(folder).lexically_normal().string();
    if (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

std::vector<std::string> dataPlaces(const std::string& explicitFolder, const char* envData,
                                    const std::string& exeFolder, const std::string& workingFolder) {
    if (!explicitFolder.empty()) return {normal(explicitFolder)};
    std::vector<std::string> candidates;
    if (envData && envData[0]) candidates.push_back(envData);
    if (!exeFolder.empty()) {
        candidates.push_back(exeFolder);
        candidates.push_back(exeFolder + "/" + HOLLOWMERE_DATA_FROM_BIN);
    }
    candidates.push_back(HOLLOWMERE_DATADIR);
    if (!workingFolder.empty()) candidates.push_back(workingFolder);
    std::vector<std::string> places;
    for (const std::string& c : candidates) {
        const std::string n = normal(c);
        if (std::find(places.begin(), places.end(), n) == places.end()) places.push_back(n);
    }
    return places;
}

std::string findDataFolder(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        struct stat st;
        if (stat((place + "/gfx").c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return place;
    }
    return "";
}

std::string noDataMessage(const std::vector<std::string>& places) {
    std::string line = "hollowmere: the game's pictures (a gfx folder) are in none of: ";
    for (size_t i = 0; i < places.size(); ++i) line += (i ? ", " : "") + places[i];
    return line + " (set HOLLOWMERE_DATA or use --data DIR)";
}

std::string executableFolder() {
    std::error_code err;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", err);
    return err ? std::string() : exe.parent_path().string();
}
