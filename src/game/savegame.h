// SPDX-License-Identifier: MIT
// savegame.h - the saved games of each edition: the quick slot (F5 saves, F7
// restores), the autosave (closing the window or a stop signal in play, every
// change of scene) and the player's eight slots of the saved-games screen.
// Reached by the engine through script names.
#pragma once
#include <cstdint>
#include <string>

#include "world/save.h"

struct Engine;
struct Edition;
struct GameState;

// The slots, in the order the saved-games screen lists them.
enum SaveSlot {
    kQuickSlot = 0,        // F5 and F7
    kAutoSlot = 1,         // written by the game alone
    kFirstPlayerSlot = 2,  // the player's slots follow
    kSlotCount = 10,       // eight of the player's
};

// Registers "SaveGame", "RestoreGame", "AutoSave", "SceneChanged",
// "ConversationOpens", "SavedGames" and "SpareTime" (the first save rehearsed
// before play) for this engine and edition.
void registerSaving(Engine& e, const Edition& edition);
// $XDG_DATA_HOME/hollowmere/<edition>/<slot's file>; "" when no data folder is known.
std::string slotPath(const Edition& edition, int slot);
// The quick slot's file, where every save of earlier versions lies.
std::string saveSlotPath(const Edition& edition);
// Its thumbnail: the same path with ".png" added.
std::string thumbnailPath(const std::string& savePath);

// Writes a save text (and its thumbnail PNG, "" = none) into a slot; announce
// tells the player how it went, report the console.
bool writeSaveToSlot(GameState& gs, int slot, const std::string& text, const std::string& picture,
                     bool announce, bool report = true);
// Loads a slot over a freshly built world; every outcome is announced.
bool loadFromSlot(GameState& gs, int slot);
// Lays a save's text over a freshly built world; false with why set (and the
// edition the file names, when it names one) leaves the game as it was.
bool loadSaveText(GameState& gs, const std::string& text, std::string& why, std::string& edition);
// Removes a slot's save and thumbnail.
bool deleteSlot(const Edition& edition, int slot);
// The summary of a slot's save of this edition; false for an empty or foreign slot.
bool slotSummary(const Edition& edition, int slot, SaveSummary& out);
// The slot with the newest save; -1 when there is none.
int newestSlot(const Edition& edition);
// Says a line at once, before any line already queued.
void noticeNow(GameState& gs, const char* id);
