// town_test.cpp - the built world played through the real input path on the
// virtual clock: walking the town through every exit open at the start, and
// the replies of looking at, taking, talking to and using things.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/content.h"
#include "game/edition.h"
#include "game/script.h"
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "harness.h"
#include "world/dialogue.h"
#include "world/inventory.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/walk.h"

namespace {

// The scenes the hero can reach before any puzzle is solved: the barn door
// and the party gate are still shut.
const std::set<std::string> kOpenTown = {
    "ScheuneHinten", "ScheuneVorne", "ScheuneFern", "Farmhaus", "FarmhausHinten", "Kreuzung",
    "FitnessStudioAussen", "FitnessStudioInnen", "Trainingsraum", "Toilette", "HausAlteDame", "Schule",
};

constexpr int kHeroFootDX = 80;   // foot point relative to the sprite's top-left
constexpr int kHeroFootDY = 120;
constexpr int kMaxStep = 2;       // pixels per frame and axis
constexpr int kWalkFrames = 1500; // enough to cross the screen at one pixel a frame
constexpr int kInventoryButtonX = 672;  // top-left of the inventory button
constexpr int kInventoryButtonY = 472;
constexpr int kCursorWidth = 55;        // the verb cursor, as the button's hit test counts it
constexpr int kCursorHeight = 48;
constexpr int kSpeechFrames = 60 * 20;  // the longest line the hero waits out on entry

class TownTest : public ::testing::TestWithParam<const Edition*> {
protected:
    void SetUp() override {
        te.reset(new TestEngine());
        ASSERT_TRUE(te->videoOk);
        buildContent(te->e, edition());
    }
    const Edition& edition() const { return *GetParam(); }
    Engine& e() { return te->e; }
    GameState& gs() { return te->gs(); }
    const std::string& scene() { return e().scenes.currentScene; }

    Graphic* hero() { return findSprite(e().display, "Player"); }
    std::string whereIsTheHero() {
        if (!hero()) return "there is no hero in " + scene();
        return "he stands at " + std::to_string(footX()) + "," + std::to_string(footY()) + " walking to " +
               std::to_string(e().player.targetX) + "," + std::to_string(e().player.targetY) +
               ", pending scene '" + gs().pendingScene + "'";
    }
    int footX() { return hero()->x + kHeroFootDX; }
    int footY() { return hero()->y + kHeroFootDY; }

    // Enters a scene as if the hero had come through exit.
    void enterVia(const std::string& name, const std::string& exit) {
        e().scenes.currentScene = name;
        e().player.lastExit = exit;
        enterScene(gs());
        te->frame();
    }

    // The start of play: the menu's start exit leads behind the barn.
    void startBehindTheBarn() {
        enterVia("ScheuneHinten", "MenuExit2");
        waitForSilence();
    }

    // Clicks every queued line away (a click ends the line on screen at the
    // next tick), then lets the verb cursor come back and the hero finish his
    // steps: take and use wait for him to stand still.
    void waitForSilence() {
        for (int i = 0; i < kSpeechFrames && speechQueued(e().speech); ++i) {
            if (findSprite(e().display, "ClickCursor")) te->click(te->input.x, te->input.y);
            else te->frame();
        }
        ASSERT_TRUE(te->runUntil([&] {
            return !speechQueued(e().speech) && gs().cursorMode != kModeClick &&
                   !findSprite(e().display, "ClickCursor") && (!hero() || heroIdle(e().player));
        }, kSpeechFrames)) << "still busy in " << scene() << ": " << te->frontSpeech();
    }

    void useVerb(int mode) {
        for (int i = 0; i < 8 && gs().cursorMode != mode; ++i) te->rightClick();
        ASSERT_EQ(gs().cursorMode, mode);
    }

    // A pointer position over the named sprite that the hit test gives to it and
    // not to a sprite drawn before it, with the cursor the hover brings up.
    bool pointAt(const std::string& name, int& px, int& py) {
        const Graphic* g = findSprite(e().display, name);
        if (!g || !g->surface) return false;
        const int w = g->frameWidth ? g->frameWidth : g->surface->w;
        const int h = g->frameHeight ? g->frameHeight : g->surface->h;
        const int eighths[] = {4, 2, 6, 1, 3, 5, 7};  // middle first, then towards the edges
        for (int fy : eighths) {
            for (int fx : eighths) {
                px = std::min(std::max(g->x + w * fx / 8, 0), kScreenWidth - 1);
                py = std::min(std::max(g->y + h * fy / 8, 0), kScreenHeight - 1);
                // The inventory button takes clicks before anything under it.
                if (px + kCursorWidth >= kInventoryButtonX && py + kCursorHeight >= kInventoryButtonY) continue;
                te->moveTo(px, py);
                te->frame();
                if (spriteUnderPointer(e().cursor) == name) return true;
            }
        }
        return false;
    }

    void clickOn(const std::string& name) {
        int x = 0, y = 0;
        ASSERT_TRUE(pointAt(name, x, y)) << "cannot point at " << name << " in " << scene();
        te->click(x, y);
    }

    // Clicks the exit with the walk verb and follows the hero to the next
    // scene; checks that he appears where the arrival table puts him and walks
    // on to its target.
    void walkThrough(const std::string& exitName) {
        SCOPED_TRACE(scene() + " through " + exitName);
        const SceneObject* exit = findObject(e().objects, exitName);
        ASSERT_NE(exit, nullptr);
        const std::string from = scene();
        const std::string to = exit->exitTarget;
        waitForSilence();
        ASSERT_FALSE(HasFatalFailure());
        useVerb(kModeWalk);
        clickOn(exitName);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(te->runUntil([&] { return scene() != from; }, kWalkFrames))
            << "the hero never left; " << whereIsTheHero();
        ASSERT_EQ(scene(), to);
        EXPECT_EQ(e().player.lastExit, exitName);
        ASSERT_NE(hero(), nullptr);

        const ArrivalRow* row = nullptr;
        for (size_t i = 0; i < kArrivalTableSize && !row; ++i)
            if (to == kArrivalTable[i].scene && exitName == kArrivalTable[i].viaExit) row = &kArrivalTable[i];
        ASSERT_NE(row, nullptr) << "no arrival spot";
        // The frame of the change has already taken one walking step.
        const int x = row->place ? footX() : hero()->x;
        const int y = row->place ? footY() : hero()->y;
        EXPECT_NEAR(x, row->x, kMaxStep) << "arrived at the wrong spot";
        EXPECT_NEAR(y, row->y, kMaxStep) << "arrived at the wrong spot";
        if (row->targetX == kNoTarget) return;
        ASSERT_TRUE(te->runUntil([&] { return heroIdle(e().player); }, kWalkFrames));
        EXPECT_EQ(footX(), row->targetX) << "the walk in stopped short";
        EXPECT_EQ(footY(), row->targetY) << "the walk in stopped short";
    }

    bool open(const SceneObject* o) {
        return o->active && !o->exitTarget.empty() && kOpenTown.count(o->exitTarget);
    }
    bool inOpenTown(const SceneObject* o) {
        for (const std::string& name : kOpenTown)
            for (const SceneObject* inScene : findScene(e().scenes, name)->objects)
                if (inScene == o) return true;
        return false;
    }

    // Takes every exit of here not taken yet, explores the scene behind it and
    // comes back, so the walk ends where it began.
    void explore(const std::string& here) {
        visited.insert(here);
        const std::vector<SceneObject*> objects = findScene(e().scenes, here)->objects;
        for (const SceneObject* exit : objects) {
            if (!open(exit) || taken.count(exit->name)) continue;
            const std::string there = exit->exitTarget;
            taken.insert(exit->name);
            walkThrough(exit->name);
            if (HasFatalFailure()) return;
            explore(there);
            if (HasFatalFailure()) return;
            const SceneObject* back = nullptr;
            for (const SceneObject* o : findScene(e().scenes, there)->objects)
                if (open(o) && o->exitTarget == here && (!back || !taken.count(o->name))) back = o;
            ASSERT_NE(back, nullptr) << "no way back from " << there << " to " << here;
            taken.insert(back->name);
            walkThrough(back->name);
            if (HasFatalFailure()) return;
        }
    }

    // The entry of the edition under key, as the text table should hold it.
    void expectSaid(const std::string& key) {
        const TextRow* row = nullptr;
        for (size_t i = 0; i < edition().textCount && !row; ++i)
            if (key == edition().texts[i].key) row = &edition().texts[i];
        ASSERT_NE(row, nullptr) << key;
        ASSERT_TRUE(speechQueued(e().speech)) << "nothing said, expected " << key;
        const SpeechLine& line = *e().speech.lines.front();
        EXPECT_EQ(line.text, latin1(row->text)) << key;
        EXPECT_EQ(line.colour, paletteColour(gs(), row->colour)) << key;
        EXPECT_EQ(line.seconds, row->seconds) << key;
        EXPECT_EQ(line.x, 4);
        EXPECT_EQ(line.size, 24);
        clearSpeech(e().speech);
        te->frames(2);
    }

    // Take and use act only where the hero stands at the object: the first click
    // sends him there, the second acts.
    void actOn(const std::string& name) {
        const SceneObject* o = findObject(e().objects, name);
        ASSERT_NE(o, nullptr);
        clickOn(name);
        if (!speechQueued(e().speech) && !heroIdle(e().player)) {
            ASSERT_TRUE(te->runUntil([&] { return heroIdle(e().player); }, kWalkFrames));
            ASSERT_EQ(e().player.footX, o->walkToX) << "the hero cannot reach " << name;
            clickOn(name);
        }
    }

    std::unique_ptr<TestEngine> te;
    std::set<std::string> visited;
    std::set<std::string> taken;
};

TEST_P(TownTest, EveryOpenExitLeadsThereAndBack) {
    startBehindTheBarn();
    ASSERT_FALSE(HasFatalFailure());
    explore("ScheuneHinten");
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(scene(), "ScheuneHinten");
    EXPECT_EQ(visited, kOpenTown);
    for (auto& it : e().objects) {
        if (open(it.second) && inOpenTown(it.second)) {
            EXPECT_EQ(taken.count(it.first), 1u) << it.first << " was never taken";
        }
    }
}

TEST_P(TownTest, ThePlayerStartsBehindTheBarnGreetedAndReady) {
    enterVia("ScheuneHinten", "MenuExit2");
    ASSERT_NE(hero(), nullptr);
    EXPECT_NEAR(footX(), 500, kMaxStep);
    EXPECT_NEAR(footY(), 535, kMaxStep);
    EXPECT_TRUE(heroIdle(e().player)) << "he stands still while he speaks";
    EXPECT_EQ(te->frontSpeech(), scriptLine("Greeting"));
    waitForSilence();
    EXPECT_EQ(gs().cursorMode, kModeWalk);
}

TEST_P(TownTest, TheBarnStaysShutAndThePartyGateHasNoWayThrough) {
    enterVia("ScheuneVorne", "ScheuneHintenExit");
    EXPECT_EQ(findSprite(e().display, "ScheuneVorneExit"), nullptr) << "the barn door is not drawn yet";
    enterVia("Schule", "KreuzungExit2");
    waitForSilence();
    useVerb(kModeWalk);
    clickOn("SchuleExit2");
    ASSERT_TRUE(te->runUntil([&] { return heroIdle(e().player); }, kWalkFrames));
    te->frames(2);
    EXPECT_EQ(scene(), "Schule");
}

TEST_P(TownTest, InsideTheBarnTheHeroStandsInTheMiddleUnlessHeCameThroughTheDoor) {
    enterVia("ScheuneInnen", "");
    ASSERT_NE(hero(), nullptr);
    EXPECT_EQ(hero()->x, 392);
    EXPECT_EQ(hero()->y, 400);
    EXPECT_TRUE(heroIdle(e().player));
    enterVia("ScheuneInnen", "ScheuneVorneExit");
    EXPECT_NEAR(hero()->x, 320, kMaxStep);
    EXPECT_NEAR(hero()->y, 460, kMaxStep);
    EXPECT_EQ(e().player.targetX, 400);
    EXPECT_EQ(e().player.targetY, 574);
}

TEST_P(TownTest, LookingSaysTheDescriptionAtOnce) {
    startBehindTheBarn();
    useVerb(kModeLook);
    clickOn("ScheuneHintenShip");
    expectSaid("LOOK_ScheuneHintenShip");
    enterVia("Toilette", "FitnessStudioInnenExit3");
    waitForSilence();
    useVerb(kModeLook);
    clickOn("Toilette");
    expectSaid("LOOK_Toilette");
}

TEST_P(TownTest, TakingRefusesInTheOwnersVoiceOrWithTheDefault) {
    enterVia("Farmhaus", "ScheuneFernExit2");
    waitForSilence();
    useVerb(kModeTake);
    clickOn("FarmhausKey");
    expectSaid("NOTAKE_FarmhausKey");  // the farmer shouts in red
    enterVia("ScheuneHinten", "ScheuneVorneExit2");
    waitForSilence();
    useVerb(kModeTake);
    clickOn("ScheuneHintenShip");
    expectSaid("NOT_TAKE");
}

TEST_P(TownTest, TakingTheHatPutsItIntoTheInventory) {
    enterVia("ScheuneFern", "ScheuneVorneExit3");
    waitForSilence();
    useVerb(kModeTake);
    actOn("Hut");
    ASSERT_FALSE(HasFatalFailure());
    expectSaid("CONFIRMTAKE_HUT");
    EXPECT_NE(inventoryGet(e().player, "Hut"), nullptr);
    EXPECT_EQ(findSprite(e().display, "Hut"), nullptr);
}

TEST_P(TownTest, TalkingToSomeoneWithoutWordsSaysTheRefusal) {
    enterVia("ScheuneFern", "ScheuneVorneExit3");
    waitForSilence();
    useVerb(kModeTalk);
    clickOn("Vogelscheuche");
    expectSaid("NOTALK_Vogelscheuche");
    clickOn("Hut");  // no words of its own: the default reply
    expectSaid("NOT_TALK");
}

TEST_P(TownTest, TalkingToTheGirlOpensHerConversation) {
    enterVia("FarmhausHinten", "FarmhausExit3");
    waitForSilence();
    useVerb(kModeTalk);
    clickOn("CryGirl");
    ASSERT_NE(gs().activePartner, nullptr);
    EXPECT_EQ(gs().activePartner->name, "CryGirl");
    ASSERT_EQ(gs().activePartner->activeTopics.size(), 1u);
    const DialogueTopic* crash = gs().activePartner->topics.at("Crash");
    for (size_t i = 0; i < edition().topicCount; ++i)
        if (std::string("Crash") == edition().topics[i].id) {
            EXPECT_EQ(crash->label, latin1(edition().topics[i].label));
        }
    EXPECT_NE(findSprite(e().display, "ExitDialog"), nullptr);
}

TEST_P(TownTest, UsingWithoutAnItemSaysTheObjectsOwnRefusal) {
    enterVia("ScheuneVorne", "ScheuneHintenExit");
    waitForSilence();
    useVerb(kModeUse);
    actOn("ScheuneVorneSchloss");  // the lock's script refuses without the key
    ASSERT_FALSE(HasFatalFailure());
    expectSaid("NOUSE_ScheuneVorneSchloss");
    enterVia("ScheuneFern", "ScheuneVorneExit3");
    waitForSilence();
    useVerb(kModeUse);
    actOn("Vogelscheuche");  // no script, no text of its own
    ASSERT_FALSE(HasFatalFailure());
    expectSaid("NOT_USE");
}

std::string editionName(const ::testing::TestParamInfo<const Edition*>& info) {
    return info.param->language;
}

INSTANTIATE_TEST_SUITE_P(Editions, TownTest, ::testing::Values(&kEnglish, &kGerman), editionName);

}  // namespace
