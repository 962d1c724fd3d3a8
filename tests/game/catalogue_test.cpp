// catalogue_test.cpp - the content of both editions, checked as a whole: every
// name the catalogue writes resolves to something that was built, the counts
// hold, and every text can be drawn by the fonts and fits the screen.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/content.h"
#include "game/edition.h"
#include "game/script.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "gfx/text.h"
#include "harness.h"
#include "world/dialogue.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/walk.h"

namespace {

// Exits whose target a script sets once the way is open, with that target.
struct ScriptOpenedExit {
    const char* exit;
    const char* target;
};
const ScriptOpenedExit kScriptOpenedExits[] = {
    {"ScheuneVorneExit", "ScheuneInnen"},
    {"SchuleExit2", "Schulparty"},
};

// The conversations and what each offers before anything was said.
struct StartTopics {
    const char* partner;
    std::vector<std::string> active;
};
const StartTopics kStartTopics[] = {
    {"CryGirl", {"Crash"}},
    {"Freak", {"Sad", "FreakCostume"}},
    {"Burbkid2", {"Contest"}},
};

// English lines kept word for word as the game has always said them, though
// the screen edge tears a word of theirs in two. Nothing else may.
const std::set<std::string> kTornEnglishLines = {"GetLolly2", "NOUSE_Fatman"};

constexpr int kOptionX = 32;       // where dialogue options start
constexpr int kLargeFont = 24;

// The pen of drawText at the large font: whether the automatic wrap at the
// screen edge had to break a word. A wrap between words is allowed: some
// German lines are laid out with runs of blanks that the edge breaks.
struct Layout {
    bool splitsWord = false;
    std::string where;  // the text around the first split
};

Layout layoutAt(const std::string& text, int startX) {
    FontMetrics m{};
    fontMetrics(kLargeFont, m);
    Layout out;
    int x = startX;
    char previous = ' ';
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == 'n') {
            x = startX - m.cellWidth;
            i += 2;
            previous = ' ';
        }
        if (i + 1 < text.size() && text[i] == '/' && (text[i + 1] == 'k' || text[i + 1] == 'c')) i += 2;
        if (i >= text.size()) break;
        if (x > kScreenWidth - m.cellWidth) {
            if (text[i] != ' ' && previous != ' ' && !out.splitsWord) {
                out.splitsWord = true;
                out.where = text.substr(i >= 20 ? i - 20 : 0, 40);
            }
            x = startX;
        }
        previous = text[i];
        x += m.advance;
    }
    return out;
}

// Bytes the fonts have no glyph for.
std::string missingGlyphs(const std::string& text) {
    std::string bad;
    for (unsigned char c : text)
        if (glyphIndex(c) < 0) bad += std::to_string(c) + " ";
    return bad;
}

class CatalogueTest : public ::testing::TestWithParam<const Edition*> {
protected:
    void SetUp() override {
        te.reset(new TestEngine());
        ASSERT_TRUE(te->videoOk);
        buildContent(te->e, edition());
    }
    const Edition& edition() const { return *GetParam(); }
    Engine& e() { return te->e; }
    GameState& gs() { return te->gs(); }

    bool hasImage(const std::string& name) { return findGraphic(e().graphics, name) != nullptr; }
    bool hasText(const std::string& key) { return findGraphic(e().texts, key) != nullptr; }
    bool hasCallback(const std::string& name) { return gs().callbacks.count(name) == 1; }

    // Every object that some scene lists.
    std::set<const SceneObject*> sceneObjects() {
        std::set<const SceneObject*> out;
        for (auto& it : e().scenes.scenes)
            for (const SceneObject* obj : it.second->objects) out.insert(obj);
        return out;
    }

    std::unique_ptr<TestEngine> te;
};

TEST_P(CatalogueTest, BuildEndsReadyForTheIntroWithNothingSolved) {
    EXPECT_EQ(e().scenes.currentScene, "IntroCGA1");
    EXPECT_TRUE(e().display.sprites.empty()) << "the first scene is entered by the start-up";
    EXPECT_EQ(e().player.footX, 364);
    EXPECT_EQ(e().player.footY, 248);
    for (int f = 0; f < kStoryFlagCount; ++f) EXPECT_EQ(gs().storyFlags[f], 0) << "flag " << f;
}

TEST_P(CatalogueTest, EveryImageFileLoadsAndHoldsItsFrames) {
    for (auto& it : e().graphics) {
        Graphic* g = it.second;
        int32_t w = 0, h = 0;
        ASSERT_TRUE(graphicDecoded(*g) && graphicSize(*g, w, h)) << it.first << " from " << g->path;
        if (g->stripEnd == 0) continue;
        EXPECT_GE(h, g->stripEnd) << it.first << ": the strip is cut short";
        EXPECT_GE(w, g->frameWidth) << it.first;
        EXPECT_EQ(g->stripEnd % g->frameHeight, 0) << it.first << ": a partial last frame";
        EXPECT_EQ(g->frameDelay, 0) << it.first << ": templates keep their delay in delayCurrent";
    }
}

TEST_P(CatalogueTest, ScenesNameTheirPicturesAndScripts) {
    for (auto& it : e().scenes.scenes) {
        const Scene& s = *it.second;
        EXPECT_EQ(s.name, it.first);
        EXPECT_TRUE(hasImage(s.backgroundName)) << s.name << " background " << s.backgroundName;
        if (s.hasPlayer) {
            EXPECT_TRUE(hasImage(s.walkMapName)) << s.name << " walk map " << s.walkMapName;
        }
        EXPECT_TRUE(hasCallback(s.enterCallback)) << s.name << " " << s.enterCallback;
        EXPECT_TRUE(hasCallback(s.alwaysCallback)) << s.name << " " << s.alwaysCallback;
    }
}

TEST_P(CatalogueTest, ObjectsNameOnlyWhatWasBuilt) {
    const std::set<const SceneObject*> inScenes = sceneObjects();
    for (auto& it : e().objects) {
        const SceneObject& o = *it.second;
        SCOPED_TRACE(o.name);
        EXPECT_EQ(o.name, it.first);
        EXPECT_TRUE(hasImage(o.graphicName)) << "image " << o.graphicName;
        if (!o.iconName.empty()) {
            EXPECT_TRUE(hasImage(o.iconName)) << "icon " << o.iconName;
        }
        if (!o.exitTarget.empty()) {
            EXPECT_NE(findScene(e().scenes, o.exitTarget), nullptr) << "exit to " << o.exitTarget;
        }
        EXPECT_GE(o.exitDirection, 0);
        EXPECT_LE(o.exitDirection, 7);
        if (!o.lookKey.empty()) {
            EXPECT_TRUE(hasText(o.lookKey)) << o.lookKey;
        }
        for (const std::string* key : {&o.takeKey, &o.confirmTakeKey, &o.talkKey, &o.useKey})
            EXPECT_TRUE(hasText(*key)) << "'" << *key << "'";
        for (const std::string* script : {&o.walkScript, &o.takeScript, &o.useScript}) {
            if (!script->empty()) {
                EXPECT_TRUE(hasCallback(*script)) << *script;
            }
        }
        if (o.takeable) {
            EXPECT_FALSE(o.iconName.empty()) << "a takeable object needs an icon";
        }
        // The click target of a combination gives the result, so anything that
        // can be clicked with its partner in hand needs one.
        if (o.combinePartner && !o.combinePartner->iconName.empty() && o.combinePartner->combinePartner) {
            EXPECT_NE(o.combineResult, nullptr);
        }
        if (!inScenes.count(&o)) {
            EXPECT_FALSE(o.iconName.empty()) << "an inventory-only item shows its icon";
            EXPECT_EQ(o.graphicName, o.iconName);
        }
    }
    // A name used twice would leave the second object out of the registry.
    for (const SceneObject* o : inScenes) EXPECT_EQ(findObject(e().objects, o->name), o) << o->name;
}

TEST_P(CatalogueTest, ScriptLinesExistAndHaveGlyphs) {
    for (size_t i = 0; i < edition().scriptLineCount; ++i) {
        const std::string line = scriptLine(edition().scriptLines[i].id);
        EXPECT_FALSE(line.empty()) << edition().scriptLines[i].id;
        EXPECT_EQ(missingGlyphs(line), "") << edition().scriptLines[i].id;
    }
    EXPECT_TRUE(scriptLine("NoSuchLine").empty());
}

TEST_P(CatalogueTest, ExitsLeadToAnArrivalSpot) {
    // Every way into a scene with the hero places him, or he would stand at
    // his last foot point taken as a sprite corner.
    auto hasArrival = [](const std::string& scene, const std::string& exit) {
        for (size_t i = 0; i < kArrivalTableSize; ++i)
            if (scene == kArrivalTable[i].scene && exit == kArrivalTable[i].viaExit) return true;
        return false;
    };
    for (auto& it : e().objects) {
        const SceneObject& o = *it.second;
        std::string target = o.exitTarget;
        for (const ScriptOpenedExit& later : kScriptOpenedExits)
            if (o.name == later.exit) target = later.target;
        const Scene* s = findScene(e().scenes, target);
        if (!s || !s->hasPlayer) continue;
        EXPECT_TRUE(hasArrival(target, o.name)) << o.name << " into " << target;
    }
    for (size_t i = 0; i < kArrivalTableSize; ++i) {
        const ArrivalRow& row = kArrivalTable[i];
        const Scene* s = findScene(e().scenes, row.scene);
        ASSERT_NE(s, nullptr) << row.scene;
        EXPECT_TRUE(s->hasPlayer) << row.scene;
        if (std::strcmp(row.viaExit, kAnyExit) != 0) {
            EXPECT_NE(findObject(e().objects, row.viaExit), nullptr) << row.viaExit;
        }
    }
}

TEST_P(CatalogueTest, TextsAreStoredInLatin1WithTheirColourAndTime) {
    for (size_t i = 0; i < edition().textCount; ++i) {
        const TextRow& row = edition().texts[i];
        const SpeechLine* line = findGraphic(e().texts, row.key);
        ASSERT_NE(line, nullptr) << row.key;
        EXPECT_EQ(line->text, latin1(row.text)) << row.key;
        EXPECT_EQ(line->seconds, row.seconds) << row.key;
        EXPECT_EQ(line->colour, paletteColour(gs(), row.colour)) << row.key;
    }
    EXPECT_NE(e().text.red, e().text.white) << "the palette is mapped from the font";
}

TEST_P(CatalogueTest, EveryTextAndConversationHasGlyphsAndFitsTheScreen) {
    for (auto& it : e().texts) {
        const std::string& text = it.second->text;
        EXPECT_EQ(missingGlyphs(text), "") << it.first;
        Layout l = layoutAt(text, kSpeechX);
        const bool kept = edition().language == std::string("en") && kTornEnglishLines.count(it.first);
        EXPECT_EQ(l.splitsWord, kept) << it.first << ": the screen edge breaks \"" << l.where << "\"";
    }
    for (const DialoguePartner* p : e().partners) {
        for (auto& it : p->topics) {
            const DialogueTopic& t = *it.second;
            SCOPED_TRACE(p->name + "/" + t.id);
            EXPECT_EQ(missingGlyphs(t.label), "");
            EXPECT_FALSE(layoutAt(t.label, kOptionX).splitsWord) << t.label;
            for (const DialogueLine* line : t.lines) {
                for (const std::string* text : {&line->heroText, &line->partnerText}) {
                    EXPECT_EQ(missingGlyphs(*text), "");
                    Layout l = layoutAt(*text, kSpeechX);
                    EXPECT_FALSE(l.splitsWord) << "the screen edge breaks \"" << l.where << "\"";
                }
            }
        }
    }
}

TEST_P(CatalogueTest, ConversationsStartWithTheirFirstTopicsAndReachTheRest) {
    for (const StartTopics& start : kStartTopics) {
        const SceneObject* talker = findObject(e().objects, start.partner);
        ASSERT_NE(talker, nullptr) << start.partner;
        const DialoguePartner* p = talker->dialoguePartner;
        ASSERT_NE(p, nullptr) << start.partner << " has no conversation";
        EXPECT_EQ(p->name, start.partner);
        EXPECT_EQ(p->activeTopics, start.active) << start.partner;

        std::set<std::string> reachable(start.active.begin(), start.active.end());
        for (auto& it : p->topics) {
            EXPECT_FALSE(it.second->lines.empty()) << start.partner << "/" << it.first;
            for (const DialogueLine* line : it.second->lines) {
                if (line->unlockTopic.empty()) continue;
                EXPECT_EQ(p->topics.count(line->unlockTopic), 1u)
                    << start.partner << "/" << it.first << " unlocks " << line->unlockTopic;
                reachable.insert(line->unlockTopic);
            }
        }
        for (auto& it : p->topics) EXPECT_EQ(reachable.count(it.first), 1u) << it.first << " is never offered";
    }
}

TEST(Latin1Test, ConvertsGermanLettersAndMarksWhatTheFontsCannotShow) {
    EXPECT_EQ(latin1("Käse"), "K\xe4se");
    EXPECT_EQ(latin1("ÄÖÜäöüß"), "\xc4\xd6\xdc\xe4\xf6\xfc\xdf");
    EXPECT_EQ(latin1("plain /n text"), "plain /n text");
    for (unsigned char c : latin1("ÄÖÜäöüß")) EXPECT_GE(glyphIndex(c), 0);
    // No Latin-1 byte, or no glyph: the glyph check of the texts must see it.
    EXPECT_LT(glyphIndex(static_cast<unsigned char>(latin1("€")[0])), 0);
    EXPECT_LT(glyphIndex(static_cast<unsigned char>(latin1("é")[0])), 0);
    EXPECT_EQ(latin1("a\xc3"), std::string("a\x7f"));  // cut off in the middle of a letter
    EXPECT_EQ(latin1(nullptr), "");
}

std::string editionName(const ::testing::TestParamInfo<const Edition*>& info) {
    return info.param->language;
}

INSTANTIATE_TEST_SUITE_P(Editions, CatalogueTest, ::testing::Values(&kEnglish, &kGerman), editionName);

}  // namespace
