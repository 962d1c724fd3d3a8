// SPDX-License-Identifier: MIT
// marker.cpp - the hot-spot marker shown on everything clickable while Tab is
// held: a hollow white sight with four ticks and a dark outline, so it reads as
// a pointer over the scene and never as one of its lamps or glowing windows.
#include <cmath>
#include <utility>

#include "painters.h"

void paintHotSpotMarker(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0;
    const double ring = w / 2.0 - 6;  // leaves room for the outline and the ticks
    // The whole outline first, so no tick's outline cuts into the white ring.
    for (const auto& [colour, width] : {std::pair<Rgb, double>{pal::outline, 5.0}, {pal::white, 2.4}}) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, ring, 0, 2 * M_PI);
        setColor(cr, colour);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
        for (int k = 0; k < 4; ++k) {
            const double dx = std::cos(k * M_PI / 2), dy = std::sin(k * M_PI / 2);
            stroke(cr, colour, width, {cx + dx * (ring - 3), cy + dy * (ring - 3), cx + dx * (ring + 5), cy + dy * (ring + 5)});
        }
    }
}
