// SPDX-License-Identifier: MIT
// save.h - the saved game as text: writing the state play can change, reading
// it back with every line checked, and laying it over a freshly built world.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "frame/game_state.h"

struct DialoguePartner;

constexpr int32_t kSaveFormat = 2;  // the format version this game writes; 1 and 2 are read

// The fields of one object that scripts or play change.
struct SavedObject {
    std::string name;            // registry key
    bool active = false;         // shown on scene entry
    bool takeable = false;       // Take moves it into the inventory
    std::string lookKey;         // reply keys, as the scripts left them
    std::string takeKey;
    std::string confirmTakeKey;
    std::string talkKey;
    std::string useKey;
    std::string exitTarget;      // "" = not an exit
    std::string combinePartner;  // object names; "" = none
    std::string combineResult;
    std::string dialogue;        // partner name; "" = none
};

// Everything a save file holds, read and checked before anything is changed.
struct SavedGame {
    std::string edition;                 // "en" or "de"
    int64_t played = 0;                  // seconds of play in this game (0 in a format 1 file)
    int64_t savedAt = 0;                 // when it was written, seconds since 1970 (0 in format 1)
    std::string scene;                   // an interactive scene
    int32_t footX = 0, footY = 0;        // the hero's foot point
    int32_t verb = 0;                    // the cursor mode (CursorMode)
    std::string heldItem;                // carried item on the cursor; "" = none
    uint8_t flags[kStoryFlagCount] = {};  // the story flags
    std::vector<std::string> inventory;  // carried items, in inventory order
    std::vector<SavedObject> objects;    // every object, by name
    std::vector<std::pair<std::string, std::vector<std::string>>> topics;  // partner -> active topics
};

// What the saved-games screen shows of a file, read without the world.
struct SaveSummary {
    std::string edition;  // "en" or "de"
    std::string scene;    // where the hero stood
    int64_t played = 0;   // seconds of play
    int64_t savedAt = 0;  // seconds since 1970; 0 = unknown
};

// The whole state as the text of a save file, written at savedAt.
std::string writeSaveText(const GameState& gs, const std::vector<DialoguePartner*>& partners,
                          const std::string& edition, int64_t savedAt = 0);
// Reads text for this edition and world; false with why set when any line is
// missing, unknown, out of order, names something the world does not have or
// holds a state play cannot reach. A save of another edition sets
// out.edition before it is refused.
bool readSaveText(const std::string& text, const std::string& edition, const GameState& gs,
                  const std::vector<DialoguePartner*>& partners, SavedGame& out, std::string& why);
// Lays a checked save over a freshly built world and enters its scene with the
// hero where he stood.
void applySavedGame(const SavedGame& s, GameState& gs, const std::vector<DialoguePartner*>& partners);
// The first lines of a save file; false when they are not those of a save.
bool readSaveSummary(const std::string& text, SaveSummary& out);
