// walk.cpp - the hero's sprite, his steps towards the walk target and the walk map.
#include "world/walk.h"

#include "platform/platform.h"

#include <cstdlib>

#include "frame/input.h"
#include "frame/game_state.h"
#include "gfx/anim.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "world/scene.h"

namespace {

// The hero's walk sheet: eight strips of eight 160x120 frames, one strip per direction.
constexpr int32_t kFrameW = 160;
constexpr int32_t kFrameH = 120;
constexpr int32_t kFramesPerStrip = 8;
constexpr int32_t kWalkDelay = 5;
constexpr int32_t kStripEnd = kFramesPerStrip * kFrameH;

// The foot point is the middle of the frame's bottom edge.
constexpr int32_t kFootDX = kFrameW / 2;
constexpr int32_t kFootDY = kFrameH;

// Far from the target the hero takes two pixels a step, near it one, so he never overshoots.
constexpr int32_t kFastStep = 2;
constexpr int32_t kSlowStep = 1;

// The walk map must stay clear of the screen border.
constexpr int32_t kMinX = 1, kMaxX = 799;
constexpr int32_t kMinY = 1, kMaxY = 599;

// The eight directions by the side the target lies on, per axis
// (-1 left/up, +1 right/down), and the sheet strip shown for each.
struct WalkDirection {
    int32_t sideX, sideY;
    WalkColumn column;
};
const WalkDirection kDirections[] = {
    // sideX  sideY  strip
    {-1, -1, kWalkUpLeft},
    {+1, -1, kWalkUpRight},
    {-1, +1, kWalkDownLeft},
    {+1, +1, kWalkDownRight},
    {-1, 0, kWalkLeft},
    {+1, 0, kWalkRight},
    {0, -1, kWalkUp},
    {0, +1, kWalkDown},
};

int32_t sideOf(int32_t from, int32_t to) { return to < from ? -1 : (to > from ? 1 : 0); }

const WalkDirection* directionTowards(int32_t sideX, int32_t sideY) {
    for (const WalkDirection& d : kDirections)
        if (d.sideX == sideX && d.sideY == sideY) return &d;
    return nullptr;  // at the target
}

int32_t stepFor(int32_t distance) { return std::abs(distance) > kFastStep ? kFastStep : kSlowStep; }

Graphic* heroSprite(const PlayerState& p) { return p.sprites ? heroSprite(*p.sprites) : nullptr; }

}  // namespace

void createPlayerSprite(PlayerState& p) {
    if (!p.sprites) return;
    addSprite(*p.sprites, kHeroSheetFile, "Player", p.footX, p.footY, kFrameW, kFrameH, kWalkDelay,
              kStripEnd, kPlayOnce);
}

void placePlayer(PlayerState& p, int32_t footX, int32_t footY) {
    if (Graphic* hero = heroSprite(p)) {
        hero->x = footX - kFootDX;
        hero->y = footY - kFootDY;
    }
}

void heroFootPoint(const PlayerState& p, int32_t& footX, int32_t& footY) {
    const Graphic* hero = heroSprite(p);
    footX = hero ? hero->x + kFootDX : p.footX;
    footY = hero ? hero->y + kFootDY : p.footY;
}

void walkToMouse(PlayerState& p) {
    if (!heroSprite(p) || !p.input) return;
    p.targetX = p.input->x;
    p.targetY = p.input->y;
}

void walkPlayer(PlayerState& p) {
    if (p.targetX <= 0) return;  // arrived, or a target nobody can reach
    Graphic* hero = heroSprite(p);
    if (!hero) return;
    p.footX = hero->x + kFootDX;
    p.footY = hero->y + kFootDY;

    const int32_t sideX = sideOf(p.footX, p.targetX);
    const int32_t sideY = sideOf(p.footY, p.targetY);
    if (const WalkDirection* d = directionTowards(sideX, sideY)) {
        // The probe is one pixel ahead whatever the step, so a two-pixel step
        // may end on a black pixel; only the pixel next to the feet counts.
        if (isWalkable(p, p.footX + sideX, p.footY + sideY)) {
            hero->x += sideX * stepFor(p.targetX - p.footX);
            hero->y += sideY * stepFor(p.targetY - p.footY);
        }
        hero->srcX = d->column;
        hero->animMode = kLoop;
    }
    // Arrived or blocked: either way this walk is over.
    if (hero->x + kFootDX == p.footX && hero->y + kFootDY == p.footY) {
        p.targetX = kNoTarget;
        hero->animMode = kPlayOnce;
    }
}

bool isWalkable(const PlayerState& p, int32_t x, int32_t y) {
    if (x < kMinX || x > kMaxX || y < kMinY || y > kMaxY) return false;
    if (!p.scenes || !p.graphics) return false;
    const Scene* scene = findScene(*p.scenes, p.scenes->currentScene);
    if (!scene) return false;
    Graphic* map = findGraphic(*p.graphics, scene->walkMapName);
    return map && pictureFloorAt(*map, x, y);  // no walk map: nowhere to go
}

bool heroIdle(const PlayerState& p) { return p.targetX == kNoTarget; }

Graphic* heroSprite(const DisplayList& list) { return findSprite(list, "Player"); }

void saveHeroPlace(GameState& gs) {
    if (const Graphic* hero = heroSprite(*gs.displayList)) {
        gs.savedHeroX = hero->x;
        gs.savedHeroY = hero->y;
    }
}

void restoreHeroPlace(GameState& gs) {
    if (Graphic* hero = heroSprite(*gs.displayList)) {
        hero->x = gs.savedHeroX;
        hero->y = gs.savedHeroY;
    }
}
