// SPDX-License-Identifier: MIT
// save_test.cpp - F5, F7, the autosave, the saved-games screen and Continue
// through the real input path: the game is played step by step from restored
// saves to the same end, random play saves only what reads back as the same
// world, damaged saves are refused without changing anything, and the player
// saves, loads and deletes with the mouse.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "frame/userfiles.h"
#include "game/savegame.h"
#include "game/slots.h"
#include "platform/platform.h"
#include "play_driver.h"
#include "world/dialogue.h"
#include "world/save.h"
#include "world/scene.h"

namespace {

// Every test saves under its own XDG_DATA_HOME, removed afterwards.
class SaveTest : public ::testing::Test {
protected:
    TempFolder home;
    void SetUp() override { setenv("XDG_DATA_HOME", home.path.c_str(), 1); }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }
};

std::string slotText(const Edition& ed, int slot = kQuickSlot) { return fileText(slotPath(ed, slot)); }
// A save without one of its lines.
std::string without(std::string text, const std::string& key) {
    const size_t at = text.find("\n" + key + "=");
    return at == std::string::npos ? text : text.erase(at + 1, text.find('\n', at + 1) - at);
}
// A save without the moment it was written, which no two saves share.
std::string withoutTime(const std::string& text) { return without(text, "time"); }
std::string stateText(PlayDriver& g, const Edition& ed) {
    return withoutTime(writeSaveText(g.gs(), g.e().partners, ed.language));
}

void skipSequence(PlayDriver& g, const std::string& next) {
    g.frames(kSecond / 2);
    g.pressEscape();
    ASSERT_TRUE(g.waitForScene(next, 3)) << next;
}
void skipToMenu(PlayDriver& g, const Edition& ed) {
    g.startProgram(ed);
    for (const char* next : {"Credits", "IntroCrash", "Menu"}) ASSERT_NO_FATAL_FAILURE(skipSequence(g, next));
}
void startPlaying(PlayDriver& g, const Edition& ed) {
    ASSERT_NO_FATAL_FAILURE(skipToMenu(g, ed));
    ASSERT_NO_FATAL_FAILURE(g.walkThrough("MenuExit2"));
    g.settle();
}

// The walkthrough, one step a row: "go" travels, "give" uses an item on something,
// "skip" presses Escape in a cut-scene; every step but the last ends in play.
const std::vector<std::vector<std::string>> kWalkthrough = {
    {"use ScheuneHintenKette"},
    {"go HausAlteDame", "use AlteDame"},
    {"go Kreuzung", "give Lolly Freak"},
    {"go Schule", "give Ticket TicketstandKid", "take Brot"},
    {"go Schulparty", "take Käse", "take Bowle", "take Knoblauch"},
    {"give Knoblauch Burbkid2", "skip Schulparty", "take Umhang"},
    {"go ScheuneVorne", "give Käse MausScene", "combine Maus Brot"},
    {"go FitnessStudioInnen", "give MausSandwich Studiogirl", "skip FitnessStudioInnen", "take Lippenstift"},
    {"go Toilette", "take Klopapier", "give Klopapier Toilette", "skip Toilette", "take Mop", "take Tool"},
    {"go ScheuneFern", "take Hut"},
    {"go FarmhausHinten", "give Mop CryGirl", "give Lippenstift CryGirl", "give Umhang CryGirl",
     "give Hut CryGirl", "skip FarmhausHinten"},
    {"go ScheuneVorne", "give Key ScheuneVorneSchloss"},
    {"go HausAlteDame", "use AlteDame", "go Trainingsraum", "give Lolly Fatman", "skip Trainingsraum",
     "give Tool TrainingsraumLaufband"},
    {"go ScheuneInnen", "give Laufband ScheuneInnenBand", "skip Credits"},
};
void playStep(PlayDriver& g, size_t step) {
    SCOPED_TRACE("step " + std::to_string(step));
    for (const std::string& line : kWalkthrough[step]) {
        std::istringstream in(line);
        std::string verb, a, b;
        in >> verb >> a >> b;
        if (verb == "go") g.travelTo(a);
        if (verb == "use") g.use(a);
        if (verb == "take") g.take(a);
        if (verb == "give") g.useItemOn(a, b);
        if (verb == "combine") g.combine(a, b);
        if (verb == "skip") skipSequence(g, a);
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << line;
    }
    if (step + 1 < kWalkthrough.size()) g.settle();
}
// What a step is judged by: the story flags, the pockets and the scene it ends in.
std::string outcome(PlayDriver& g) {
    std::string out = g.scene() + ":";
    for (uint8_t f : g.gs().storyFlags) out += char('0' + f);
    for (const std::string& item : g.inventory()) out += " " + item;
    return out;
}
void restore(PlayDriver& g, const Edition& ed, const std::string& save) {
    ASSERT_TRUE(writeFileAtomically(saveSlotPath(ed), save));
    g.t.frame({kKeyF7});
    EXPECT_EQ(stateText(g, ed), withoutTime(save)) << "restored as saved";
    ASSERT_FALSE(g.queuedLines().empty());
    EXPECT_EQ(g.queuedLines().front(), scriptLine("SaveRestored"));
    g.settle();
}

class SaveRoundTrip : public SaveTest, public ::testing::WithParamInterface<const Edition*> {};

// Before every step the game saves; a second program restores that save (from
// its menu the first time, in play after) and plays the same step, which must end
// the same. After the end sequence the menu restores an early save, and the game
// played on from there ends as it ended.
TEST_P(SaveRoundTrip, EveryStepPlaysTheSameFromARestoredSave) {
    const Edition& ed = *GetParam();
    PlayDriver game, restored;
    ASSERT_TRUE(game.t.videoOk);
    ASSERT_NO_FATAL_FAILURE(startPlaying(game, ed));
    ASSERT_NO_FATAL_FAILURE(skipToMenu(restored, ed));
    for (DialoguePartner* p : game.e().partners)  // as if the girl had told of the key
        if (p->name == "CryGirl") activateTopic(p, "Key");
    std::vector<std::string> saves, ends;
    for (size_t i = 0; i < kWalkthrough.size(); ++i) {
        game.t.frame({kKeyF5});
        EXPECT_EQ(game.queuedLines().front(), scriptLine("SaveDone")) << "said at once";
        saves.push_back(slotText(ed));
        ASSERT_NO_FATAL_FAILURE(restore(restored, ed, saves[i]));
        ASSERT_NO_FATAL_FAILURE(playStep(game, i));
        ASSERT_NO_FATAL_FAILURE(playStep(restored, i));
        ends.push_back(outcome(game));
        EXPECT_EQ(outcome(restored), ends[i]);
    }
    game.t.frame({kKeyF5});
    EXPECT_EQ(slotText(ed), saves.back()) << "the credits are no place to save";
    ASSERT_NO_FATAL_FAILURE(skipSequence(game, "IntroCrash"));
    ASSERT_NO_FATAL_FAILURE(skipSequence(game, "Menu"));
    ASSERT_NO_FATAL_FAILURE(restore(game, ed, saves[3]));
    for (size_t i = 3; i < kWalkthrough.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(playStep(game, i));
        EXPECT_EQ(outcome(game), ends[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, SaveRoundTrip, ::testing::Values(&kEnglish, &kGerman),
                         [](const ::testing::TestParamInfo<const Edition*>& info) {
                             return std::string(info.param->language);
                         });

// What must not move when a save is refused: the world, the screen, the hero.
std::string snapshot(PlayDriver& g) {
    const std::string world = without(writeSaveText(g.gs(), g.e().partners, ""), "played");  // the clock goes on
    return world + g.scene() + std::to_string(g.e().display.sprites.size());
}

// Every kind of damage and every state play cannot reach is refused with one
// short line and leaves game and file alone; so is a save into a folder that
// cannot be written. A save of the other edition says whose it is, and a save
// of the first format still loads.
TEST_F(SaveTest, DamagedSavesAndUnwritableFoldersChangeNothing) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    ASSERT_NO_FATAL_FAILURE(startPlaying(game, kEnglish));
    const std::string path = saveSlotPath(kEnglish);
    std::string state = snapshot(game);
    auto refused = [&](GameKey key, const char* line, const std::string& label) {
        SCOPED_TRACE(label);
        const std::string before = slotText(kEnglish);
        game.t.frame({key});
        ASSERT_FALSE(game.queuedLines().empty());
        EXPECT_EQ(game.queuedLines().front(), scriptLine(line));
        EXPECT_EQ(snapshot(game), state);
        EXPECT_EQ(slotText(kEnglish), before);
        clearSpeech(game.e().speech);
    };
    refused(kKeyF7, "SaveNone", "no file");

    game.give("Lolly");
    game.give("Ticket");
    state = snapshot(game);
    game.t.frame({kKeyF5});
    clearSpeech(game.e().speech);
    const std::string good = slotText(kEnglish);
    ASSERT_NE(good.find("items=2\nitem=Lolly\nitem=Ticket\n"), std::string::npos);
    auto damaged = [&](const std::string& text, const std::string& label, const char* line = "SaveUnreadable") {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;  // no flush to disk: a thousand of them
        refused(kKeyF7, line, label);
    };
    auto edited = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    damaged("", "empty");
    int line = 0;  // cut after each of the first lines, then after every seventh
    for (size_t cut = good.find('\n'); cut + 1 < good.size(); cut = good.find('\n', cut + 1))
        if (++line < 60 || line % 7 == 0) damaged(good.substr(0, cut + 1), "cut after byte " + std::to_string(cut));
    damaged(edited("verb=", "verb=x"), "garbage in a number");
    damaged(edited("\nitems=", "\n#?!\nitems="), "a garbage line");
    damaged(edited("object=Freak", "object=Frek"), "an unknown object");
    damaged(edited("format=2", "format=3"), "a newer format");
    damaged(edited("scene=ScheuneHinten", "scene=Credits"), "a sequence as the scene");
    damaged(edited("end\n", "end\nend\n"), "lines after the end");
    damaged(edited("items=2\nitem=Lolly\n", "items=3\nitem=Lolly\nitem=Lolly\n"), "a duplicated item");
    damaged(edited("items=2\nitem=Lolly\n", "items=2\nitem=Freak\n"), "a person in the pocket");
    damaged(edited("held=\n", "held=Hut\n"), "an item held that is not carried");
    damaged(edited("verb=", "verb=1\nheld=\n#") , "Use-with without an item");
    damaged(edited("heroY=", "heroY=5\n#"), "the hero off the floor");
    damaged(edited("edition=en", "edition=de"), "the other edition", "SaveOtherEdition");

    // A refusal quotes a little of a bad value, however long it is.
    SavedGame out;
    std::string why;
    EXPECT_FALSE(readSaveText(edited("object=Freak", "object=" + std::string(1 << 20, 'F')), "en", game.gs(),
                              game.e().partners, out, why));
    EXPECT_LT(why.size(), 200u) << why.substr(0, 200);

    // The first format had neither time played nor date; it still loads.
    std::string first = edited("format=2", "format=1");
    first.erase(first.find("played="), first.find("scene=") - first.find("played="));
    ASSERT_TRUE(writeFileAtomically(path, first));
    game.t.frame({kKeyF7});
    EXPECT_EQ(game.queuedLines().front(), scriptLine("SaveRestored"));
    EXPECT_TRUE(game.carries("Ticket"));

    // A file where the game's folder should be stops even root from saving.
    state = snapshot(game);
    clearSpeech(game.e().speech);
    ASSERT_EQ(std::system(("rm -rf '" + home.path + "'/*").c_str()), 0);
    ASSERT_TRUE(writeFileAtomically(home / "hollowmere", "not a folder"));
    refused(kKeyF5, "SaveFailed", "unwritable folder");
}

// The player's own way to an item in hand, where the game lets him: the
// inventory opened, Use chosen with right clicks, the item clicked, closed.
void tryToPickUp(PlayDriver& g, const std::string& item) {
    if (!inInteractivePlay(g.gs()) || speechQueued(g.e().speech)) return;
    g.clickInventoryButton();
    if (!g.inventoryOpen()) return;
    for (int i = 0; i < 8 && g.gs().cursorMode != kModeUse; ++i) g.t.rightClick();
    int x = 0, y = 0;
    if (g.pointOn(item, x, y)) g.t.click(x, y);
    g.clickInventoryButton();
}

// The random test's player gone mad, in both editions, pressing F5 now and
// then: whatever is saved loads into a fresh world as that same world (flags,
// pockets, hand, verb, scene, hero's place and every object's fields), also
// with an item held in hand under most verbs (the report that began it all).
TEST_F(SaveTest, RandomPlaySavesOnlyWhatLoadsBackTheSame) {
    for (const Edition* ed : {&kEnglish, &kGerman}) {
        SCOPED_TRACE(ed->language);
        PlayDriver game, fresh;
        ASSERT_TRUE(game.t.videoOk);
        ASSERT_NO_FATAL_FAILURE(startPlaying(game, *ed));
        fresh.startProgram(*ed);
        std::srand(ed == &kEnglish ? 15 : 1515);
        std::vector<std::string> items;
        for (const auto& it : game.e().objects)
            if (!it.second->iconName.empty()) items.push_back(it.first);
        int saves = 0;
        std::set<int> verbs;
        std::string last;
        for (int frame = 0; frame < 12000; ++frame) {
            const int roll = std::rand() % 1000;
            std::vector<GameKey> keys;
            TestEngine& t = game.t;
            if (rollPointer(t, roll, keys)) {  // the pointer, the buttons or Escape
            } else if (roll < 385) {
                const std::string& item = items[std::rand() % items.size()];
                inventoryAdd(game.hero(), item, game.object(item));
            } else if (roll < 400) {
                keys.push_back(kKeyF5);
            } else if (roll < 403 && !game.inventory().empty()) {
                auto pocket = game.inventory();
                auto item = pocket.begin();
                std::advance(item, std::rand() % pocket.size());
                tryToPickUp(game, *item);
            }
            t.frame(keys);
            if (!keys.empty() && keys[0] == kKeyF5 && !game.queuedLines().empty()) {
                ASSERT_NE(game.queuedLines().front(), scriptLine("SaveFailed")) << "a state the game refuses to save";
            }
            if (!game.e().running) {  // quitting ends the program; start again
                game.e().running = true;
                game.gs().quitting = 0;
                goToScene(game.gs(), "Menu");
            }
            const std::string text = slotText(*ed);
            if (text == last) continue;
            last = text;
            ++saves;
            if (game.gs().heldItem) verbs.insert(game.gs().cursorMode == kModeClick ? game.gs().savedCursorMode : game.gs().cursorMode);
            SCOPED_TRACE("save " + std::to_string(saves) + " at frame " + std::to_string(frame));
            std::string why, edition;
            ASSERT_TRUE(loadSaveText(fresh.gs(), text, why, edition)) << why << "\n" << text;
            ASSERT_EQ(stateText(fresh, *ed), withoutTime(text));
            ASSERT_EQ(fresh.gs().heldItem ? fresh.gs().heldItem->name : "", game.gs().heldItem ? game.gs().heldItem->name : "")
                << "the item in hand is kept";
        }
        EXPECT_GE(saves, 40);
        EXPECT_GE(verbs.size(), 4u) << "saves with an item in hand under most verbs";
    }
}

// F5 only in play; closing the window and a stop signal save in play (the
// inventory open or not, and in a conversation the moment before it) into the
// autosave slot, never into the quick slot; so does every change of scene.
TEST_F(SaveTest, TheAutosaveKeepsToItsOwnSlotInPlayOnly) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    auto closeWindow = [&] {
        FrameEvents ev = {};
        ev.quit = true;
        runFrame(game.e(), ev);
        EXPECT_FALSE(game.e().running);
        game.e().running = true;
    };
    ASSERT_NO_FATAL_FAILURE(skipToMenu(game, kEnglish));
    // The first save was rehearsed in the spare time of the frames before: it left no file.
    const std::string folder = dataFolder() + "/" + kEnglish.language;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << "the rehearsal wrote its file beside the saves";
    for (const auto& left : std::filesystem::directory_iterator(folder)) ADD_FAILURE() << left.path();
    game.t.frame({kKeyF5});
    closeWindow();
    EXPECT_EQ(slotText(kEnglish), "") << "nothing saved in the menu";
    EXPECT_EQ(slotText(kEnglish, kAutoSlot), "");
    ASSERT_NO_FATAL_FAILURE(game.walkThrough("MenuExit2"));
    EXPECT_EQ(slotText(kEnglish, kAutoSlot).find("hollowmere save\nformat=2\nedition=en\nplayed="), 0u)
        << "the first scene of play is saved";
    ASSERT_FALSE(game.queuedLines().empty()) << "the hero's greeting";
    game.t.frame({kKeyF5});
    EXPECT_EQ(game.queuedLines().front(), scriptLine("SaveDone")) << "acknowledged before the greeting ends";
    const std::string quick = slotText(kEnglish);
    game.openInventory();
    game.t.frame({kKeyF5});
    EXPECT_EQ(slotText(kEnglish), quick) << "nor with the inventory open";
    game.closeInventory();
    ASSERT_NO_FATAL_FAILURE(playStep(game, 0));
    game.openInventory();
    closeWindow();  // over the inventory: the game under it is kept
    EXPECT_NE(slotText(kEnglish, kAutoSlot).find("flag.chainHooked=1"), std::string::npos);
    game.closeInventory();
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Kreuzung"));
    EXPECT_NE(slotText(kEnglish, kAutoSlot).find("scene=Kreuzung\n"), std::string::npos);

    // SIGTERM is taken at the next frame, as a closed window.
    catchStopSignals();
    ASSERT_EQ(remove(slotPath(kEnglish, kAutoSlot).c_str()), 0);
    raise(SIGTERM);
    runFrame(game.e(), sampleFrameEvents());
    signal(SIGTERM, SIG_DFL);
    EXPECT_FALSE(game.e().running);
    game.e().running = true;
    EXPECT_NE(slotText(kEnglish, kAutoSlot).find("scene=Kreuzung\n"), std::string::npos);
    EXPECT_EQ(slotText(kEnglish), quick) << "the quick slot is the player's";

    // A page that is hidden keeps the game as a closed window does, and plays on.
    ASSERT_EQ(remove(slotPath(kEnglish, kAutoSlot).c_str()), 0);
    FrameEvents hidden;
    hidden.leaving = true;
    runFrame(game.e(), hidden);
    EXPECT_TRUE(game.e().running);
    EXPECT_NE(slotText(kEnglish, kAutoSlot).find("scene=Kreuzung\n"), std::string::npos);

    // In a conversation the moment before it is kept, a save the game reads back.
    ASSERT_NO_FATAL_FAILURE(game.talkTo("Freak"));
    const Graphic* leave = game.sprite("ExitDialog");
    ASSERT_TRUE(leave);
    openDialogue(game.gs(), game.gs().activePartner);  // as a topic unlocked in it does
    leave = game.sprite("ExitDialog");
    ASSERT_EQ(remove(slotPath(kEnglish, kAutoSlot).c_str()), 0);
    closeWindow();
    EXPECT_NE(slotText(kEnglish, kAutoSlot).find("scene=Kreuzung\n"), std::string::npos);
    game.t.click(leave->x + 20, leave->y + 20);
    game.settle();
    ASSERT_FALSE(game.sprite("ExitDialog"));

    ASSERT_NO_FATAL_FAILURE(game.travelTo("Toilette"));
    ASSERT_NO_FATAL_FAILURE(game.take("Klopapier"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Klopapier", "Toilette"));
    ASSERT_EQ(game.scene(), "ToiletteVerstopftSequenz");
    ASSERT_EQ(remove(slotPath(kEnglish, kAutoSlot).c_str()), 0);
    game.t.frame({kKeyF5});
    closeWindow();
    EXPECT_EQ(slotText(kEnglish, kAutoSlot), "") << "nothing saved in a sequence";
    EXPECT_EQ(slotText(kEnglish), quick);
}

// ---- the saved-games screen and Continue ----

// Where the player clicks on the screen: the slots two by two, the buttons below.
void slotCorner(int slot, int& x, int& y) {
    x = 14 + (slot % 2) * 392;
    y = 52 + (slot / 2) * 100;
}
void clickSlot(PlayDriver& g, int slot) {
    int x = 0, y = 0;
    slotCorner(slot, x, y);
    g.t.click(x + 190, y + 48);
}
void clickSave(PlayDriver& g) { g.t.click(89, 574); }
void clickLoad(PlayDriver& g) { g.t.click(253, 574); }
void clickDelete(PlayDriver& g) { g.t.click(417, 574); }
void clickBack(PlayDriver& g) { g.t.click(711, 574); }
void clickYes(PlayDriver& g) { g.t.click(315, 330); }
void clickNo(PlayDriver& g) { g.t.click(485, 330); }
// The middle of a slot's picture.
uint32_t pictureMiddle(PlayDriver& g, int slot) {
    int x = 0, y = 0;
    slotCorner(slot, x, y);
    return screenPixel(g.e(), x + 6 + 56, y + 6 + 42);
}

TEST_F(SaveTest, SaveLoadAndDeleteWithTheMouseAskingBeforeALossAndShowingPictures) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    ASSERT_NO_FATAL_FAILURE(startPlaying(game, kEnglish));
    game.useRealScreen();  // the pictures are taken from the screen
    game.t.frames(2);
    const int slot1 = kFirstPlayerSlot, slot2 = kFirstPlayerSlot + 1;
    const std::string file1 = slotPath(kEnglish, slot1), file2 = slotPath(kEnglish, slot2);
    int32_t footX = 0, footY = 0;
    heroFootPoint(game.hero(), footX, footY);
    ASSERT_NO_FATAL_FAILURE(game.selectVerb(kModeLook));

    game.t.frame({kKeyF6});
    ASSERT_EQ(game.scene(), kSavedGamesScene);
    game.t.frames(2);
    const uint32_t emptyWell = pictureMiddle(game, slot1);
    clickSave(game);  // the first player's slot is chosen when the screen opens in play
    ASSERT_NE(fileText(file1).find("scene=ScheuneHinten\n"), std::string::npos);
    SDL_Surface* picture = platformLoadPicture(thumbnailPath(file1));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->w, 112);
    EXPECT_EQ(picture->h, 84);
    SDL_FreeSurface(picture);
    game.settle();
    EXPECT_NE(pictureMiddle(game, slot1), emptyWell) << "the picture is drawn in its slot";

    clickBack(game);
    ASSERT_EQ(game.scene(), "ScheuneHinten");
    int32_t backX = 0, backY = 0;
    heroFootPoint(game.hero(), backX, backY);
    EXPECT_EQ(backX, footX);
    EXPECT_EQ(backY, footY);
    EXPECT_EQ(game.gs().cursorMode, kModeLook) << "the verb the player had";

    // Saving over a game asks first; No keeps it, Yes replaces it.
    game.give("Lolly");
    const std::string first = fileText(file1);
    game.t.frame({kKeyF6});
    clickSave(game);
    clickNo(game);
    EXPECT_EQ(fileText(file1), first);
    clickSave(game);
    EXPECT_EQ(fileText(file1), first) << "not before the answer";
    clickYes(game);
    EXPECT_NE(fileText(file1).find("item=Lolly\n"), std::string::npos);

    // A second slot, then the first deleted after the question.
    clickSlot(game, slot2);
    clickSave(game);
    ASSERT_FALSE(fileText(file2).empty());
    clickSlot(game, slot1);
    clickDelete(game);
    EXPECT_FALSE(fileText(file1).empty()) << "not before the answer";
    clickYes(game);
    EXPECT_EQ(fileText(file1), "");
    EXPECT_EQ(fileText(thumbnailPath(file1)), "");
    clickBack(game);

    // Loading the second slot brings back the game as it was saved.
    game.give("Ticket");
    game.t.frame({kKeyF6});
    clickSlot(game, slot2);
    clickLoad(game);
    EXPECT_EQ(game.scene(), "ScheuneHinten");
    EXPECT_EQ(game.queuedLines().front(), scriptLine("SaveRestored"));
    EXPECT_TRUE(game.carries("Lolly"));
    EXPECT_FALSE(game.carries("Ticket"));
    EXPECT_EQ(fileText(saveSlotPath(kEnglish)), "") << "no slot but the chosen one was written";

    // Closing the window on the screen keeps the game as it was when F6 was pressed.
    game.settle();
    game.give("Ticket");
    game.t.frame({kKeyF6});
    ASSERT_EQ(remove(slotPath(kEnglish, kAutoSlot).c_str()), 0);
    FrameEvents closed;
    closed.quit = true;
    runFrame(game.e(), closed);
    EXPECT_NE(fileText(slotPath(kEnglish, kAutoSlot)).find("item=Ticket\n"), std::string::npos);
}

// Without a save the menu is as it always was; with saves it offers Continue,
// which loads the newest of them.
TEST_F(SaveTest, ContinueInTheMenuLoadsTheNewestSave) {
    {
        PlayDriver menu;
        ASSERT_TRUE(menu.t.videoOk);
        ASSERT_NO_FATAL_FAILURE(skipToMenu(menu, kGerman));
        EXPECT_FALSE(menu.sprite("MenuContinue"));
        EXPECT_FALSE(menu.sprite("MenuSavedGames"));
    }
    {
        PlayDriver game;
        ASSERT_NO_FATAL_FAILURE(startPlaying(game, kGerman));
        game.t.frame({kKeyF5});
        std::string quick = fileText(saveSlotPath(kGerman));
        const size_t at = quick.find("\ntime=");
        ASSERT_NE(at, std::string::npos);
        quick.replace(at, quick.find('\n', at + 1) - at, "\ntime=1");  // an older save
        ASSERT_TRUE(writeFileAtomically(saveSlotPath(kGerman), quick));
        ASSERT_NO_FATAL_FAILURE(game.travelTo("ScheuneVorne"));  // the autosave
    }
    PlayDriver menu;
    ASSERT_NO_FATAL_FAILURE(skipToMenu(menu, kGerman));
    menu.frames(kSecond);
    ASSERT_TRUE(menu.sprite("MenuContinue"));
    EXPECT_TRUE(isCursorSpriteName(menu.lastSpriteName())) << "the cursor stays the last sprite";
    ASSERT_NO_FATAL_FAILURE(menu.clickOn("MenuContinue"));
    EXPECT_EQ(menu.scene(), "ScheuneVorne");
    EXPECT_EQ(menu.queuedLines().front(), scriptLine("SaveRestored"));
}

}  // namespace
