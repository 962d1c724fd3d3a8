// SPDX-License-Identifier: MIT
// savegame.cpp - the slots of each edition, their files and what the hero says about them.
#include "game/savegame.h"

#include <SDL.h>

#include <cstdio>

#include "frame/clock.h"
#include "frame/engine.h"
#include "frame/userfiles.h"
#include "game/content.h"
#include "game/edition.h"
#include "game/scripts_common.h"
#include "game/slots.h"
#include "gfx/thumbnail.h"
#include "world/save.h"

namespace {

constexpr int32_t kNoticeSeconds = 3;
constexpr const char* kMenuScene = "Menu";  // F7 also restores from the menu

// The file of each slot in the edition's folder, in SaveSlot order.
const char* const kSlotFiles[kSlotCount] = {
    "save",   // quick: the one file of earlier versions
    "auto",   // the autosave
    "slot1", "slot2", "slot3", "slot4", "slot5", "slot6", "slot7", "slot8",  // the player's
};

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

// $XDG_DATA_HOME/hollowmere/<edition>/, where its saves lie; "" when no data folder is known.
std::string editionFolder(const Edition& edition) {
    const std::string folder = dataFolder();
    return folder.empty() ? "" : folder + "/" + edition.language + "/";
}

// Whether a save tells the player, the console or no one.
enum Telling { kTellNoOne, kTellConsole, kTellPlayer };

// The first save of a session runs much code for the first time: the browser
// compiles each function on its first call (the PNG writer and its deflate,
// the save text's writer and reader) and its file system's calls run for the
// first time too, together 25-60 ms in the frame that enters the first scene.
// So before play, in the spare time of frames that have much of it, the save is
// rehearsed a step a frame: nothing is kept and no save file is touched (the
// file step writes a hidden file of its own and removes it). What it warms
// belongs to the process, so the steps are counted for the process.
enum RehearsalStep {
    kRehearseThumbnail = 0,  // a thumbnail of a blank screen of thumbnail size
    kRehearseText,           // the world written as a save text
    kRehearseCheck,          // that text read back as the check of a written file reads it
    kRehearseFile,           // the text written to a file beside the saves and removed
    kRehearseScreen,         // a thumbnail of the whole screen: the browser makes code
    kRehearseScreenAgain,    // that ran long faster for its next call, so twice
    kRehearsalDone,
};
constexpr const char* kRehearsalFile = ".rehearsal";  // in the edition's save folder, removed at once
int gRehearsalStep = kRehearseThumbnail;  // the next step; a real save ends the rehearsal
std::string gRehearsalText;                 // the text of the steps after kRehearseText

void rehearseSaving(GameState& gs) {
    if (gRehearsalStep >= kRehearsalDone || !gs.engine || !gs.edition) return;
    Engine& e = *gs.engine;
    const Edition& ed = *gs.edition;
    switch (gRehearsalStep++) {
    case kRehearseThumbnail:
        if (SDL_Surface* blank = SDL_CreateRGBSurface(0, kThumbWidth, kThumbHeight, 32, 0xff0000, 0xff00, 0xff, 0)) {
            thumbnailPng(blank);
            SDL_FreeSurface(blank);
        }
        break;
    case kRehearseText: gRehearsalText = writeSaveText(gs, e.partners, ed.language); break;
    case kRehearseCheck: {
        SavedGame back;
        std::string why;
        readSaveText(gRehearsalText, ed.language, gs, e.partners, back, why);  // out of play it is refused
        break;
    }
    case kRehearseFile: {
        const std::string folder = editionFolder(ed);
        if (folder.empty()) break;
        const std::string file = folder + kRehearsalFile;
        if (writeFileAtomically(file, gRehearsalText, nullptr, [](const std::string&, std::string&) { return true; }))
            removeUserFile(file);
        gRehearsalText.clear();
        break;
    }
    case kRehearseScreen:
    case kRehearseScreenAgain: thumbnailPng(e.target.screen); break;
    default: break;
    }
}

bool saveInPlay(GameState& gs, int slot, Telling tell) {
    if (!gs.engine || !gs.edition || !inInteractivePlay(gs)) return false;
    gRehearsalStep = kRehearsalDone;  // the real thing runs now
    const std::string text = writeSaveText(gs, gs.engine->partners, gs.edition->language, calendarNow());
    return writeSaveToSlot(gs, slot, text, thumbnailPng(gs.engine->target.screen), tell == kTellPlayer,
                           tell != kTellNoOne);
}

// The game as it was when the open conversation began: a conversation is not
// saved, so closing the window during one keeps the moment before it.
std::string gBeforeConversation;

void conversationOpens(GameState& gs) {
    if (gs.activePartner) return;  // a topic unlocked within it lays the bar out again
    gBeforeConversation.clear();
    if (gs.engine && gs.edition && inInteractivePlay(gs))
        gBeforeConversation = writeSaveText(gs, gs.engine->partners, gs.edition->language, calendarNow());
}

void saveGame(GameState& gs) { saveInPlay(gs, kQuickSlot, kTellPlayer); }
void autoSave(GameState& gs) {
    if (saveKeptMoment(gs, kAutoSlot)) return;
    if (gs.activePartner && !gBeforeConversation.empty() && gs.engine) {
        writeSaveToSlot(gs, kAutoSlot, gBeforeConversation, thumbnailPng(gs.engine->target.screen), false);
        return;
    }
    // The inventory only looks into the hero's pockets: the game under it is kept as in play.
    const int32_t inventory = gs.inventoryOpen;
    gs.inventoryOpen = 0;
    saveInPlay(gs, kAutoSlot, kTellConsole);
    gs.inventoryOpen = inventory;
}
void sceneChanged(GameState& gs) { saveInPlay(gs, kAutoSlot, kTellNoOne); }  // every scene: quietly
void restoreGame(GameState& gs) { loadFromSlot(gs, kQuickSlot); }

}  // namespace

std::string slotPath(const Edition& edition, int slot) {
    const std::string folder = editionFolder(edition);
    if (folder.empty() || slot < 0 || slot >= kSlotCount) return "";
    return folder + kSlotFiles[slot];
}

std::string saveSlotPath(const Edition& edition) { return slotPath(edition, kQuickSlot); }
std::string thumbnailPath(const std::string& savePath) { return savePath + ".png"; }

void noticeNow(GameState& gs, const char* id) {
    SpeechQueue& q = *gs.speechQueue;
    SpeechLine* line = newSpeechLine(scriptLine(id), kSpeechX, kSpeechY, kSpeechSize, paletteColour(gs, kWhite));
    line->seconds = kNoticeSeconds;
    q.lines.push_front(line);
    q.secondsShown = 0;
}

bool writeSaveToSlot(GameState& gs, int slot, const std::string& text, const std::string& picture,
                     bool announce, bool report) {
    if (!gs.engine || !gs.edition) return false;
    Engine& e = *gs.engine;
    const Edition& ed = *gs.edition;
    const std::string path = slotPath(ed, slot);
    // The file on the disk must read back as a game of this world, or the old one stays.
    auto readsBack = [&](const std::string& written, std::string& why) {
        SavedGame back;
        return readSaveText(written, ed.language, gs, e.partners, back, why);
    };
    std::string error = "no data folder (set HOME or XDG_DATA_HOME)";
    if (path.empty() || !writeFileAtomically(path, text, &error, readsBack)) {
        if (report) printf("The game could not be saved: %s\n", error.c_str());
        if (announce) noticeNow(gs, "SaveFailed");
        return false;
    }
    // The save stands without its picture; an old picture must not stand beside it.
    if (picture.empty() || !writeFileAtomically(thumbnailPath(path), picture)) removeUserFile(thumbnailPath(path));
    if (report) printf("Game saved to %s\n", path.c_str());
    if (announce) noticeNow(gs, "SaveDone");
    return true;
}

bool loadFromSlot(GameState& gs, int slot) {
    if (!gs.engine || !gs.edition) return false;
    const bool inMenu = gs.scenes->currentScene == kMenuScene && !gs.quitting;
    if (!inMenu && !inInteractivePlay(gs) && gs.scenes->currentScene != kSavedGamesScene) return false;
    const Edition& ed = *gs.edition;
    Engine& e = *gs.engine;
    const std::string path = slotPath(ed, slot);
    std::string text, why;
    if (path.empty() || !readWholeFile(path, text, &why)) {
        printf("No saved game: %s\n", why.empty() ? "no data folder (set HOME or XDG_DATA_HOME)" : why.c_str());
        noticeNow(gs, "SaveNone");
        return false;
    }
    std::string edition;
    if (!loadSaveText(gs, text, why, edition)) {
        printf("The saved game %s cannot be read: %s\n", path.c_str(), why.c_str());
        noticeNow(gs, edition != ed.language && !edition.empty() ? "SaveOtherEdition" : "SaveUnreadable");
        return false;
    }
    printf("Game restored from %s\n", path.c_str());
    noticeNow(e.game, "SaveRestored");
    return true;
}

bool loadSaveText(GameState& gs, const std::string& text, std::string& why, std::string& edition) {
    if (!gs.engine || !gs.edition) return false;
    Engine& e = *gs.engine;
    SavedGame saved;
    if (!readSaveText(text, gs.edition->language, gs, e.partners, saved, why)) {
        edition = saved.edition;
        return false;
    }
    rebuildWorld(e, *gs.edition);
    applySavedGame(saved, e.game, e.partners);
    return true;
}

bool deleteSlot(const Edition& edition, int slot) {
    const std::string path = slotPath(edition, slot);
    if (path.empty()) return false;
    removeUserFile(thumbnailPath(path));
    return removeUserFile(path);
}

bool slotSummary(const Edition& edition, int slot, SaveSummary& out) {
    const std::string path = slotPath(edition, slot);
    std::string text;
    return !path.empty() && readWholeFile(path, text) && readSaveSummary(text, out) &&
           out.edition == edition.language;
}

int newestSlot(const Edition& edition) {
    int newest = -1;
    int64_t newestTime = -1;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SaveSummary s;
        if (slotSummary(edition, slot, s) && s.savedAt > newestTime) {
            newest = slot;
            newestTime = s.savedAt;
        }
    }
    return newest;
}

void registerSaving(Engine& e, const Edition& edition) {
    e.game.edition = &edition;
    registerCallback(e.game, "SaveGame", saveGame);
    registerCallback(e.game, "RestoreGame", restoreGame);
    registerCallback(e.game, "AutoSave", autoSave);
    registerCallback(e.game, "SceneChanged", sceneChanged);
    registerCallback(e.game, "ConversationOpens", conversationOpens);
    registerCallback(e.game, "SpareTime", rehearseSaving);
    registerSavedGamesScreen(e);
}
