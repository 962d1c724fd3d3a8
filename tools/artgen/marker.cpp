// marker.cpp - the hot-spot marker shown on everything clickable while Tab is
// held: a small glowing ring with a bright centre, readable on any background.
#include "painters.h"

void paintHotSpotMarker(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0;
    lightPool(cr, cx, cy, cx, cy, pal::yellow, 0.6);
    ball(cr, cx, cy, cx - 4, cy - 4, pal::pumpkin, 2.2);
    ball(cr, cx, cy, cx / 3, cy / 3, pal::white, 1.6);
}
