// clock.cpp - the platform's ticks in the game, a virtual clock in tests.
#include "frame/clock.h"

#include "platform/platform.h"

TickSource gTicks = {false, 0};

uint32_t ticksNow() { return gTicks.virtualTime ? gTicks.virtualNow : platformTicks(); }

void useVirtualClock(uint32_t startMs) {
    gTicks.virtualTime = true;
    gTicks.virtualNow = startMs;
}

void advanceVirtualClock(uint32_t ms) {
    if (gTicks.virtualTime) gTicks.virtualNow += ms;
}

void sleepTicks(uint32_t ms) {
    if (gTicks.virtualTime)
        gTicks.virtualNow += ms;
    else
        platformSleep(ms);
}
