// SPDX-License-Identifier: MIT
// userfiles.h - the files the game writes for its player (settings, saves):
// where they live under the XDG folders, and writing them so that a crash or
// a full disk never leaves a half-written file.
#pragma once
#include <string>

// $XDG_CONFIG_HOME/hollowmere (default ~/.config/hollowmere); "" when neither is set.
std::string configFolder();
// $XDG_DATA_HOME/hollowmere (default ~/.local/share/hollowmere); "" when neither is set.
std::string dataFolder();

// Creates the folder and its parents (mode 0755); true when it exists afterwards.
bool makeFolders(const std::string& folder);

// Writes text to path through a temporary file in the same folder: written,
// flushed to disk, then renamed over the old file. The folder is created when
// missing. On failure the old file is untouched, the temporary file is removed,
// error (when given) says why, and the result is false.
bool writeFileAtomically(const std::string& path, const std::string& text,
                         std::string* error = nullptr);

// Reads a whole file; false (out unchanged) when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& out);
