// slots_test.cpp - the saved-games screen and the menu's Continue, played with
// the mouse: saving into a slot with its picture, the question before a save
// is overwritten or deleted, loading, going back, and Continue.
#include <gtest/gtest.h>

#include "frame/userfiles.h"
#include "game/savegame.h"
#include "game/slots.h"
#include "platform/platform.h"
#include "play_driver.h"

namespace {

class SlotTest : public ::testing::Test {
protected:
    TempFolder home;
    void SetUp() override { setenv("XDG_DATA_HOME", home.path.c_str(), 1); }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }
};

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

std::string fileText(const std::string& path) {
    std::string text;
    readWholeFile(path, text);
    return text;
}

void skipToMenu(PlayDriver& g, const Edition& ed) {
    g.startProgram(ed);
    for (const char* next : {"Credits", "IntroCrash", "Menu"}) {
        g.frames(kSecond / 2);
        g.pressEscape();
        ASSERT_TRUE(g.waitForScene(next, 3)) << next;
    }
}
void startPlaying(PlayDriver& g, const Edition& ed) {
    ASSERT_NO_FATAL_FAILURE(skipToMenu(g, ed));
    ASSERT_NO_FATAL_FAILURE(g.walkThrough("MenuExit2"));
    g.settle();
}

TEST_F(SlotTest, SaveLoadAndDeleteWithTheMouseAskingBeforeALossAndShowingPictures) {
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
TEST_F(SlotTest, ContinueInTheMenuLoadsTheNewestSave) {
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
