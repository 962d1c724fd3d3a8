// SPDX-License-Identifier: MIT
// slots.cpp - the saved-games screen. It is a scene of its own without a hero:
// its Enter script reads the slots, its Always script draws the screen and
// answers the mouse. Opened in play it keeps the moment F6 was pressed (the
// save text and the picture), so a save made here is of the game as it was.
#include "game/slots.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "frame/clock.h"
#include "frame/engine.h"
#include "frame/input.h"
#include "frame/userfiles.h"
#include "game/savegame.h"
#include "game/scripts_common.h"
#include "gfx/text.h"
#include "gfx/thumbnail.h"
#include "platform/platform.h"

namespace {

// The screen's pictures: template name and file.
struct PictureFile {
    const char* name;
    const char* path;
};
const PictureFile kPictures[] = {
    {"SavedGamesBackground", "gfx/saves/bg.png"},         // the night sky behind the slots
    {"SavedGamesSlot", "gfx/saves/slot.png"},             // one slot's plate with the picture well
    {"SavedGamesSlotChosen", "gfx/saves/slot_chosen.png"},  // the same, lit: the chosen slot
    {"SavedGamesButton", "gfx/saves/button.png"},         // a button that acts
    {"SavedGamesButtonOff", "gfx/saves/button_off.png"},  // a button that cannot act now
    {"SavedGamesConfirm", "gfx/saves/confirm.png"},       // the question before overwriting or deleting
    {"MenuContinue", "gfx/saves/continue.png"},           // the menu's Continue
    {"MenuSavedGames", "gfx/saves/menu_slots.png"},       // the menu's way to the screen
};

// ---- layout (the pictures are drawn to these sizes) ----
constexpr int32_t kTitleX = 24, kTitleY = 12;
constexpr int32_t kSlotW = 380, kSlotH = 96;       // one slot's plate
constexpr int32_t kSlotLeft = 14, kSlotTop = 52;   // the first slot
constexpr int32_t kSlotStepX = 392, kSlotStepY = 100;
constexpr int32_t kSlotColumns = 2;                // quick and auto side by side, then the player's
constexpr int32_t kThumbX = 6, kThumbY = 6;        // the picture inside the plate
constexpr int32_t kTextX = 128;                    // the lines inside the plate
constexpr int32_t kLineY[] = {8, 28, 48, 68};      // label, place, date, time played
constexpr int32_t kSmallText = 16;
constexpr int32_t kButtonW = 150, kButtonH = 40;
constexpr int32_t kButtonY = 554;
constexpr int32_t kButtonTextDY = 12;
constexpr int32_t kConfirmX = 200, kConfirmY = 210, kConfirmW = 400;  // the question (400 x 160)
constexpr int32_t kQuestionDX = 24, kQuestionDY = 36;
constexpr int32_t kAnswerY = kConfirmY + 100;
constexpr int32_t kMenuButtonY = 384;              // below the menu's quit door
constexpr int32_t kMenuContinueX = 208, kMenuSlotsX = 408;
constexpr const char* kMenuScene = "Menu";

// The buttons along the bottom and in the question, in Action order (kButtons[a] is a's).
enum Action { kSave, kLoad, kDelete, kBack, kYes, kNo, kActionCount };
struct ButtonRow {
    Action action;
    int32_t x, y;
    const char* label;  // script line id
};
const ButtonRow kButtons[] = {
    {kSave, 14, kButtonY, "SlotsSave"},                  // into the chosen slot (only from play)
    {kLoad, 178, kButtonY, "SlotsLoad"},                 // the chosen slot's game
    {kDelete, 342, kButtonY, "SlotsDelete"},             // the chosen slot's game
    {kBack, 636, kButtonY, "SlotsBack"},                 // where the screen was opened from
    {kYes, kConfirmX + 40, kAnswerY, "SlotsYes"},        // the question's answers
    {kNo, kConfirmX + kConfirmW - 40 - kButtonW, kAnswerY, "SlotsNo"},
};

// The screen while it is open; one for the program, as there is one screen.
struct SlotScreen {
    bool opening = false;                       // F6 or the menu is entering the screen now
    std::string returnScene;                    // where Back goes; the menu when opened there
    int32_t returnVerb = 0;                     // the verb in play when F6 was pressed
    std::string playText;                       // the game as it was at F6; "" = opened from the menu
    std::string playPicture;                    // its thumbnail PNG; "" = none
    int chosen = kQuickSlot;                    // the slot the buttons act on
    Action asking = kActionCount;               // kSave or kDelete while the question shows
    bool filled[kSlotCount] = {};               // a save of this edition lies there
    SaveSummary summary[kSlotCount];            // what it says about itself
    SDL_Surface* thumb[kSlotCount] = {};        // its picture, owned; null = none
    std::string thumbSource[kSlotCount];        // names the picture for the frame's change test
};
SlotScreen gScreen;
unsigned gReads = 0;  // slot reads so far: a picture read anew never passes for the one before

SDL_Surface* pictureOf(GameState& gs, const char* name) {
    Graphic* g = findGraphic(*gs.graphics, name);
    return g && graphicDecoded(*g) ? g->surface : nullptr;
}

void draw(GameState& gs, const char* picture, int32_t x, int32_t y) {
    SDL_Surface* s = pictureOf(gs, picture);
    if (!s) return;
    SDL_Rect all = {0, 0, static_cast<Uint16>(s->w), static_cast<Uint16>(s->h)};
    drawPicture(gs.engine->target, s, picture, all, x, y);
}

void text(GameState& gs, const std::string& line, int32_t x, int32_t y, int32_t size, TextColour c) {
    drawText(*gs.textRenderer, line, x, y, size, paletteColour(gs, c));
}

void slotPlace(int slot, int32_t& x, int32_t& y) {
    x = kSlotLeft + (slot % kSlotColumns) * kSlotStepX;
    y = kSlotTop + (slot / kSlotColumns) * kSlotStepY;
}

bool inside(int32_t px, int32_t py, int32_t x, int32_t y, int32_t w, int32_t h) {
    return px >= x && py >= y && px < x + w && py < y + h;
}

void dropThumbs() {
    for (SDL_Surface*& s : gScreen.thumb) {
        if (s) SDL_FreeSurface(s);
        s = nullptr;
    }
}

// Reads every slot afresh: after entering and after each change.
void readSlots(GameState& gs) {
    dropThumbs();
    ++gReads;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        gScreen.filled[slot] = slotSummary(*gs.edition, slot, gScreen.summary[slot]);
        if (!gScreen.filled[slot]) continue;
        const std::string path = thumbnailPath(slotPath(*gs.edition, slot));
        std::string png;
        // Only regular files of sane size, and of a thumbnail's size, reach the decoder.
        if (!readWholeFile(path, png) || !isThumbnailPng(png)) continue;
        SDL_Surface* s = platformLoadPicture(path);
        if (s && (s->w != kThumbWidth || s->h != kThumbHeight)) {
            SDL_FreeSurface(s);
            s = nullptr;
        }
        gScreen.thumb[slot] = s;
        gScreen.thumbSource[slot] = path + "@" + std::to_string(gReads);
    }
}

std::string slotLabel(int slot) {
    if (slot == kQuickSlot) return scriptLine("SlotsQuick");
    if (slot == kAutoSlot) return scriptLine("SlotsAuto");
    return scriptLine("SlotsPlayer") + " " + std::to_string(slot - kFirstPlayerSlot + 1);
}

std::string dateOf(int64_t when) {
    if (when <= 0) return "";
    const time_t t = static_cast<time_t>(when);
    tm local{};
    char out[32] = "";
    if (localtime_r(&t, &local)) strftime(out, sizeof out, "%Y-%m-%d  %H:%M", &local);
    return out;
}

std::string playedOf(int64_t seconds) {
    char out[32];
    snprintf(out, sizeof out, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
             static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return scriptLine("SlotsPlayed") + " " + out;
}

std::string placeOf(const std::string& scene) {
    const std::string& name = scriptLine("Place" + scene);
    return name.empty() ? scene : name;
}

// What each bottom button may do now.
bool canAct(Action a) {
    const int slot = gScreen.chosen;
    const bool playerSlot = slot >= kFirstPlayerSlot;
    switch (a) {
        case kSave: return playerSlot && !gScreen.playText.empty();
        case kLoad: return gScreen.filled[slot];
        case kDelete: return gScreen.filled[slot];
        default: return true;
    }
}

void drawSlot(GameState& gs, int slot) {
    int32_t x = 0, y = 0;
    slotPlace(slot, x, y);
    draw(gs, slot == gScreen.chosen ? "SavedGamesSlotChosen" : "SavedGamesSlot", x, y);
    if (SDL_Surface* s = gScreen.thumb[slot]) {
        SDL_Rect all = {0, 0, static_cast<Uint16>(s->w), static_cast<Uint16>(s->h)};
        drawPicture(gs.engine->target, s, gScreen.thumbSource[slot], all, x + kThumbX, y + kThumbY);
    }
    text(gs, slotLabel(slot), x + kTextX, y + kLineY[0], kSmallText, kYellow);
    if (!gScreen.filled[slot]) {
        text(gs, scriptLine("SlotsEmpty"), x + kTextX, y + kLineY[1], kSmallText, kWhite);
        return;
    }
    const SaveSummary& s = gScreen.summary[slot];
    text(gs, placeOf(s.scene), x + kTextX, y + kLineY[1], kSmallText, kWhite);
    text(gs, dateOf(s.savedAt), x + kTextX, y + kLineY[2], kSmallText, kWhite);
    text(gs, playedOf(s.played), x + kTextX, y + kLineY[3], kSmallText, kWhite);
}

void drawButton(GameState& gs, const ButtonRow& b) {
    const bool on = canAct(b.action);
    draw(gs, on ? "SavedGamesButton" : "SavedGamesButtonOff", b.x, b.y);
    const std::string& label = scriptLine(b.label);
    const int32_t width = static_cast<int32_t>(label.size()) * kSmallText * 5 / 8;  // about a glyph's advance
    text(gs, label, b.x + (kButtonW - width) / 2, b.y + kButtonTextDY, kSmallText, on ? kWhite : kBlack);
}

const ButtonRow* buttonAt(int32_t px, int32_t py) {
    for (const ButtonRow& b : kButtons) {
        const bool question = b.action == kYes || b.action == kNo;
        if (question != (gScreen.asking != kActionCount)) continue;
        if (inside(px, py, b.x, b.y, kButtonW, kButtonH)) return &b;
    }
    return nullptr;
}

void leaveScreen(GameState& gs) {
    dropThumbs();
    const std::string back = gScreen.returnScene.empty() ? kMenuScene : gScreen.returnScene;
    gs.scenes->currentScene = back;
    if (back == kMenuScene) {
        enterScene(gs);
        return;
    }
    gs.player->lastExit.clear();
    enterScene(gs);
    restoreHeroPlace(gs);  // where he stood when the screen opened
    gs.cursorMode = gScreen.returnVerb;
    setCursor(*gs.cursor, gScreen.returnVerb);
}

void saveHere(GameState& gs) {
    writeSaveToSlot(gs, gScreen.chosen, gScreen.playText, gScreen.playPicture, true);
    readSlots(gs);
}

void act(GameState& gs, Action a) {
    const int slot = gScreen.chosen;
    switch (a) {
        case kSave:
            if (gScreen.filled[slot])
                gScreen.asking = kSave;  // a game is there: ask first
            else
                saveHere(gs);
            return;
        case kDelete:
            gScreen.asking = kDelete;
            return;
        case kYes: {
            const Action asked = gScreen.asking;
            gScreen.asking = kActionCount;
            if (asked == kSave) saveHere(gs);
            if (asked == kDelete) {
                deleteSlot(*gs.edition, slot);
                readSlots(gs);
            }
            return;
        }
        case kNo:
            gScreen.asking = kActionCount;
            return;
        case kLoad:
            dropThumbs();
            if (!loadFromSlot(gs, slot)) readSlots(gs);
            return;
        case kBack:
            leaveScreen(gs);
            return;
        default:
            return;
    }
}

void enterSavedGames(GameState& gs) {
    DisplayList& list = *gs.displayList;
    // Everything but the cursor is drawn by the screen itself, in its own order.
    removeSpriteByName(list, "Background");
    removeSpriteByName(list, "EnterInventory");
    gScreen.asking = kActionCount;
    if (!gScreen.opening) {  // entered some other way: nothing to save, back to the menu
        gScreen.playText.clear();
        gScreen.playPicture.clear();
        gScreen.returnScene.clear();
    }
    gScreen.opening = false;
    if (gs.cursorMode != kModeWalk) gs.cursorMode = kModeWalk;
    gs.cursor->cursorShown = 1;
    setCursor(*gs.cursor, kModePoint);
    if (!gs.edition) return;
    readSlots(gs);
    // From play the player's first slot; else the newest save, or the quick slot.
    const int newest = newestSlot(*gs.edition);
    gScreen.chosen = !gScreen.playText.empty() ? kFirstPlayerSlot : newest < 0 ? kQuickSlot : newest;
}

// Answers the mouse (a click also cuts a line short); pictures are freed and
// read here, before the frame notes any.
void clickSavedGames(GameState& gs) {
    const InputState& in = *gs.cursor->mouse;
    if (!in.leftClicked) return;
    if (const ButtonRow* b = buttonAt(in.x, in.y)) {
        if (canAct(b->action)) act(gs, b->action);
        return;
    }
    if (gScreen.asking != kActionCount) return;  // the question first
    for (int slot = 0; slot < kSlotCount; ++slot) {
        int32_t x = 0, y = 0;
        slotPlace(slot, x, y);
        if (inside(in.x, in.y, x, y, kSlotW, kSlotH)) gScreen.chosen = slot;
    }
}

void alwaysSavedGames(GameState& gs) {
    if (!gs.edition || !gs.engine) return;
    clickSavedGames(gs);
    if (gs.scenes->currentScene != kSavedGamesScene) return;  // loaded or gone back
    if (!speechQueued(*gs.speechQueue) && gs.cursorMode != kModeWalk) {  // right clicks change nothing here
        gs.cursorMode = kModeWalk;
        setCursor(*gs.cursor, kModePoint);
    }
    draw(gs, "SavedGamesBackground", 0, 0);
    text(gs, scriptLine("SlotsTitle"), kTitleX, kTitleY, kSpeechSize, kYellow);
    for (int slot = 0; slot < kSlotCount; ++slot) drawSlot(gs, slot);
    for (const ButtonRow& b : kButtons)
        if (b.action < kYes) drawButton(gs, b);
    if (gScreen.asking != kActionCount) {
        draw(gs, "SavedGamesConfirm", kConfirmX, kConfirmY);
        text(gs, scriptLine(gScreen.asking == kSave ? "SlotsAskOverwrite" : "SlotsAskDelete"),
             kConfirmX + kQuestionDX, kConfirmY + kQuestionDY, kSmallText, kWhite);
        drawButton(gs, kButtons[kYes]);
        drawButton(gs, kButtons[kNo]);
    }
}

// F6: from play the moment is kept for a save; from the menu only loading and deleting.
void openSavedGames(GameState& gs) {
    if (!gs.engine || !gs.edition) return;
    const bool inMenu = gs.scenes->currentScene == kMenuScene && !gs.quitting;
    if (!inMenu && !inInteractivePlay(gs)) return;
    gScreen.playText.clear();
    gScreen.playPicture.clear();
    gScreen.returnScene = inMenu ? kMenuScene : gs.scenes->currentScene;
    if (!inMenu) {
        const bool speechCursor = gs.cursorMode == kModeClick || gs.cursorMode == kModeWait;
        gScreen.returnVerb = speechCursor ? gs.savedCursorMode : gs.cursorMode;
        gScreen.playText = writeSaveText(gs, gs.engine->partners, gs.edition->language, calendarNow());
        gScreen.playPicture = thumbnailPng(gs.engine->target.screen);
        saveHeroPlace(gs);
        gs.player->targetX = gs.player->targetY = kNoTarget;
        gs.pendingScene.clear();
    }
    clearSpeech(*gs.speechQueue);
    if (gs.cursor->mouse) gs.cursor->mouse->leftClicked = 0;  // the opening key is no click
    gs.scenes->currentScene = kSavedGamesScene;
    gScreen.opening = true;
    enterScene(gs);
}

// Inserts a sprite just below the cursor, which stays the last sprite.
void addBelowCursor(GameState& gs, const char* name, int32_t x, int32_t y) {
    DisplayList& list = *gs.displayList;
    Graphic* g = addSprite(list, spriteTemplatePath(*gs.graphics, name), name, x, y, 0, 0, 0, 0, 0);
    if (!g || list.sprites.size() < 2) return;
    list.sprites.pop_back();
    list.sprites.insert(list.sprites.end() - 1, g);
}

}  // namespace

void registerSavedGamesScreen(Engine& e) {
    static bool dropAtExit = false;  // the pictures of a screen still open when the program ends
    if (!dropAtExit) atexit(dropThumbs);
    dropAtExit = true;
    for (const PictureFile& p : kPictures)
        if (!findGraphic(e.graphics, p.name)) e.graphics[p.name] = newTemplateGraphic(p.path, p.name);
    Scene* screen = newScene(kSavedGamesScene, "SavedGamesBackground", "");
    screen->hasPlayer = 0;
    screen->enterCallback = "EnterSavedGames";
    screen->alwaysCallback = "AlwaysSavedGames";
    registerScene(e.scenes, kSavedGamesScene, screen);
    registerCallback(e.game, "EnterSavedGames", enterSavedGames);
    registerCallback(e.game, "AlwaysSavedGames", alwaysSavedGames);
    registerCallback(e.game, "SavedGames", openSavedGames);
}

void addMenuSaveButtons(GameState& gs) {
    if (!gs.edition || newestSlot(*gs.edition) < 0) return;  // without saves the menu is as it was
    addBelowCursor(gs, "MenuContinue", kMenuContinueX, kMenuButtonY);
    addBelowCursor(gs, "MenuSavedGames", kMenuSlotsX, kMenuButtonY);
}

bool menuSaveButtonClicked(GameState& gs) {
    const InputState& in = *gs.cursor->mouse;
    if (!in.leftClicked || speechQueued(*gs.speechQueue) || !gs.edition) return false;
    const std::string hit = spriteUnderPointer(*gs.cursor);
    if (hit == "MenuContinue") {
        const int newest = newestSlot(*gs.edition);
        if (newest >= 0) loadFromSlot(gs, newest);
        return true;
    }
    if (hit == "MenuSavedGames") {
        openSavedGames(gs);
        return true;
    }
    return false;
}

bool saveKeptMoment(GameState& gs, int slot) {
    if (gs.scenes->currentScene != kSavedGamesScene || gScreen.playText.empty()) return false;
    return writeSaveToSlot(gs, slot, gScreen.playText, gScreen.playPicture, false);
}
