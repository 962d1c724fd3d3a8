// SPDX-License-Identifier: MIT
// contact.cpp - looking at the generated pictures: a contact sheet of every
// file (sheets laid out frame by frame with their grid) and small composed
// scene screenshots for the documentation.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "art.h"

namespace {

// Scene compositions: what a player sees on first entering each scene.
const std::vector<SceneShot> kShots = {
    // scene | background | objects {image, x, y, srcX, srcY} | hero foot point and direction
    {"Menu", "MenuBackground", {{"MenuExit", 320, 260, 0, 0}, {"MenuExit2", 224, 156, 0, 0}}, -1, 0, 0},
    {"ScheuneHinten", "ScheuneHintenBackground",
     {{"ScheuneHintenExit", 555, 242, 0, 0}, {"ScheuneHintenKette", 434, 413, 0, 0}, {"ScheuneHintenShip", 232, 210, 0, 0}},
     500, 535, 0},
    {"ScheuneVorne", "ScheuneVorneBackground",
     {{"ScheuneVorneExit2", 152, 257, 0, 0}, {"ScheuneVorneExit3", 0, 576, 0, 0}, {"Maus", 691, 386, 0, 0},
      {"ScheuneVorneSchloss", 275, 258, 0, 0}},
     380, 544, 4},
    {"ScheuneFern", "ScheuneFernBackground",
     {{"ScheuneFernExit", 260, 244, 0, 0}, {"ScheuneFernExit2", 0, 521, 0, 0}, {"Vogelscheuche", 406, 361, 0, 0},
      {"Hut", 406, 271, 0, 0}},
     300, 434, 0},
    {"ScheuneInnen", "ScheuneInnenBackground",
     {{"ScheuneInnenSlime", 307, 469, 0, 0}, {"ScheuneInnenBand", 290, 397, 0, 0}, {"ScheuneInnenExit", 189, 576, 0, 0}},
     472, 520, 0},
    {"Farmhaus", "FarmhausBackground",
     {{"FarmhausExit", 776, 364, 0, 0}, {"FarmhausExit2", 0, 395, 0, 0}, {"FarmhausExit3", 0, 216, 0, 0},
      {"FarmhausKey", 255, 272, 0, 0}, {"FarmhausFarmer", 113, 237, 0, 0}},
     460, 440, 1},
    {"FarmhausHinten", "FarmhausHintenBackground", {{"FarmhausHintenExit", 595, 346, 0, 0}, {"CryGirl", 262, 308, 0, 0}}, 600, 520, 3},
    {"Kreuzung", "KreuzungBackground",
     {{"KreuzungExit", 746, 286, 0, 0}, {"KreuzungExit2", 0, 310, 0, 0}, {"KreuzungExit3", 147, 576, 0, 0},
      {"KreuzungExit4", 148, 80, 0, 0}, {"FreakGo", 456, 192, 137, 0}},
     580, 380, 2},
    {"FitnessStudioAussen", "FitnessStudioAussenBackground",
     {{"FitnessStudioAussenExit", 0, 324, 0, 0}, {"FitnessStudioAussenExit2", 216, 216, 0, 0}}, 116, 410, 6},
    {"FitnessStudioInnen", "FitnessStudioInnenBackground",
     {{"FitnessStudioInnenExit", 0, 577, 0, 0}, {"FitnessStudioInnenExit2", 711, 196, 0, 0},
      {"FitnessStudioInnenExit3", 0, 167, 0, 0}, {"Studiogirl", 392, 200, 248, 0}, {"Lippenstift", 520, 320, 0, 0}},
     400, 550, 4},
    {"Trainingsraum", "TrainingsraumBackground",
     {{"TrainingsraumExit", 0, 200, 0, 0}, {"TrainingsraumLaufband", 508, 305, 0, 0}, {"Fatman", 542, 148, 0, 0}}, 110, 490, 6},
    {"Toilette", "ToiletteBackground",
     {{"ToiletteExit", 654, 216, 0, 0}, {"Klopapier", 325, 370, 0, 0}, {"Toilette", 40, 230, 131, 0},
      {"Hausmeister", 128, 224, 0, 0}},
     640, 480, 2},
    {"HausAlteDame", "HausAlteDameBackground", {{"HausAlteDameExit", 68, 576, 0, 0}, {"AlteDame", 142, 311, 0, 191}}, 230, 586, 4},
    {"Schule", "SchuleBackground",
     {{"SchuleExit", 762, 365, 0, 0}, {"SchuleExit2", 380, 160, 0, 0}, {"Brot", 97, 425, 0, 0},
      {"TicketstandKid", 200, 156, 200, 0}, {"TicketstandSchrankeAni", 372, 244, 0, 148}},
     760, 500, 2},
    {"Schulparty", "SchulpartyBackground",
     {{"SchulpartyExit", 0, 265, 0, 0}, {"Burbkid1", 174, 265, 288, 0}, {"Burbkid2", 274, 264, 276, 0},
      {"Burbkid3", 345, 272, 0, 0}, {"Bowle", 723, 405, 0, 0}, {"Käse", 642, 332, 0, 0}, {"Knoblauch", 600, 382, 0, 0}},
     112, 472, 6},
};

const PictureRow* findPicture(const char* name) {
    for (const PictureRow& s : imageTable())
        if (!strcmp(s.name, name)) return &s;
    return nullptr;
}

cairo_surface_t* toSurface(const Pixels& p, bool keyed) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.w, p.h);
    uint32_t* d = (uint32_t*)cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s) / 4;
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) {
            uint32_t v = p.px[size_t(y) * p.w + x];
            d[y * stride + x] = (keyed && v == 0) ? 0 : 0xff000000u | v;
        }
    cairo_surface_mark_dirty(s);
    return s;
}

// Blits the frame at (srcX, srcY) of an image like the engine does: black is see-through.
void blitKeyed(cairo_t* cr, cairo_surface_t* img, int x, int y, int srcX, int srcY, int w, int h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, img, x - srcX, y - srcY);
    cairo_paint(cr);
    cairo_restore(cr);
}

void label(cairo_t* cr, const std::string& text, double x, double y) {
    cairo_new_path(cr);
    textPath(cr, text.c_str(), x, y, 13, false);
    cairo_set_source_rgb(cr, 0.95, 0.95, 0.95);
    cairo_fill(cr);
}

void checker(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j * 8 < h; ++j)
        for (int i = 0; i * 8 < w; ++i) {
            double v = (i + j) % 2 ? 0.36 : 0.30;
            cairo_set_source_rgb(cr, v, v, v + 0.04);
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

}  // namespace

const std::vector<SceneShot>& sceneShots() { return kShots; }

int writeContactSheet(const std::string& buildDir) {
    constexpr int kTileW = 320, kTileH = 270, kPerRow = 6, kThumbW = 300, kThumbH = 236, kFramesPerRow = 10;
    std::vector<std::pair<std::string, const PictureRow*>> files;
    for (const PictureRow& s : imageTable()) files.push_back({s.path, &s});
    for (const char* f : {"gfx/fontc.bmp", "gfx/font12c.bmp", "gfx/font18c.bmp"}) files.push_back({f, nullptr});
    int rows = (int(files.size()) + kPerRow - 1) / kPerRow;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kTileW * kPerRow, kTileH * rows);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.12, 0.11, 0.16);
    cairo_paint(cr);
    int missing = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        double tx = (i % kPerRow) * kTileW + 10, ty = (i / kPerRow) * kTileH + 8;
        Pixels px;
        if (!readImage(buildDir + "/" + files[i].first, px)) {
            label(cr, "MISSING " + files[i].first, tx, ty + 20);
            ++missing;
            continue;
        }
        cairo_surface_t* img = toSurface(px, true);
        const PictureRow* s = files[i].second;
        // lay a sheet's frames out in a grid: one row group per column
        int fw = px.w, fh = px.h;
        std::vector<std::pair<int, int>> frames;  // srcX, srcY
        if (s && s->frames) {
            fw = s->frameW, fh = s->frameH;
            for (const Column& c : s->columns)
                for (int y = 0; y < c.stripEnd; y += fh) frames.push_back({c.srcX, y});
        } else {
            frames.push_back({0, 0});
        }
        int perRow = std::min<int>(kFramesPerRow, frames.size());
        int gridRows = 0;
        if (s && s->frames) {
            for (const Column& c : s->columns) gridRows += (c.stripEnd / fh + perRow - 1) / perRow;
        } else {
            gridRows = 1;
        }
        double gw = perRow * (fw + 2), gh = gridRows * (fh + 2);
        double scale = std::min(1.0, std::min(kThumbW / gw, kThumbH / gh));
        checker(cr, tx, ty, gw * scale, gh * scale);
        cairo_save(cr);
        cairo_translate(cr, tx, ty);
        cairo_scale(cr, scale, scale);
        int slot = 0, rowBase = 0;
        int lastX = frames.empty() ? 0 : frames[0].first;
        for (auto [sx, sy] : frames) {
            if (sx != lastX) {  // a new column starts a new grid row
                rowBase += (slot + perRow - 1) / perRow;
                slot = 0;
                lastX = sx;
            }
            int gx = (slot % perRow) * (fw + 2), gy = (rowBase + slot / perRow) * (fh + 2);
            blitKeyed(cr, img, gx, gy, sx, sy, fw, fh);
            cairo_rectangle(cr, gx - 0.5, gy - 0.5, fw + 1, fh + 1);
            cairo_set_source_rgba(cr, 1, 0.8, 0.3, 0.6);
            cairo_set_line_width(cr, 1 / scale);
            cairo_stroke(cr);
            ++slot;
        }
        cairo_restore(cr);
        char info[64];
        snprintf(info, sizeof info, "  %dx%d", px.w, px.h);
        label(cr, files[i].first.substr(4) + info, tx, ty + kThumbH + 20);
        cairo_surface_destroy(img);
    }
    cairo_destroy(cr);
    std::string out = buildDir + "/contact_sheet.png";
    writeSurface(out, sheet);
    cairo_surface_destroy(sheet);
    printf("wrote %s (%zu pictures, %d missing)\n", out.c_str(), files.size(), missing);
    return missing ? 1 : 0;
}

int writeScreenshots(const std::string& buildDir, const std::string& docsDir) {
    constexpr int kShotW = 400, kShotH = 300;
    constexpr int kHeroW = 160, kHeroH = 120;
    Pixels hero;
    if (!readImage(buildDir + "/gfx/char/player/walk.png", hero)) return 1;
    cairo_surface_t* heroImg = toSurface(hero, true);
    for (const SceneShot& shot : kShots) {
        cairo_surface_t* full = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 800, 600);
        cairo_t* cr = cairo_create(full);
        auto draw = [&](const char* name, int x, int y, int srcX, int srcY) {
            const PictureRow* s = findPicture(name);
            Pixels px;
            if (!s || !readImage(buildDir + "/" + s->path, px)) {
                fprintf(stderr, "artgen: cannot read %s\n", name);
                return false;
            }
            cairo_surface_t* img = toSurface(px, true);
            int w = s->frames ? s->frameW : px.w - srcX, h = s->frames ? s->frameH : px.h - srcY;
            blitKeyed(cr, img, x, y, srcX, srcY, w, h);
            cairo_surface_destroy(img);
            return true;
        };
        bool ok = draw(shot.background, 0, 0, 0, 0);
        for (const Placed& o : shot.objects) ok = draw(o.image, o.x, o.y, o.srcX, o.srcY) && ok;
        if (shot.heroFootX >= 0)
            blitKeyed(cr, heroImg, shot.heroFootX - kHeroW / 2, shot.heroFootY - kHeroH, shot.heroDir * kHeroW, 0, kHeroW, kHeroH);
        cairo_destroy(cr);
        if (!ok) return 1;
        cairo_surface_t* small = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kShotW, kShotH);
        cairo_t* sc = cairo_create(small);
        cairo_scale(sc, double(kShotW) / 800, double(kShotH) / 600);
        cairo_set_source_surface(sc, full, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(sc), CAIRO_FILTER_GOOD);
        cairo_paint(sc);
        cairo_destroy(sc);
        hardCut(small);
        std::string out = docsDir + "/screenshot_" + shot.scene + ".png";
        writeSurface(out, small);
        printf("wrote %s\n", out.c_str());
        cairo_surface_destroy(small);
        cairo_surface_destroy(full);
    }
    cairo_surface_destroy(heroImg);
    return 0;
}
