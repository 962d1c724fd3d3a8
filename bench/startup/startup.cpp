// SPDX-License-Identifier: MIT
// startup.cpp - one start-up to the first frame on the window, for the start-up
// benchmark: "game" does what main does; "bare" is the floor, a bare SDL program
// that opens its window and shows one picture. Prints VmRSS and VmHWM (kB) once
// the frame is shown, then leaves.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "../proc_status.h"
#include "frame/engine.h"
#include "game/content.h"
#include "game/edition.h"

namespace {

constexpr const char* kFirstPicture = "gfx/szene/intro/cga_to_vga_low.bmp";  // the game's first

Engine gEngine;

bool startGame() {
    Engine& e = gEngine;
    linkEngine(e);
    if (initVideo(e) != 0) return false;
    loadInterface(e);
    buildContent(e, kEnglish);
    enterScene(e.game);
    e.target.readsAhead = true;
    FrameEvents ev = {};
    runFrame(e, ev);
    while (e.target.picturesMissing) {  // the first picture shows once it is read, as in the program
        waitForFrameEnd(e);
        runFrame(e, ev);
    }
    return true;
}

bool startBare() {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) return false;
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    SDL_Surface* picture = IMG_Load(kFirstPicture);
    if (!screen || !picture) return false;
    SDL_BlitSurface(picture, nullptr, screen, nullptr);
    SDL_Flip(screen);
    return true;
}

// The floor of a running game: the bare picture copied and flipped every 16 ms for seconds.
void flipBare(int seconds) {
    SDL_Surface* screen = SDL_GetVideoSurface();
    SDL_Surface* picture = IMG_Load(kFirstPicture);
    for (int frame = 0; picture && frame < seconds * 60; ++frame) {
        const Uint32 start = SDL_GetTicks();
        SDL_BlitSurface(picture, nullptr, screen, nullptr);
        SDL_Flip(screen);
        SDL_Event ev;
        while (SDL_PollEvent(&ev)) {
        }
        const Uint32 spent = SDL_GetTicks() - start;
        if (spent < 16) SDL_Delay(16 - spent);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool game = argc > 1 && std::strcmp(argv[1], "game") == 0;
    if (!(game ? startGame() : startBare())) return 1;
    if (!game && argc > 2) flipBare(std::atoi(argv[2]));  // bare SECONDS: the floor of the real-window benchmark
    std::printf("%ld %ld\n", statusKb("VmRSS"), statusKb("VmHWM"));
    std::fflush(stdout);
    std::_Exit(0);  // the measurement ends at the first frame
}
