// SPDX-License-Identifier: MIT
// loading_test.cpp - pictures read once, shared and streamed draw exactly what
// SDL_image's whole pictures drew: every picture of the catalogue, and frames of
// every scene; a strip's rows go with its scene; a missing template is named.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/engine.h"
#include "game/content.h"
#include "game/edition.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "harness.h"

namespace {

// The display list drawn on a canvas as the next frame will draw it; the
// animations are left where they were.
uint64_t displayPrint(Engine& e, SDL_Surface* canvas) {
    SDL_FillRect(canvas, nullptr, 0);
    for (Graphic* g : e.display.sprites) {
        const int32_t srcY = g->srcY, counter = g->delayCounter, delay = g->delayCurrent;
        drawSprite(canvas, *g);
        g->srcY = srcY;
        g->delayCounter = counter;
        g->delayCurrent = delay;
    }
    return surfaceHash(canvas);
}

struct Drawn {
    std::vector<std::string> names;  // picture or "scene frame n"
    std::vector<uint64_t> prints;    // what was drawn for each
};

// Frames of every scene as played, then every picture drawn whole on a canvas.
Drawn drawEverything(bool reference) {
    testHookDecodeThroughSdlImage(reference);
    Drawn d;
    {
        TestEngine t;
        buildContent(t.e, kEnglish);
        t.e.target.readsAhead = !reference;  // as main does: the worker reads while the scenes play
        SDL_Surface* canvas = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xff0000, 0xff00, 0xff, 0);
        for (const auto& sc : t.e.scenes.scenes) {
            t.e.scenes.currentScene = sc.first;
            enterScene(t.gs());
            // Long enough for the sequence strips to step, loop and run on.
            const int frames = sc.second->showInterface ? 40 : 260;
            for (int f = 0; f < frames; ++f) {
                // what the frames wait for is read as their spare time reads it: a strip from the frame it shows
                if (!reference) readMissingPictures(t.e.target, 60000);
                d.names.push_back(sc.first + " frame " + std::to_string(f));
                d.prints.push_back(displayPrint(t.e, canvas));
                t.frame();
            }
        }
        SDL_FreeSurface(canvas);
        // Then whole: the scenes above drew the tall strips a window at a time.
        for (const auto& it : t.e.graphics) {
            Graphic* probe = newSpriteGraphic(it.second->path, "Probe", 0, 0, 0, 0, 0, 0, 0);
            int32_t w = 0, h = 0;
            uint64_t print = 0;
            if (graphicSize(*probe, w, h)) {
                SDL_Surface* canvas = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
                SDL_FillRect(canvas, nullptr, 0x123456);  // shows the colour key
                drawSprite(canvas, *probe);
                print = surfaceHash(canvas);
                SDL_FreeSurface(canvas);
            }
            deleteGraphic(probe);
            d.names.push_back(it.first);
            d.prints.push_back(print);
        }
    }
    testHookDecodeThroughSdlImage(false);
    return d;
}

TEST(Loading, DrawsEveryPictureAndSceneAsSdlImageDid) {
    const Drawn reference = drawEverything(true);
    const Drawn shared = drawEverything(false);
    ASSERT_EQ(reference.names, shared.names);
    size_t differing = 0;
    for (size_t i = 0; i < reference.prints.size(); ++i) {
        if (reference.prints[i] == shared.prints[i]) continue;
        if (++differing <= 10) ADD_FAILURE() << reference.names[i] << " is drawn differently";
    }
    EXPECT_EQ(differing, 0u);
}

TEST(Loading, SpritesShareTheirPictureStripsGoWithTheirSceneAndAMissingOneIsNamed) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    auto enter = [&](const char* scene) {
        t.e.scenes.currentScene = scene;
        enterScene(t.gs());
        t.frame();
    };
    enter("Kreuzung");
    Graphic* bg = findSprite(t.e.display, "Background");
    Graphic* bgTemplate = findGraphic(t.e.graphics, "KreuzungBackground");
    ASSERT_TRUE(bg && bgTemplate);
    EXPECT_EQ(bg->picture, bgTemplate->picture) << "one picture per file";
    SDL_Surface* pixels = bg->surface;
    enter("Schule");
    enter("Kreuzung");
    EXPECT_EQ(findSprite(t.e.display, "Background")->surface, pixels) << "not decoded again";

    enter("BurbSequenz");
    const Picture* strip = findGraphic(t.e.graphics, "BurbSequenzAni")->picture;
    ASSERT_TRUE(strip->streamed);
    ASSERT_NE(strip->surface, nullptr);
    EXPECT_EQ(strip->surface->h, 568) << "one frame's rows, never the whole strip";
    enter("Kreuzung");
    EXPECT_EQ(strip->surface, nullptr) << "its rows go when the scene ends";

    // A missing template is named once; the pointer test still skips its sprite.
    enter("Schule");
    deleteGraphic(t.e.graphics["KreuzungBackground"]);
    t.e.graphics.erase("KreuzungBackground");
    testing::internal::CaptureStdout();
    enter("Kreuzung");
    enter("Kreuzung");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "IMG_Load: no picture named KreuzungBackground\n");
    ASSERT_FALSE(t.e.display.sprites.empty());
    EXPECT_EQ(t.e.display.sprites.front()->name, "Background");
}

}  // namespace

namespace {

// Whether path's picture is decoded (a streamed strip: its head read).
bool decoded(const std::string& path) {
    Graphic* probe = newTemplateGraphic(path, "Probe");  // holds, reads nothing
    const Picture& p = *probe->picture;
    const bool is = p.state == kPictureDecoded || (p.streamed && p.head);
    deleteGraphic(probe);
    return is;
}

size_t indexOf(const std::vector<PictureWish>& wishes, const std::string& path, bool floor = false) {
    for (size_t i = 0; i < wishes.size(); ++i)
        if (wishes[i].path == path && wishes[i].floor == floor) return i;
    return wishes.size();
}

}  // namespace

// The list starts with the scene itself, then what every scene shows, then its
// neighbours before the scenes beyond them; reading it stays within the budget,
// and a list from elsewhere lets go of what no sprite draws.
TEST(ReadAhead, FollowsTheScenesNearestFirstAndLetsGoOfTheRest) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    const GraphicStore& store = t.e.graphics;
    auto path = [&](const char* name) { return findGraphic(store, name)->path; };
    const std::vector<PictureWish> wishes = picturesAheadOf(t.e.scenes, store, "Kreuzung");
    ASSERT_FALSE(wishes.empty());
    EXPECT_EQ(wishes[0].path, path("KreuzungBackground"));
    EXPECT_LT(indexOf(wishes, path("KreuzungMap"), true), indexOf(wishes, "gfx/char/player/walk.png"));
    EXPECT_LT(indexOf(wishes, "gfx/char/player/walk.png"), indexOf(wishes, path("SchuleBackground")));
    EXPECT_LT(indexOf(wishes, path("SchuleBackground")), indexOf(wishes, path("SchulpartyBackground")))
        << "a neighbour before the scene behind it";
    EXPECT_LT(indexOf(wishes, path("SchulpartyBackground")), indexOf(wishes, path("BurbSequenzAni")))
        << "scripts lead on too";
    EXPECT_EQ(indexOf(wishes, path("KreuzungMap")), wishes.size()) << "a walk map is wished as a floor only";

    decodeAhead(wishes, false);
    waitForDecodingAhead();
    EXPECT_TRUE(decoded(path("SchuleBackground")));
    EXPECT_LE(picturesBytes(), size_t(56) << 20) << "the budget holds";

    t.e.scenes.currentScene = "Kreuzung";
    enterScene(t.gs());
    t.frame();
    decodeAhead({{path("FarmhausBackground"), false}}, false);
    EXPECT_FALSE(decoded(path("SchuleBackground"))) << "not on the new list: let go";
    EXPECT_TRUE(decoded(path("KreuzungBackground"))) << "drawn: kept";
    stopDecodingAhead();
}

// Without a worker the frame's spare time reads the list: nothing when there
// is none, everything given time enough.
TEST(ReadAhead, SpareTimeReadsWithoutAWorker) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    const std::vector<PictureWish> wishes = picturesAheadOf(t.e.scenes, t.e.graphics, "Schule");
    decodeAhead(wishes, false);
    decodeAheadFor(0);
    EXPECT_FALSE(decoded(wishes[0].path));
    decodeAheadFor(60000);
    size_t unread = 0;  // the nearest ones, well within the budget (strips hold only a head)
    for (size_t i = 0; i < 40; ++i)
        if (!wishes[i].floor && !decoded(wishes[i].path)) ++unread;
    EXPECT_EQ(unread, 0u);
    stopDecodingAhead();
}

// A frame never reads a picture itself: it waits, the window keeping the last
// frame, while the game goes on and the spare time reads what is
// missing; the scene counts as shown (and is saved) once it is on the window.
TEST(ReadAhead, AFrameWaitsForWhatItHasNotRead) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    t.e.target.readsAhead = true;
    t.frames(3);
    waitForDecodingAhead();
    t.e.scenes.currentScene = "Kreuzung";
    enterScene(t.gs());
    const uint64_t presented = t.e.target.framesPresented;
    runFrame(t.e, FrameEvents{});  // no spare time: nothing is read
    EXPECT_TRUE(t.e.target.picturesMissing);
    EXPECT_EQ(t.e.target.framesPresented, presented) << "the window keeps the last frame";
    EXPECT_NE(t.e.frameScene, "Kreuzung");
    int waited = 1;
    while (t.e.target.picturesMissing && waited < 500) {
        t.frame();
        ++waited;
    }
    EXPECT_FALSE(t.e.target.picturesMissing) << "still waiting after " << waited << " frames";
    EXPECT_GT(t.e.target.framesPresented, presented);
    EXPECT_EQ(t.e.frameScene, "Kreuzung");
    stopDecodingAhead();
}

// The worker reads while the frames draw the same pictures (ThreadSanitizer
// runs this one): every scene entered in turn, until it shows and a few frames more.
TEST(ReadAhead, WorkerReadsWhileTheScenesDraw) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    t.e.target.readsAhead = true;
    for (const char* scene : {"Kreuzung", "Schule", "Schulparty", "BurbSequenz", "Farmhaus"}) {
        t.e.scenes.currentScene = scene;
        enterScene(t.gs());
        t.frames(3);
        for (int waited = 0; t.e.target.picturesMissing && waited < 1000; ++waited) t.frame();
        EXPECT_TRUE(decoded(findGraphic(t.e.graphics, findScene(t.e.scenes, scene)->backgroundName)->path));
    }
    waitForDecodingAhead();
    // The frames set the reading off: the nearest other scene's background is read, never drawn.
    const std::string own = findGraphic(t.e.graphics, findScene(t.e.scenes, "Farmhaus")->backgroundName)->path;
    std::string neighbour;
    for (const PictureWish& w : picturesAheadOf(t.e.scenes, t.e.graphics, "Farmhaus"))
        if (neighbour.empty() && !w.floor && w.path != own && w.path.find("/bg.") != std::string::npos)
            neighbour = w.path;
    ASSERT_FALSE(neighbour.empty());
    EXPECT_TRUE(decoded(neighbour)) << neighbour;
    stopDecodingAhead();
}
