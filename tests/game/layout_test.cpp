// SPDX-License-Identifier: MIT
// layout_test.cpp - every text of both editions drawn where the game draws it,
// read back glyph by glyph: no word is split across two lines, none is lost.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

#include "engine/gfx_test_util.h"
#include "game/content.h"
#include "game/edition.h"
#include "play_driver.h"

namespace {

const Edition* const kEditions[] = {&kEnglish, &kGerman};
const unsigned char kGermanLetters[] = {0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC, 0xDF};

// Where the game draws a text (all of them in the 24 px font).
struct Place {
    int x, y;
};
constexpr Place kSpeech{kSpeechX, kSpeechY};  // stored texts and script lines said
constexpr Place kDialogueLine{4, 4};          // a line of a conversation
constexpr Place kOption{32, 508};             // the first option of the bar
constexpr Place kCreditsPage{64, 160};
constexpr Place kCreditsTitle{16, 16};
constexpr Place kPatchPrompt{316, 8};  // the intro's patch loader, top centre
constexpr Place kPatchLoader{348, 8};

// An 800x600 screen of its own with marker fonts: a drawn glyph leaves one pixel at
// its cell's top-left whose green channel is the glyph number (see gfx_test_util.h).
struct LaidOut {
    TextRenderer r;
    RenderTarget target;
    TempFolder folder;

    LaidOut() {
        target.screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xff0000, 0xff00, 0xff, 0);
        r.renderTarget = &target;
        gfxtest::loadMarkerFonts(r, folder.path);
    }
    ~LaidOut() {
        gfxtest::freeFonts(r);
        SDL_FreeSurface(target.screen);
    }

    // The glyphs on screen after drawing text at p, line by line, with their x.
    using Glyphs = std::vector<std::pair<int, char>>;
    std::vector<Glyphs> drawn(const std::string& text, Place p) {
        SDL_FillRect(target.screen, nullptr, 0);
        drawText(r, text, p.x, p.y, 24, r.black);
        std::vector<Glyphs> out;
        for (int y = p.y; y < target.screen->h; y += 24) {
            Glyphs line;
            const Uint32* row = reinterpret_cast<const Uint32*>(
                static_cast<const Uint8*>(target.screen->pixels) + y * target.screen->pitch);
            for (int x = 0; x < target.screen->w; ++x) {
                if ((row[x] >> 16) == 0) continue;  // no glyph starts here
                const int glyph = (row[x] >> 8) & 0xff;
                line.push_back({x, glyph < 95 ? char(32 + glyph) : char(kGermanLetters[glyph - 95])});
            }
            out.push_back(line);
        }
        return out;
    }
    // The same as Latin-1 strings.
    std::vector<std::string> lines(const std::string& text, Place p) {
        std::vector<std::string> out;
        for (const Glyphs& g : drawn(text, p)) {
            out.emplace_back();
            for (const auto& xc : g) out.back() += xc.second;
        }
        return out;
    }
};

// The words of a text (colour marks and line breaks dropped) or of drawn lines.
std::vector<std::string> words(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines) {
        std::istringstream in(l);
        for (std::string w; in >> w;) {
            if (w == "/n") continue;
            for (const char* mark : {"/k", "/c"})
                for (size_t at; (at = w.find(mark)) != std::string::npos;) w.erase(at, 2);
            if (!w.empty()) out.push_back(w);
        }
    }
    return out;
}

// Draws text at p and expects every word of it whole on one line.
void expectWholeWords(LaidOut& screen, const std::string& text, Place p, const std::string& where) {
    const std::vector<std::string> drawn = screen.lines(text, p);
    std::string shown;
    for (const std::string& l : drawn)
        if (l.find_first_not_of(' ') != std::string::npos) shown += "\n  |" + l + "|";
    EXPECT_EQ(words(drawn), words({text})) << where << " is drawn as:" << shown;
}

Place placeOfScriptLine(const std::string& id) {
    if (id == "CreditsTitle") return kCreditsTitle;
    if (id.compare(0, 7, "Credits") == 0) return kCreditsPage;
    if (id == "IntroPatch1" || id == "IntroPatch2") return kPatchPrompt;
    if (id.compare(0, 10, "IntroPatch") == 0) return kPatchLoader;
    return kSpeech;
}

TEST(Layout, EveryTextOfBothEditionsKeepsItsWordsWhole) {
    LaidOut screen;
    ASSERT_NE(screen.r.font24, nullptr);
    for (const Edition* ed : kEditions) {
        const std::string lang = std::string(ed->language) + " ";
        for (size_t i = 0; i < ed->textCount; ++i)
            expectWholeWords(screen, latin1(ed->texts[i].text), kSpeech, lang + ed->texts[i].key);
        for (size_t i = 0; i < ed->topicCount; ++i)
            expectWholeWords(screen, latin1(ed->topics[i].label), kOption, lang + ed->topics[i].id);
        for (size_t i = 0; i < ed->lineCount; ++i)
            if (ed->lines[i].who != kUnlock)
                expectWholeWords(screen, latin1(ed->lines[i].text), kDialogueLine, lang + ed->lines[i].topic);
        for (size_t i = 0; i < ed->scriptLineCount; ++i) {
            const std::string id = ed->scriptLines[i].id;
            expectWholeWords(screen, latin1(ed->scriptLines[i].text), placeOfScriptLine(id), lang + id);
        }
    }
}

// The two lines that end in the web address are put together in play (the
// intro's version note and the farewell) and keep it whole. Every credits
// page, as the credits scene queues it, starts each of its lines at the same
// x: the first one is not a space further in than the rest.
TEST(Layout, TheWebAddressStaysWholeAndTheCreditsPagesLineUpOnTheLeft) {
    LaidOut screen;
    for (const Edition* ed : kEditions) {
        PlayDriver game;
        game.startProgram(*ed);
        std::vector<std::string> composed;
        game.waitFor([&] {
            for (const std::string& l : game.queuedLines())
                if (l.find(kWebAddress) != std::string::npos) composed.push_back(l);
            return !composed.empty();
        }, 40);
        clearSpeech(game.e().speech);
        game.goToSceneAs("Credits");
        game.waitFor([&] { return !game.queuedLines().empty(); }, 3);
        std::vector<SpeechLine> pages;
        for (const SpeechLine* l : game.e().speech.lines) pages.push_back(*l);
        clearSpeech(game.e().speech);
        game.gs().quitting = 1;
        game.goToSceneAs("Menu");
        composed.push_back(game.said());

        ASSERT_EQ(composed.size(), 2u) << ed->language;
        for (const std::string& line : composed) {
            EXPECT_NE(line.find(kWebAddress), std::string::npos) << line;
            expectWholeWords(screen, line, kSpeech, std::string(ed->language) + " " + line);
        }
        ASSERT_EQ(pages.size(), 8u) << ed->language;
        for (const SpeechLine& page : pages) {
            std::set<int> starts;
            for (const auto& line : screen.drawn(page.text, {page.x, page.y}))
                for (const auto& glyph : line)
                    if (glyph.second != ' ') {
                        starts.insert(glyph.first);
                        break;
                    }
            EXPECT_EQ(starts.size(), 1u) << ed->language << ": " << page.text;
        }
    }
}

}  // namespace
