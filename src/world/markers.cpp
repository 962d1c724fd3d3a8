// SPDX-License-Identifier: MIT
// markers.cpp - the hot-spot markers shown while Tab is held.
#include "world/markers.h"

#include "gfx/display.h"
#include "gfx/graphic.h"
#include "world/command.h"
#include "world/object.h"
#include "world/scene.h"

namespace {

constexpr const char* kMarkerImage = "HotSpotMarker";  // the generator's small marker picture
constexpr const char* kArrowImage = "ExitCursor";      // the exit cursor sheet, one arrow a column
constexpr int32_t kArrowSize = 48;                     // one arrow of that sheet
constexpr int32_t kMarkerSize = 24;                    // the marker picture, square
constexpr int32_t kScreenW = 800;                      // markers stay on the game's screen
constexpr int32_t kScreenH = 600;

// Moves a centre in until a picture of the given size around it is wholly on the
// screen: an exit at the edge keeps the tip of its arrow.
int32_t onScreen(int32_t centre, int32_t size, int32_t screen) {
    if (centre < size / 2) return size / 2;
    if (centre > screen - size / 2) return screen - size / 2;
    return centre;
}

void drawCentred(RenderTarget& target, const Graphic& picture, int32_t srcX, int32_t w, int32_t h,
                 int32_t cx, int32_t cy) {
    SDL_Rect src = {static_cast<Sint16>(srcX), 0, static_cast<Uint16>(w), static_cast<Uint16>(h)};
    drawPicture(target, picture.surface, picture.path, src, cx - w / 2, cy - h / 2);
}

}  // namespace

std::vector<HotSpotMarker> hotSpotMarkers(const GameState& gs) {
    std::vector<HotSpotMarker> out;
    if (!inInteractivePlay(gs)) return out;
    const std::vector<Graphic*>& list = gs.displayList->sprites;
    // The background (first) and the cursor (last) are no hot spots; the hero is no object.
    for (size_t i = 1; i + 1 < list.size(); ++i) {
        Graphic& g = *list[i];
        const SceneObject* o = findObject(*gs.objects, g.name);
        if (g.visible != 1 || !o || !o->active) continue;
        int32_t w = 0, h = 0;
        graphicHotSize(g, w, h);
        HotSpotMarker m;
        m.object = o->name;
        if (!o->exitTarget.empty()) m.exitDirection = o->exitDirection;
        const int32_t size = exitArrowColumn(m.exitDirection) >= 0 ? kArrowSize : kMarkerSize;
        m.x = onScreen(g.x + w / 2, size, kScreenW);
        m.y = onScreen(g.y + h / 2, size, kScreenH);
        out.push_back(m);
    }
    return out;
}

int drawHotSpotMarkers(GameState& gs, RenderTarget& target) {
    const std::vector<HotSpotMarker> markers = hotSpotMarkers(gs);
    if (markers.empty()) return 0;
    Graphic* marker = findGraphic(*gs.graphics, kMarkerImage);
    Graphic* arrows = findGraphic(*gs.graphics, kArrowImage);
    if (marker) graphicDecoded(*marker);  // templates are decoded on first use
    if (arrows) graphicDecoded(*arrows);
    for (const HotSpotMarker& m : markers) {
        const int32_t column = exitArrowColumn(m.exitDirection);
        if (column >= 0 && arrows && arrows->surface)
            drawCentred(target, *arrows, column, kArrowSize, kArrowSize, m.x, m.y);
        else if (marker && marker->surface)
            drawCentred(target, *marker, 0, marker->surface->w, marker->surface->h, m.x, m.y);
    }
    // The cursor stays on top, shown again without stepping its animation a second time.
    drawTopSprite(target, false);
    return static_cast<int>(markers.size());
}
