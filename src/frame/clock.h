// clock.h - the one tick source of the program.
// The game reads the platform's ticks; tests switch to a virtual clock that only moves
// when the test (or the frame wait) moves it, so every frame is reproducible.
#pragma once
#include <cstdint>

struct TickSource {
    bool virtualTime = false;  // true = ticks come from virtualNow, not from SDL
    uint32_t virtualNow = 0;   // current virtual time in ms
};

extern TickSource gTicks;  // the one tick source

uint32_t ticksNow();                    // ms since start (platform or virtual)
void useVirtualClock(uint32_t startMs);  // switch to virtual time starting at startMs
void advanceVirtualClock(uint32_t ms);  // no-op on the real clock
void sleepTicks(uint32_t ms);           // the platform sleeps, or the virtual clock moves
