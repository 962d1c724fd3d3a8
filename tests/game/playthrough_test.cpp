// SPDX-License-Identifier: MIT
// playthrough_test.cpp - the whole game, once per edition, played through the
// real input path from program start to program end: the intro, the credits,
// the crash, the menu, every puzzle from behind the barn to the end sequence,
// the credits again, and the quit from the menu.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gfx/cursor.h"
#include "play_driver.h"

namespace {

// One player's run: whether he skips the cut-scenes with Escape, and what he
// should have achieved so far (story flags and pockets).
struct Journey {
    bool skipsCutScenes;
    std::set<StoryFlag> flags;
    std::set<std::string> items;
};

void expectProgress(PlayDriver& game, const Journey& p, const char* step) {
    SCOPED_TRACE(step);
    for (int f = 0; f < kStoryFlagCount; ++f)
        EXPECT_EQ(game.has(StoryFlag(f)), p.flags.count(StoryFlag(f)) == 1) << "story flag #" << f;
    EXPECT_EQ(game.inventory(), p.items);
}

// What a step achieved: flags set and cleared, items got and given away.
void achieved(PlayDriver& game, Journey& p, const char* step, std::set<StoryFlag> on,
              std::set<std::string> got = {}, std::set<std::string> gone = {}, std::set<StoryFlag> off = {}) {
    p.flags.insert(on.begin(), on.end());
    for (StoryFlag f : off) p.flags.erase(f);
    p.items.insert(got.begin(), got.end());
    for (const std::string& item : gone) p.items.erase(item);
    expectProgress(game, p, step);
}

// A cut-scene ends by itself, or at once when the player presses Escape; one
// Escape skips one scene, so the next one stays.
void sitThrough(PlayDriver& game, const Journey& p, const std::string& next, int maxSeconds) {
    if (!p.skipsCutScenes) {
        ASSERT_TRUE(game.waitForScene(next, maxSeconds)) << "on to " << next;
        return;
    }
    game.frames(kSecond / 2);
    const std::string skipped = game.scene();
    game.pressEscape();
    const bool atNextTick = skipped == "IntroCrash";  // the crash changes scene on its clock only
    ASSERT_TRUE(game.t.runUntil([&] { return game.scene() == next; }, atNextTick ? kSecond + 1 : 0))
        << "on to " << next;
    EXPECT_EQ(game.gs().escapePressed, 0) << "the skip is used up";
    game.seconds(1);
    EXPECT_EQ(game.scene(), next) << "one Escape skips one scene";
}

// ---- before play ----

void watchIntroCreditsAndCrash(PlayDriver& game, const Journey& p) {
    ASSERT_EQ(game.scene(), "IntroCGA1");
    ASSERT_TRUE(game.sprite("TeamGrelLogo"));
    EXPECT_EQ(game.sprite("TeamGrelLogo")->alpha, 0) << "the logo fades in from nothing";
    EXPECT_TRUE(game.waitFor([&] { return game.said() == scriptLine("IntroCga1"); }, 4));
    if (!p.skipsCutScenes) {
        EXPECT_TRUE(game.waitFor([&] { return game.said() == scriptLine("IntroPatch1"); }, 12));
        EXPECT_EQ(game.sprite("TeamGrelLogo")->alpha, 255);
    }
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Credits", 40));

    // A page is said after a line break that lines its first line up with the rest.
    auto showing = [&](const char* page) {
        const std::string& text = scriptLine(page);
        const std::string said = game.said();
        return said.size() > text.size() && said.compare(said.size() - text.size(), text.size(), text) == 0;
    };
    EXPECT_TRUE(game.waitFor([&] { return showing("Credits1"); }, 3));
    if (!p.skipsCutScenes) { EXPECT_TRUE(game.waitFor([&] { return showing("Credits8"); }, 70)); }
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "IntroCrash", 30));

    EXPECT_EQ(game.said(), scriptLine("CrashPanic"));
    if (!p.skipsCutScenes) { EXPECT_TRUE(game.waitFor([&] { return game.said() == scriptLine("CrashRacing"); }, 8)); }
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Menu", 15));
}

void startFromTheMenu(PlayDriver& game) {
    EXPECT_EQ(game.lastSpriteName(), "ExitCursor") << "the exit arrow is the menu's pointer";
    ASSERT_TRUE(game.sprite("Background"));
    EXPECT_LT(game.sprite("Background")->alpha, 255) << "the menu fades in";
    game.seconds(5);
    EXPECT_EQ(game.sprite("Background")->alpha, 255);

    ASSERT_NO_FATAL_FAILURE(game.walkThrough("MenuExit2"));
    EXPECT_EQ(game.scene(), "ScheuneHinten");
    EXPECT_EQ(game.said(), scriptLine("Greeting"));
    game.waitForSpeechToEnd();
    EXPECT_EQ(game.gs().cursorMode, kModeWalk) << "play starts with walking";
    EXPECT_EQ(game.lastSpriteName(), "WalkCursor");
}

// ---- the puzzles ----

void hookThePulleyChain(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.use("ScheuneHintenKette"));
    achieved(game, p, "chain hooked on the ship", {chainHooked});
    EXPECT_TRUE(game.sprite("ScheuneHintenKetteAufgehängt"));
    EXPECT_FALSE(game.sprite("ScheuneHintenKette"));
}

void trickOrTreatAndSwapForTheTicket(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("HausAlteDame"));
    ASSERT_NO_FATAL_FAILURE(game.use("AlteDame"));
    EXPECT_EQ(game.queuedLines().size(), 6u) << "the whole doorstep talk is queued";
    achieved(game, p, "lolly from the old lady", {ladyCalled}, {"Lolly"});

    ASSERT_NO_FATAL_FAILURE(game.travelTo("Kreuzung"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Lolly", "Freak"));
    EXPECT_EQ(game.said(), game.text("GiveLolly1"));
    achieved(game, p, "lolly for the party ticket", {freakFed}, {"Ticket"}, {"Lolly"}, {ladyCalled});
    EXPECT_EQ(game.object("Freak")->dialoguePartner, nullptr) << "the freak is busy licking";
}

void showTicketAndTakeBread(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Schule"));
    EXPECT_EQ(game.object("SchuleExit2")->exitTarget, "") << "the barrier is still closed";
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Ticket", "TicketstandKid"));
    EXPECT_EQ(game.said(), game.text("OpenSchranke1"));
    achieved(game, p, "ticket shown", {barrierOpen});
    EXPECT_TRUE(game.waitFor([&] { return game.object("SchuleExit2")->exitTarget == "Schulparty"; }, 2));
    ASSERT_NO_FATAL_FAILURE(game.take("Brot"));
    achieved(game, p, "bread from the bin", {breadTaken}, {"Brot"});
}

void winTheBurpContest(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Schulparty"));
    for (const char* item : {"Käse", "Knoblauch"}) ASSERT_NO_FATAL_FAILURE(game.take(item));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Knoblauch", "Burbkid2"));
    EXPECT_EQ(game.said(), game.text("TrinkenBurbContest")) << "garlic wants the punch";
    ASSERT_NO_FATAL_FAILURE(game.take("Bowle"));
    achieved(game, p, "cheese, punch and garlic from the party table", {cheeseTaken}, {"Käse", "Bowle", "Knoblauch"});
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Knoblauch", "Burbkid2"));
    EXPECT_EQ(game.scene(), "BurbSequenz");
    achieved(game, p, "burp contest won", {burpContestWon}, {}, {"Knoblauch", "Bowle"});
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Schulparty", 15));
    EXPECT_FALSE(game.sprite("Burbkid2"));
    ASSERT_TRUE(game.sprite("BurbkidsKO"));
    EXPECT_EQ(game.sprite("BurbkidsKO")->srcX, 0) << "the cape still lies with the kids";
    ASSERT_NO_FATAL_FAILURE(game.take("Umhang"));
    achieved(game, p, "the cape", {}, {"Umhang"});
    game.frames(1);
    EXPECT_EQ(game.sprite("BurbkidsKO")->srcX, 226);
}

void catchTheMouseAndFeedTheStudioGirl(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneVorne"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Käse", "MausScene"));
    EXPECT_EQ(game.said(), game.text("GotMaus"));
    achieved(game, p, "mouse caught", {mouseCaught}, {"Maus"}, {"Käse"});
    EXPECT_EQ(game.sprite("MausScene")->visible, 0);
    ASSERT_NO_FATAL_FAILURE(game.combine("Maus", "Brot"));
    achieved(game, p, "mouse sandwich", {}, {"MausSandwich"}, {"Maus", "Brot"});

    ASSERT_NO_FATAL_FAILURE(game.travelTo("FitnessStudioInnen"));
    game.take("Lippenstift");
    EXPECT_EQ(game.said(), game.text("NOTAKE_Lippenstift")) << "not while she is watching";
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("MausSandwich", "Studiogirl"));
    EXPECT_EQ(game.scene(), "StudiogirlBurgerSequenz");
    achieved(game, p, "studio girl fed", {studiogirlFed}, {}, {"MausSandwich"});
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "FitnessStudioInnen", 15));
    EXPECT_EQ(game.sprite("Studiogirl")->visible, 0) << "she went home";
    ASSERT_NO_FATAL_FAILURE(game.take("Lippenstift"));
    achieved(game, p, "lipstick", {}, {"Lippenstift"});
}

void jamTheToilet(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Toilette"));
    EXPECT_EQ(game.sprite("Mop")->visible, 0) << "the janitor guards his things";
    ASSERT_NO_FATAL_FAILURE(game.take("Klopapier"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Klopapier", "Toilette"));
    EXPECT_EQ(game.scene(), "ToiletteVerstopftSequenz");
    achieved(game, p, "toilet jammed", {toiletBlocked});
    EXPECT_TRUE(game.waitFor([&] { return game.said() == game.text("ToiletteSequenz"); }, 4));
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Toilette", 15));
    EXPECT_FALSE(game.object("Hausmeister")->active) << "the janitor is busy at the bowl";
    ASSERT_NO_FATAL_FAILURE(game.take("Mop"));
    ASSERT_NO_FATAL_FAILURE(game.take("Tool"));
    achieved(game, p, "mop and wrench", {}, {"Mop", "Tool"});
    game.frames(1);
    EXPECT_EQ(game.sprite("Toolbox")->srcX, 86) << "the box without its wrench";
}

void dressTheWitchAndUnlockTheBarn(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneFern"));
    ASSERT_NO_FATAL_FAILURE(game.take("Hut"));
    achieved(game, p, "the scarecrow's hat", {hatTaken}, {"Hut"});
    game.look("Vogelscheuche");
    EXPECT_EQ(game.said(), game.text("LOOK_VogelscheucheOhneHut"));

    ASSERT_NO_FATAL_FAILURE(game.travelTo("FarmhausHinten"));
    const struct {
        const char* item;
        StoryFlag flag;
    } parts[] = {{"Mop", costumeBroom}, {"Lippenstift", costumeLipstick}, {"Umhang", costumeCape}};
    for (const auto& part : parts) {
        ASSERT_NO_FATAL_FAILURE(game.useItemOn(part.item, "CryGirl"));
        EXPECT_EQ(game.said(), scriptLine("GirlThanks"));
        achieved(game, p, part.item, {part.flag}, {}, {part.item});
    }
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Hut", "CryGirl"));
    EXPECT_EQ(game.scene(), "FarmhausSequenz") << "she runs in for the key";
    achieved(game, p, "witch costume complete", {costumeHat, costumeComplete, keyFromGirl, girlHappy}, {"Key"}, {"Hut"});
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "FarmhausHinten", 12));
    EXPECT_EQ(game.said(), game.text("CryGirlCostumeThank1"));

    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneVorne"));
    EXPECT_FALSE(game.sprite("ScheuneVorneExit"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Key", "ScheuneVorneSchloss"));
    achieved(game, p, "barn unlocked, key kept", {barnUnlocked});
    EXPECT_TRUE(game.sprite("ScheuneVorneExit"));
}

void takeTheBeltAndEndTheGame(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("HausAlteDame"));
    ASSERT_NO_FATAL_FAILURE(game.use("AlteDame"));
    achieved(game, p, "a second lolly after the first was given away", {ladyCalled}, {"Lolly"});
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Trainingsraum"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Tool", "TrainingsraumLaufband"));
    EXPECT_EQ(game.said(), game.text("NotWhileFatmanWalking"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Lolly", "Fatman"));
    EXPECT_EQ(game.scene(), "FatmanEatingSequenz");
    EXPECT_EQ(game.said(), game.text("GiveLollyFatman1"));
    achieved(game, p, "fat man fed", {fatmanGotLolly, fatmanSitting}, {}, {"Lolly"}, {ladyCalled});
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Trainingsraum", 10));
    EXPECT_TRUE(game.sprite("FatmanLutschend"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Tool", "TrainingsraumLaufband"));
    EXPECT_EQ(game.said(), game.text("GotLaufband"));
    achieved(game, p, "treadmill belt", {beltTaken}, {"Laufband"}, {"Tool"});

    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneInnen"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Laufband", "ScheuneInnenBand"));
    EXPECT_EQ(game.scene(), "BenutzeLaufbandSequenz");
    EXPECT_EQ(game.said(), scriptLine("EndEpilogue"));
    achieved(game, p, "belt fitted: the end", {beltInstalled}, {}, {"Laufband"});
}

// ---- after play ----

void watchTheEndAndCreditsAgain(PlayDriver& game, const Journey& p) {
    if (!p.skipsCutScenes) { ASSERT_TRUE(game.waitFor([&] { return game.said() == scriptLine("EndClosing"); }, 25)); }
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Credits", 25));
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "IntroCrash", 90));
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Menu", 20));
}

void quitFromTheMenu(PlayDriver& game) {
    game.seconds(5);  // the menu has faded in
    int x = 0, y = 0;
    ASSERT_TRUE(game.pointOn("MenuExit", x, y));
    game.t.moveTo(x, y);
    game.frames(2);
    game.t.click(x, y);
    const std::string farewell = scriptLine("QuitFarewell");
    ASSERT_TRUE(game.waitFor([&] { return game.said().rfind(farewell, 0) == 0; }, 2));
    EXPECT_TRUE(game.gs().quitting);
    EXPECT_EQ(game.scene(), "Menu");
    EXPECT_FALSE(game.sprite("EnterInventory")) << "no inventory while leaving";
    EXPECT_EQ(game.lastSpriteName(), "WaitCursor");
    game.seconds(5);
    EXPECT_TRUE(game.e().running);
    EXPECT_LT(game.sprite("Background")->alpha, 255) << "the menu fades out";
    ASSERT_TRUE(game.waitFor([&] { return !game.e().running; }, 8)) << "the program ends";
}

// The English player watches every cut-scene; the German one skips them all.
struct Player {
    const Edition* edition;
    bool skipsCutScenes;
};

class PlayThrough : public ::testing::TestWithParam<Player> {};

TEST_P(PlayThrough, FromProgramStartToProgramEnd) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    game.startProgram(*GetParam().edition);
    Journey p{GetParam().skipsCutScenes, {}, {}};

    ASSERT_NO_FATAL_FAILURE(watchIntroCreditsAndCrash(game, p));
    ASSERT_NO_FATAL_FAILURE(startFromTheMenu(game));
    expectProgress(game, p, "nothing done yet");

    ASSERT_NO_FATAL_FAILURE(hookThePulleyChain(game, p));
    ASSERT_NO_FATAL_FAILURE(trickOrTreatAndSwapForTheTicket(game, p));
    ASSERT_NO_FATAL_FAILURE(showTicketAndTakeBread(game, p));
    ASSERT_NO_FATAL_FAILURE(winTheBurpContest(game, p));
    ASSERT_NO_FATAL_FAILURE(catchTheMouseAndFeedTheStudioGirl(game, p));
    ASSERT_NO_FATAL_FAILURE(jamTheToilet(game, p));
    ASSERT_NO_FATAL_FAILURE(dressTheWitchAndUnlockTheBarn(game, p));
    ASSERT_NO_FATAL_FAILURE(takeTheBeltAndEndTheGame(game, p));

    ASSERT_NO_FATAL_FAILURE(watchTheEndAndCreditsAgain(game, p));
    expectProgress(game, p, "nothing is reset by the credits");
    ASSERT_NO_FATAL_FAILURE(quitFromTheMenu(game));
}

INSTANTIATE_TEST_SUITE_P(Editions, PlayThrough,
                         ::testing::Values(Player{&kEnglish, false}, Player{&kGerman, true}),
                         [](const ::testing::TestParamInfo<Player>& info) {
                             return std::string(info.param.edition->language) +
                                    (info.param.skipsCutScenes ? "_skipping" : "_watching");
                         });

}  // namespace
