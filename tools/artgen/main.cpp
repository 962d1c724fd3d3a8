// SPDX-License-Identifier: MIT
// main.cpp - the art generator. `artgen <dir>` draws every picture and font of
// the game into <dir>/gfx; `artgen --contact <dir>` then lays them all out on
// <dir>/contact_sheet.png, and `artgen --screenshots <dir> <docs>` composes
// small scene pictures for the documentation.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "art.h"

namespace {

void paintStill(const PictureRow& s, const std::string& out) {
    cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, s.width, s.height);
    cairo_t* cr = cairo_create(surf);
    if (s.walkMapOf) {
        paintWalkMap(cr, s.width, s.height, s.walkMapOf);
    } else {
        s.still(cr, s.width, s.height);
    }
    cairo_destroy(cr);
    hardCut(surf);
    writeSurface(out + "/" + s.path, surf);
    cairo_surface_destroy(surf);
}

// Sheets are drawn one frame row at a time and written row by row, so even the
// tallest strips never need a surface taller than one frame.
void paintSheet(const PictureRow& s, const std::string& out) {
    int w = sheetWidth(s), h = sheetHeight(s);
    ImageOut img;
    beginImage(img, out + "/" + s.path, w, h);
    cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, s.frameH);
    for (int frame = 0; frame * s.frameH < h; ++frame) {
        cairo_t* cr = cairo_create(surf);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        for (const Column& c : s.columns) {
            int frames = c.stripEnd / s.frameH;
            if (frame >= frames) continue;
            cairo_save(cr);
            cairo_rectangle(cr, c.srcX, 0, s.frameW, s.frameH);
            cairo_clip(cr);
            cairo_translate(cr, c.srcX, 0);
            s.frames(cr, c.srcX, frame, frames);
            cairo_restore(cr);
        }
        cairo_destroy(cr);
        hardCut(surf);
        appendRows(img, surf, s.frameH);
    }
    cairo_surface_destroy(surf);
    endImage(img);
}

int usage() {
    fprintf(stderr,
            "usage: artgen <build dir>                  draw <build dir>/gfx\n"
            "       artgen --contact <build dir>        write <build dir>/contact_sheet.png\n"
            "       artgen --screenshots <build dir> <docs dir>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && !strcmp(argv[1], "--contact")) return writeContactSheet(argv[2]);
    if (argc == 4 && !strcmp(argv[1], "--screenshots")) return writeScreenshots(argv[2], argv[3]);
    if (argc != 2 || argv[1][0] == '-') return usage();
    std::string out = argv[1];
    // an optional filter (ARTGEN_ONLY=substring of the path) speeds up drawing sessions
    const char* only = getenv("ARTGEN_ONLY");
    for (const PictureRow& s : imageTable()) {
        if (only && !strstr(s.path, only)) continue;
        if (s.frames) {
            paintSheet(s, out);
        } else {
            paintStill(s, out);
        }
    }
    if (!only || strstr("fonts", only)) writeFonts(out);
    if (!only) writeDesktopIcons(out);
    return 0;
}
