// SPDX-License-Identifier: MIT
// art.h - shared drawing helpers of the art generator: colours, cartoon shapes,
// the hard cut that turns anti-aliased drawings into colour-keyed sprites, image
// writers, and the tables every painter draws from.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// ---------------------------------------------------------------- colours

struct Rgb {
    double r, g, b;  // 0..1
};

Rgb rgb(int r, int g, int b);
Rgb mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb darker(Rgb c, double amount);   // towards the outline colour
Rgb lighter(Rgb c, double amount);  // towards warm white
void setColor(cairo_t* cr, Rgb c);
void setColor(cairo_t* cr, Rgb c, double alpha);

// The shared palette: dusk light from the low sun on the right.
namespace pal {
extern const Rgb outline;  // dark violet-brown, never black
extern const Rgb fur, furLight, furDark;
extern const Rgb suit, suitDark, suitLight, metal, antennaBall;
extern const Rgb skinLight, skinMid, skinDark;
extern const Rgb skyTop, skyMid, skyLow, sun;
extern const Rgb grass, grassDark, grassLight, dirt, dirtDark, dirtLight;
extern const Rgb wood, woodDark, woodLight, barnRed, barnRedDark;
extern const Rgb pumpkin, pumpkinDark, leafGreen, stone, stoneDark;
extern const Rgb white, cream, yellow, glow, nightBlue, purple;
}  // namespace pal

// ---------------------------------------------------------------- shapes

// A shape's outline as a path-building function; the shape helpers fill it.
using PathFn = std::function<void(cairo_t*)>;

// Cartoon shading of one shape: flat fill, a shadow crescent on the side away
// from the light (lower right), a highlight rim towards it, and a dark outline.
struct Shade {
    double shadow = 0.14;      // crescent depth as a fraction of `size`
    double highlight = 0.07;   // rim depth as a fraction of `size`
    double size = 40;          // rough diameter of the shape in pixels
    double line = 2.2;         // outline width; 0 = none
};
void shape(cairo_t* cr, Rgb fill, const PathFn& path, const Shade& s = Shade());
void flat(cairo_t* cr, Rgb fill, const PathFn& path, double line = 2.0);

// Path builders.
PathFn ellipsePath(double cx, double cy, double rx, double ry, double angle = 0);
PathFn polyPath(std::vector<double> xy);  // x0,y0,x1,y1,... closed
PathFn roundRectPath(double x, double y, double w, double h, double r);
PathFn blobPath(std::vector<double> xy);  // smooth closed curve through the points
void blobTo(cairo_t* cr, const std::vector<double>& xy);

// Convenience shapes.
void ball(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb fill, double line = 2.2);
void box(cairo_t* cr, double x, double y, double w, double h, Rgb fill, double r = 3, double line = 2.2);
void stroke(cairo_t* cr, Rgb c, double width, std::vector<double> xy);  // open polyline
// Wire, sticks and rims: the line twice, the dark outline under, the colour over.
void outlinedLine(cairo_t* cr, Rgb c, double outlineWidth, double width, const std::vector<double>& xy);
void strokeOutlined(cairo_t* cr, Rgb c, double outlineWidth, double width);  // the current path, then clears it
// A rectangle filled with a vertical gradient, `top` at its top edge to `bottom` at its bottom.
void gradientRect(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);
void curve(cairo_t* cr, Rgb c, double width, double x0, double y0, double x1, double y1,
           double x2, double y2, double x3, double y3);  // outlined cubic: dark under, colour over
void limb(cairo_t* cr, Rgb c, double width, double x0, double y0, double x1, double y1);  // outlined rounded stroke

// ---------------------------------------------------------------- props

void pumpkin(cairo_t* cr, double cx, double baseY, double r, bool lantern);
// The fat man's lolly: a pink disc of radius r with a white swirl of radius
// swirlR; its stick is drawn by the caller.
void lollyCandy(cairo_t* cr, double x, double y, double r, double swirlR, double line, double swirlWidth);
void bat(cairo_t* cr, double cx, double cy, double span, double flap);  // flap 0..1
void garland(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int flags);
void tree(cairo_t* cr, double x, double baseY, double h, uint32_t seed, Rgb leaves);
void bush(cairo_t* cr, double cx, double baseY, double w, Rgb c);
void fallenLeaf(cairo_t* cr, double x, double y, double size, double angle, Rgb c);  // a leaf lying flat
void grassTufts(cairo_t* cr, const std::vector<double>& polyXY, int count, uint32_t seed, Rgb c);
void fence(cairo_t* cr, double x0, double y0, double x1, double y1, double postH, int posts);
void skyGradient(cairo_t* cr, double w, double h, double horizon);
void stars(cairo_t* cr, double w, double h, int count, uint32_t seed);
void moon(cairo_t* cr, double cx, double cy, double r);
void hills(cairo_t* cr, double w, double y, double amp, Rgb c, uint32_t seed);
void woodPlanks(cairo_t* cr, double x, double y, double w, double h, int planks, bool vertical, Rgb c);
void lightPool(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c, double alpha);

// Scene building blocks (scenes.cpp).
void groundFill(cairo_t* cr, double y0, Rgb top, Rgb bottom);
void floorPatch(cairo_t* cr, const char* scene, Rgb c, bool tufts);
// Floor textures drawn only on a scene's floor: boards and slabs in perspective
// towards (vanishX, vanishY); a rug is a flat decoration the hero walks over.
void floorBoards(cairo_t* cr, const char* scene, Rgb c, double vanishX, double vanishY, int boards);
void pavingSlabs(cairo_t* cr, const char* scene, Rgb c, double vanishX, double vanishY, double slabW);
void floorTiles(cairo_t* cr, const char* scene, Rgb c, Rgb checker, double vanishX, double vanishY, double tileW);
// Draws decorations the hero walks over (mosaics, drains, puddles) cut to the floor.
void onFloor(cairo_t* cr, const char* scene, const std::function<void()>& draw);
void rug(cairo_t* cr, double cx, double cy, double w, double h, Rgb c, Rgb border);
void windowLit(cairo_t* cr, double x, double y, double w, double h, Rgb frame);
void doorway(cairo_t* cr, double x, double y, double w, double h, Rgb frame, Rgb inside);
void closedDoor(cairo_t* cr, double x, double y, double w, double h, Rgb c);
void roofTiles(cairo_t* cr, const std::vector<double>& poly, Rgb c);
void wallPlanks(cairo_t* cr, const std::vector<double>& poly, Rgb c, bool vertical, double spacing);
void duskSky(cairo_t* cr, double horizon, uint32_t seed);

// Deterministic noise for textures and scattering.
uint32_t hash32(uint32_t x);
double rand01(uint32_t& state);

// Title text from the display face (proper names and the makers' logo only).
void textPath(cairo_t* cr, const char* utf8, double x, double baseline, double px, bool displayFace = true);
double textWidth(const char* utf8, double px, bool displayFace = true);

// ---------------------------------------------------------------- characters

// The hero: foot point (fx, fy); dir 0..7 as the walk sheet columns (down,
// down-left, left, up-left, up, up-right, right, down-right); phase 0..7 of the
// walk cycle, -1 = standing. scale 1 = about 88 px tall.
void drawHero(cairo_t* cr, double fx, double fy, int dir, int phase, double scale = 1.0,
              int mood = 0);  // mood: 0 happy, 1 panic, 2 worried

// People are built from one figure with per-character looks and a pose.
struct Look {
    double height = 200;   // feet to top of head
    double girth = 1.0;    // 1 slim, 2.2 the fat man
    Rgb skin, hair, top, legs, shoes, accent;
    int hair_style = 0;    // 0 short, 1 long, 2 bun, 3 cap, 4 spiky, 5 pigtails, 6 bald
    bool skirt = false;
    bool overalls = false;
    bool glasses = false;
    bool beard = false;
    // proportions and the details that tell people apart at a glance
    double headScale = 1.0;  // cartoon heads: children and old folk get bigger ones
    double hipHeight = 0.46; // hips above the feet as a fraction of height (lanky > 0.5)
    double nose = 1.0;       // nose size
    Rgb iris = Rgb{0.36, 0.24, 0.16};
    bool lashes = false;     // lashes at the outer corner of the eyes
    bool freckles = false;
    bool buttons = false;    // a button placket down the front of the top
    bool collar = false;     // a shirt collar
    bool belt = false;       // a belt at the hips (trousers only)
    bool stripes = false;    // track-suit stripes down sleeves and trouser legs
    Rgb stripe = Rgb{0.95, 0.95, 0.97};
};
struct Pose {
    // arm angles in radians from hanging straight down, outwards positive;
    // the forearm angle is absolute too (about -2.5 brings a hand to the mouth)
    double armL = 0.15, armR = 0.15;
    double foreL = 0.1, foreR = 0.1;
    double step = 0;       // walk phase -1..1 (legs apart)
    double mouth = 0;      // 0 closed .. 1 wide open (styles 2 and 3)
    int eyes = 0;          // 0 open, 1 closed happy, 2 crying, 3 wide, 4 angry, 5 dizzy, 6 half shut
    double lean = 0;       // body tilt, radians
    double bob = 0;        // pixels up
    bool sitting = false;
    double face = 0;       // -1 faces left .. 1 faces right (three-quarter turn)
    int mouthStyle = 0;    // 0 smile, 1 frown, 2 open round, 3 tongue out, 4 grin, 5 flat
    double blush = 0;      // 0..1 red face (effort, anger)
};
// Draws the figure standing on (fx, fy); returns the hand positions.
struct Hands {
    double lx, ly, rx, ry;  // hands
    double hx, hy, hr;      // head centre and radius
    double mx, my;          // mouth
};
Hands drawPerson(cairo_t* cr, double fx, double fy, const Look& look, const Pose& pose);

// The people who appear both on their sheets and in the story sequences: build,
// colours and clothes at the given height (cast.cpp). The sheets add the face
// and proportion details on top; the sequences draw them plain.
Look studioGirlLook(double height);
Look fatManLook(double height);
Look janitorLook(double height);
Look partyKidLook(int which, double height);  // which: 1 the big one, 2 the burper, 3 the witch

// ---------------------------------------------------------------- output

// The finishing pass: pixels with less than half coverage become pure black
// (the colour key), covered pixels get their colour back at full strength with
// every channel at least 8, so no visible pixel reads as the key.
void hardCut(cairo_surface_t* s);
void hardCutRegion(cairo_surface_t* s, int x, int y, int w, int h);

enum class Format { Png, Bmp };
struct ImageOut {
    std::string path;
    Format format = Format::Png;
    int width = 0, height = 0, rowsWritten = 0;
    std::vector<uint32_t> rows;  // 0x00RRGGBB, top-down: the depth is chosen once all are known
};
void beginImage(ImageOut& o, const std::string& path, int w, int h);  // format from the extension
void appendRows(ImageOut& o, cairo_surface_t* s, int rows);           // top rows of s
void endImage(ImageOut& o);
void writeSurface(const std::string& path, cairo_surface_t* s);       // whole surface
void makeDirs(const std::string& filePath);                           // folders of a path

// ---------------------------------------------------------------- the tables

// An animation column the content or a script selects, with the longest strip
// played on it.
struct Column {
    int srcX;
    int stripEnd;
};

// Still pictures are drawn whole by their painter; sheets frame by frame.
using StillPainter = void (*)(cairo_t* cr, int w, int h);
using FramePainter = void (*)(cairo_t* cr, int column, int frame, int frames);

struct PictureRow {
    const char* name;       // store name of the content ("" for interface images)
    const char* path;       // below the output folder
    int width, height;      // stills; for sheets derived from the columns
    StillPainter still;
    const char* walkMapOf;  // walk maps: the scene whose floor they show
    int frameW, frameH;     // sheets only
    std::vector<Column> columns;
    FramePainter frames;
};

// All pictures and their geometry, in catalogue order.
const std::vector<PictureRow>& imageTable();
int sheetWidth(const PictureRow& s);
int sheetHeight(const PictureRow& s);

// Walkable floors and exits of the scenes with the hero: one geometry source
// for the picture and its walk map.
struct Floor {
    const char* scene;
    std::vector<std::vector<double>> polys;  // x0,y0,x1,y1,... per polygon
};
const Floor& floorOf(const char* scene);
void fillFloor(cairo_t* cr, const Floor& f);

// Scene compositions for the screenshots: the objects at their positions.
struct Placed {
    const char* image;
    int x, y, srcX, srcY;
};
struct SceneShot {
    const char* scene;
    const char* background;
    std::vector<Placed> objects;
    int heroFootX, heroFootY, heroDir;  // heroFootX < 0: no hero
};
const std::vector<SceneShot>& sceneShots();

// Generators of the individual families.
void writeFonts(const std::string& out);
void writeDesktopIcons(const std::string& out);  // menu icons under <out>/icons/hicolor
void paintWalkMap(cairo_t* cr, int w, int h, const char* scene);
std::string fontPath(bool display);

// The tools around the generator.
int writeContactSheet(const std::string& buildDir);
int writeScreenshots(const std::string& buildDir, const std::string& docsDir);
struct Pixels {
    int w = 0, h = 0;
    std::vector<uint32_t> px;  // 0x00RRGGBB
};
bool readImage(const std::string& path, Pixels& out, int maxRows = 1 << 30);
