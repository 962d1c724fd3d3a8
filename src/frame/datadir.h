// SPDX-License-Identifier: MIT
// datadir.h - finding the folder that holds the game's pictures and fonts (gfx/),
// wherever the program was started from.
#pragma once
#include <string>
#include <vector>

// The places looked at, in order: envData ($HOLLOWMERE_DATA) when not empty, the
// executable's own folder (the build layout), the installed data folder next to
// it (<exe>/../share/hollowmere) and the one compiled in, then the working folder.
// Duplicates are left out. An explicit choice (--data) is the only place.
std::vector<std::string> dataPlaces(const std::string& explicitFolder, const char* envData,
                                    const std::string& exeFolder, const std::string& workingFolder);
// The first place with a gfx/ folder in it, "" when none has one.
std::string findDataFolder(const std::vector<std::string>& places);
// The one console line for a start without data: every place looked at.
std::string noDataMessage(const std::vector<std::string>& places);
// The folder of the running executable, "" when the system does not say.
std::string executableFolder();
