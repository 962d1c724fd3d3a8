// SPDX-License-Identifier: MIT
// Bitmap text: markup, pen advance and wrap, glyph table, blending, clipping,
// counters, and the speech queue drawn with it.
#include <string>

#include "gfx_test_util.h"

using gfxtest::GfxTest;

namespace {

constexpr uint32_t kBackground = 0x0000c8;

class GfxText : public GfxTest {
protected:
    TextRenderer r{};
    RenderTarget target{};

    void SetUp() override {
        GfxTest::SetUp();
        target.screen = screen;
        r.renderTarget = &target;
        loadWith(false, false);
    }
    void TearDown() override {
        gfxtest::freeFonts(r);
        GfxTest::TearDown();
    }
    void loadWith(bool full, bool bits24) {
        gfxtest::loadMarkerFonts(r, dir, full, bits24);
        ASSERT_NE(r.font24, nullptr);
    }

    // Glyph whose marker sits at (x, y), or -1 when the screen is untouched there.
    int glyphAt(int x, int y) const {
        const uint32_t p = pixel(x, y);
        return p == kBackground ? -1 : int((p >> 8) & 0xff);
    }
    // Red channel of the marker: 50 blended with black, 177 with magenta.
    int redAt(int x, int y) const { return int(pixel(x, y) >> 16); }
};

int glyphOf(char c) { return static_cast<unsigned char>(c) - 32; }

TEST_F(GfxText, NewlineStartsTheNextWordOneCellLeftPlusAnAdvance) {
    drawText(r, "ab /n cd", 4, 100, 24, r.black);
    EXPECT_EQ(glyphAt(4, 100), glyphOf('a'));
    EXPECT_EQ(glyphAt(18, 100), glyphOf('b'));
    EXPECT_EQ(glyphAt(32, 100), glyphOf(' '));
    EXPECT_EQ(glyphAt(0, 124), glyphOf('c'));  // 4 - 18 + 14
    EXPECT_EQ(glyphAt(14, 124), glyphOf('d'));

    drawText(r, "ab /n cd", 40, 300, 16, r.black);
    EXPECT_EQ(glyphAt(36, 316), glyphOf('c'));  // 40 - 12 + 8

    drawText(r, "ab /n cd", 40, 400, 8, r.black);
    EXPECT_EQ(glyphAt(40, 408), glyphOf('c'));  // size 8 lines up with startX

    // A second pair right after the first is drawn as the characters / and n.
    drawText(r, "A/n/nB", 40, 500, 24, r.black);
    EXPECT_EQ(glyphAt(22, 524), glyphOf('/'));
    EXPECT_EQ(glyphAt(36, 524), glyphOf('n'));
    EXPECT_EQ(glyphAt(50, 524), glyphOf('B'));
    EXPECT_EQ(glyphAt(40, 548), -1);
}

TEST_F(GfxText, LongLineWrapsMidWordAndContinuesAtStartX) {
    std::string line;
    for (int i = 0; i < 60; ++i) line += static_cast<char>('A' + i % 26);
    drawText(r, line, 4, 200, 24, r.black);
    EXPECT_EQ(glyphAt(4 + 55 * 14, 200), glyphOf(line[55]));  // x 774, the last that fits
    EXPECT_EQ(glyphAt(788, 200), -1);                         // 788 > 782 wraps
    EXPECT_EQ(glyphAt(4, 224), glyphOf(line[56]));
    EXPECT_EQ(glyphAt(4 + 3 * 14, 224), glyphOf(line[59]));
    EXPECT_EQ(textWidth(line, 24), 56 * 14);  // the widest line: 56 glyphs from x 0
    EXPECT_EQ(textWidth("ab /n cdef", 24), -4 + 4 * 14);

    // The pen wraps only once it is past 782: a glyph starting on 782 stays on the line.
    const std::string full(56, 'A');  // from x 12 the 56th glyph starts on 782
    drawText(r, full, 12, 300, 24, r.black);
    EXPECT_EQ(glyphAt(782, 300), glyphOf('A'));
    EXPECT_EQ(glyphAt(12, 324), -1);
}

TEST_F(GfxText, ALineTooWideBreaksAtItsLastSpaceThatFits) {
    // From x 12: "AAAA BBBB ..." - the word whose last glyph would pass 782 moves down whole.
    std::string line;
    for (int w = 0; w < 12; ++w) line += std::string(4, char('A' + w)) + " ";
    line += "/kMMMM/c NN";  // colour marks take no room
    drawText(r, line, 12, 100, 24, r.black);
    // Words take 5 pens each and pen 55 (x 782) is the last: "KKKK" ends on pen 53,
    // "LLLL" would pass the edge, so the space before it breaks the line instead.
    EXPECT_EQ(glyphAt(12 + 53 * 14, 100), glyphOf('K'));
    EXPECT_EQ(glyphAt(12 + 54 * 14, 100), -1) << "the space that breaks is dropped";
    EXPECT_EQ(glyphAt(12, 124), glyphOf('L')) << "the next line starts with the word";
    EXPECT_EQ(glyphAt(12 + 5 * 14, 124), glyphOf('M'));
    EXPECT_EQ(glyphAt(12 + 10 * 14, 124), glyphOf('N'));

    // A word that fits exactly stays: its last glyph starts on 782.
    drawText(r, std::string(50, 'A') + " BBBBB", 12, 200, 24, r.black);
    EXPECT_EQ(glyphAt(782, 200), glyphOf('B'));
    EXPECT_EQ(glyphAt(12, 224), -1);

    // A word wider than a whole line is still cut where the pen passes the edge.
    drawText(r, "A " + std::string(60, 'B'), 12, 400, 24, r.black);
    EXPECT_EQ(glyphAt(12 + 2 * 14, 400), glyphOf('B'));
    EXPECT_EQ(glyphAt(12, 424), glyphOf('B'));
}

TEST_F(GfxText, ColourMarkupSwitchesToMagentaAndBack) {
    drawText(r, "A/kB/cC", 100, 100, 24, r.black);
    EXPECT_EQ(glyphAt(114, 100), glyphOf('B'));  // markup takes no pen advance
    EXPECT_EQ(redAt(100, 100), 50);
    EXPECT_EQ(redAt(114, 100), 177);
    EXPECT_EQ(redAt(128, 100), 50);

    drawText(r, "A/kA/cA", 100, 150, 24, r.black);  // the same glyph in both colours
    EXPECT_EQ(redAt(100, 150), 50);
    EXPECT_EQ(redAt(114, 150), 177);
    EXPECT_EQ(redAt(128, 150), 50);

    drawText(r, "/kAB", 100, 200, 24, r.black);  // without /c it stays magenta
    EXPECT_EQ(redAt(100, 200), 177);
    EXPECT_EQ(redAt(114, 200), 177);
    drawText(r, "A", 100, 300, 24, r.black);     // each call starts with the caller's colour
    EXPECT_EQ(redAt(100, 300), 50);

    // (glyph + colour) / 2 per channel: 'A' is (100, 66, 100), white gives (177, 160, 177).
    drawText(r, "A", 100, 400, 24, r.white);
    EXPECT_EQ(pixel(100, 400), 0xb1a0b1u);
    EXPECT_EQ(pixel(101, 400), kBackground);  // black in the sheet is transparent
    loadWith(false, true);  // a 24-bit sheet draws the same
    drawText(r, "A", 100, 450, 24, r.white);
    EXPECT_EQ(pixel(100, 450), 0xb1a0b1u);
    EXPECT_EQ(pixel(101, 450), kBackground);
}


TEST_F(GfxText, SpecialAndGermanGlyphs) {
    drawText(r, "/rxA", 100, 100, 24, r.black);
    EXPECT_EQ(glyphAt(100, 100), 94);
    EXPECT_EQ(glyphAt(114, 100), glyphOf('A'));  // the x went with the pair
    EXPECT_EQ(glyphAt(128, 100), -1);

    drawText(r, "/r\xF6", 100, 150, 24, r.black);  // a German letter after the pair wins
    EXPECT_EQ(glyphAt(100, 150), 96);

    drawText(r, "a/", 100, 200, 24, r.black);  // a lone slash at the end is a slash
    EXPECT_EQ(glyphAt(114, 200), glyphOf('/'));

    drawText(r, "\xE4\xF6\xFC\xC4\xD6\xDC\xDF", 100, 250, 24, r.black);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(glyphAt(100 + 14 * k, 250), 95 + k) << k;

    // Bytes outside the table draw nothing but keep their place.
    drawText(r, "\x01\x7f\xE9" "A", 100, 300, 24, r.black);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(glyphAt(100 + 14 * k, 300), -1) << k;
    EXPECT_EQ(glyphAt(100 + 3 * 14, 300), glyphOf('A'));

    drawText(r, "A", 100, 350, 12, r.black);  // no such size
    EXPECT_EQ(glyphAt(100, 350), -1);
}

TEST_F(GfxText, GlyphsAreClippedToTheScreenPixelByPixel) {
    drawText(r, "ab", -14, 200, 24, r.black);  // 'a' at -14..3, 'b' from 0
    EXPECT_EQ(glyphAt(0, 200), glyphOf('b'));
    loadWith(true, false);
    // Past 782 the pen wraps to startX again, so this cell sits on 790..807.
    drawText(r, "A", 790, 100, 24, r.black);
    EXPECT_NE(pixel(799, 124), kBackground);
    EXPECT_EQ(pixel(0, 125), kBackground);  // no spill into the next row

    drawText(r, "A", -5, -5, 24, r.black);
    EXPECT_NE(pixel(0, 0), kBackground);
    drawText(r, "AAAA", 0, 590, 24, r.black);
    EXPECT_NE(pixel(0, 599), kBackground);
    drawText(r, "AAAA", -1000000, -2000000000, 24, r.black);
    // No pointer left of the screen is formed: the visible part lands in place.
    drawText(r, "A", -10, 250, 24, r.black);  // cell -10..7
    EXPECT_NE(pixel(0, 250), kBackground);
    EXPECT_NE(pixel(7, 273), kBackground);
    EXPECT_EQ(pixel(8, 250), kBackground);
}

TEST_F(GfxText, CellsBeyondTheSheetAreNotRead) {
    gfxtest::freeFonts(r);
    // Three and a half cells, ten rows: less than one 18 x 24 cell high.
    gfxtest::writeBmp32(file("gfx/font18c.bmp"), 63, 10, [](int, int) { return 0x808080u; });
    gfxtest::inDir(dir, [&] { loadFonts(r); });
    ASSERT_NE(r.font24, nullptr);
    drawText(r, "!\"#$~", 0, 0, 24, r.black);
    // '#' (glyph 3) stands at x 28; the sheet holds its left nine columns only.
    EXPECT_NE(pixel(36, 9), kBackground);
    EXPECT_EQ(pixel(40, 5), kBackground);
    EXPECT_EQ(pixel(36, 10), kBackground);
    EXPECT_EQ(pixel(50, 0), kBackground);  // '$' (glyph 4) is not in the sheet at all
}

TEST_F(GfxText, NumbersAreTenDigitsInTheFontsOwnColours) {
    drawNumber(r, 42, 100, 300, 24);
    // Digit d is glyph 16 + d; its marker is copied unblended: green 2 * (16 + d).
    for (int k = 0; k < 8; ++k) EXPECT_EQ(pixel(100 + 18 * k, 300), 0x642064u) << k;
    EXPECT_EQ(pixel(100 + 18 * 8, 300), 0x642864u);
    EXPECT_EQ(pixel(100 + 18 * 9, 300), 0x642464u);
    EXPECT_EQ(pixel(100 + 18 * 10, 300), kBackground);
    drawNumber(r, 2147483647, 0, 400, 8);
    EXPECT_EQ(pixel(0, 400), 0x642464u);       // 2
    EXPECT_EQ(pixel(6 * 9, 400), 0x642e64u);   // 7
}

// Lines go at the tick that raises secondsShown above their seconds; queuing
// restarts the count; only the front line is drawn; an empty text shows its number.
TEST_F(GfxText, SpeechLinesExpireInTurnAndOnlyTheFrontIsDrawn) {
    SpeechQueue q;
    r.speechQueue = &q;
    // One tick of the script clock, then the frame's speech update.
    auto tick = [&] {
        q.secondsShown += 1;
        updateSpeech(r);
    };
    auto front = [&]() -> std::string { return q.lines.empty() ? "" : q.lines.front()->text; };
    say(q, "A", r.black, 2);
    sayAt(q, "B", 100, 100, r.black, 0);
    updateSpeech(r);
    EXPECT_EQ(pixel(4, 0), 0x322132u);  // 'A' blended with black
    EXPECT_EQ(pixel(100, 100), kBackground);
    tick();
    tick();
    EXPECT_EQ(front(), "A");  // secondsShown 2 is not above 2
    tick();
    EXPECT_EQ(front(), "B");
    EXPECT_EQ(q.secondsShown, 0);
    sayAt(q, "C", 0, 0, r.white, 5);
    tick();
    EXPECT_EQ(front(), "C") << "B's 0 seconds passed at the first tick";
    tick();
    EXPECT_EQ(q.secondsShown, 1);
    say(q, "D", r.white, 1);
    EXPECT_EQ(q.secondsShown, 0) << "queuing restarts the line on screen";
    clearSpeech(q);
    EXPECT_FALSE(speechQueued(q));

    SpeechLine* line = newSpeechLine("", 10, 50, 24, r.white);
    line->number = 7;
    q.lines.push_back(line);
    updateSpeech(r);
    EXPECT_EQ(pixel(10, 50), 0x642064u);           // leading zero: glyph 16 unblended
    EXPECT_EQ(pixel(10 + 9 * 18, 50), 0x642e64u);  // 7: glyph 23
    clearSpeech(q);
}

}  // namespace
