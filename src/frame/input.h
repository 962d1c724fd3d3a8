// input.h - mouse and keyboard, sampled once per frame.
// Sampling the platform and latching clicks are separate so tests can feed levels directly.
#pragma once
#include <cstdint>
#include <string>

struct CursorState;

// Raw levels read from the platform (or made up by a test) at one poll.
struct InputSample {
    int x = 0, y = 0;                  // pointer in window pixels
    bool left = false, right = false;  // mouse buttons held
    bool up = false, down = false, arrowLeft = false, arrowRight = false;  // arrow keys held
    bool tab = false;                  // Tab held: the hot-spot markers show
};

struct InputState {
    int x = 0, y = 0;       // pointer position
    int leftClicked = 0;    // the left button went down since the last frame (one frame only)
    int rightClicked = 0;   // the same for the right button
    int leftLatch = 0;      // a left press was reported and no release seen yet
    int leftDown = 0;       // the left button is held at this poll
    int rightLatch = 0;     // the same for the right button
    int rightDown = 0;      // the right button is held at this poll
    int arrowLatch = 0;     // an arrow key is held and was reported
    int arrowDown = 0;      // any arrow key is held
    int upPressed = 0, downPressed = 0, leftPressed = 0, rightPressed = 0;  // went down at this poll
    int tabDown = 0;        // Tab is held at this poll (a level, never latched)
};

InputSample sampleInput();  // the platform's pointer and keys as of its last event poll
void pollInput(InputState& in, const InputSample& s);  // the click latch and arrow echo

void followMouse(CursorState& c);  // the cursor sprite's top-left goes to the pointer
std::string spriteUnderPointer(const CursorState& c);  // "" when nothing is hit
