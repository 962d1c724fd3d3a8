// SPDX-License-Identifier: MIT
// puzzle_test.cpp - the places where play can go wrong: knocking twice, the costume
// in pieces, the key on the lock, the burp master's cue in both editions, the
// intro's timing and idle animations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/cursor.h"
#include "gfx/text.h"
#include "play_driver.h"

namespace {

// A game already running, the hero arriving in a scene through one of its exits.
struct Scenario : PlayDriver {
    explicit Scenario(const Edition& edition = kEnglish) { startProgram(edition); }
    void arriveIn(const std::string& sceneName, const char* viaExit) {
        goToSceneAs(sceneName, viaExit);
        settle();
    }
};

TEST(OldLady, KnockingAgainBeforeTheLollyIsGivenAwayGetsNoAnswer) {
    Scenario game;
    game.arriveIn("HausAlteDame", "KreuzungExit4");
    ASSERT_NO_FATAL_FAILURE(game.use("AlteDame"));
    ASSERT_TRUE(game.carries("Lolly"));
    EXPECT_EQ(game.said(), game.text("GetLolly1"));

    ASSERT_NO_FATAL_FAILURE(game.use("AlteDame"));
    EXPECT_EQ(game.queuedLines(), std::vector<std::string>{game.text("NOUSE_AlteDame")});
    EXPECT_TRUE(game.has(ladyCalled));
    EXPECT_EQ(game.inventory().size(), 1u);

    // Once the visit is over the door shows closed again.
    game.settle();
    game.seconds(11);
    ASSERT_TRUE(game.sprite("AlteDame"));
    EXPECT_EQ(game.sprite("AlteDame")->srcY, 191);
    EXPECT_EQ(game.sprite("AlteDame")->animMode, 0);
}

TEST(CryGirl, CostumePartsHandedOverOneAtATime) {
    Scenario game;
    game.arriveIn("FarmhausHinten", "FarmhausExit3");
    for (const char* item : {"Mop", "Lippenstift", "Umhang", "Hut"}) game.give(item);
    const std::string thanks = scriptLine("GirlThanks");
    const std::string broom = scriptLine("GirlNeedBroom"), lipstick = scriptLine("GirlNeedLipstick");
    const std::string cape = scriptLine("GirlNeedCape"), hat = scriptLine("GirlNeedHat");

    std::vector<std::string> stillNeeded = {thanks, broom, lipstick, cape, hat};
    ASSERT_NO_FATAL_FAILURE(game.use("CryGirl"));
    EXPECT_EQ(game.queuedLines(), stillNeeded);
    for (const char* part : {"Hut", "Umhang", "Lippenstift"}) {  // she thanks and names the rest
        ASSERT_NO_FATAL_FAILURE(game.useItemOn(part, "CryGirl"));
        stillNeeded.pop_back();
        EXPECT_EQ(game.queuedLines(), stillNeeded) << part;
        EXPECT_FALSE(game.carries(part));
    }
    EXPECT_FALSE(game.has(costumeComplete));
    EXPECT_EQ(game.scene(), "FarmhausHinten");

    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Mop", "CryGirl"));
    EXPECT_EQ(game.scene(), "FarmhausSequenz");
    EXPECT_EQ(game.queuedLines(), (std::vector<std::string>{thanks, scriptLine("GirlKey")}))
        << "her last words play over the opening door";
    EXPECT_TRUE(game.has(costumeComplete) && game.has(girlHappy) && game.has(keyFromGirl));
    EXPECT_EQ(game.inventory(), std::set<std::string>{"Key"});

    ASSERT_TRUE(game.waitForScene("FarmhausHinten", 12));
    game.talkTo("CryGirl");
    EXPECT_EQ(game.said(), game.text("NOTALK_CryGirlHappy")) << "no more conversation";
}

// Option i is hit from 18 * i px below the first; its lower part overlaps the next.
void chooseTopic(Scenario& game, int option) {
    const int y = 516 + 18 * option;
    for (int x = 34; x < 300; x += 4) {
        if (game.object(game.spriteAt(x, y))) continue;  // a click there would talk to it
        game.t.click(x, y);
        return;
    }
    FAIL() << "option " << option << " is covered by scene objects";
}

// The burp master burps along with his own burp line, whatever the edition says.
class BurpCue : public ::testing::TestWithParam<const Edition*> {};

TEST_P(BurpCue, TheBurpMasterBurpsWithHisLine) {
    Scenario game(*GetParam());
    game.arriveIn("Schulparty", "SchuleExit2");
    game.talkTo("Burbkid2");
    ASSERT_TRUE(game.sprite("ExitDialog"));
    int x = 0, y = 0;
    ASSERT_TRUE(game.neutralPoint(x, y));

    // Contest (3 lines) unlocks TakePart, TakePart (5 lines) unlocks Burb.
    for (auto [option, lines] : {std::pair<int, int>{0, 3}, {1, 5}}) {
        ASSERT_NO_FATAL_FAILURE(chooseTopic(game, option));
        for (int i = 0; i < lines; ++i) game.t.click(x, y);
        game.frames(2);
    }
    ASSERT_EQ(game.gs().dialogue->activeTopics.size(), 3u);
    ASSERT_NO_FATAL_FAILURE(chooseTopic(game, 2));
    game.frames(3);
    ASSERT_EQ(game.gs().chosenTopic, "Burb");
    EXPECT_EQ(game.gs().partnerLine, scriptLine("BurpLine"));
    ASSERT_TRUE(game.sprite("Burbkid2"));
    EXPECT_EQ(game.sprite("Burbkid2")->srcX, 0);
    EXPECT_EQ(game.sprite("Burbkid2")->stripEnd, 1125) << "the burp column";
    int moving = 0;
    for (int i = 0; i < 120; ++i) {
        game.t.frame();
        if (game.sprite("Burbkid2")->srcY != 0) ++moving;
    }
    EXPECT_GT(moving, 60) << "the burp plays instead of sticking to its first frame";
}

INSTANTIATE_TEST_SUITE_P(Editions, BurpCue, ::testing::Values(&kEnglish, &kGerman),
                         [](const ::testing::TestParamInfo<const Edition*>& info) {
                             return std::string(info.param->language);
                         });

TEST(BarnLock, OpeningFrameSaysNothingAndRebuildsAroundTheHero) {
    Scenario game;
    game.arriveIn("ScheuneVorne", "ScheuneHintenExit");
    game.give("Key");
    ASSERT_NO_FATAL_FAILURE(game.pickUp("Key"));
    int x = 0, y = 0;
    ASSERT_TRUE(game.pointOn("ScheuneVorneSchloss", x, y));
    game.t.click(x, y);  // first click: he walks to the lock
    game.waitUntilHeroStands();
    ASSERT_EQ(game.gs().cursorMode, kModeUseItem);
    Graphic* hero = game.sprite("Player");
    ASSERT_TRUE(hero);
    const int heroX = hero->x, heroY = hero->y;

    game.t.moveTo(x, y);
    game.t.input.left = true;
    game.t.frame();  // the click is seen
    game.t.input.left = false;
    game.t.frame();  // the use is dispatched, and the Always script opens the door
    EXPECT_TRUE(game.has(barnUnlocked));
    EXPECT_TRUE(game.sprite("ScheuneVorneExit")) << "the door is there in the same frame";
    EXPECT_FALSE(game.sprite("ScheuneVorneSchloss"));
    EXPECT_FALSE(speechQueued(game.e().speech)) << "opening the lock says nothing";
    ASSERT_TRUE(game.sprite("Player"));
    EXPECT_EQ(game.sprite("Player")->x, heroX);
    EXPECT_EQ(game.sprite("Player")->y, heroY);
    EXPECT_TRUE(isCursorSpriteName(game.lastSpriteName()));
    EXPECT_EQ(game.gs().cursorMode, kModeWalk);
}

}  // namespace

TEST(CryGirl, HerMouthMovesWhileSheSpeaks) {
    Scenario game;
    game.arriveIn("FarmhausHinten", "FarmhausExit3");
    game.talkTo("CryGirl");
    ASSERT_TRUE(findSprite(*game.gs().displayList, "ExitDialog")) << "the conversation is open";
    game.t.click(40, 515);  // the first topic, "Crash landing": she speaks first
    // The strip has two frames; talking shows the second about half the time.
    int speaking = 0, secondFrame = 0;
    for (int i = 0; i < 120; ++i) {
        game.t.frame();
        const Graphic* girl = findSprite(*game.gs().displayList, "CryGirl");
        ASSERT_TRUE(girl);
        if (!game.gs().partnerSpeaking) continue;
        ++speaking;
        if (girl->srcY != 0) ++secondFrame;
    }
    ASSERT_GT(speaking, 100);
    EXPECT_GT(secondFrame, speaking / 4) << "the talking strip plays instead of sticking to its first frame";
}

TEST(FatMan, HisSecondLineStaysUpAfterTheCutScene) {
    Scenario game;
    game.arriveIn("Trainingsraum", "FitnessStudioInnenExit2");
    game.give("Lolly");
    game.useItemOn("Lolly", "Fatman");
    ASSERT_TRUE(game.waitForScene("Trainingsraum", 20));
    EXPECT_EQ(game.said(), game.text("GiveLollyFatman2")) << "said again where the player can read it";
}

// Escape in the crash reaches the menu at the next tick; the credits run eleven
// seconds even without pages.
TEST(Intro, EscapeInTheCrashWaitsForTheTickAndTheCreditsRunElevenSeconds) {
    Scenario game;
    game.goToSceneAs("IntroCrash");
    game.seconds(2);
    game.frames(20);  // between two ticks
    game.pressEscape();
    EXPECT_EQ(game.scene(), "IntroCrash") << "not at once";
    EXPECT_TRUE(game.waitForScene("Menu", 2));

    game.goToSceneAs("Credits");
    int lastSecond = 0;
    for (int i = 0; i < 20 * kSecond && game.scene() == "Credits"; ++i) {
        clearSpeech(game.e().speech);
        lastSecond = game.gs().clockSeconds;
        game.frames(1);
    }
    EXPECT_EQ(game.scene(), "IntroCrash");
    EXPECT_EQ(lastSecond, 11);
}

TEST(IdleAnimations, WaitUntilTheRunningStripHasPlayed) {
    const struct {
        const char* scene;
        std::vector<const char*> people;
    } scenes[] = {{"Kreuzung", {"Freak"}}, {"FitnessStudioInnen", {"Studiogirl"}},
                  {"Schule", {"TicketstandKid"}}, {"Schulparty", {"Burbkid1", "Burbkid2", "Burbkid3"}}};
    Scenario game;
    for (const auto& where : scenes) {
        game.goToSceneAs(where.scene);
        // A strip far too long to end in the test, on a column of its own.
        for (const char* name : where.people) {
            ASSERT_TRUE(game.sprite(name)) << name;
            playColumn(game.sprite(name), 7, 1000 * game.sprite(name)->frameHeight, 20, 2);
        }
        for (int i = 0; i < 4 * kSecond; ++i) {
            game.gs().idleVariant = i % 6;  // every pick, again and again
            game.frames(1);
            for (const char* name : where.people)
                ASSERT_EQ(game.sprite(name)->srcX, 7) << name << " interrupted at frame " << i;
        }
        for (const char* name : where.people)
            EXPECT_GT(game.sprite(name)->srcY, 2 * game.sprite(name)->frameHeight) << name << ": the strip went on";
    }
}

// A click on the middle of any object of any scene acts on the object: the
// inventory button's wider flash area covers none of them.
TEST(InventoryButton, CoversNoObjectOfAnyScene) {
    Scenario game;
    for (const auto& entry : game.e().scenes.scenes) {
        if (entry.second->showInterface != 1) continue;
        game.goToSceneAs(entry.first);
        for (const SceneObject* o : entry.second->objects) {
            const Graphic* g = game.sprite(o->name);
            if (!g || g->visible != 1 || !g->surface) continue;
            const int x = g->x + (g->frameWidth ? g->frameWidth : g->surface->w) / 2;
            const int y = g->y + (g->frameHeight ? g->frameHeight : g->surface->h) / 2;
            if (game.spriteAt(x, y) != o->name) continue;  // something else lies on top
            game.gs().cursorMode = kModeLook;
            game.t.click(x, y);
            EXPECT_FALSE(game.inventoryOpen()) << o->name << " in " << entry.first;
            if (game.inventoryOpen()) game.closeInventory();
            clearSpeech(game.e().speech);
        }
    }
}
