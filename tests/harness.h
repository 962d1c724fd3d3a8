// harness.h - an engine on a headless 800x600 screen, driven frame by frame on a
// virtual clock through the same input path as the game.
#pragma once
#include "platform/platform.h"
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "frame/engine.h"

struct TestEngine {
    Engine e;           // the records under test
    InputSample input;  // pointer and button levels fed to the next frame
    bool videoOk;       // the headless screen could be opened

    TestEngine();   // SDL on the dummy driver, records linked, virtual clock at 1000 ms, rand seeded
    ~TestEngine();  // everything released
    GameState& gs() { return e.game; }

    // One frame with the current input levels (and optional key-downs), then 16 ms pass.
    void frame(const std::vector<GameKey>& keys = {});
    void frames(int n);
    // Moves the pointer, presses and releases the button over two frames.
    void click(int x, int y);
    void rightClick();
    void moveTo(int x, int y);
    // Runs frames until pred holds or maxFrames ran; returns whether it held.
    template <typename Pred>
    bool runUntil(Pred pred, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            if (pred()) return true;
            frame();
        }
        return pred();
    }
    std::string frontSpeech() const;  // text of the line on screen, "" for none
};

// A fresh folder under /tmp, removed with everything in it.
struct TempFolder {
    std::string path;
    TempFolder();
    ~TempFolder();
    std::string operator/(const std::string& sub) const { return path + "/" + sub; }
};

// Writes a 32-bit BMP (no alpha) of w x h filled with rgb into a temp folder; returns its path.
std::string writeTestBmp(const std::string& name, int w, int h, uint32_t rgb);
// The same with a per-pixel colour function.
std::string writeTestBmpFn(const std::string& name, int w, int h, const std::function<uint32_t(int x, int y)>& pixel);
// Reads the screen pixel as 0xRRGGBB.
uint32_t screenPixel(const Engine& e, int x, int y);
