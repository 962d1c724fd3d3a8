// SPDX-License-Identifier: MIT
// texts_test.cpp - the English and the German edition: the same skeleton of
// keys, seconds, colours, topics and script lines, different words; every text
// drawn where the game draws it and read back glyph by glyph fits the screen,
// keeps its words whole and loses none.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <utility>
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

std::string str(const char* s) { return s ? std::string(s) : std::string(); }

// The lines of a text as the font draws them: split at "/n", without the blank
// that " /n " leaves at either side, and without the "/k" and "/c" marks.
// Lengths are in characters (code points).
std::vector<size_t> lineLengths(const std::string& text) {
    std::vector<size_t> lengths;
    std::string t;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/' && i + 1 < text.size() && (text[i + 1] == 'k' || text[i + 1] == 'c')) {
            ++i;
            continue;
        }
        t += text[i];
    }
    size_t start = 0;
    while (true) {
        size_t mark = t.find("/n", start);
        std::string line = t.substr(start, mark == std::string::npos ? std::string::npos : mark - start);
        if (start > 0 && !line.empty() && line[0] == ' ') line.erase(0, 1);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        size_t letters = 0;  // UTF-8: every byte but the continuation bytes starts a letter
        for (unsigned char c : line) letters += (c & 0xC0) != 0x80;
        lengths.push_back(letters);
        if (mark == std::string::npos) break;
        start = mark + 2;
    }
    return lengths;
}

size_t longestLine(const std::string& text) {
    size_t longest = 0;
    for (size_t n : lineLengths(text)) longest = n > longest ? n : longest;
    return longest;
}

std::string scriptLine(const Edition& ed, const char* id) {
    for (size_t i = 0; i < ed.scriptLineCount; ++i)
        if (str(ed.scriptLines[i].id) == id) return str(ed.scriptLines[i].text);
    return "";
}

std::string text(const Edition& ed, const char* key) {
    for (size_t i = 0; i < ed.textCount; ++i)
        if (str(ed.texts[i].key) == key) return str(ed.texts[i].text);
    return "";
}

// Every drawn text of an edition with where it is drawn, its line limit (a
// credits page or an option label is narrower) and a label for messages.
struct AnyText {
    std::string where, text;
    size_t limit;
    Place place;
};
std::vector<AnyText> allTexts(const Edition& ed) {
    std::vector<AnyText> all;
    for (size_t i = 0; i < ed.textCount; ++i) all.push_back({str(ed.texts[i].key), str(ed.texts[i].text), 55, kSpeech});
    for (size_t i = 0; i < ed.topicCount; ++i)
        all.push_back({str(ed.topics[i].id), str(ed.topics[i].label), 50, kOption});
    for (size_t i = 0; i < ed.lineCount; ++i)
        if (ed.lines[i].who != kUnlock) all.push_back({str(ed.lines[i].topic), str(ed.lines[i].text), 55, kDialogueLine});
    for (size_t i = 0; i < ed.scriptLineCount; ++i) {
        const std::string id = str(ed.scriptLines[i].id);
        const bool credits = id.size() == 8 && id.compare(0, 7, "Credits") == 0;
        all.push_back({id, str(ed.scriptLines[i].text), credits ? size_t(50) : size_t(55), placeOfScriptLine(id)});
    }
    return all;
}

// The two editions share every key, time, colour, topic, speaker and unlock, row
// by row, and differ in every word (but a DOS command and three dots).
TEST(Editions, ShareTheSkeletonAndDifferInTheWords) {
    const Edition& en = kEnglish;
    const Edition& de = kGerman;
    ASSERT_EQ(en.textCount, 129u);
    ASSERT_EQ(de.textCount, en.textCount);
    std::set<std::string> keys;
    for (size_t i = 0; i < en.textCount; ++i) {
        const TextRow &a = en.texts[i], &b = de.texts[i];
        EXPECT_TRUE(keys.insert(str(a.key)).second) << a.key << " twice";
        EXPECT_EQ(str(a.key), str(b.key)) << i;
        EXPECT_EQ(a.seconds, b.seconds) << a.key;
        EXPECT_EQ(a.colour, b.colour) << a.key;
        EXPECT_FALSE(str(b.text).empty()) << a.key;
        EXPECT_NE(str(a.text), str(b.text)) << a.key;
    }
    ASSERT_EQ(de.topicCount, en.topicCount);
    for (size_t i = 0; i < en.topicCount; ++i) {
        EXPECT_EQ(str(de.topics[i].partner) + str(de.topics[i].id), str(en.topics[i].partner) + str(en.topics[i].id));
        EXPECT_NE(str(de.topics[i].label), str(en.topics[i].label)) << en.topics[i].id;
    }
    ASSERT_EQ(de.lineCount, en.lineCount);
    for (size_t i = 0; i < en.lineCount; ++i) {
        const LineRow &a = en.lines[i], &b = de.lines[i];
        EXPECT_EQ(str(a.partner) + str(a.topic), str(b.partner) + str(b.topic)) << i;
        EXPECT_EQ(a.who, b.who) << i;
        if (a.who == kUnlock)
            EXPECT_EQ(str(a.text), str(b.text)) << i;
        else
            EXPECT_NE(str(a.text), str(b.text)) << i;
    }
    ASSERT_EQ(de.scriptLineCount, en.scriptLineCount);
    for (size_t i = 0; i < en.scriptLineCount; ++i) {
        const std::string id = str(en.scriptLines[i].id);
        EXPECT_EQ(str(de.scriptLines[i].id), id);
        const bool same = id == "IntroPatch3" || id == "IntroPatch5";
        EXPECT_EQ(str(en.scriptLines[i].text) == str(de.scriptLines[i].text), same) << id;
    }
}

// German that read as translated: the lady takes the hero for a girl, the
// scarecrow is "er", idioms are German ones, no comma splices.
TEST(Editions, GermanReadsAsGerman) {
    const struct {
        const char* key;
        const char* notThis;
    } mended[] = {
        {"GetLolly2", "süßer Kleiner"},          {"LOOK_Vogelscheuche", "Sie /n starrt"},
        {"LOOK_CryGirl", "hängen sogar meine"},   {"NOTALK_Studiogirl", "Ich mag ja auf Diät sein"},
        {"LOOK_ScheuneHintenKette", "Haken, sie hängt"},
    };
    for (const auto& m : mended) {
        EXPECT_FALSE(text(kGerman, m.key).empty()) << m.key;
        EXPECT_EQ(text(kGerman, m.key).find(m.notThis), std::string::npos) << m.key;
    }
}

// Lines belong to topics of their partner, unlocks name one, the burp line opens
// "Burb", and only the scarecrow greeting paints a name in magenta.
TEST(Editions, ConversationsAndMarkupHangTogether) {
    for (const Edition* ed : kEditions) {
        std::set<std::string> topics;
        for (size_t i = 0; i < ed->topicCount; ++i)
            EXPECT_TRUE(topics.insert(str(ed->topics[i].partner) + "/" + ed->topics[i].id).second);
        std::string firstBurp;
        for (size_t i = 0; i < ed->lineCount; ++i) {
            const LineRow& l = ed->lines[i];
            EXPECT_TRUE(topics.count(str(l.partner) + "/" + l.topic)) << ed->language << " line " << i;
            if (l.who == kUnlock) { EXPECT_TRUE(topics.count(str(l.partner) + "/" + l.text)) << l.text; }
            if (firstBurp.empty() && str(l.topic) == "Burb" && l.who == kPartner) firstBurp = l.text;
        }
        EXPECT_EQ(firstBurp, scriptLine(*ed, "BurpLine")) << ed->language;
        for (const AnyText& t : allTexts(*ed)) {
            const bool greeting = t.where == "NOTALK_Vogelscheuche";
            EXPECT_EQ(t.text.find("/k") != std::string::npos, greeting) << ed->language << " " << t.where;
            EXPECT_EQ(t.text.find("/r"), std::string::npos) << t.where;  // it would swallow a letter
        }
    }
}

// Lines break as " /n " and fit the screen: every German line, every English
// line but the four given ones that always wrapped, the patch prompts beside
// their place (the last glyph starts at or before x 782).
TEST(Editions, EveryLineFitsTheScreen) {
    for (const Edition* ed : kEditions) {
        size_t overlong = 0;
        for (const AnyText& t : allTexts(*ed)) {
            const std::string& s = t.text;
            for (size_t i = s.find("/n"); i != std::string::npos; i = s.find("/n", i + 2))
                EXPECT_TRUE(i > 0 && s[i - 1] == ' ' && i + 2 < s.size() && s[i + 2] == ' ') << t.where;
            if (longestLine(s) > t.limit) ++overlong;
            if (ed == &kGerman) { EXPECT_LE(longestLine(s), t.limit) << t.where << ": " << s; }
        }
        EXPECT_LE(overlong, ed == &kEnglish ? 4u : 0u) << ed->language;
        for (int n = 1; n <= 5; ++n) {
            const std::string id = "IntroPatch" + std::to_string(n);
            const int x = n <= 2 ? 316 : 348;
            EXPECT_LE(longestLine(scriptLine(*ed, id.c_str())), size_t((782 - x) / 14 + 1)) << id;
        }
    }
}

TEST(Layout, EveryTextOfBothEditionsKeepsItsWordsWhole) {
    LaidOut screen;
    ASSERT_NE(screen.r.font24, nullptr);
    for (const Edition* ed : kEditions)
        for (const AnyText& t : allTexts(*ed))
            expectWholeWords(screen, latin1(t.text.c_str()), t.place, std::string(ed->language) + " " + t.where);
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
