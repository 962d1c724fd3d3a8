// playthrough_test.cpp - the whole game, once per edition, played through the
// real input path from program start to program end: the intro, the credits,
// the crash, the menu, every puzzle from behind the barn to the end sequence,
// the credits again, and the quit from the menu.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gfx/cursor.h"
#include "gfx/text.h"
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

// A cut-scene ends by itself, or at once when the player presses Escape.
void sitThrough(PlayDriver& game, const Journey& p, const std::string& next, int maxSeconds) {
    if (p.skipsCutScenes) {
        game.frames(kSecond / 2);
        game.pressEscape();
    }
    ASSERT_TRUE(game.waitForScene(next, p.skipsCutScenes ? 2 : maxSeconds)) << "on to " << next;
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

    EXPECT_TRUE(game.waitFor([&] { return game.said() == scriptLine("Credits1"); }, 3));
    if (!p.skipsCutScenes) {
        EXPECT_TRUE(game.waitFor([&] { return game.said() == scriptLine("Credits8"); }, 70));
    }
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "IntroCrash", 30));

    EXPECT_EQ(game.said(), scriptLine("CrashPanic"));
    if (!p.skipsCutScenes) {
        EXPECT_TRUE(game.waitFor([&] { return game.said() == scriptLine("CrashRacing"); }, 8));
    }
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

// ---- the optional chain ----

void hookThePulleyChain(PlayDriver& game, Journey& p) {
    game.look("ScheuneHintenKette");
    EXPECT_EQ(game.said(), game.text("LOOK_ScheuneHintenKette"));
    ASSERT_NO_FATAL_FAILURE(game.use("ScheuneHintenKette"));
    p.flags.insert(chainHooked);
    expectProgress(game, p, "chain hooked on the ship");
    EXPECT_EQ(game.said(), game.text("UseHaken1"));
    EXPECT_TRUE(game.sprite("ScheuneHintenKetteAufgehängt"));
    EXPECT_FALSE(game.sprite("ScheuneHintenKette"));
}

// ---- the puzzle chain ----

void trickOrTreat(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("HausAlteDame"));
    ASSERT_NO_FATAL_FAILURE(game.use("AlteDame"));
    EXPECT_EQ(game.said(), game.text("GetLolly1"));
    EXPECT_EQ(game.queuedLines().size(), 6u) << "the whole doorstep talk is queued";
    p.flags.insert(ladyCalled);
    p.items.insert("Lolly");
    expectProgress(game, p, "lolly from the old lady");
}

void swapLollyForTicket(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Kreuzung"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Lolly", "Freak"));
    EXPECT_EQ(game.said(), game.text("GiveLolly1"));
    p.flags.insert(freakFed);
    p.flags.erase(ladyCalled);
    p.items.erase("Lolly");
    p.items.insert("Ticket");
    expectProgress(game, p, "lolly for the party ticket");
    EXPECT_EQ(game.object("Freak")->dialoguePartner, nullptr) << "the freak is busy licking";
}

void showTicketAndTakeBread(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Schule"));
    EXPECT_EQ(game.object("SchuleExit2")->exitTarget, "") << "the barrier is still closed";
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Ticket", "TicketstandKid"));
    EXPECT_EQ(game.said(), game.text("OpenSchranke1"));
    p.flags.insert(barrierOpen);
    expectProgress(game, p, "ticket shown");
    EXPECT_TRUE(game.waitFor([&] { return game.object("SchuleExit2")->exitTarget == "Schulparty"; }, 2));

    ASSERT_NO_FATAL_FAILURE(game.take("Brot"));
    EXPECT_EQ(game.said(), game.text(game.object("Brot")->confirmTakeKey));
    p.flags.insert(breadTaken);
    p.items.insert("Brot");
    expectProgress(game, p, "bread from the bin");
}

void winTheBurpContest(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Schulparty"));
    ASSERT_NO_FATAL_FAILURE(game.take("Käse"));
    EXPECT_EQ(game.said(), game.text("TAKECONFIRM_Käse"));
    ASSERT_NO_FATAL_FAILURE(game.take("Bowle"));
    ASSERT_NO_FATAL_FAILURE(game.take("Knoblauch"));
    p.flags.insert(cheeseTaken);
    p.items.insert({"Käse", "Bowle", "Knoblauch"});
    expectProgress(game, p, "cheese, punch and garlic from the party table");

    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Knoblauch", "Burbkid2"));
    EXPECT_EQ(game.scene(), "BurbSequenz");
    p.flags.insert(burpContestWon);
    p.items.erase("Knoblauch");
    p.items.erase("Bowle");
    expectProgress(game, p, "burp contest won");
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Schulparty", 15));
    EXPECT_FALSE(game.sprite("Burbkid2"));
    ASSERT_TRUE(game.sprite("BurbkidsKO"));
    EXPECT_EQ(game.sprite("BurbkidsKO")->srcX, 0) << "the cape still lies with the kids";

    ASSERT_NO_FATAL_FAILURE(game.take("Umhang"));
    p.items.insert("Umhang");
    expectProgress(game, p, "the cape");
    game.frames(1);
    EXPECT_EQ(game.sprite("BurbkidsKO")->srcX, 226);
}

void catchTheMouseAndMakeASandwich(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneVorne"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Käse", "MausScene"));
    EXPECT_EQ(game.said(), game.text("GotMaus"));
    p.flags.insert(mouseCaught);
    p.items.erase("Käse");
    p.items.insert("Maus");
    expectProgress(game, p, "mouse caught");
    EXPECT_EQ(game.sprite("MausScene")->visible, 0);

    ASSERT_NO_FATAL_FAILURE(game.combine("Maus", "Brot"));
    p.items.erase("Maus");
    p.items.erase("Brot");
    p.items.insert("MausSandwich");
    expectProgress(game, p, "mouse sandwich");
}

void feedTheStudioGirl(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("FitnessStudioInnen"));
    game.take("Lippenstift");
    EXPECT_EQ(game.said(), game.text("NOTAKE_Lippenstift")) << "not while she is watching";
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("MausSandwich", "Studiogirl"));
    EXPECT_EQ(game.scene(), "StudiogirlBurgerSequenz");
    p.flags.insert(studiogirlFed);
    p.items.erase("MausSandwich");
    expectProgress(game, p, "studio girl fed");
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "FitnessStudioInnen", 15));
    EXPECT_EQ(game.sprite("Studiogirl")->visible, 0) << "she went home";

    ASSERT_NO_FATAL_FAILURE(game.take("Lippenstift"));
    p.items.insert("Lippenstift");
    expectProgress(game, p, "lipstick");
}

void jamTheToilet(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Toilette"));
    EXPECT_EQ(game.sprite("Mop")->visible, 0) << "the janitor guards his things";
    EXPECT_EQ(game.sprite("Tool")->visible, 0);
    ASSERT_NO_FATAL_FAILURE(game.take("Klopapier"));
    p.items.insert("Klopapier");
    expectProgress(game, p, "toilet paper");

    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Klopapier", "Toilette"));
    EXPECT_EQ(game.scene(), "ToiletteVerstopftSequenz");
    p.flags.insert(toiletBlocked);
    p.items.erase("Klopapier");
    expectProgress(game, p, "toilet jammed");
    EXPECT_TRUE(game.waitFor([&] { return game.said() == game.text("ToiletteSequenz"); }, 4));
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Toilette", 15));
    const Graphic* janitor = game.sprite("Hausmeister");
    EXPECT_TRUE(!janitor || janitor->visible == 0) << "the janitor is busy at the bowl";
    EXPECT_FALSE(game.object("Hausmeister")->active);

    ASSERT_NO_FATAL_FAILURE(game.take("Mop"));
    EXPECT_EQ(game.said(), game.text("CONFIRMTAKE_Mop"));
    ASSERT_NO_FATAL_FAILURE(game.take("Tool"));
    p.items.insert({"Mop", "Tool"});
    expectProgress(game, p, "mop and wrench");
    game.frames(1);
    EXPECT_EQ(game.sprite("Toolbox")->srcX, 86) << "the box without its wrench";
}

void stealTheHat(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneFern"));
    ASSERT_NO_FATAL_FAILURE(game.take("Hut"));
    EXPECT_EQ(game.said(), game.text("CONFIRMTAKE_HUT"));
    p.flags.insert(hatTaken);
    p.items.insert("Hut");
    expectProgress(game, p, "the scarecrow's hat");
    game.look("Vogelscheuche");
    EXPECT_EQ(game.said(), game.text("LOOK_VogelscheucheOhneHut"));
}

void dressTheWitch(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("FarmhausHinten"));
    const struct {
        const char* item;
        StoryFlag flag;
    } parts[] = {{"Mop", costumeBroom}, {"Lippenstift", costumeLipstick}, {"Umhang", costumeCape}};
    for (const auto& part : parts) {
        ASSERT_NO_FATAL_FAILURE(game.useItemOn(part.item, "CryGirl"));
        EXPECT_EQ(game.said(), scriptLine("GirlThanks"));
        p.flags.insert(part.flag);
        p.items.erase(part.item);
        expectProgress(game, p, part.item);
    }
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Hut", "CryGirl"));
    EXPECT_EQ(game.scene(), "FarmhausSequenz") << "she runs in for the key";
    p.flags.insert({costumeHat, costumeComplete, keyFromGirl, girlHappy});
    p.items.erase("Hut");
    p.items.insert("Key");
    expectProgress(game, p, "witch costume complete");
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "FarmhausHinten", 12));
    EXPECT_EQ(game.said(), game.text("CryGirlCostumeThank1"));
    EXPECT_EQ(game.object("CryGirl")->dialoguePartner, nullptr);
}

void unlockTheBarn(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneVorne"));
    EXPECT_FALSE(game.sprite("ScheuneVorneExit"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Key", "ScheuneVorneSchloss"));
    p.flags.insert(barnUnlocked);
    expectProgress(game, p, "barn unlocked, key kept");
    EXPECT_TRUE(game.sprite("ScheuneVorneExit"));
    EXPECT_FALSE(game.sprite("ScheuneVorneSchloss"));
}

void takeTheTreadmillBelt(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("HausAlteDame"));
    ASSERT_NO_FATAL_FAILURE(game.use("AlteDame"));
    EXPECT_EQ(game.said(), game.text("GetLolly1")) << "a second lolly after the first was given away";
    p.flags.insert(ladyCalled);
    p.items.insert("Lolly");
    expectProgress(game, p, "second lolly");

    ASSERT_NO_FATAL_FAILURE(game.travelTo("Trainingsraum"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Tool", "TrainingsraumLaufband"));
    EXPECT_EQ(game.said(), game.text("NotWhileFatmanWalking"));
    expectProgress(game, p, "the fat man still runs");

    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Lolly", "Fatman"));
    EXPECT_EQ(game.scene(), "FatmanEatingSequenz");
    EXPECT_EQ(game.said(), game.text("GiveLollyFatman1"));
    p.flags.insert({fatmanGotLolly, fatmanSitting});
    p.flags.erase(ladyCalled);
    p.items.erase("Lolly");
    expectProgress(game, p, "fat man fed");
    ASSERT_NO_FATAL_FAILURE(sitThrough(game, p, "Trainingsraum", 10));
    EXPECT_FALSE(game.sprite("Fatman"));
    EXPECT_TRUE(game.sprite("FatmanLutschend"));

    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Tool", "TrainingsraumLaufband"));
    EXPECT_EQ(game.said(), game.text("GotLaufband"));
    p.flags.insert(beltTaken);
    p.items.erase("Tool");
    p.items.insert("Laufband");
    expectProgress(game, p, "treadmill belt");
    game.frames(1);
    EXPECT_EQ(game.sprite("TrainingsraumLaufband")->visible, 0);
}

void fitTheBeltToTheGenerator(PlayDriver& game, Journey& p) {
    ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneInnen"));
    game.look("ScheuneInnenBand");
    EXPECT_EQ(game.said(), game.text("LOOK_ScheuneInnenKeinBand"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Laufband", "ScheuneInnenBand"));
    EXPECT_EQ(game.scene(), "BenutzeLaufbandSequenz");
    EXPECT_EQ(game.said(), scriptLine("EndEpilogue"));
    p.flags.insert(beltInstalled);
    p.items.erase("Laufband");
    expectProgress(game, p, "belt fitted: the end");
    EXPECT_EQ(game.object("ScheuneInnenBand")->lookKey, "LOOK_ScheuneInnenBand");
}

// ---- after play ----

void watchTheEndAndCreditsAgain(PlayDriver& game, const Journey& p) {
    if (!p.skipsCutScenes) {
        ASSERT_TRUE(game.waitFor([&] { return game.said() == scriptLine("EndClosing"); }, 25));
    }
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
    // The address is never split at the screen edge: in English it starts a line.
    const std::string farewell = scriptLine("QuitFarewell");
    ASSERT_TRUE(game.waitFor([&] { return game.said().rfind(farewell, 0) == 0; }, 2));
    EXPECT_NE(game.said().find(kWebAddress), std::string::npos);
    EXPECT_FALSE(textWraps(game.said(), kSpeechX, kSpeechSize)) << game.said();
    EXPECT_TRUE(game.gs().quitting);
    EXPECT_EQ(game.scene(), "Menu");
    EXPECT_FALSE(game.sprite("EnterInventory")) << "no inventory while leaving";
    EXPECT_EQ(game.lastSpriteName(), "WaitCursor");
    EXPECT_TRUE(game.e().running);

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
    game.useTinyScreen();
    game.startProgram(*GetParam().edition);
    Journey p{GetParam().skipsCutScenes, {}, {}};

    ASSERT_NO_FATAL_FAILURE(watchIntroCreditsAndCrash(game, p));
    ASSERT_NO_FATAL_FAILURE(startFromTheMenu(game));
    expectProgress(game, p, "nothing done yet");

    ASSERT_NO_FATAL_FAILURE(hookThePulleyChain(game, p));
    ASSERT_NO_FATAL_FAILURE(trickOrTreat(game, p));
    ASSERT_NO_FATAL_FAILURE(swapLollyForTicket(game, p));
    ASSERT_NO_FATAL_FAILURE(showTicketAndTakeBread(game, p));
    ASSERT_NO_FATAL_FAILURE(winTheBurpContest(game, p));
    ASSERT_NO_FATAL_FAILURE(catchTheMouseAndMakeASandwich(game, p));
    ASSERT_NO_FATAL_FAILURE(feedTheStudioGirl(game, p));
    ASSERT_NO_FATAL_FAILURE(jamTheToilet(game, p));
    ASSERT_NO_FATAL_FAILURE(stealTheHat(game, p));
    ASSERT_NO_FATAL_FAILURE(dressTheWitch(game, p));
    ASSERT_NO_FATAL_FAILURE(unlockTheBarn(game, p));
    ASSERT_NO_FATAL_FAILURE(takeTheTreadmillBelt(game, p));
    ASSERT_NO_FATAL_FAILURE(fitTheBeltToTheGenerator(game, p));

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
