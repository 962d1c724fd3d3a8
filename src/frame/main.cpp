// main.cpp - start-up, the loop, shutdown. Arguments are ignored: every run
// starts the game from its beginning.
#include "frame/engine.h"
#include "game/content.h"
#include "game/edition.h"
#include "gfx/display.h"
#include "world/scene.h"

#ifdef HOLLOWMERE_GERMAN
static const Edition& kEdition = kGerman;
#else
static const Edition& kEdition = kEnglish;
#endif

static Engine gEngine;  // every engine record, once, for the whole run

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    Engine& e = gEngine;
    linkEngine(e);
    if (initVideo(e) != 0) return 1;  // nothing to draw into
    loadInterface(e);
    buildContent(e, kEdition);
    enterScene(e.game);
    decodePicturesAhead(e);
    mainLoop(e);
    clearDisplayList(e.display);
    return 0;
}
