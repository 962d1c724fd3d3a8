// SPDX-License-Identifier: MIT
// town_test.cpp - the built world played through the real input path on the
// virtual clock: walking the town through every exit open at the start, and
// the ways that stay shut until their puzzles are solved.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "play_driver.h"

namespace {

// The scenes the hero can reach before any puzzle is solved: the barn door
// and the party gate are still shut.
const std::set<std::string> kOpenTown = {
    "ScheuneHinten", "ScheuneVorne", "ScheuneFern", "Farmhaus", "FarmhausHinten", "Kreuzung",
    "FitnessStudioAussen", "FitnessStudioInnen", "Trainingsraum", "Toilette", "HausAlteDame", "Schule",
};
constexpr int kMaxStep = 2;  // pixels per frame and axis

struct Town : PlayDriver {
    std::set<std::string> visited, taken;

    Town() { startProgram(kEnglish); }
    void enterVia(const std::string& name, const char* exit) {
        goToSceneAs(name, exit);
        frames(1);
    }
    bool open(const SceneObject* o) { return o->active && !o->exitTarget.empty() && kOpenTown.count(o->exitTarget); }

    // Through the exit, then where the arrival table says: on the walk-in target,
    // or at the arrival spot when there is none.
    void walkOut(const std::string& exitName) {
        SCOPED_TRACE(scene() + " through " + exitName);
        walkThrough(exitName);
        if (::testing::Test::HasFatalFailure()) return;
        EXPECT_EQ(hero().lastExit, exitName);
        const ArrivalRow* row = nullptr;
        for (size_t i = 0; i < kArrivalTableSize && !row; ++i)
            if (scene() == kArrivalTable[i].scene && exitName == kArrivalTable[i].viaExit) row = &kArrivalTable[i];
        ASSERT_NE(row, nullptr) << "no arrival spot";
        const Graphic* g = sprite("Player");
        ASSERT_TRUE(g);
        if (row->targetX != kNoTarget) {
            EXPECT_EQ(hero().footX, row->targetX) << "the walk in stopped short";
            EXPECT_EQ(hero().footY, row->targetY) << "the walk in stopped short";
        } else {
            EXPECT_NEAR(row->place ? g->x + 80 : g->x, row->x, kMaxStep);
            EXPECT_NEAR(row->place ? g->y + 120 : g->y, row->y, kMaxStep);
        }
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
            walkOut(exit->name);
            if (::testing::Test::HasFatalFailure()) return;
            explore(there);
            if (::testing::Test::HasFatalFailure()) return;
            const SceneObject* back = nullptr;
            for (const SceneObject* o : findScene(e().scenes, there)->objects)
                if (open(o) && o->exitTarget == here && (!back || !taken.count(o->name))) back = o;
            ASSERT_NE(back, nullptr) << "no way back from " << there << " to " << here;
            taken.insert(back->name);
            walkOut(back->name);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
};

TEST(Town, EveryOpenExitLeadsThereAndBackAndTheHeroStandsWhereHeArrives) {
    Town game;
    game.enterVia("ScheuneHinten", "MenuExit2");
    EXPECT_NEAR(game.sprite("Player")->x + 80, 500, kMaxStep);
    EXPECT_NEAR(game.sprite("Player")->y + 120, 535, kMaxStep);
    EXPECT_TRUE(game.heroIdle()) << "he stands still while he speaks";
    game.explore("ScheuneHinten");
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    EXPECT_EQ(game.scene(), "ScheuneHinten");
    EXPECT_EQ(game.visited, kOpenTown);
    for (const std::string& name : kOpenTown)
        for (const SceneObject* o : findScene(game.e().scenes, name)->objects)
            if (game.open(o)) { EXPECT_EQ(game.taken.count(o->name), 1u) << o->name << " was never taken"; }

    // The party gate stays shut until its puzzle is solved.
    game.enterVia("Schule", "KreuzungExit2");
    game.settle();
    game.selectVerb(kModeWalk);
    game.clickOn("SchuleExit2");
    game.waitUntilHeroStands();
    game.frames(2);
    EXPECT_EQ(game.scene(), "Schule") << "the party gate has no way through";
    game.enterVia("ScheuneInnen", "");
    EXPECT_EQ(game.sprite("Player")->x, 392) << "inside the barn he stands in the middle";
    EXPECT_EQ(game.sprite("Player")->y, 400);
}

}  // namespace
