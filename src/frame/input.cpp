// input.cpp - turning button levels into one-frame clicks, and the pointer's sprite.
#include "frame/input.h"

#include <cstdio>

#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "platform/platform.h"

InputSample sampleInput() {
    InputSample s = {};
    platformPointer(s.x, s.y, s.left, s.right);
    s.up = platformKeyHeld(kHeldUp);
    s.down = platformKeyHeld(kHeldDown);
    s.arrowLeft = platformKeyHeld(kHeldLeft);
    s.arrowRight = platformKeyHeld(kHeldRight);
    s.tab = platformKeyHeld(kHeldTab);
    return s;
}

// A held button reports one click; the next needs a poll that saw it released.
static void latchButton(bool held, int& down, int& clicked, int& latch) {
    if (held) {
        down = 1;
        if (latch == 0) {
            clicked = 1;
            latch = 1;
        }
    } else {
        down = 0;
        if (latch == 1) {
            clicked = 0;
            latch = 0;
        }
    }
}

// The arrow keys, in the order they are tested; only the first held one counts.
struct ArrowKey {
    bool InputSample::*held;
    int InputState::*pressed;
    const char* echo;
};
static const ArrowKey kArrows[] = {
    {&InputSample::up, &InputState::upPressed, "up"},
    {&InputSample::down, &InputState::downPressed, "down"},
    {&InputSample::arrowLeft, &InputState::leftPressed, "left"},
    {&InputSample::arrowRight, &InputState::rightPressed, "right"},
};

void pollInput(InputState& in, const InputSample& s) {
    in.x = s.x;
    in.y = s.y;
    in.tabDown = s.tab ? 1 : 0;
    latchButton(s.left, in.leftDown, in.leftClicked, in.leftLatch);
    latchButton(s.right, in.rightDown, in.rightClicked, in.rightLatch);
    in.upPressed = in.downPressed = in.leftPressed = in.rightPressed = 0;
    for (const ArrowKey& a : kArrows) {
        if (!(s.*a.held)) continue;
        in.arrowDown = 1;
        if (in.arrowLatch == 0) {
            in.arrowLatch = 1;
            in.*a.pressed = 1;
            printf("%s\n", a.echo);  // a debugging aid: the arrows do nothing else
        }
        return;
    }
    in.arrowDown = 0;
    in.arrowLatch = 0;
}

void followMouse(CursorState& c) {
    if (c.cursorEnabled != 1) return;
    Graphic* cursor = lastSprite(*c.displayList);
    if (!cursor) return;
    cursor->x = c.mouse->x;
    cursor->y = c.mouse->y;
}

std::string spriteUnderPointer(const CursorState& c) {
    const std::vector<Graphic*>& list = c.displayList->sprites;
    const size_t n = list.size();
    if (n < 3) return "";  // only the background and the cursor: nothing to hit
    const Graphic* cursor = list[n - 1];
    const int cw = cursor->frameWidth / 2;
    const int ch = cursor->frameHeight / 2;
    const int mx = c.mouse->x, my = c.mouse->y;
    // The background (first) and the cursor (last) are never hit; the lowest-drawn hit wins.
    for (size_t i = 1; i + 1 < n; ++i) {
        Graphic* g = list[i];
        if (g->visible != 1) continue;
        int32_t w = 0, h = 0;
        graphicHotSize(*g, w, h);
        if (mx + cw >= g->x && mx <= g->x + w && my + ch >= g->y && my <= g->y + h) return g->name;
    }
    return "";
}
