// SPDX-License-Identifier: MIT
// markers_test.cpp - holding Tab marks every hot spot of a scene in play and
// changes nothing the player can click.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "play_driver.h"
#include "world/markers.h"

namespace {

std::map<std::string, int> marked(PlayDriver& g) {  // object -> exit arrow, -1 = plain marker
    std::map<std::string, int> out;
    for (const HotSpotMarker& m : hotSpotMarkers(g.gs())) EXPECT_TRUE(out.emplace(m.object, m.exitDirection).second);
    return out;
}

TEST(HotSpotMarkers, ShowWhileTabIsHeldInPlayOnlyAndNeverChangeWhatIsHit) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    game.startProgram(kEnglish);
    game.t.input.tab = true;
    for (const char* next : {"Credits", "IntroCrash", "Menu"}) {
        EXPECT_TRUE(marked(game).empty()) << "none in a sequence or on the menu";
        game.pressEscape();
        ASSERT_TRUE(game.waitForScene(next, 3)) << next;
    }
    EXPECT_TRUE(marked(game).empty());
    ASSERT_NO_FATAL_FAILURE(game.walkThrough("MenuExit2"));
    ASSERT_NO_FATAL_FAILURE(game.travelTo("Kreuzung"));
    game.settle();
    EXPECT_EQ(game.e().input.tabDown, 1);
    std::map<std::string, int> expected = {{"Freak", -1}};
    for (const char* exit : {"KreuzungExit", "KreuzungExit2", "KreuzungExit3", "KreuzungExit4"})
        expected[exit] = game.object(exit)->exitDirection;
    EXPECT_EQ(marked(game), expected) << "a marker on the freak, an arrow on each exit";

    // Drawn over the scene; every marked point hits what it hits without Tab.
    const std::vector<HotSpotMarker> markers = hotSpotMarkers(game.gs());
    std::map<std::string, std::string> hits;
    for (const HotSpotMarker& m : markers) hits[m.object] = game.spriteAt(m.x, m.y);
    // The frames with and without Tab differ at a marker, also when nothing else moves.
    // (The square of 24 around the first marker's centre, which may be hollow.)
    auto around = [&](const HotSpotMarker& m) {
        std::vector<uint32_t> pixels;
        for (int y = m.y - 12; y < m.y + 12; ++y)
            for (int x = m.x - 12; x < m.x + 12; ++x) pixels.push_back(screenPixel(game.e(), x, y));
        return pixels;
    };
    game.useRealScreen();
    game.t.input.tab = false;
    game.t.frame();
    const std::vector<uint32_t> plain = around(markers[0]);
    game.t.input.tab = true;
    game.t.frame();
    EXPECT_NE(around(markers[0]), plain) << "Tab shows the markers";
    game.t.input.tab = false;
    game.t.frame();
    EXPECT_EQ(around(markers[0]), plain) << "and its release hides them";
    game.t.input.tab = true;
    game.useTinyScreen();
    ASSERT_NO_FATAL_FAILURE(game.look("Freak"));
    EXPECT_EQ(game.said(), game.text("LOOK_Freak")) << "clicks reach the objects under the markers";
    game.t.input.tab = false;
    game.t.frame();
    EXPECT_EQ(game.e().input.tabDown, 0);
    for (const HotSpotMarker& m : markers) EXPECT_EQ(game.spriteAt(m.x, m.y), hits[m.object]) << m.object;

    // Not in a conversation, not with the inventory open.
    ASSERT_NO_FATAL_FAILURE(game.talkTo("Freak"));
    ASSERT_TRUE(game.sprite("ExitDialog"));
    EXPECT_TRUE(marked(game).empty());
    const Graphic* leave = game.sprite("ExitDialog");
    game.t.click(leave->x + 20, leave->y + 20);
    game.settle();
    EXPECT_EQ(marked(game).size(), 5u);
    game.openInventory();
    EXPECT_TRUE(marked(game).empty());
}

// In every scene an exit's arrow (48 px) and a marker (24 px) lie wholly on the
// screen, also where the exit is a strip along its edge: the arrow keeps its tip.
TEST(HotSpotMarkers, StayWhollyOnTheScreenInEveryScene) {
    PlayDriver game;
    game.startProgram(kEnglish);
    game.t.input.tab = true;
    size_t arrows = 0;
    std::vector<std::string> names;
    for (const auto& scene : game.e().scenes.scenes) names.push_back(scene.first);
    for (const std::string& name : names) {
        game.goToSceneAs(name);
        game.frames(2);
        for (const HotSpotMarker& m : hotSpotMarkers(game.gs())) {
            const int half = m.exitDirection >= 0 ? 24 : 12;
            arrows += m.exitDirection >= 0;
            EXPECT_TRUE(m.x >= half && m.x <= 800 - half && m.y >= half && m.y <= 600 - half)
                << name << " " << m.object << " at " << m.x << "," << m.y;
        }
    }
    EXPECT_GT(arrows, 20u) << "the scenes were in play";
}

}  // namespace
