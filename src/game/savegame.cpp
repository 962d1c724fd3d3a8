// SPDX-License-Identifier: MIT
// savegame.cpp - the save slot of each edition and the lines the hero says about it.
#include "game/savegame.h"

#include <cstdio>
#include <map>

#include "frame/engine.h"
#include "frame/userfiles.h"
#include "game/content.h"
#include "game/edition.h"
#include "game/scripts_common.h"
#include "world/save.h"

namespace {

constexpr int32_t kNoticeSeconds = 3;
constexpr const char* kMenuScene = "Menu";  // F7 also restores from the menu

// The engine and edition each game state belongs to (tests build several engines).
struct SaveOwner {
    Engine* engine = nullptr;          // the records the state lives in
    const Edition* edition = nullptr;  // the edition it was built for
};
std::map<const GameState*, SaveOwner>& owners() {
    static std::map<const GameState*, SaveOwner> map;
    return map;
}
const SaveOwner* ownerOf(const GameState& gs) {
    auto it = owners().find(&gs);
    return it == owners().end() ? nullptr : &it->second;
}

// The hero's usual speech; in the menu the same line stands where the farewell does.
void notice(GameState& gs, const char* id) { sayLine(gs, scriptLine(id), kWhite, kNoticeSeconds); }

bool writeSlot(GameState& gs, bool announce) {
    const SaveOwner* o = ownerOf(gs);
    if (!o || !inInteractivePlay(gs)) return false;
    const std::string path = saveSlotPath(*o->edition);
    const std::string text = writeSaveText(gs, o->engine->partners, o->edition->language);
    std::string error = "no data folder (set HOME or XDG_DATA_HOME)";
    if (path.empty() || !writeFileAtomically(path, text, &error)) {
        printf("The game could not be saved: %s\n", error.c_str());
        if (announce) notice(gs, "SaveFailed");
        return false;
    }
    printf("Game saved to %s\n", path.c_str());
    if (announce) notice(gs, "SaveDone");
    return true;
}

void saveGame(GameState& gs) { writeSlot(gs, true); }
void autoSave(GameState& gs) { writeSlot(gs, false); }

// Everything scripts and play change is built anew, as at start-up; pictures
// and texts stay loaded (the first load of a name wins).
void rebuildWorld(Engine& e, const Edition& ed) {
    GameState& gs = e.game;
    releaseWorld(e);
    gs.dialogue = &e.initialPartner;
    gs.activePartner = nullptr;
    gs.heldItem = gs.hoveredObject = gs.clickedObject = nullptr;
    buildContent(e, ed);
}

void restoreGame(GameState& gs) {
    const SaveOwner* o = ownerOf(gs);
    if (!o) return;
    const bool inMenu = gs.scenes->currentScene == kMenuScene && !gs.quitting;
    if (!inMenu && !inInteractivePlay(gs)) return;
    const std::string path = saveSlotPath(*o->edition);
    std::string text;
    if (path.empty() || !readWholeFile(path, text)) {
        printf("No saved game at %s\n", path.c_str());
        notice(gs, "SaveNone");
        return;
    }
    SavedGame saved;
    std::string why;
    if (!readSaveText(text, o->edition->language, gs, o->engine->partners, saved, why)) {
        printf("The saved game %s cannot be read: %s\n", path.c_str(), why.c_str());
        notice(gs, "SaveUnreadable");
        return;
    }
    Engine& e = *o->engine;
    const Edition& ed = *o->edition;
    rebuildWorld(e, ed);
    applySavedGame(saved, e.game, e.partners);
    printf("Game restored from %s\n", path.c_str());
}

}  // namespace

std::string saveSlotPath(const Edition& edition) {
    const std::string folder = dataFolder();
    return folder.empty() ? std::string() : folder + "/" + edition.language + "/save";
}

void registerSaving(Engine& e, const Edition& edition) {
    owners()[&e.game] = SaveOwner{&e, &edition};
    registerCallback(e.game, "SaveGame", saveGame);
    registerCallback(e.game, "RestoreGame", restoreGame);
    registerCallback(e.game, "AutoSave", autoSave);
}
