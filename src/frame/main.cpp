// SPDX-License-Identifier: MIT
// main.cpp - start-up, the loop, shutdown. The command line and the remembered
// settings choose the window; every run starts the game from its beginning.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/datadir.h"
#include "frame/engine.h"
#include "frame/options.h"
#include "game/content.h"
#include "game/edition.h"
#include "gfx/display.h"
#include "world/scene.h"

#ifdef HOLLOWMERE_GERMAN
static const Edition& kEdition = kGerman;
static const char* const kEditionName = "German edition";
static const char* const kUsage = "Aufruf: ";
static const char* const kHelp =
    " [Optionen]\n"
    "  --fullscreen     im Vollbild starten\n"
    "  --window         im Fenster starten\n"
    "  --scale N        Fenster N mal 800x600, N von 1 bis 4 (hoechstens so gross wie der Bildschirm)\n"
    "  --smooth         das Bild weich statt mit scharfen Pixeln vergroessern\n"
    "  --sharp          wieder scharfe Pixel\n"
    "  --data ORDNER    die Bilder aus ORDNER/gfx lesen\n"
    "  --version        Name, Ausgabe und Version ausgeben\n"
    "  --help           diese Hilfe ausgeben\n"
    "Tasten und Maus:\n"
    "  linke Maustaste    gehen, nehmen, reden, ansehen, benutzen (je nach Zeiger)\n"
    "  rechte Maustaste   den naechsten Zeiger waehlen\n"
    "  Tab                zeigt, was sich anklicken laesst\n"
    "  Escape             Vorspann und Zwischenszenen ueberspringen\n"
    "  F5 / F7            Spielstand sichern / laden\n"
    "  F6                 Spielstand-Menue\n"
    "  F9 oder Alt+Enter  Vollbild ein und aus\n"
    "Das Fenster laesst sich mit der Maus in der Groesse aendern; das Bild behaelt seine Form.\n"
    "Vollbild, Fenstergroesse und --smooth werden in $XDG_CONFIG_HOME/hollowmere/settings gemerkt.\n";
#else
static const Edition& kEdition = kEnglish;
static const char* const kEditionName = "English edition";
static const char* const kUsage = "Usage: ";
static const char* const kHelp =
    " [options]\n"
    "  --fullscreen     start in full screen\n"
    "  --window         start in a window\n"
    "  --scale N        window N times 800x600, N from 1 to 4 (no larger than the screen)\n"
    "  --smooth         enlarge the picture smoothly instead of with sharp pixels\n"
    "  --sharp          sharp pixels again\n"
    "  --data DIR       read the pictures from DIR/gfx\n"
    "  --version        print name, edition and version\n"
    "  --help           print this help\n"
    "Keys and mouse:\n"
    "  left click         walk, take, talk, look, use (as the cursor shows)\n"
    "  right click        choose the next cursor\n"
    "  Tab                show what can be clicked\n"
    "  Escape             skip the intro and cut scenes\n"
    "  F5 / F7            save / load the game\n"
    "  F6                 the saved games' menu\n"
    "  F9 or Alt+Enter    full screen on and off\n"
    "The window can be resized with the mouse; the picture keeps its shape.\n"
    "Full screen, window size and --smooth are remembered in $XDG_CONFIG_HOME/hollowmere/settings.\n";
#endif
#ifndef HOLLOWMERE_VERSION
#define HOLLOWMERE_VERSION "0"
#endif

static Engine gEngine;  // every engine record, once, for the whole run

// For the test suite only: HOLLOWMERE_TEST_FRAMES=N runs N frames, pressing
// Escape once a second to skip the intro sequences, then prints the scene it
// stopped in and exits.
static void runTestFrames(Engine& e, int frames) {
    const int kEscapeEvery = 60;
    for (int i = 0; i < frames && e.running; ++i) {
        FrameEvents events = sampleFrameEvents();
        if (i % kEscapeEvery == kEscapeEvery - 1) events.keys.push_back(kKeyEscape);
        runFrame(e, events);
        waitForFrameEnd(e);
    }
    printf("Test run stopped in scene %s\n", e.scenes.currentScene.c_str());
}

int main(int argc, char** argv) {
    const CommandLine args = parseCommandLine(argc, argv);
    if (args.help) {
        printf("%s%s%s", kUsage, argv[0], kHelp);
        return 0;
    }
    if (args.version) {
        printf("Quobble Tuftwhirl (hollowmere), %s, version %s\n", kEditionName, HOLLOWMERE_VERSION);
        return 0;
    }
    char cwd[4096] = "";
    const std::vector<std::string> places = dataPlaces(
        args.dataFolder, getenv("HOLLOWMERE_DATA"), executableFolder(), getcwd(cwd, sizeof cwd) ? cwd : "");
    const std::string data = findDataFolder(places);
    if (data.empty() || chdir(data.c_str()) != 0) {  // the catalogue names pictures below gfx/
        printf("%s\n", noDataMessage(places).c_str());
        return 1;
    }

    const std::string settingsFile = settingsPath();
    const Settings stored = loadSettings(settingsFile);
    Settings chosen = applyCommandLine(stored, args);
    Engine& e = gEngine;
    linkEngine(e);
    e.smooth = chosen.smooth;
    if (!platformStartVideo(windowChoice(e))) return 1;
    int screenW = 0, screenH = 0;
    Settings fitted = chosen;
    if (platformScreenSize(screenW, screenH) && fitWindow(fitted, screenW, screenH) && args.scale)
        printf("The window is %dx%d: --scale %d does not fit the %dx%d screen\n", fitted.windowWidth,
               fitted.windowHeight, args.scale, screenW, screenH);
    chosen = fitted;  // a window larger than the screen is never remembered
    e.windowWidth = chosen.windowWidth;
    e.windowHeight = chosen.windowHeight;
    if (initVideo(e) != 0) return 1;  // nothing to draw into
    int w = 0, h = 0;
    if (!platformWindowSize(w, h))
        printf("The window keeps its size and place: that needs SDL 1.2 through sdl12-compat\n");
    if (!sameSettings(chosen, stored)) saveSettings(settingsFile, chosen);
    loadInterface(e);
    // Full screen comes after the window has shown with the system pointer hidden,
    // as with F9: going there at once leaves the game's cursor behind without a
    // window manager.
    if (chosen.fullscreen) switchFullscreen(e);
    buildContent(e, kEdition);
    enterScene(e.game);
    e.target.readsAhead = true;  // from the first frame on, the scenes ahead are read while it plays
    const char* testFrames = getenv("HOLLOWMERE_TEST_FRAMES");
    if (testFrames && atoi(testFrames) > 0) {
        runTestFrames(e, atoi(testFrames));
    } else {
        catchStopSignals();
        mainLoop(e);
    }
    // F9 and the window's edges change them: remember how the player left them.
    Settings left = chosen;
    left.fullscreen = e.target.fullscreen != 0;
    if (!left.fullscreen) platformWindowSize(e.windowWidth, e.windowHeight);
    left.windowWidth = e.windowWidth;
    left.windowHeight = e.windowHeight;
    if (!sameSettings(left, chosen)) saveSettings(settingsFile, left);
    clearDisplayList(e.display);
    return 0;
}
