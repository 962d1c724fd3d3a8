// save_test.cpp - F5, F7 and the autosave, played through the real input path:
// a save taken at every step of the game, restored into a fresh world, plays on
// to the same end; damaged files are refused and change nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "frame/userfiles.h"
#include "game/savegame.h"
#include "play_driver.h"
#include "world/save.h"

namespace {

// Every test saves under its own XDG_DATA_HOME, removed afterwards.
class SaveTest : public ::testing::Test {
protected:
    std::string home;
    void SetUp() override {
        char pattern[] = "/tmp/hollowmere-save-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        home = pattern;
        setenv("XDG_DATA_HOME", home.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        ASSERT_EQ(std::system(("rm -rf '" + home + "'").c_str()), 0);
    }
};

std::string slotText(const Edition& ed) {
    std::string text;
    readWholeFile(saveSlotPath(ed), text);
    return text;
}

// From program start with every cut-scene skipped: to the menu, then into play.
void skipToMenu(PlayDriver& game, const Edition& ed) {
    game.useTinyScreen();
    game.startProgram(ed);
    for (const char* next : {"Credits", "IntroCrash", "Menu"}) {
        game.pressEscape();
        ASSERT_TRUE(game.waitForScene(next, 3)) << next;
    }
}
void startPlaying(PlayDriver& game, const Edition& ed) {
    ASSERT_NO_FATAL_FAILURE(skipToMenu(game, ed));
    ASSERT_NO_FATAL_FAILURE(game.walkThrough("MenuExit2"));
    game.settle();
}
void skipSequence(PlayDriver& game, const std::string& next) {
    game.frames(kSecond / 2);
    game.pressEscape();
    ASSERT_TRUE(game.waitForScene(next, 3)) << next;
}

// The puzzle chain in as few words as a walkthrough; each step ends in play.
using Step = std::function<void(PlayDriver&)>;
const std::vector<Step>& steps() {
    static const std::vector<Step> s = {
        [](PlayDriver& g) { g.use("ScheuneHintenKette"); },
        [](PlayDriver& g) { g.travelTo("HausAlteDame"); g.use("AlteDame"); },
        [](PlayDriver& g) { g.travelTo("Kreuzung"); g.useItemOn("Lolly", "Freak"); },
        [](PlayDriver& g) {
            g.travelTo("Schule");
            g.useItemOn("Ticket", "TicketstandKid");
            g.waitFor([&] { return g.object("SchuleExit2")->exitTarget == "Schulparty"; }, 2);
            g.take("Brot");
        },
        [](PlayDriver& g) { g.travelTo("Schulparty"); g.take("Käse"); g.take("Bowle"); g.take("Knoblauch"); },
        [](PlayDriver& g) { g.useItemOn("Knoblauch", "Burbkid2"); skipSequence(g, "Schulparty"); g.take("Umhang"); },
        [](PlayDriver& g) { g.travelTo("ScheuneVorne"); g.useItemOn("Käse", "MausScene"); g.combine("Maus", "Brot"); },
        [](PlayDriver& g) {
            g.travelTo("FitnessStudioInnen");
            g.useItemOn("MausSandwich", "Studiogirl");
            skipSequence(g, "FitnessStudioInnen");
            g.take("Lippenstift");
        },
        [](PlayDriver& g) {
            g.travelTo("Toilette");
            g.take("Klopapier");
            g.useItemOn("Klopapier", "Toilette");
            skipSequence(g, "Toilette");
            g.take("Mop");
            g.take("Tool");
        },
        [](PlayDriver& g) { g.travelTo("ScheuneFern"); g.take("Hut"); },
        [](PlayDriver& g) {
            g.travelTo("FarmhausHinten");
            for (const char* part : {"Mop", "Lippenstift", "Umhang", "Hut"}) g.useItemOn(part, "CryGirl");
            skipSequence(g, "FarmhausHinten");
        },
        [](PlayDriver& g) { g.travelTo("ScheuneVorne"); g.useItemOn("Key", "ScheuneVorneSchloss"); },
        [](PlayDriver& g) {
            g.travelTo("HausAlteDame");
            g.use("AlteDame");
            g.travelTo("Trainingsraum");
            g.useItemOn("Lolly", "Fatman");
            skipSequence(g, "Trainingsraum");
            g.useItemOn("Tool", "TrainingsraumLaufband");
        },
        [](PlayDriver& g) {
            g.travelTo("ScheuneInnen");
            g.useItemOn("Laufband", "ScheuneInnenBand");
            skipSequence(g, "Credits");
        },
    };
    return s;
}

// What a finished game is judged by: flags, pockets, and where each step ended.
struct Outcome {
    std::vector<int> flags;
    std::set<std::string> items;
    std::vector<std::string> scenes;
    bool operator==(const Outcome& o) const { return flags == o.flags && items == o.items && scenes == o.scenes; }
};
void runStep(PlayDriver& g, size_t i, Outcome& out) {
    SCOPED_TRACE("step " + std::to_string(i));
    ASSERT_NO_FATAL_FAILURE(steps()[i](g));
    if (i + 1 < steps().size()) {
        ASSERT_NO_FATAL_FAILURE(g.settle());
    }
    out.scenes.push_back(g.scene());
}
void finish(PlayDriver& g, Outcome& out) {
    for (uint8_t f : g.gs().storyFlags) out.flags.push_back(f);
    out.items = g.inventory();
}
void runSteps(PlayDriver& g, size_t from, Outcome& out) {
    for (size_t i = from; i < steps().size(); ++i) ASSERT_NO_FATAL_FAILURE(runStep(g, i, out));
    finish(g, out);
}

// F7 in the menu of the program given, with save in the slot.
void restore(PlayDriver& g, const Edition& ed, const std::string& save) {
    ASSERT_TRUE(writeFileAtomically(saveSlotPath(ed), save));
    g.t.frame({SDLK_F7});
    ASSERT_NE(g.scene(), "Menu") << "F7 restores from the menu";
}

class SaveRoundTrip : public SaveTest, public ::testing::WithParamInterface<const Edition*> {};

// Before every step: F5. Each save is restored with F7 from the menu of a freshly
// started program: the world it builds saves to the very same text, and the next
// step ends as it did. From two of the saves, and once from the menu after the end
// sequence, the game is played to its end, which must be the same end. (Finishing
// from every save would replay the game fourteen times per edition.)
TEST_P(SaveRoundTrip, EverySaveRestoresIntoAFreshWorldAndPlaysOnTheSame) {
    const Edition& ed = *GetParam();
    std::vector<std::string> saves;
    std::vector<Outcome> afterStep;
    Outcome whole;
    {
        PlayDriver game;
        ASSERT_TRUE(game.t.videoOk);
        ASSERT_NO_FATAL_FAILURE(startPlaying(game, ed));
        for (size_t i = 0; i < steps().size(); ++i) {
            game.t.frame({SDLK_F5});
            ASSERT_EQ(game.queuedLines().back(), scriptLine("SaveDone"));
            saves.push_back(slotText(ed));
            ASSERT_NO_FATAL_FAILURE(runStep(game, i, whole));
            afterStep.emplace_back();
            finish(game, afterStep.back());
        }
        finish(game, whole);
        // The credits are no place to save; after them the menu restores a save.
        game.t.frame({SDLK_F5});
        EXPECT_EQ(slotText(ed), saves.back());
        ASSERT_NO_FATAL_FAILURE(skipSequence(game, "IntroCrash"));
        ASSERT_NO_FATAL_FAILURE(skipSequence(game, "Menu"));
        Outcome again;
        ASSERT_NO_FATAL_FAILURE(restore(game, ed, saves[5]));
        ASSERT_NO_FATAL_FAILURE(runSteps(game, 5, again));
        EXPECT_EQ(again.flags, whole.flags) << "restored after the end sequence";
        EXPECT_EQ(again.items, whole.items);
        EXPECT_EQ(again.scenes, std::vector<std::string>(whole.scenes.begin() + 5, whole.scenes.end()));
    }
    for (size_t i = 0; i < saves.size(); ++i) {
        SCOPED_TRACE("restored before step " + std::to_string(i));
        PlayDriver fresh;
        ASSERT_NO_FATAL_FAILURE(skipToMenu(fresh, ed));
        ASSERT_NO_FATAL_FAILURE(restore(fresh, ed, saves[i]));
        EXPECT_EQ(writeSaveText(fresh.gs(), fresh.e().partners, ed.language), saves[i]);
        Outcome rest;
        const bool toTheEnd = i % 7 == 3;
        if (toTheEnd) {
            ASSERT_NO_FATAL_FAILURE(runSteps(fresh, i, rest));
        } else {
            ASSERT_NO_FATAL_FAILURE(runStep(fresh, i, rest));
            finish(fresh, rest);
        }
        const Outcome& expected = toTheEnd ? whole : afterStep[i];
        EXPECT_EQ(rest.flags, expected.flags);
        EXPECT_EQ(rest.items, expected.items);
        const size_t last = toTheEnd ? whole.scenes.size() : i + 1;
        EXPECT_EQ(rest.scenes, std::vector<std::string>(whole.scenes.begin() + i, whole.scenes.begin() + last));
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, SaveRoundTrip, ::testing::Values(&kEnglish, &kGerman),
                         [](const ::testing::TestParamInfo<const Edition*>& info) {
                             return std::string(info.param->language);
                         });

// What must not move when a save is refused: the world, the screen, the hero.
std::string snapshot(PlayDriver& g, const Edition& ed) {
    return writeSaveText(g.gs(), g.e().partners, ed.language) + g.scene() + "/" +
           std::to_string(g.e().display.sprites.size());
}

// Every kind of damage is refused with one line and leaves game and file alone.
TEST_F(SaveTest, DamagedOrMissingSavesAreRefusedAndChangeNothing) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    ASSERT_NO_FATAL_FAILURE(startPlaying(game, kEnglish));
    const std::string path = saveSlotPath(kEnglish);
    auto refusedWith = [&](const std::string& line, const std::string& label) {
        SCOPED_TRACE(label);
        std::string before;
        const bool existed = readWholeFile(path, before);
        const std::string state = snapshot(game, kEnglish);
        clearSpeech(game.e().speech);
        game.t.frame({SDLK_F7});
        ASSERT_FALSE(game.queuedLines().empty());
        EXPECT_EQ(game.queuedLines().back(), line);
        EXPECT_EQ(snapshot(game, kEnglish), state);
        std::string after;
        EXPECT_EQ(readWholeFile(path, after), existed);
        EXPECT_EQ(after, before);
    };
    refusedWith(scriptLine("SaveNone"), "no file");

    game.t.frame({SDLK_F5});
    const std::string good = slotText(kEnglish);
    ASSERT_FALSE(good.empty());
    const std::string unreadable = scriptLine("SaveUnreadable");
    auto damaged = [&](const std::string& text, const std::string& label) {
        ASSERT_TRUE(writeFileAtomically(path, text));
        refusedWith(unreadable, label);
    };
    damaged("", "empty");
    for (size_t cut = good.find('\n'); cut != std::string::npos; cut = good.find('\n', cut + 1))
        if (cut + 1 < good.size()) damaged(good.substr(0, cut + 1), "cut after byte " + std::to_string(cut));
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        const size_t at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? t : t.replace(at, from.size(), to);
    };
    damaged(replaced("verb=", "verb=x"), "garbage in a number");
    damaged(replaced("\nitems=", "\n#?!garbage\nitems="), "a garbage line");
    damaged(replaced("object=Freak", "object=Frek"), "an unknown object");
    damaged(replaced("edition=en", "edition=de"), "the other edition");
    damaged(replaced("format=1", "format=2"), "a newer format");
    damaged(replaced("scene=ScheuneHinten", "scene=Credits"), "a sequence as the scene");
    damaged(good + "end\n", "lines after the end");

    // A save that can be read still works after all that.
    ASSERT_TRUE(writeFileAtomically(path, good));
    game.travelTo("ScheuneVorne");
    game.t.frame({SDLK_F7});
    EXPECT_EQ(game.scene(), "ScheuneHinten");
}

// An unwritable folder: F5 says so, and nothing is written or changed.
TEST_F(SaveTest, AFolderThatCannotBeWrittenFailsTheSaveAloud) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    ASSERT_NO_FATAL_FAILURE(startPlaying(game, kGerman));
    // A file where the game's folder should be stops even root from saving.
    ASSERT_TRUE(writeFileAtomically(home + "/hollowmere", "not a folder"));
    const std::string state = snapshot(game, kGerman);
    game.t.frame({SDLK_F5});
    EXPECT_EQ(game.queuedLines().back(), scriptLine("SaveFailed"));
    EXPECT_EQ(snapshot(game, kGerman), state);
    std::string text;
    EXPECT_FALSE(readWholeFile(saveSlotPath(kGerman), text));
}

// F5 only in play; closing the window saves during play, never in a sequence.
TEST_F(SaveTest, SavesOnlyInPlayAndWhenTheWindowIsClosedDuringPlay) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    const std::string path = saveSlotPath(kEnglish);
    auto closeWindow = [](PlayDriver& g) {
        FrameEvents ev = {};
        ev.input = g.t.input;
        ev.quit = true;
        runFrame(g.e(), ev);
    };
    std::string text;
    ASSERT_NO_FATAL_FAILURE(skipToMenu(game, kEnglish));
    game.t.frame({SDLK_F5});
    closeWindow(game);
    EXPECT_FALSE(readWholeFile(path, text)) << "no save from the menu";
    game.e().running = true;
    ASSERT_NO_FATAL_FAILURE(game.walkThrough("MenuExit2"));
    game.settle();
    game.openInventory();
    game.t.frame({SDLK_F5});
    EXPECT_FALSE(readWholeFile(path, text)) << "no save with the inventory open";
    game.closeInventory();
    ASSERT_NO_FATAL_FAILURE(game.use("ScheuneHintenKette"));
    game.settle();
    closeWindow(game);
    EXPECT_FALSE(game.e().running);
    ASSERT_TRUE(readWholeFile(path, text)) << "closing the window during play saves";
    EXPECT_NE(text.find("flag.chainHooked=1"), std::string::npos);
    EXPECT_EQ(text.find("hollowmere save\nformat=1\nedition=en\n"), 0u);

    // A fresh start restores it from the menu; a sequence neither saves nor restores.
    PlayDriver next;
    ASSERT_NO_FATAL_FAILURE(skipToMenu(next, kEnglish));
    next.t.frame({SDLK_F7});
    EXPECT_EQ(next.scene(), "ScheuneHinten");
    EXPECT_TRUE(next.has(chainHooked));
    EXPECT_TRUE(next.sprite("ScheuneHintenKetteAufgehängt"));
    ASSERT_TRUE(remove(path.c_str()) == 0);
    ASSERT_NO_FATAL_FAILURE(next.travelTo("Toilette"));
    next.t.frame({SDLK_F5});
    ASSERT_TRUE(readWholeFile(path, text));
    ASSERT_NO_FATAL_FAILURE(next.take("Klopapier"));
    ASSERT_NO_FATAL_FAILURE(next.useItemOn("Klopapier", "Toilette"));
    ASSERT_EQ(next.scene(), "ToiletteVerstopftSequenz");
    ASSERT_TRUE(remove(path.c_str()) == 0);
    next.t.frame({SDLK_F5});
    next.t.frame({SDLK_F7});
    closeWindow(next);
    EXPECT_FALSE(readWholeFile(path, text)) << "no save during a sequence";
}

}  // namespace
