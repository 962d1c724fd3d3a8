// SPDX-License-Identifier: MIT
// content.cpp - the game world: every image with its animation template, the
// texts of the edition, the scenes with their objects, the conversations and
// the script names. Built once at start-up; nothing is read from data files
// but the pictures themselves.
#include "game/content.h"

#include <cstring>
#include <map>
#include <set>

#include "frame/engine.h"
#include "game/edition.h"
#include "game/savegame.h"
#include "game/script.h"
#include "game/scripts.h"
#include "gfx/anim.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "world/dialogue.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/walk.h"

namespace {

// Where the hero's foot stands before any scene has placed him.
constexpr int32_t kHeroStartFootX = 364;
constexpr int32_t kHeroStartFootY = 248;

// The empty name: no icon, no look text, no script, no exit, no partner.
constexpr const char* kNone = "";

// The replies an object gives when the catalogue wrote none of its own.
constexpr const char* kNotTake = "NOT_TAKE";
constexpr const char* kConfirmTake = "CONFIRM_TAKE";
constexpr const char* kNotTalk = "NOT_TALK";
constexpr const char* kNotUse = "NOT_USE";

// ---- Images ----
// Every picture of the game under its name, in loading order, folder by folder.
// A name loaded twice would keep its first file, so each name appears once.
struct ImageRow {
    const char* name;
    const char* path;
};

const ImageRow kImages[] = {
    // gfx/szene/
    {"CreditBar",                      "gfx/szene/creditoverlay.png"},
    {"BlankBackground",                "gfx/szene/blank.png"},
    // gfx/szene/intro/
    {"IntroCGA1background",            "gfx/szene/intro/cga_to_vga_low.bmp"},
    {"IntroCGALogo",                   "gfx/szene/intro/teamgrel.bmp"},
    // gfx/szene/intro/crash/
    {"IntroCrashBG",                   "gfx/szene/intro/crash/bg.png"},
    {"IntroCrash",                     "gfx/szene/intro/crash/crash.png"},
    {"IntroExplode",                   "gfx/szene/intro/crash/explode.png"},
    {"IntroCockpit",                   "gfx/szene/intro/crash/cockpit.png"},
    // gfx/szene/start/
    {"MenuBackground",                 "gfx/szene/start/bg.png"},
    {"MenuExit",                       "gfx/szene/start/exit1.png"},
    {"MenuExit2",                      "gfx/szene/start/exit2.png"},
    // gfx/gui/
    {"HotSpotMarker",                  "gfx/gui/marker.png"},
    // gfx/szene/scheune_innen/
    {"ScheuneInnenMap",                "gfx/szene/scheune_innen/map.bmp"},
    {"ScheuneInnenBackground",         "gfx/szene/scheune_innen/bg.png"},
    {"ScheuneInnenExit",               "gfx/szene/scheune_innen/exit.bmp"},
    {"ScheuneInnenSlime",              "gfx/szene/scheune_innen/slime.png"},
    {"ScheuneInnenBand",               "gfx/szene/scheune_innen/band.png"},
    // gfx/szene/scheune_vorne/
    {"ScheuneVorneMap",                "gfx/szene/scheune_vorne/map.bmp"},
    {"ScheuneVorneBackground",         "gfx/szene/scheune_vorne/bg.png"},
    {"ScheuneVorneExit",               "gfx/szene/scheune_vorne/exit1.bmp"},
    {"ScheuneVorneExit2",              "gfx/szene/scheune_vorne/exit2.bmp"},
    {"ScheuneVorneExit3",              "gfx/szene/scheune_vorne/exit3.bmp"},
    {"ScheuneVorneSchloss",            "gfx/szene/scheune_vorne/schloss.png"},
    {"Maus",                           "gfx/szene/scheune_vorne/maus.png"},
    // gfx/szene/scheune_hinten/
    {"ScheuneHintenMap",               "gfx/szene/scheune_hinten/map.bmp"},
    {"ScheuneHintenBackground",        "gfx/szene/scheune_hinten/bg.png"},
    {"ScheuneHintenExit",              "gfx/szene/scheune_hinten/exit1.bmp"},
    {"ScheuneHintenShip",              "gfx/szene/scheune_hinten/ship.bmp"},
    {"ScheuneHintenKette",             "gfx/szene/scheune_hinten/kette.bmp"},
    {"ScheuneHintenKetteAufgehängt",   "gfx/szene/scheune_hinten/kette_aufgehaengt.bmp"},
    // gfx/szene/scheune_fern/
    {"ScheuneFernMap",                 "gfx/szene/scheune_fern/map.bmp"},
    {"ScheuneFernBackground",          "gfx/szene/scheune_fern/bg.png"},
    {"ScheuneFernExit",                "gfx/szene/scheune_fern/exit1.bmp"},
    {"ScheuneFernExit2",               "gfx/szene/scheune_fern/exit2.bmp"},
    {"Hut",                            "gfx/szene/scheune_fern/vogelscheuche_hut.png"},
    {"Vogelscheuche",                  "gfx/szene/scheune_fern/vogelscheuche.png"},
    // gfx/inventar_icons/
    {"IconLolly",                      "gfx/inventar_icons/icon_lolly.png"},
    {"IconHut",                        "gfx/inventar_icons/icon_hut.png"},
    {"IconTicket",                     "gfx/inventar_icons/icon_ticket.png"},
    {"IconKey",                        "gfx/inventar_icons/icon_key.png"},
    {"IconTool",                       "gfx/inventar_icons/icon_tool.png"},
    {"IconLaufband",                   "gfx/inventar_icons/icon_laufband.png"},
    {"IconLippenstift",                "gfx/inventar_icons/icon_lippenstift.png"},
    {"IconKnoblauch",                  "gfx/inventar_icons/icon_knoblauch.png"},
    {"IconBowle",                      "gfx/inventar_icons/icon_bowle.png"},
    {"IconSandwich",                   "gfx/inventar_icons/icon_sandwich.png"},
    {"IconBrot",                       "gfx/inventar_icons/icon_brot.png"},
    {"IconMaus",                       "gfx/inventar_icons/icon_maus.png"},
    {"IconMop",                        "gfx/inventar_icons/icon_mop.png"},
    {"IconKäse",                       "gfx/inventar_icons/icon_cheese.png"},
    {"IconUmhang",                     "gfx/inventar_icons/icon_umhang.png"},
    // gfx/szene/farmhaus/
    {"FarmhausMap",                    "gfx/szene/farmhaus/map.bmp"},
    {"FarmhausBackground",             "gfx/szene/farmhaus/bg.png"},
    {"FarmhausExit",                   "gfx/szene/farmhaus/exit1.bmp"},
    {"FarmhausExit2",                  "gfx/szene/farmhaus/exit2.bmp"},
    {"FarmhausExit3",                  "gfx/szene/farmhaus/exit3.bmp"},
    {"FarmhausKey",                    "gfx/szene/farmhaus/key.png"},
    {"FarmhausSequenzDoorBG",          "gfx/szene/farmhaus/door_bg.png"},
    {"FarmhausSequenzDoor",            "gfx/szene/farmhaus/door.png"},
    // gfx/char/farmer/
    {"FarmhausFarmer",                 "gfx/char/farmer/animations.png"},
    // gfx/szene/farmhaus_hinten/
    {"FarmhausHintenMap",              "gfx/szene/farmhaus_hinten/map.bmp"},
    {"FarmhausHintenBackground",       "gfx/szene/farmhaus_hinten/bg.png"},
    {"FarmhausHintenExit",             "gfx/szene/farmhaus_hinten/exit1.bmp"},
    // gfx/char/cry_girl/
    {"CryGirl",                        "gfx/char/cry_girl/animations.png"},
    // gfx/szene/kreuzung/
    {"KreuzungMap",                    "gfx/szene/kreuzung/map.bmp"},
    {"KreuzungBackground",             "gfx/szene/kreuzung/bg.png"},
    {"KreuzungExit",                   "gfx/szene/kreuzung/exit1.bmp"},
    {"KreuzungExit2",                  "gfx/szene/kreuzung/exit2.bmp"},
    {"KreuzungExit3",                  "gfx/szene/kreuzung/exit3.bmp"},
    {"KreuzungExit4",                  "gfx/szene/kreuzung/exit4.bmp"},
    // gfx/char/freak/
    {"FreakGo",                        "gfx/char/freak/animations.png"},
    // gfx/szene/fitness_studio_aussen/
    {"FitnessStudioAussenMap",         "gfx/szene/fitness_studio_aussen/map.bmp"},
    {"FitnessStudioAussenBackground",  "gfx/szene/fitness_studio_aussen/bg.png"},
    {"FitnessStudioAussenExit",        "gfx/szene/fitness_studio_aussen/exit1.bmp"},
    {"FitnessStudioAussenExit2",       "gfx/szene/fitness_studio_aussen/exit2.bmp"},
    // gfx/szene/fitness_studio_innen/
    {"FitnessStudioInnenMap",          "gfx/szene/fitness_studio_innen/map.bmp"},
    {"FitnessStudioInnenBackground",   "gfx/szene/fitness_studio_innen/bg.png"},
    {"FitnessStudioInnenExit",         "gfx/szene/fitness_studio_innen/exit1.bmp"},
    {"FitnessStudioInnenExit2",        "gfx/szene/fitness_studio_innen/exit2.bmp"},
    {"FitnessStudioInnenExit3",        "gfx/szene/fitness_studio_innen/exit3.bmp"},
    {"Lippenstift",                    "gfx/szene/fitness_studio_innen/lippenstift.png"},
    {"MausBurgerSequenz",              "gfx/szene/fitness_studio_innen/burger.png"},
    // gfx/char/studiogirl/
    {"Studiogirl",                     "gfx/char/studiogirl/animations.png"},
    // gfx/szene/trainingsraum/
    {"TrainingsraumMap",               "gfx/szene/trainingsraum/map.bmp"},
    {"TrainingsraumBackground",        "gfx/szene/trainingsraum/bg.png"},
    {"TrainingsraumExit",              "gfx/szene/trainingsraum/exit1.bmp"},
    {"TrainingsraumLaufband",          "gfx/szene/trainingsraum/laufband.png"},
    {"FatmanSequenz",                  "gfx/szene/trainingsraum/fatman.png"},
    // gfx/char/fatman/
    {"Fatman",                         "gfx/char/fatman/animations.png"},
    {"FatmanLutschend",                "gfx/char/fatman/lutsch_animations.png"},
    // gfx/szene/toilette/
    {"ToiletteMap",                    "gfx/szene/toilette/map.bmp"},
    {"ToiletteBackground",             "gfx/szene/toilette/bg.png"},
    {"ToiletteExit",                   "gfx/szene/toilette/exit1.bmp"},
    {"Klopapier",                      "gfx/szene/toilette/klopapier.png"},
    {"Mop",                            "gfx/szene/toilette/mop.png"},
    {"Toolbox",                        "gfx/szene/toilette/toolbox.png"},
    {"ToiletteSequenz",                "gfx/szene/toilette/sequenz.png"},
    // gfx/char/hausmeister/
    {"Toilette",                       "gfx/char/hausmeister/kloani.png"},
    {"Hausmeister",                    "gfx/char/hausmeister/animations.png"},
    // gfx/szene/haus_alte_dame/
    {"HausAlteDameMap",                "gfx/szene/haus_alte_dame/map.bmp"},
    {"HausAlteDameBackground",         "gfx/szene/haus_alte_dame/bg.png"},
    {"HausAlteDameExit",               "gfx/szene/haus_alte_dame/exit1.bmp"},
    // gfx/char/alte_dame/
    {"AlteDame",                       "gfx/char/alte_dame/animations.png"},
    // gfx/szene/schule/
    {"SchuleMap",                      "gfx/szene/schule/map.bmp"},
    {"SchuleBackground",               "gfx/szene/schule/bg.png"},
    {"SchuleExit",                     "gfx/szene/schule/exit1.bmp"},
    {"SchuleExit2",                    "gfx/szene/schule/exit2.bmp"},
    {"Brot",                           "gfx/szene/schule/trash.png"},
    // gfx/char/ticketstand_kid/
    {"TicketstandKid",                 "gfx/char/ticketstand_kid/animations.png"},
    {"TicketstandSchrankeAni",         "gfx/char/ticketstand_kid/schranke.png"},
    // gfx/szene/schulparty/
    {"SchulpartyMap",                  "gfx/szene/schulparty/map.bmp"},
    {"SchulpartyBackground",           "gfx/szene/schulparty/bg.png"},
    {"SchulpartyExit",                 "gfx/szene/schulparty/exit1.bmp"},
    {"BurbkidsKO",                     "gfx/szene/schulparty/ko.png"},
    {"BurbSequenzAni",                 "gfx/szene/schulparty/burb.png"},
    {"Käse",                           "gfx/szene/schulparty/cheese.png"},
    {"Knoblauch",                      "gfx/szene/schulparty/knoblauch.png"},
    {"Bowle",                          "gfx/szene/schulparty/bowle.png"},
    // gfx/char/burbkid1/, gfx/char/burbkid2/, gfx/char/burbkid3/
    {"Burbkid1",                       "gfx/char/burbkid1/animations.png"},
    {"Burbkid2",                       "gfx/char/burbkid2/animations.png"},
    {"Burbkid3",                       "gfx/char/burbkid3/animations.png"},
};

// ---- Animation templates ----
// Frame geometry and animation of the images that are strips or sheets; every
// other image is a still picture drawn whole. Frames = stripEnd / frameHeight.
// The delay is what sprites made from the template start with.
struct TemplateRow {
    const char* image;
    int32_t frameWidth, frameHeight;
    int32_t animMode;
    int32_t delay;
    int32_t stripEnd;
};

const TemplateRow kTemplates[] = {
    // image                    width height  anim       delay stripEnd
    {"IntroCrash",              640,  353,    kLoop,     15,   4942},
    {"IntroExplode",            800,  600,    kStill,     5,   3000},
    {"IntroCockpit",            800,  303,    kLoop,     10,   1212},
    {"ScheuneInnenBand",         62,   57,    kLoop,     10,     57},
    {"FarmhausSequenzDoor",      88,   94,    kPlayOnce, 15,   2632},
    {"FarmhausFarmer",           81,  115,    kLoop,     10,   1150},
    {"CryGirl",                  93,  130,    kLoop,     20,    260},
    {"FreakGo",                 137,  130,    kPlayOnce, 10,   1300},
    {"Studiogirl",              124,  141,    kLoop,     15,    423},
    {"MausBurgerSequenz",       800,  568,    kPlayOnce, 10,  15336},
    {"Fatman",                  166,  298,    kLoop,     10,   2384},
    {"FatmanLutschend",         136,  224,    kLoop,     10,   1568},
    {"FatmanSequenz",           800,  568,    kLoop,     15,   3976},
    {"Toolbox",                  86,   78,    kStill,     0,     78},
    {"Toilette",                131,  200,    kLoop,     15,    800},
    {"ToiletteSequenz",         800,  567,    kPlayOnce, 10,  18144},
    {"Hausmeister",             192,  211,    kLoop,     15,   2532},
    {"AlteDame",                162,  191,    kStill,    10,   1719},
    {"TicketstandKid",          200,  275,    kPlayOnce, 10,   1925},
    {"TicketstandSchrankeAni",  134,  148,    kStill,    12,    888},
    {"Burbkid1",                 96,  123,    kLoop,  15,    615},
    {"Burbkid2",                 60,  125,    kLoop,  15,    375},
    {"Burbkid3",                 60,  125,    kStill, 15,    375},
    {"BurbkidsKO",              226,   82,    kStill,    10,     82},
    {"BurbSequenzAni",          800,  568,    kPlayOnce, 10,  28400},
};

// ---- Objects ----
// The arrow of the exit cursor over an exit.
enum ExitArrow {
    kArrowLeft = 0,
    kArrowRight = 1,
    kArrowUp = 2,
    kArrowDown = 3,
    kArrowUpLeft = 4,
    kArrowUpRight = 5,
    kArrowDownLeft = 6,
    kArrowDownRight = 7,
};

// Object flags: what an object starts as, beyond the defaults.
enum ObjectFlag : uint32_t {
    kPlain = 0,          // not takeable, active
    kTakeable = 1 << 0,  // Take moves it into the inventory
    kInactive = 1 << 1,  // gets no sprite until a script switches it on
};

struct TextKeys {
    const char* look;
    const char* take;     // said when Take is refused
    const char* confirm;  // said after a successful Take
    const char* talk;
    const char* use;
};

struct Scripts {
    const char* walk;  // "GoScript...", run when clicked with Walk
    const char* take;  // "TAKESCRIPT_...", run after it was taken
    const char* use;   // "USESCRIPT_...", run on Use and on using an item with it
};

struct Exit {
    const char* target;  // scene name; "" = no way out (yet)
    int32_t arrow;       // ExitArrow
};

struct Links {
    const char* dialogue;        // conversation partner opened by Talk
    const char* combinePartner;  // object it combines with
    const char* combineResult;   // what the combination yields
};

struct ObjectRow {
    const char* name;
    int32_t x, y;         // top-left of its sprite
    const char* image;
    const char* icon;     // inventory icon; "" = cannot be held
    int32_t walkToX, walkToY;
    TextKeys keys;
    uint32_t flags;       // ObjectFlag
    Scripts scripts;
    Exit exit;
    Links links;
};

constexpr TextKeys kDefaultKeys = {kNone, kNotTake, kConfirmTake, kNotTalk, kNotUse};
constexpr Scripts kNoScripts = {kNone, kNone, kNone};
constexpr Exit kNoExit = {kNone, kArrowLeft};
constexpr Links kNoLinks = {kNone, kNone, kNone};
constexpr int32_t kNoWalkTo = 0;  // the hero acts from where he stands

struct ObjectList {
    const ObjectRow* rows;
    size_t count;
};

template <size_t N>
constexpr ObjectList objectsOf(const ObjectRow (&rows)[N]) {
    return {rows, N};
}
constexpr ObjectList kNoObjects = {nullptr, 0};

// Each scene's objects in draw order. Columns: name, position, image, icon,
// walk-to point, text keys {look, take refusal, take confirmation, talk refusal,
// use refusal}, flags, scripts {walk, take, use}, exit {target, arrow},
// links {dialogue, combine partner, combine result}.

// ---- IntroCrash ----
const ObjectRow kIntroCrashObjects[] = {
    {"IntroCrash",   80,  60, "IntroCrash",   kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
    {"IntroCockpit",  0, 297, "IntroCockpit", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
    {"IntroExplode",  0,   0, "IntroExplode", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- IntroCGA1 ----
const ObjectRow kIntroCGA1Objects[] = {
    {"TeamGrelLogo", 8, 28, "IntroCGALogo", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- Menu ----
// Quitting leads back into the menu, whose Enter script then plays the farewell.
const ObjectRow kMenuObjects[] = {
    {"MenuExit",  320, 260, "MenuExit",  kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, {"GoScriptMenuQuit", kNone, kNone}, {"Menu", kArrowUp},          kNoLinks},
    {"MenuExit2", 224, 156, "MenuExit2", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts,                         {"ScheuneHinten", kArrowUp}, kNoLinks},
};

// ---- ScheuneHinten ----
const ObjectRow kScheuneHintenObjects[] = {
    {"ScheuneHintenExit",            555, 242, "ScheuneHintenExit",            kNone, 628, 420, kDefaultKeys,                                                                 kPlain,    kNoScripts,                          {"ScheuneVorne", kArrowUp}, kNoLinks},
    {"ScheuneHintenKette",           434, 413, "ScheuneHintenKette",           kNone, 532, 464, {"LOOK_ScheuneHintenKette", kNotTake, kConfirmTake, kNotTalk, kNotUse},           kPlain,    {kNone, kNone, "USESCRIPT_Haken"},   kNoExit,                    kNoLinks},
    {"ScheuneHintenKetteAufgehängt", 441, 243, "ScheuneHintenKetteAufgehängt", kNone, 532, 464, {"LOOK_ScheuneHintenKetteAufgehängt", kNotTake, kConfirmTake, kNotTalk, kNotUse}, kInactive, kNoScripts,                          kNoExit,                    kNoLinks},
    {"ScheuneHintenShip",            232, 210, "ScheuneHintenShip",            kNone, 532, 464, {"LOOK_ScheuneHintenShip", kNotTake, kConfirmTake, kNotTalk, kNotUse},            kPlain,    kNoScripts,                          kNoExit,                    kNoLinks},
};

// ---- ScheuneVorne ----
// The barn door has no target until the lock is opened (AlwaysScheuneVorne).
const ObjectRow kScheuneVorneObjects[] = {
    {"ScheuneVorneExit",    336, 263, "ScheuneVorneExit",    kNone,      400, 440, kDefaultKeys, kInactive, kNoScripts, {kNone, kArrowUp},             kNoLinks},
    {"ScheuneVorneExit2",   152, 257, "ScheuneVorneExit2",   kNone,      235, 440, kDefaultKeys, kPlain,    kNoScripts, {"ScheuneHinten", kArrowLeft},  kNoLinks},
    {"ScheuneVorneExit3",     0, 576, "ScheuneVorneExit3",   kNone,      200, 596, kDefaultKeys, kPlain,    kNoScripts, {"ScheuneFern", kArrowDown},    kNoLinks},
    {"MausScene",           691, 386, "Maus",                "IconMaus", 670, 473, {"LOOK_Maus", "NOTAKE_Maus", kConfirmTake, "NOTALK_Maus", "NOUSE_Maus"},                                                      kPlain, {kNone, kNone, "USESCRIPT_Maus"},    kNoExit, kNoLinks},
    {"ScheuneVorneSchloss", 275, 258, "ScheuneVorneSchloss", kNone,      400, 440, {"LOOK_ScheuneVorneSchloss", "NOTAKE_ScheuneVorneSchloss", kConfirmTake, "NOTALK_ScheuneVorneSchloss", "NOUSE_ScheuneVorneSchloss"}, kPlain, {kNone, kNone, "USESCRIPT_Schloss"}, kNoExit, kNoLinks},
};

// ---- ScheuneFern ----
const ObjectRow kScheuneFernObjects[] = {
    {"ScheuneFernExit",  260, 244, "ScheuneFernExit",  kNone,    346, 380, kDefaultKeys, kPlain, kNoScripts, {"ScheuneVorne", kArrowUpRight}, kNoLinks},
    {"ScheuneFernExit2",   0, 521, "ScheuneFernExit2", kNone,     80, 570, kDefaultKeys, kPlain, kNoScripts, {"Farmhaus", kArrowDownLeft},    kNoLinks},
    {"Vogelscheuche",    406, 361, "Vogelscheuche",    kNone,    396, 562, {"LOOK_Vogelscheuche", "NOTAKE_Vogelscheuche", kConfirmTake, "NOTALK_Vogelscheuche", kNotUse}, kPlain,    kNoScripts,                       kNoExit, kNoLinks},
    {"Hut",              406, 271, "Hut",              "IconHut", 396, 562, {"LOOK_ICON_Hut", kNotTake, "CONFIRMTAKE_HUT", kNotTalk, kNotUse},                             kTakeable, {kNone, "TAKESCRIPT_Hut", kNone}, kNoExit, kNoLinks},
};

// ---- ScheuneInnen ----
const ObjectRow kScheuneInnenObjects[] = {
    {"ScheuneInnenSlime", 307, 469, "ScheuneInnenSlime", kNone, 385, 490, {"LOOK_ScheuneInnenSlime", kNotTake, kConfirmTake, kNotTalk, kNotUse},   kPlain, kNoScripts,                                  kNoExit,                    kNoLinks},
    {"ScheuneInnenBand",  290, 397, "ScheuneInnenBand",  kNone, 385, 490, {"LOOK_ScheuneInnenKeinBand", kNotTake, kConfirmTake, kNotTalk, kNotUse}, kPlain, {kNone, kNone, "USESCRIPT_LaufbandScheune"}, kNoExit,                    kNoLinks},
    {"ScheuneInnenExit",  189, 576, "ScheuneInnenExit",  kNone, 396, 592, kDefaultKeys,                                                           kPlain, kNoScripts,                                  {"ScheuneVorne", kArrowDown}, kNoLinks},
};

// ---- Farmhaus ----
const ObjectRow kFarmhausObjects[] = {
    {"FarmhausExit",   776, 364, "FarmhausExit",   kNone, 780, 452, kDefaultKeys, kPlain, kNoScripts, {"ScheuneFern", kArrowRight},  kNoLinks},
    {"FarmhausExit2",    0, 395, "FarmhausExit2",  kNone,  20, 482, kDefaultKeys, kPlain, kNoScripts, {"Kreuzung", kArrowLeft},      kNoLinks},
    {"FarmhausExit3",    0, 216, "FarmhausExit3",  kNone,  60, 452, kDefaultKeys, kPlain, kNoScripts, {"FarmhausHinten", kArrowUp},  kNoLinks},
    {"FarmhausKey",    255, 272, "FarmhausKey",    kNone, 246, 406, {"LOOK_FarmhausKey", "NOTAKE_FarmhausKey", kConfirmTake, kNotTalk, kNotUse},       kPlain, kNoScripts, kNoExit, kNoLinks},
    {"FarmhausFarmer", 113, 237, "FarmhausFarmer", kNone, 216, 406, {"LOOK_FarmhausFarmer", "NOTAKE_FarmhausFarmer", kConfirmTake, kNotTalk, kNotUse}, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- FarmhausHinten ----
const ObjectRow kFarmhausHintenObjects[] = {
    {"FarmhausHintenExit", 595, 346, "FarmhausHintenExit", kNone, 614, 448, kDefaultKeys, kPlain, kNoScripts, {"Farmhaus", kArrowUp}, kNoLinks},
    {"CryGirl",            262, 308, "CryGirl",            kNone, 426, 456, {"LOOK_CryGirl", "NOTAKE_CryGirl", kConfirmTake, kNotTalk, "NOUSE_CryGirl"}, kPlain, {kNone, kNone, "USESCRIPT_CryGirl"}, kNoExit, {"CryGirl", kNone, kNone}},
};

// ---- Kreuzung ----
const ObjectRow kKreuzungObjects[] = {
    {"KreuzungExit",  746, 286, "KreuzungExit",  kNone, 764, 400, kDefaultKeys, kPlain, kNoScripts, {"Farmhaus", kArrowRight},           kNoLinks},
    {"KreuzungExit2",   0, 310, "KreuzungExit2", kNone,  28, 330, kDefaultKeys, kPlain, kNoScripts, {"Schule", kArrowLeft},              kNoLinks},
    {"KreuzungExit3", 147, 576, "KreuzungExit3", kNone, 648, 566, kDefaultKeys, kPlain, kNoScripts, {"FitnessStudioAussen", kArrowDown}, kNoLinks},
    {"KreuzungExit4", 148,  80, "KreuzungExit4", kNone, 210, 320, kDefaultKeys, kPlain, kNoScripts, {"HausAlteDame", kArrowUp},         kNoLinks},
    {"Freak",         456, 192, "FreakGo",       kNone, 500, 384, {"LOOK_Freak", "NOTAKE_Freak", kConfirmTake, kNotTalk, "NOUSE_Freak"}, kPlain, {kNone, kNone, "USESCRIPT_Freak"}, kNoExit, {"Freak", kNone, kNone}},
};

// ---- FitnessStudioAussen ----
const ObjectRow kFitnessStudioAussenObjects[] = {
    {"FitnessStudioAussenExit",    0, 324, "FitnessStudioAussenExit",  kNone,  16, 386, kDefaultKeys, kPlain, kNoScripts, {"Kreuzung", kArrowLeft},         kNoLinks},
    {"FitnessStudioAussenExit2", 216, 216, "FitnessStudioAussenExit2", kNone, 267, 370, kDefaultKeys, kPlain, kNoScripts, {"FitnessStudioInnen", kArrowUp}, kNoLinks},
};

// ---- FitnessStudioInnen ----
// The lipstick becomes takeable once the studio girl has gone (EnterFitnessStudioInnen).
const ObjectRow kFitnessStudioInnenObjects[] = {
    {"FitnessStudioInnenExit",    0, 577, "FitnessStudioInnenExit",  kNone,             400, 580, kDefaultKeys, kPlain, kNoScripts, {"FitnessStudioAussen", kArrowDown}, kNoLinks},
    {"FitnessStudioInnenExit2", 711, 196, "FitnessStudioInnenExit2", kNone,             700, 486, kDefaultKeys, kPlain, kNoScripts, {"Trainingsraum", kArrowRight},      kNoLinks},
    {"FitnessStudioInnenExit3",   0, 167, "FitnessStudioInnenExit3", kNone,              20, 486, kDefaultKeys, kPlain, kNoScripts, {"Toilette", kArrowLeft},            kNoLinks},
    {"Studiogirl",              392, 200, "Studiogirl",              kNone,             426, 486, {"LOOK_Studiogirl", "NOTAKE_Studiogirl", kConfirmTake, "NOTALK_Studiogirl", kNotUse}, kPlain, {kNone, kNone, "USESCRIPT_Studiogirl"}, kNoExit, kNoLinks},
    {"Lippenstift",             520, 320, "Lippenstift",             "IconLippenstift", 506, 486, {"LOOK_Lippenstift", "NOTAKE_Lippenstift", kConfirmTake, kNotTalk, kNotUse},       kPlain, kNoScripts,                             kNoExit, kNoLinks},
};

// ---- Trainingsraum ----
const ObjectRow kTrainingsraumObjects[] = {
    {"TrainingsraumExit",       0, 200, "TrainingsraumExit",     kNone,  90, 486, kDefaultKeys, kPlain, kNoScripts, {"FitnessStudioInnen", kArrowLeft}, kNoLinks},
    {"TrainingsraumLaufband", 508, 305, "TrainingsraumLaufband", kNone, 496, 426, {"LOOK_Laufband", "NOTAKE_Laufband", kConfirmTake, kNotTalk, "NOUSE_Laufband"},                kPlain,    {kNone, kNone, "USESCRIPT_LaufbandStudio"}, kNoExit, kNoLinks},
    {"Fatman",                542, 148, "Fatman",                kNone, 496, 426, {"LOOK_Fatman", "NOTAKE_Fatman", kConfirmTake, kNotTalk, "NOUSE_Fatman"},                      kPlain,    {kNone, kNone, "USESCRIPT_Fatman"},         kNoExit, kNoLinks},
    {"FatmanLutschend",       342, 148, "FatmanLutschend",       kNone, 292, 276, {"LOOK_FatmanEating", "NOTAKE_FatmanEating", kConfirmTake, kNotTalk, "NOUSE_FatmanEating"}, kInactive, kNoScripts,                                 kNoExit, kNoLinks},
};

// ---- Toilette ----
// Tool and Toolbox share the spot and the image: the box shows a column with or
// without the wrench, and the wrench is the object that can be taken.
const ObjectRow kToiletteObjects[] = {
    {"ToiletteExit", 654, 216, "ToiletteExit", kNone,       686, 475, kDefaultKeys, kPlain, kNoScripts, {"FitnessStudioInnen", kArrowRight}, kNoLinks},
    {"Klopapier",    325, 370, "Klopapier",    "Klopapier", 430, 450, {"LOOK_Klopapier", kNotTake, "CONFIRMTAKE_Klopapier", kNotTalk, kNotUse},              kTakeable, kNoScripts,                         kNoExit, kNoLinks},
    {"Mop",          332, 185, "Mop",          "IconMop",   430, 450, {"LOOK_Mop", kNotTake, "CONFIRMTAKE_Mop", kNotTalk, kNotUse},                          kTakeable, kNoScripts,                         kNoExit, kNoLinks},
    {"Tool",           8, 436, "Toolbox",      "IconTool",  120, 475, {"LOOK_ToolboxTool", kNotTake, "CONFIRMTAKE_Toolbox", kNotTalk, kNotUse},              kTakeable, kNoScripts,                         kNoExit, kNoLinks},
    {"Toolbox",        8, 436, "Toolbox",      kNone,       120, 475, {"LOOK_Toolbox", kNotTake, kConfirmTake, kNotTalk, kNotUse},                           kPlain,    kNoScripts,                         kNoExit, kNoLinks},
    {"Toilette",      40, 230, "Toilette",     kNone,       140, 466, {"LOOK_Toilette", "NOTAKE_Toilette", kConfirmTake, "NOTALK_Toilette", kNotUse},         kPlain,    {kNone, kNone, "USESCRIPT_Toilette"}, kNoExit, kNoLinks},
    {"Hausmeister",  128, 224, "Hausmeister",  kNone,       326, 466, {"LOOK_Hausmeister", "NOTAKE_Hausmeister", kConfirmTake, kNotTalk, kNotUse},        kPlain,    kNoScripts,                         kNoExit, kNoLinks},
};

// ---- HausAlteDame ----
const ObjectRow kHausAlteDameObjects[] = {
    {"HausAlteDameExit",  68, 576, "HausAlteDameExit", kNone, 230, 592, kDefaultKeys, kPlain, kNoScripts, {"Kreuzung", kArrowDown}, kNoLinks},
    {"AlteDame",         142, 311, "AlteDame",         kNone, 240, 550, {"LOOK_AlteDame", kNotTake, kConfirmTake, kNotTalk, "NOUSE_AlteDame"}, kPlain, {kNone, kNone, "USESCRIPT_AlteDame"}, kNoExit, kNoLinks},
};

// ---- Schule ----
// The gate to the party gets its target once the ticket was shown (AlwaysSchule).
// The bread combines with the mouse; that link is made once both exist.
const ObjectRow kSchuleObjects[] = {
    {"SchuleExit",          762, 365, "SchuleExit",             kNone,      776, 516, kDefaultKeys, kPlain, kNoScripts, {"Kreuzung", kArrowRight}, kNoLinks},
    {"SchuleExit2",         380, 160, "SchuleExit2",            kNone,      495, 367, kDefaultKeys, kPlain, kNoScripts, {kNone, kArrowUp},         kNoLinks},
    {"Brot",                 97, 425, "Brot",                   "IconBrot", 200, 500, {"LOOK_Brot", kNotTake, kConfirmTake, kNotTalk, kNotUse},                                                 kTakeable, {kNone, "TAKESCRIPT_Brot", kNone},          kNoExit, kNoLinks},
    {"TicketstandKid",      200, 156, "TicketstandKid",         kNone,      436, 460, {"LOOK_TicketstandKid", "NOTAKE_TicketstandKid", kConfirmTake, kNotTalk, "NOUSE_TicketstandKid"},      kPlain,    {kNone, kNone, "USESCRIPT_TicketstandKid"}, kNoExit, kNoLinks},
    {"TicketstandSchranke", 372, 244, "TicketstandSchrankeAni", kNone,      336, 460, {"LOOK_TicketstandSchranke", kNotTake, kConfirmTake, kNotTalk, "NOUSE_TicketstandSchranke"},         kPlain,    kNoScripts,                                 kNoExit, kNoLinks},
};

// ---- Schulparty ----
// The cape lies under the knocked-out kids: same spot, same image, both shown
// only after the burp contest was won.
const ObjectRow kSchulpartyObjects[] = {
    {"SchulpartyExit",   0, 265, "SchulpartyExit", kNone,           96, 456, kDefaultKeys, kPlain, kNoScripts, {"Schule", kArrowLeft}, kNoLinks},
    {"Burbkid1",       174, 265, "Burbkid1",       kNone,          236, 420, {"LOOK_Burbkid1", "NOTAKE_Burbkid1", kConfirmTake, kNotTalk, kNotUse},                        kPlain,                kNoScripts,                            kNoExit, kNoLinks},
    {"Burbkid2",       274, 264, "Burbkid2",       kNone,          306, 420, {"LOOK_Burbkid2", "NOTAKE_Burbkid2", kConfirmTake, kNotTalk, kNotUse},                        kPlain,                {kNone, kNone, "USESCRIPT_Knoblauch"}, kNoExit, {"Burbkid2", kNone, kNone}},
    {"Burbkid3",       345, 272, "Burbkid3",       kNone,          356, 420, {"LOOK_Burbkid3", "NOTAKE_Burbkid3", kConfirmTake, "NOTALK_Burbkid3", "NOUSE_Burbkid3"},       kPlain,                kNoScripts,                            kNoExit, kNoLinks},
    {"Umhang",         183, 325, "BurbkidsKO",     "IconUmhang",   364, 420, {"LOOK_Umhang", kNotTake, kConfirmTake, kNotTalk, kNotUse},                                   kTakeable | kInactive, kNoScripts,                            kNoExit, kNoLinks},
    {"BurbkidsKO",     183, 325, "BurbkidsKO",     kNone,          356, 420, {"LOOK_BurbkidsKO", "NOTAKE_BurbkidsKO", kConfirmTake, "NOTALK_BurbkidsKO", "NOUSE_BurbkidsKO"}, kInactive,           kNoScripts,                            kNoExit, kNoLinks},
    {"Bowle",          723, 405, "Bowle",          "IconBowle",    616, 580, {"LOOK_Bowle", kNotTake, "TAKECONFIRM_Bowle", kNotTalk, kNotUse},                             kTakeable,             kNoScripts,                            kNoExit, kNoLinks},
    {"Käse",           642, 332, "Käse",           "IconKäse",     616, 480, {"LOOK_Käse", kNotTake, "TAKECONFIRM_Käse", kNotTalk, kNotUse},                               kTakeable,             {kNone, "TAKESCRIPT_Cheese", kNone},   kNoExit, kNoLinks},
    {"Knoblauch",      600, 382, "Knoblauch",      "IconKnoblauch", 616, 480, {"LOOK_Knoblauch", kNotTake, "TAKECONFIRM_Knoblauch", kNotTalk, kNotUse},                     kTakeable,             kNoScripts,                            kNoExit, kNoLinks},
};

// ---- FatmanEatingSequenz ----
const ObjectRow kFatmanEatingSequenzObjects[] = {
    {"FatmanSequenz", 0, 0, "FatmanSequenz", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- ToiletteVerstopftSequenz ----
const ObjectRow kToiletteVerstopftSequenzObjects[] = {
    {"ToiletteSequenz", 0, 0, "ToiletteSequenz", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- StudiogirlBurgerSequenz ----
const ObjectRow kStudiogirlBurgerSequenzObjects[] = {
    {"MausBurgerSequenz", 0, 0, "MausBurgerSequenz", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- FarmhausSequenz ----
const ObjectRow kFarmhausSequenzObjects[] = {
    {"FarmhausSequenzDoorBG", 204, 234, "FarmhausSequenzDoorBG", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
    {"FarmhausSequenzDoor",   198, 234, "FarmhausSequenzDoor",   kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
    {"FarmhausSequenzFarmer", 113, 237, "FarmhausFarmer",        kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- BurbSequenz ----
const ObjectRow kBurbSequenzObjects[] = {
    {"BurbSequenzAni", 0, 0, "BurbSequenzAni", kNone, kNoWalkTo, kNoWalkTo, kDefaultKeys, kPlain, kNoScripts, kNoExit, kNoLinks},
};

// ---- Scenes ----
// In building order. Scenes without the interface are intro shots, sequences and
// the credits; "MenuMap" names no image because the menu has no hero to walk.
enum Interface { kNoInterface = 0, kWithInterface = 1 };
enum Hero { kNoHero = 0, kWithHero = 1 };

struct SceneRow {
    const char* name;
    const char* background;
    const char* walkMap;
    Interface interfaceShown;
    Hero hero;
    const char* enter;
    const char* always;
    ObjectList objects;
};

const SceneRow kScenes[] = {
    // scene                       background                       walk map                  interface       hero       Enter / Always
    {"IntroCrash",               "IntroCrashBG",                  "BlankBackground",        kNoInterface,   kNoHero,   "EnterIntroCrash",               "AlwaysIntroCrash",               objectsOf(kIntroCrashObjects)},
    {"IntroCGA1",                "IntroCGA1background",           "ScheuneInnenMap",        kNoInterface,   kNoHero,   "EnterIntroCGA1",                "AlwaysIntroCGA1",                objectsOf(kIntroCGA1Objects)},
    {"Credits",                  "BlankBackground",               "BlankBackground",        kNoInterface,   kNoHero,   "EnterCredits",                  "AlwaysCredits",                  kNoObjects},
    {"Menu",                     "MenuBackground",                "MenuMap",                kWithInterface, kNoHero,   "EnterMenu",                     "AlwaysMenu",                     objectsOf(kMenuObjects)},
    {"ScheuneHinten",            "ScheuneHintenBackground",       "ScheuneHintenMap",       kWithInterface, kWithHero, "EnterScheuneHinten",            "AlwaysScheuneHinten",            objectsOf(kScheuneHintenObjects)},
    {"ScheuneVorne",             "ScheuneVorneBackground",        "ScheuneVorneMap",        kWithInterface, kWithHero, "EnterScheuneVorne",             "AlwaysScheuneVorne",             objectsOf(kScheuneVorneObjects)},
    {"ScheuneFern",              "ScheuneFernBackground",         "ScheuneFernMap",         kWithInterface, kWithHero, "EnterScheuneFern",              "AlwaysScheuneFern",              objectsOf(kScheuneFernObjects)},
    {"ScheuneInnen",             "ScheuneInnenBackground",        "ScheuneInnenMap",        kWithInterface, kWithHero, "EnterScheuneInnen",             "AlwaysScheuneInnen",             objectsOf(kScheuneInnenObjects)},
    {"Farmhaus",                 "FarmhausBackground",            "FarmhausMap",            kWithInterface, kWithHero, "EnterFarmhaus",                 "AlwaysFarmhaus",                 objectsOf(kFarmhausObjects)},
    {"FarmhausHinten",           "FarmhausHintenBackground",      "FarmhausHintenMap",      kWithInterface, kWithHero, "EnterFarmhausHinten",           "AlwaysFarmhausHinten",           objectsOf(kFarmhausHintenObjects)},
    {"Kreuzung",                 "KreuzungBackground",            "KreuzungMap",            kWithInterface, kWithHero, "EnterKreuzung",                 "AlwaysKreuzung",                 objectsOf(kKreuzungObjects)},
    {"FitnessStudioAussen",      "FitnessStudioAussenBackground", "FitnessStudioAussenMap", kWithInterface, kWithHero, "EnterFitnessStudioAussen",      "AlwaysFitnessStudioAussen",      objectsOf(kFitnessStudioAussenObjects)},
    {"FitnessStudioInnen",       "FitnessStudioInnenBackground",  "FitnessStudioInnenMap",  kWithInterface, kWithHero, "EnterFitnessStudioInnen",       "AlwaysFitnessStudioInnen",       objectsOf(kFitnessStudioInnenObjects)},
    {"Trainingsraum",            "TrainingsraumBackground",       "TrainingsraumMap",       kWithInterface, kWithHero, "EnterTrainingsraum",            "AlwaysTrainingsraum",            objectsOf(kTrainingsraumObjects)},
    {"Toilette",                 "ToiletteBackground",            "ToiletteMap",            kWithInterface, kWithHero, "EnterToilette",                 "AlwaysToilette",                 objectsOf(kToiletteObjects)},
    {"HausAlteDame",             "HausAlteDameBackground",        "HausAlteDameMap",        kWithInterface, kWithHero, "EnterHausAlteDame",             "AlwaysHausAlteDame",             objectsOf(kHausAlteDameObjects)},
    {"Schule",                   "SchuleBackground",              "SchuleMap",              kWithInterface, kWithHero, "EnterSchule",                   "AlwaysSchule",                   objectsOf(kSchuleObjects)},
    {"Schulparty",               "SchulpartyBackground",          "SchulpartyMap",          kWithInterface, kWithHero, "EnterSchulparty",               "AlwaysSchulparty",               objectsOf(kSchulpartyObjects)},
    {"FatmanEatingSequenz",      "BlankBackground",               "BlankBackground",        kNoInterface,   kNoHero,   "EnterFatmanEatingSequenz",      "AlwaysFatmanEatingSequenz",      objectsOf(kFatmanEatingSequenzObjects)},
    {"ToiletteVerstopftSequenz", "BlankBackground",               "BlankBackground",        kNoInterface,   kNoHero,   "EnterToiletteVerstopftSequenz", "AlwaysToiletteVerstopftSequenz", objectsOf(kToiletteVerstopftSequenzObjects)},
    {"BenutzeLaufbandSequenz",   "BlankBackground",               "BlankBackground",        kNoInterface,   kNoHero,   "EnterBenutzeLaufbandSequenz",   "AlwaysBenutzeLaufbandSequenz",   kNoObjects},
    {"StudiogirlBurgerSequenz",  "BlankBackground",               "BlankBackground",        kNoInterface,   kNoHero,   "EnterStudiogirlBurgerSequenz",  "AlwaysStudiogirlBurgerSequenz",  objectsOf(kStudiogirlBurgerSequenzObjects)},
    {"FarmhausSequenz",          "FarmhausBackground",            "BlankBackground",        kNoInterface,   kNoHero,   "EnterFarmhausSequenz",          "AlwaysFarmhausSequenz",          objectsOf(kFarmhausSequenzObjects)},
    {"BurbSequenz",              "BlankBackground",               "BlankBackground",        kNoInterface,   kNoHero,   "EnterBurbSequenz",              "AlwaysBurbSequenz",              objectsOf(kBurbSequenzObjects)},
};

// ---- Where scripts lead ----
// The scenes a scene's scripts change to, besides its exits: pictures are read
// ahead along these too.
struct SuccessorRow {
    const char* scene;
    const char* next;
};

const SuccessorRow kScriptedSuccessors[] = {
    {"IntroCGA1",                "Credits"},                   // the intro's end or Escape
    {"Credits",                  "IntroCrash"},                // Escape, or the credits' end
    {"IntroCrash",               "Menu"},                      // after the crash
    {"ScheuneVorne",             "ScheuneInnen"},              // the door, once unlocked
    {"Schule",                   "Schulparty"},                // the gate, once the ticket is shown
    {"ScheuneInnen",             "BenutzeLaufbandSequenz"},    // the treadmill fixed: the end
    {"BenutzeLaufbandSequenz",   "Credits"},                   // the end's text
    {"Farmhaus",                 "FarmhausSequenz"},           // the key in the door
    {"FarmhausSequenz",          "FarmhausHinten"},            // the door opened
    {"FitnessStudioInnen",       "StudiogirlBurgerSequenz"},   // the girl fed
    {"StudiogirlBurgerSequenz",  "FitnessStudioInnen"},        // back after the burger
    {"Trainingsraum",            "FatmanEatingSequenz"},       // the lolly given
    {"FatmanEatingSequenz",      "Trainingsraum"},             // back after eating
    {"Toilette",                 "ToiletteVerstopftSequenz"},  // the toilet blocked
    {"ToiletteVerstopftSequenz", "Toilette"},                  // back after the flood
    {"Schulparty",               "BurbSequenz"},               // the burp contest
    {"BurbSequenz",              "Schulparty"},                // back at the party
};

// ---- Inventory-only items ----
// Things the scripts hand to the hero; they lie in no scene, so their icon is
// their image and they stand at (0, 0). Their partners are scene objects built
// before them.
struct ItemRow {
    const char* name;
    const char* icon;  // image and icon
    const char* look;
    const char* combinePartner;
    const char* combineResult;
};

const ItemRow kInventoryItems[] = {
    // item           icon            look key              combines with            result
    {"Maus",         "IconMaus",     "LOOK_Maus",          kNone,                   kNone},
    {"Key",          "IconKey",      "LOOK_Key",           "ScheuneVorneSchloss",   kNone},
    {"MausSandwich", "IconSandwich", "LOOK_MausSandwich",  kNone,                   kNone},
    {"Laufband",     "IconLaufband", "LOOK_LaufbandItem",  kNone,                   kNone},
    {"Lolly",        "IconLolly",    "LOOK_Lolly",         "Freak",                 kNone},
    {"Ticket",       "IconTicket",   "LOOK_Ticket",        "TicketstandKid",        kNone},
};

// ---- Late combinations ----
// Pairs that need objects built after the first of them: the mouse (an item the
// scripts give) and the bread (in the school) make the mouse sandwich, whichever
// of the two is clicked.
struct CombinationRow {
    const char* object;
    const char* partner;
    const char* result;
};

const CombinationRow kLateCombinations[] = {
    {"Maus", "Brot", "MausSandwich"},
    {"Brot", "Maus", "MausSandwich"},
};

// ---- Conversations ----
// The topics each partner offers before anything was said; the rest are
// unlocked by lines of the conversations themselves.
struct StartTopicRow {
    const char* partner;
    const char* topic;
};

const StartTopicRow kStartTopics[] = {
    {"CryGirl",  "Crash"},
    {"Freak",    "Sad"},
    {"Freak",    "FreakCostume"},
    {"Burbkid2", "Contest"},
};

// ---- Building ----

void loadImages(Engine& e) {
    for (const ImageRow& img : kImages) {
        loadGraphic(e.graphics, img.name, img.path);
        for (const TemplateRow& t : kTemplates) {
            if (std::strcmp(t.image, img.name) != 0) continue;
            if (Graphic* g = findGraphic(e.graphics, t.image))
                configureTemplate(g, t.frameWidth, t.frameHeight, t.animMode, t.delay, t.stripEnd);
        }
    }
}

void defineTexts(Engine& e, const Edition& ed) {
    for (size_t i = 0; i < ed.textCount; ++i) {
        const TextRow& row = ed.texts[i];
        defineText(e.texts, row.key, latin1(row.text), row.seconds, paletteColour(e.game, row.colour));
    }
}

using PartnerMap = std::map<std::string, DialoguePartner*>;

// Topics are created in the edition's order per partner and each gets its lines
// in play order; unlock lines carry a topic id, which is a name, not a text.
PartnerMap buildDialogues(Engine& e, const Edition& ed) {
    PartnerMap partners;
    for (size_t i = 0; i < ed.topicCount; ++i) {
        const TopicRow& tr = ed.topics[i];
        DialoguePartner*& p = partners[tr.partner];
        if (!p) {
            p = newDialoguePartner(tr.partner);
            e.partners.push_back(p);
        }
        DialogueTopic* topic = addTopic(p, tr.id, latin1(tr.label));
        for (size_t j = 0; j < ed.lineCount; ++j) {
            const LineRow& lr = ed.lines[j];
            if (std::strcmp(lr.partner, tr.partner) != 0 || std::strcmp(lr.topic, tr.id) != 0) continue;
            switch (lr.who) {
                case kHero: addDialogueLine(topic, latin1(lr.text), "", ""); break;
                case kPartner: addDialogueLine(topic, "", latin1(lr.text), ""); break;
                case kUnlock: addDialogueLine(topic, "", "", lr.text); break;
            }
        }
    }
    for (const StartTopicRow& st : kStartTopics) {
        auto it = partners.find(st.partner);
        if (it != partners.end()) activateTopic(it->second, st.topic);
    }
    return partners;
}

DialoguePartner* partnerNamed(const PartnerMap& partners, const char* name) {
    auto it = partners.find(name);
    return it == partners.end() ? nullptr : it->second;
}

SceneObject* buildObject(Engine& e, const ObjectRow& row, const PartnerMap& partners) {
    SceneObject* obj = newSceneObject(row.x, row.y, row.name, row.image, row.icon);
    obj->walkToX = row.walkToX;
    obj->walkToY = row.walkToY;
    obj->lookKey = row.keys.look;
    obj->takeKey = row.keys.take;
    obj->confirmTakeKey = row.keys.confirm;
    obj->talkKey = row.keys.talk;
    obj->useKey = row.keys.use;
    obj->takeable = (row.flags & kTakeable) != 0;
    obj->active = (row.flags & kInactive) == 0;
    obj->walkScript = row.scripts.walk;
    obj->takeScript = row.scripts.take;
    obj->useScript = row.scripts.use;
    obj->exitTarget = row.exit.target;
    obj->exitDirection = row.exit.arrow;
    obj->dialoguePartner = partnerNamed(partners, row.links.dialogue);
    obj->combinePartner = findObject(e.objects, row.links.combinePartner);
    obj->combineResult = findObject(e.objects, row.links.combineResult);
    registerObject(e.objects, row.name, obj);
    return obj;
}

void buildScenes(Engine& e, const PartnerMap& partners) {
    for (const SceneRow& row : kScenes) {
        Scene* scene = newScene(row.name, row.background, row.walkMap);
        registerScene(e.scenes, row.name, scene);
        e.scenes.currentScene = row.name;  // the scene being built
        scene->showInterface = row.interfaceShown;
        scene->hasPlayer = row.hero;
        for (size_t i = 0; i < row.objects.count; ++i)
            addObjectToScene(scene, buildObject(e, row.objects.rows[i], partners));
        scene->enterCallback = row.enter;
        scene->alwaysCallback = row.always;
    }
    for (const SuccessorRow& row : kScriptedSuccessors)
        if (Scene* scene = findScene(e.scenes, row.scene)) scene->successors.push_back(row.next);
}

void buildInventoryItems(Engine& e) {
    for (const ItemRow& row : kInventoryItems) {
        SceneObject* obj = newSceneObject(0, 0, row.name, row.icon, row.icon);
        obj->lookKey = row.look;
        obj->combinePartner = findObject(e.objects, row.combinePartner);
        obj->combineResult = findObject(e.objects, row.combineResult);
        registerObject(e.objects, row.name, obj);
    }
}

void linkLateCombinations(Engine& e) {
    for (const CombinationRow& row : kLateCombinations) {
        SceneObject* obj = findObject(e.objects, row.object);
        if (!obj) continue;
        obj->combinePartner = findObject(e.objects, row.partner);
        obj->combineResult = findObject(e.objects, row.result);
    }
}

}  // namespace

void buildContent(Engine& e, const Edition& edition) {
    e.player.footX = kHeroStartFootX;
    e.player.footY = kHeroStartFootY;
    loadImages(e);
    defineTexts(e, edition);
    PartnerMap partners = buildDialogues(e, edition);
    for (uint8_t& f : e.game.storyFlags) f = 0;
    buildScenes(e, partners);
    buildInventoryItems(e);
    registerScripts(e.game);
    registerSaving(e, edition);
    linkLateCombinations(e);
    loadScriptLines(edition);
    e.scenes.currentScene = "IntroCGA1";
}

// Two-byte sequences up to U+00FF become their Latin-1 byte. Anything the
// fonts cannot show becomes 0x7F, which has no glyph, so the catalogue tests
// catch it instead of it turning into a harmless-looking "?".
std::string latin1(const char* utf8) {
    constexpr char kNoGlyph = 0x7f;
    std::string out;
    if (!utf8) return out;
    const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s) {
        unsigned char c = *s;
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++s;
            continue;
        }
        int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        uint32_t code = length == 2 ? ((c & 0x1Fu) << 6) | (s[1] & 0x3Fu) : 0x100;
        bool complete = true;
        for (int i = 1; i < length && complete; ++i)  // stops at the terminating 0 too
            if ((s[i] & 0xC0) != 0x80) complete = false;
        if (!complete) length = 1;
        out += (complete && code < 0x100) ? static_cast<char>(code) : kNoGlyph;
        s += length;
    }
    return out;
}
