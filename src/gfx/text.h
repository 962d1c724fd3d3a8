// text.h - three fixed-cell bitmap fonts drawn straight into the screen pixels.
// Markup: " /n " breaks the line, "/k" switches to magenta, "/c" back to the
// caller's colour, "/r" draws the special glyph 94. Text arrives as Latin-1.
#pragma once
#include "platform/platform.h"
#include <cstdint>
#include <string>

struct SpeechQueue;
struct RenderTarget;

struct TextRenderer {
    TextRenderer() = default;
    TextRenderer(const TextRenderer&) = delete;  // owns the three font sheets
    TextRenderer& operator=(const TextRenderer&) = delete;

    SDL_Surface* font8 = nullptr;          // gfx/fontc.bmp, 6x8 cells
    SDL_Surface* font16 = nullptr;         // gfx/font12c.bmp, 12x16 cells
    SDL_Surface* font24 = nullptr;         // gfx/font18c.bmp, 18x24 cells
    SpeechQueue* speechQueue = nullptr;    // the queue drawn by updateSpeech
    RenderTarget* renderTarget = nullptr;  // the screen to draw on
    // The palette as font8 pixels, mapped by loadFonts.
    uint32_t white = 0, black = 0, yellow = 0, red = 0;
    uint32_t lightRed = 0, darkBlue = 0, darkGreen = 0, lightGreen = 0;
};

struct FontMetrics {
    int cellWidth = 0;   // width of a glyph cell in the sheet
    int cellHeight = 0;  // height of a glyph cell
    int advance = 0;     // pen advance per glyph (less than the cell for 16 and 24)
};

constexpr int kGlyphCount = 102;  // ASCII 32..126, then ä ö ü Ä Ö Ü ß

// Cell geometry of a size selector (8, 16 or 24); false for any other size.
bool fontMetrics(int size, FontMetrics& out);
// Glyph of a Latin-1 byte: 0..94 for ASCII 32..126, 95..101 for the German letters, -1 otherwise.
int glyphIndex(unsigned char c);

void loadFonts(TextRenderer& r);  // after the video mode is set; maps the eight colours
void drawText(TextRenderer& r, const std::string& text, int x, int y, int size, uint32_t colour);
void drawNumber(TextRenderer& r, int32_t value, int x, int y, int size);  // ten digits
int textWidth(const std::string& text, int size);  // widest line in pixels, for layout checks
// True when text drawn at x runs past the right edge and wraps inside a line.
bool textWraps(const std::string& text, int x, int size);
