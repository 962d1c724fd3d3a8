// input.h - mouse and keyboard, sampled once per frame.
// Sampling SDL and latching clicks are separate so tests can feed levels directly.
#pragma once
#include <SDL.h>
#include <cstdint>
#include <string>

struct CursorState;
struct GameState;

// Raw levels read from SDL (or made up by a test) at one poll.
struct InputSample {
    int x, y;                    // pointer in window pixels
    bool left, right;            // mouse buttons held
    bool up, down, arrowLeft, arrowRight;  // arrow keys held
    bool tab;                    // Tab held: the hot-spot markers show
};

struct InputState {
    Uint8* keys;        // SDL's key-state array at the last poll (null in tests)
    int x, y;           // pointer position
    int leftClicked;    // the left button went down since the last frame (one frame only)
    int rightClicked;   // the same for the right button
    int leftLatch;      // a left press was reported and no release seen yet
    int leftDown;       // the left button is held at this poll
    int rightLatch;     // the same for the right button
    int rightDown;
    int arrowLatch;     // an arrow key is held and was reported
    int arrowDown;      // any arrow key is held
    int upPressed, downPressed, leftPressed, rightPressed;  // went down at this poll
    int tabDown;        // Tab is held at this poll (a level, never latched)
};

InputSample sampleInput(InputState& in);  // reads SDL; also refreshes in.keys
void pollInput(InputState& in, const InputSample& s);  // the click latch and arrow echo

void followMouse(CursorState& c);  // the cursor sprite's top-left goes to the pointer
std::string spriteUnderPointer(const CursorState& c);  // "" when nothing is hit
void cycleCursorMode(GameState& gs);  // the right-click verb change
