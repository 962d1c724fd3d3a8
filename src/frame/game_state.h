// SPDX-License-Identifier: MIT
// game_state.h - the engine context every operation and script receives.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "gfx/graphic.h"  // GraphicStore
#include "gfx/speech.h"   // TextTable

struct SceneObject;
struct SceneRegistry;
struct TextRenderer;
struct SpeechQueue;
struct SpeechLine;
struct Graphic;
struct CursorState;
struct PlayerState;
struct DisplayList;
struct DialoguePartner;
struct GameState;
struct Engine;
struct Edition;

using ObjectRegistry = std::map<std::string, SceneObject*>;  // name -> object, non-owning

using ScriptFn = void (*)(GameState&);  // every script: takes the state, returns nothing

// The 23 story flags, in their fixed order.
enum StoryFlag {
    chainHooked,      // the pulley chain was used on the ship
    hatTaken,         // the scarecrow's hat was taken
    barnUnlocked,     // the key was used on the barn lock
    keyFromGirl,      // the girl handed over the barn key
    ladyCalled,       // the old lady's door was knocked at; cleared when the lolly is given away
    fatmanGotLolly,   // the fat man got the lolly
    fatmanSitting,    // the fat man now sits and licks
    barrierOpen,      // the ticket was shown
    freakFed,         // the freak got the lolly
    toiletBlocked,    // the toilet was blocked with paper
    beltTaken,        // the treadmill belt was removed
    beltInstalled,    // the belt drives the barn generator
    studiogirlFed,    // the studio girl got the mouse sandwich
    mouseCaught,      // the mouse was caught
    burpContestWon,   // the burp contest was won
    cheeseTaken,      // the cheese was taken
    breadTaken,       // the bread was taken
    costumeBroom,     // the mop was handed over as the witch's broom
    costumeLipstick,  // the lipstick was handed over
    costumeCape,      // the cape was handed over
    costumeHat,       // the hat was handed over
    costumeComplete,  // all four costume parts handed over
    girlHappy,        // the girl is happy
    kStoryFlagCount
};

// Where an offered dialogue topic can be clicked (18 px apart, drawn 24 px apart).
struct OptionArea {
    int32_t index = 0;     // 0..3, position in the option list
    int32_t x = 0, y = 0;  // top-left of the hit area
    int32_t width = 0;     // 0 = no topic here
    int32_t height = 24;   // always 24
};

struct GameState {
    ObjectRegistry* objects = nullptr;          // every object of every scene, by name
    SceneRegistry* scenes = nullptr;            // scenes and the current scene's name
    TextRenderer* textRenderer = nullptr;       // text drawing
    SpeechQueue* speechQueue = nullptr;         // speech lines on screen
    TextTable* textTable = nullptr;             // stored texts by key
    GraphicStore* graphics = nullptr;           // image templates by name
    CursorState* cursor = nullptr;              // cursor control; through it the input state
    PlayerState* player = nullptr;              // the hero
    DisplayList* displayList = nullptr;         // sprites of the current screen
    DialoguePartner* dialogue = nullptr;        // partner being shown; the initial empty partner before any talk
    std::string pendingScene;                   // scene to enter once the hero has arrived; "" = none
    uint8_t escapePressed = 0;                  // Escape is down-latched until another key or a script clears it
    uint8_t quitting = 0;                       // the game is ending; the loop stops once clockSeconds > 10
    int32_t hoverCursor = 0;                    // 10 while the exit cursor replaces the verb cursor, else 0
    int32_t cursorMode = 0;                     // the current verb (CursorMode)
    int32_t savedCursorMode = 0;                // verb to return to after the speech cursor
    SceneObject* hoveredObject = nullptr;       // object under the pointer, recomputed every frame
    SceneObject* clickedObject = nullptr;       // object under the pointer at last frame's click, else none
    SceneObject* heldItem = nullptr;            // inventory item picked up to be used with something
    uint32_t clockStartTicks = 0;               // ms at which the current script-clock second began
    int32_t clockSeconds = 0;                   // script clock in whole seconds; after 302 it goes on at 2
    uint8_t clockTicked = 0;                    // true only in a frame in which clockSeconds advanced
    DialoguePartner* activePartner = nullptr;   // the open conversation; none when closed
    std::string chosenTopic;                    // topic being played; "" while the options are offered
    int32_t lineIndex = 0;                      // index of the line being shown
    uint8_t partnerSpeaking = 0;                // true in frames in which a partner line is drawn
    OptionArea optionAreas[4]{};                // hit areas of the offered topics
    std::string partnerLine;                    // partner line drawn most recently in this conversation
    int32_t savedHeroX = 0, savedHeroY = 0;     // Player sprite top-left kept across a rebuild
    int32_t inventoryOpen = 0;                  // 1 while the inventory screen is shown
    int32_t idleVariant = 0;                    // last random idle pick, shared by all scenes
    std::map<std::string, ScriptFn> callbacks;  // script functions by name
    uint8_t storyFlags[kStoryFlagCount]{};      // puzzle progress
    Engine* engine = nullptr;                   // the records this state is part of
    const Edition* edition = nullptr;           // the edition the content was built for (set by the game)
    uint32_t playedSeconds = 0;                 // seconds of play in this game, kept in its saves
};

// The first registration of a name wins.
void registerCallback(GameState& gs, const std::string& name, ScriptFn fn);
// Calls the script registered under name; unknown or empty names do nothing.
void runCallback(GameState& gs, const std::string& name);
