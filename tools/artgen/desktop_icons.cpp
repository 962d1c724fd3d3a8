// SPDX-License-Identifier: MIT
// desktop_icons.cpp - the game's icon for desktop menus: the hero standing on a
// night-sky badge, drawn at every size the hicolor theme gets from us.
#include <filesystem>
#include <string>

#include "art.h"

namespace {

constexpr int kIconSizes[] = {48, 128, 256};
constexpr double kDesign = 106;  // the icon is designed on a 106-unit square

void paintDesktopIcon(cairo_t* cr, int size) {
    cairo_scale(cr, size / kDesign, size / kDesign);
    cairo_save(cr);
    roundRectPath(4, 4, kDesign - 8, kDesign - 8, 18)(cr);
    cairo_clip(cr);
    gradientRect(cr, 0, 0, kDesign, kDesign, pal::nightBlue, pal::purple);
    ball(cr, 78, 26, 12, 12, pal::glow, 0);  // the Halloween moon
    cairo_restore(cr);
    cairo_new_path(cr);
    roundRectPath(4, 4, kDesign - 8, kDesign - 8, 18)(cr);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    drawHero(cr, 50, 98, 0, -1, 0.95);
}

}  // namespace

// <out>/icons/hicolor/<n>x<n>/apps/hollowmere.png for every size, with alpha.
void writeDesktopIcons(const std::string& out) {
    for (int size : kIconSizes) {
        const std::string folder = out + "/icons/hicolor/" + std::to_string(size) + "x" +
                                   std::to_string(size) + "/apps";
        std::filesystem::create_directories(folder);
        cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(surf);
        paintDesktopIcon(cr, size);
        cairo_destroy(cr);
        cairo_surface_write_to_png(surf, (folder + "/hollowmere.png").c_str());
        cairo_surface_destroy(surf);
    }
}
