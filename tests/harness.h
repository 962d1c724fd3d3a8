// SPDX-License-Identifier: MIT
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

// The whole content of a file; "" when it cannot be read.
std::string fileText(const std::string& path);

// A fresh folder under /tmp, removed with everything in it.
struct TempFolder {
    std::string path;
    TempFolder();
    ~TempFolder();
    std::string operator/(const std::string& sub) const { return path + "/" + sub; }
};

using PixelFn = std::function<uint32_t(int x, int y)>;  // 0xRRGGBB per pixel
// Writes a 24-bit BMP (no alpha) of w x h at path.
void writeBmp(const std::string& path, int w, int h, const PixelFn& pixel);
// The same into the run's scratch folder, filled with rgb or a colour per pixel; returns its path.
std::string writeTestBmp(const std::string& name, int w, int h, uint32_t rgb);
std::string writeTestBmpFn(const std::string& name, int w, int h, const PixelFn& pixel);
// A pixel of a 32-bit surface (the screen: of the engine's) as 0xRRGGBB; 0 outside it.
uint32_t surfacePixel(const SDL_Surface* s, int x, int y);
uint32_t screenPixel(const Engine& e, int x, int y);
// The colours of every pixel of a 32-bit surface (the unused fourth byte left out), hashed.
uint64_t surfaceHash(const SDL_Surface* s);
// The surface as 32-bit 0x00RRGGBB pixels without alpha, whatever depth it had;
// frees the original. Null stays null.
SDL_Surface* asPlainRgb(SDL_Surface* s);
