// save_test.cpp - F5, F7 and the autosave through the real input path: the game
// is played step by step from restored saves to the same end, and damaged
// saves are refused without changing anything.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "frame/userfiles.h"
#include "game/savegame.h"
#include "play_driver.h"
#include "world/dialogue.h"
#include "world/save.h"

namespace {

// Every test saves under its own XDG_DATA_HOME, removed afterwards.
class SaveTest : public ::testing::Test {
protected:
    TempFolder home;
    void SetUp() override { setenv("XDG_DATA_HOME", home.path.c_str(), 1); }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }
};

std::string slotText(const Edition& ed) {
    std::string text;
    readWholeFile(saveSlotPath(ed), text);
    return text;
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
    EXPECT_EQ(writeSaveText(g.gs(), g.e().partners, ed.language), save) << "restored as saved";
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
        EXPECT_EQ(game.queuedLines().back(), scriptLine("SaveDone"));
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
    return writeSaveText(g.gs(), g.e().partners, "") + g.scene() + std::to_string(g.e().display.sprites.size());
}

// Every kind of damage is refused with one line and leaves game and file alone;
// so is a save into a folder that cannot be written.
TEST_F(SaveTest, DamagedSavesAndUnwritableFoldersChangeNothing) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    ASSERT_NO_FATAL_FAILURE(startPlaying(game, kEnglish));
    const std::string path = saveSlotPath(kEnglish), state = snapshot(game);
    auto refused = [&](GameKey key, const char* line, const std::string& label) {
        SCOPED_TRACE(label);
        const std::string before = slotText(kEnglish);
        game.t.frame({key});
        ASSERT_FALSE(game.queuedLines().empty());
        EXPECT_EQ(game.queuedLines().back(), scriptLine(line));
        EXPECT_EQ(snapshot(game), state);
        EXPECT_EQ(slotText(kEnglish), before);
        clearSpeech(game.e().speech);
    };
    refused(kKeyF7, "SaveNone", "no file");

    game.t.frame({kKeyF5});
    const std::string good = slotText(kEnglish);
    auto damaged = [&](const std::string& text, const std::string& label) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;  // no flush to disk: a thousand of them
        refused(kKeyF7, "SaveUnreadable", label);
    };
    auto edited = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    damaged("", "empty");
    for (size_t cut = good.find('\n'); cut + 1 < good.size(); cut = good.find('\n', cut + 1))
        damaged(good.substr(0, cut + 1), "cut after byte " + std::to_string(cut));
    damaged(edited("verb=", "verb=x"), "garbage in a number");
    damaged(edited("\nitems=", "\n#?!\nitems="), "a garbage line");
    damaged(edited("object=Freak", "object=Frek"), "an unknown object");
    damaged(edited("edition=en", "edition=de"), "the other edition");
    damaged(edited("format=1", "format=2"), "a newer format");
    damaged(edited("scene=ScheuneHinten", "scene=Credits"), "a sequence as the scene");
    damaged(edited("end\n", "end\nend\n"), "lines after the end");

    // A file where the game's folder should be stops even root from saving.
    ASSERT_EQ(std::system(("rm -rf '" + home.path + "'/*").c_str()), 0);
    ASSERT_TRUE(writeFileAtomically(home / "hollowmere", "not a folder"));
    refused(kKeyF5, "SaveFailed", "unwritable folder");
}

// F5 only in play; closing the window saves in play, not in the menu or a sequence.
TEST_F(SaveTest, ClosingTheWindowSavesDuringPlayOnly) {
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
    game.t.frame({kKeyF5});
    closeWindow();
    EXPECT_EQ(slotText(kEnglish), "") << "nothing saved in the menu";
    ASSERT_NO_FATAL_FAILURE(game.walkThrough("MenuExit2"));
    game.openInventory();
    game.t.frame({kKeyF5});
    EXPECT_EQ(slotText(kEnglish), "") << "nor with the inventory open";
    game.closeInventory();
    ASSERT_NO_FATAL_FAILURE(playStep(game, 0));
    closeWindow();
    EXPECT_EQ(slotText(kEnglish).find("hollowmere save\nformat=1\nedition=en\nscene=ScheuneHinten\n"), 0u);
    EXPECT_NE(slotText(kEnglish).find("flag.chainHooked=1"), std::string::npos);

    ASSERT_NO_FATAL_FAILURE(game.travelTo("Toilette"));
    ASSERT_NO_FATAL_FAILURE(game.take("Klopapier"));
    ASSERT_NO_FATAL_FAILURE(game.useItemOn("Klopapier", "Toilette"));
    ASSERT_EQ(game.scene(), "ToiletteVerstopftSequenz");
    ASSERT_EQ(remove(saveSlotPath(kEnglish).c_str()), 0);
    game.t.frame({kKeyF5});
    closeWindow();
    EXPECT_EQ(slotText(kEnglish), "") << "nothing saved in a sequence";
}

}  // namespace
