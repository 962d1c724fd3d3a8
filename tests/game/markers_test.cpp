// markers_test.cpp - holding Tab marks every hot spot of a scene in play and
// changes nothing the player can click.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "play_driver.h"
#include "world/markers.h"

namespace {

std::map<std::string, int> markedObjects(PlayDriver& g) {
    std::map<std::string, int> out;  // object -> exit arrow (-1 = plain marker)
    for (const HotSpotMarker& m : hotSpotMarkers(g.gs())) {
        EXPECT_FALSE(out.count(m.object)) << m.object << " marked twice";
        out[m.object] = m.exitDirection;
    }
    return out;
}

TEST(HotSpotMarkers, ShowWhileTabIsHeldInPlayOnlyAndNeverChangeWhatIsHit) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    game.useTinyScreen();
    game.startProgram(kEnglish);
    game.t.input.tab = true;
    for (const char* next : {"Credits", "IntroCrash", "Menu"}) {
        EXPECT_TRUE(markedObjects(game).empty()) << "none in a sequence";
        game.pressEscape();
        ASSERT_TRUE(game.waitForScene(next, 3)) << next;
    }
    EXPECT_TRUE(markedObjects(game).empty()) << "none on the menu";
    ASSERT_NO_FATAL_FAILURE(game.walkThrough("MenuExit2"));
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Kreuzung"));
    game.settle();

    game.t.frame();
    EXPECT_EQ(game.e().input.tabDown, 1);
    const std::map<std::string, int> expected = {
        {"Freak", -1},
        {"KreuzungExit", game.object("KreuzungExit")->exitDirection},
        {"KreuzungExit2", game.object("KreuzungExit2")->exitDirection},
        {"KreuzungExit3", game.object("KreuzungExit3")->exitDirection},
        {"KreuzungExit4", game.object("KreuzungExit4")->exitDirection},
    };
    EXPECT_EQ(markedObjects(game), expected) << "a marker on the freak, an arrow on each exit";

    // Drawn over the scene: the freak's marker shows where he stands.
    game.useRealScreen();
    const std::vector<HotSpotMarker> markers = hotSpotMarkers(game.gs());
    const HotSpotMarker& freak = *std::find_if(markers.begin(), markers.end(),
                                               [](const HotSpotMarker& m) { return m.object == "Freak"; });
    drawDisplayList(game.e().target);
    const uint32_t plain = screenPixel(game.e(), freak.x, freak.y);
    EXPECT_EQ(drawHotSpotMarkers(game.gs(), game.e().target.screen), 5);
    EXPECT_NE(screenPixel(game.e(), freak.x, freak.y), plain);
    game.useTinyScreen();

    // Every marked point hits the same sprite with and without Tab; clicks act as ever.
    std::map<std::string, std::string> hits;
    for (const HotSpotMarker& m : markers) hits[m.object] = game.spriteAt(m.x, m.y);
    ASSERT_NO_FATAL_FAILURE(game.look("Freak"));
    EXPECT_EQ(game.said(), game.text("LOOK_Freak"));
    game.t.input.tab = false;
    game.t.frame();
    EXPECT_EQ(game.e().input.tabDown, 0);
    for (const HotSpotMarker& m : markers) EXPECT_EQ(game.spriteAt(m.x, m.y), hits[m.object]) << m.object;

    // Not in a conversation, not with the inventory open.
    game.t.input.tab = true;
    ASSERT_NO_FATAL_FAILURE(game.talkTo("Freak"));
    const Graphic* leave = game.sprite("ExitDialog");
    ASSERT_TRUE(leave && leave->surface);
    EXPECT_TRUE(markedObjects(game).empty());
    game.t.click(leave->x + leave->surface->w / 2, leave->y + leave->surface->h / 2);
    game.settle();
    EXPECT_EQ(markedObjects(game).size(), 5u);
    game.openInventory();
    EXPECT_TRUE(markedObjects(game).empty());
    game.closeInventory();
}

}  // namespace
