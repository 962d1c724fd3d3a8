// SPDX-License-Identifier: MIT
// savegame.h - the save slot of each edition: F5 saves, F7 restores, closing the
// window during play saves first. Reached by the engine through script names.
#pragma once
#include <string>

struct Engine;
struct Edition;

// Registers "SaveGame", "RestoreGame" and "AutoSave" for this engine and edition.
void registerSaving(Engine& e, const Edition& edition);
// $XDG_DATA_HOME/hollowmere/<edition>/save; "" when no data folder is known.
std::string saveSlotPath(const Edition& edition);
