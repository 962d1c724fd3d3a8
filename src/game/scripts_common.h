// SPDX-License-Identifier: MIT
// scripts_common.h - what the script files share: small helpers over the engine
// records and the declarations of every script function, one block per file.
// Scripts reach sprites and objects by name; a missing one is skipped, never read.
#pragma once
#include <cstdint>
#include <string>

#include "frame/game_state.h"
#include "game/edition.h"
#include "game/script.h"
#include "gfx/anim.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "world/inventory.h"
#include "world/object.h"
#include "world/reply.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

// Item names used by more than one script (the cheese keeps its umlaut, as the
// catalogue names it).
constexpr const char* kCheese = "Käse";
constexpr const char* kLolly = "Lolly";
constexpr const char* kKey = "Key";

// One play-a-column command: where the strip is, how long, how fast, how often.
struct ColumnPlay {
    int32_t srcX = 0;      // sheet column of the strip
    int32_t stripEnd = 0;  // frames x frame height
    int32_t delay = 0;     // draws per frame
    int32_t animMode = 0;  // kStill, kLoop or kPlayOnce
};

inline Graphic* sprite(GameState& gs, const std::string& name) {
    return findSprite(*gs.displayList, name);
}
inline SceneObject* object(GameState& gs, const std::string& name) {
    return findObject(*gs.objects, name);
}
inline bool carries(const GameState& gs, const std::string& item) {
    return inventoryGet(*gs.player, item) != nullptr;
}
inline void play(Graphic* g, const ColumnPlay& c) {
    if (g) playColumn(g, c.srcX, c.stripEnd, c.delay, c.animMode);
}
inline void hide(Graphic* g) {
    if (g) g->visible = 0;
}

// Gives the registered item of that name; an unknown name gives nothing.
inline void giveItem(GameState& gs, const std::string& item) {
    if (SceneObject* o = object(gs, item)) inventoryAdd(*gs.player, item, o);
}
inline void takeItem(GameState& gs, const std::string& item) {
    inventoryRemove(*gs.player, item);
}

// A literal line of the edition, in a palette colour.
inline void sayLine(GameState& gs, const std::string& text, TextColour colour, int32_t seconds) {
    say(*gs.speechQueue, text, paletteColour(gs, colour), seconds);
}
inline void sayKeyColoured(GameState& gs, const std::string& key, TextColour colour) {
    sayKeyIn(gs, key, paletteColour(gs, colour));
}

// The use refusal of the thing clicked; a script run without a click speaks for owner.
inline void refuseUse(GameState& gs, const std::string& owner) {
    const SceneObject* o = gs.clickedObject ? gs.clickedObject : object(gs, owner);
    if (o) sayKey(gs, o->useKey);
}

// Builds the current scene again, so that changed objects show; the hero stays put.
inline void rebuildScene(GameState& gs) {
    const std::string current = gs.scenes->currentScene;
    goToScene(gs, current);
}

inline bool inDialogue(GameState& gs) { return sprite(gs, "ExitDialog") != nullptr; }

// ---- scripts_intro.cpp ----
void enterIntroCGA1(GameState& gs);
void alwaysIntroCGA1(GameState& gs);
void alwaysCredits(GameState& gs);
void enterIntroCrash(GameState& gs);
void alwaysIntroCrash(GameState& gs);
void enterMenu(GameState& gs);
void alwaysMenu(GameState& gs);
void goScriptMenuQuit(GameState& gs);

// ---- scripts_barn.cpp ----
void enterScheuneHinten(GameState& gs);
void alwaysScheuneHinten(GameState& gs);
void enterScheuneVorne(GameState& gs);
void alwaysScheuneVorne(GameState& gs);
void enterScheuneFern(GameState& gs);
void alwaysScheuneFern(GameState& gs);
void enterScheuneInnen(GameState& gs);
void alwaysScheuneInnen(GameState& gs);
void useHaken(GameState& gs);
void useMaus(GameState& gs);
void useSchloss(GameState& gs);
void takeHut(GameState& gs);
void useLaufbandScheune(GameState& gs);

// ---- scripts_farm.cpp ----
void enterFarmhaus(GameState& gs);
void alwaysFarmhaus(GameState& gs);
void enterFarmhausHinten(GameState& gs);
void alwaysFarmhausHinten(GameState& gs);
void enterFarmhausSequenz(GameState& gs);
void alwaysFarmhausSequenz(GameState& gs);
void useCryGirl(GameState& gs);

// ---- scripts_town.cpp ----
void enterKreuzung(GameState& gs);
void alwaysKreuzung(GameState& gs);
void useFreak(GameState& gs);
void enterHausAlteDame(GameState& gs);
void alwaysHausAlteDame(GameState& gs);
void useAlteDame(GameState& gs);

// ---- scripts_gym.cpp ----
void enterFitnessStudioAussen(GameState& gs);
void alwaysFitnessStudioAussen(GameState& gs);
void enterFitnessStudioInnen(GameState& gs);
void alwaysFitnessStudioInnen(GameState& gs);
void useStudiogirl(GameState& gs);
void enterTrainingsraum(GameState& gs);
void alwaysTrainingsraum(GameState& gs);
void useFatman(GameState& gs);
void useLaufbandStudio(GameState& gs);
void enterToilette(GameState& gs);
void alwaysToilette(GameState& gs);
void useToilette(GameState& gs);

// ---- scripts_school.cpp ----
void enterSchule(GameState& gs);
void alwaysSchule(GameState& gs);
void useTicketstandKid(GameState& gs);
void enterSchulparty(GameState& gs);
void alwaysSchulparty(GameState& gs);
void useKnoblauch(GameState& gs);
void takeBrot(GameState& gs);
void takeCheese(GameState& gs);

// ---- scripts_sequences.cpp ----
void alwaysFatmanEatingSequenz(GameState& gs);
void alwaysToiletteVerstopftSequenz(GameState& gs);
void alwaysStudiogirlBurgerSequenz(GameState& gs);
void alwaysBurbSequenz(GameState& gs);
void enterBenutzeLaufbandSequenz(GameState& gs);
void alwaysBenutzeLaufbandSequenz(GameState& gs);
