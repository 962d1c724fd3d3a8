// SPDX-License-Identifier: MIT
// engine.h - the engine's records, start-up, one frame and the loop around it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "frame/game_state.h"
#include "frame/input.h"
#include "frame/options.h"  // kScreenWidth, kScreenHeight
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/speech.h"
#include "gfx/text.h"
#include "platform/platform.h"
#include "world/dialogue.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

constexpr uint32_t kFrameMs = 16;  // no frame is shorter than this

// Everything the platform told us between two frames, or what a test pretends it told.
struct FrameEvents {
    bool quit = false;          // the window was closed
    bool leaving = false;       // the player may be gone for good (the page was hidden): keep the game
    bool exposed = false;       // the window was uncovered, restored, refocused or resized
    std::vector<GameKey> keys;  // key-downs in the order they came
    InputSample input = {};     // pointer and button levels
};

// The engine's records, one of each, linked once at start.
struct Engine {
    Engine() = default;
    Engine(const Engine&) = delete;          // owns every record the content builds
    Engine& operator=(const Engine&) = delete;

    GameState game{};                        // what every operation and script receives
    ObjectRegistry objects{};                // every object, owned
    SceneRegistry scenes{};                  // every scene, owned
    GraphicStore graphics{};                 // image templates, owned
    TextTable texts{};                       // stored texts, owned
    DisplayList display{};                   // sprites of the current screen
    RenderTarget target{};                   // the window's surface
    TextRenderer text{};                     // the fonts
    SpeechQueue speech{};                    // lines on screen
    CursorState cursor{};                    // the cursor sprite's control
    PlayerState player{};                    // the hero
    DialoguePartner initialPartner{};        // empty; shown before the first conversation
    InputState input{};                      // mouse and keys at the last poll
    std::vector<DialoguePartner*> partners;  // every conversation built by the content
    bool running = false;                    // the loop repeats while true
    uint32_t frameStartTicks = 0;            // ticks at the top of the frame
    bool smooth = false;                     // the picture is scaled filtered, not sharp
    int windowWidth = kScreenWidth;          // the window's size out of full screen
    int windowHeight = kScreenHeight;
    std::string caption;                     // window and icon title
    std::string frameScene;                  // the scene the window last showed a frame of
    std::string readAheadFrom;               // the scene the read-ahead list was last made for
};

extern const char* const kWebAddress;  // the project's web address

// Links the records and sets the start values (hero at 364, 248).
void linkEngine(Engine& e);
// The window as e.target.fullscreen, e.smooth and e.windowWidth/Height say.
WindowChoice windowChoice(const Engine& e);
// Opens the window, or changes its mode, as windowChoice says (video
// started); prints the reason and returns 1 on failure. The next frame is
// handed over whole: the window's old pixels are gone.
int initVideo(Engine& e);
// F9 and Alt+Enter: into full screen, or back to the window as the player left it.
void switchFullscreen(Engine& e);
// Fonts, cursor images, hidden system pointer. Call after initVideo.
void loadInterface(Engine& e);
// Frees content, sprites and templates (the program leaves this to process exit).
void releaseEngine(Engine& e);
// Frees what play changes (objects, scenes, conversations, the inventory, the
// sprites); pictures, texts and fonts stay.
void releaseWorld(Engine& e);

FrameEvents sampleFrameEvents();                      // the platform's events and input levels
void runFrame(Engine& e, const FrameEvents& events);  // steps 1 to 19 of a frame
void waitForFrameEnd(Engine& e);                // sleeps until 16 ms have passed
void advanceClock(GameState& gs);                     // the script clock's once-a-second tick
// Composes and flips the frame unless the window shows it already and was not
// uncovered since; returns whether the frame was handed to the window.
bool presentFrame(Engine& e);
// Frames until the game ends, each followed by the rest of its 16 ms.
void mainLoop(Engine& e);
// SIGTERM, SIGINT and SIGHUP end the program at the next frame, as closing the window does.
void catchStopSignals();
