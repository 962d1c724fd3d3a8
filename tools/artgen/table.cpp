// SPDX-License-Identifier: MIT
// table.cpp - every picture the game reads, in catalogue order, with the frame
// geometry of its animation template and every column the scripts select.
// Each column lists the longest strip played on it (some scripts play a column
// with a longer strip than the template's); sheet sizes are derived from this.
#include "painters.h"

namespace {

PictureRow still(const char* name, const char* path, int w, int h, StillPainter p) {
    return PictureRow{name, path, w, h, p, nullptr, 0, 0, {}, nullptr};
}
PictureRow sheet(const char* name, const char* path, int fw, int fh, std::vector<Column> cols, FramePainter p) {
    return PictureRow{name, path, 0, 0, nullptr, nullptr, fw, fh, cols, p};
}
PictureRow walkMap(const char* name, const char* path, const char* scene) {
    return PictureRow{name, path, 800, 600, nullptr, scene, 0, 0, {}, nullptr};
}

// Inventory icons fit the 100x60 grid of the inventory screen.
constexpr int kIconW = 64, kIconH = 48;
// Cursors: verbs are 55x48, the click cursor 36x48, exit arrows 48x48.
constexpr int kCurW = 55, kCurH = 48, kClickW = 36, kExitArrow = 48;
// The conversation bar stops short of the leave button at x 672: the pointer
// test takes the first sprite it hits, and the bar comes first.
constexpr int kDialogBarWidth = 664;

std::vector<PictureRow> build() {
    std::vector<PictureRow> t = {
        // name | file | width x height or frame w x h | columns {srcX, longest stripEnd} | painter
        still("CreditBar", "gfx/szene/creditoverlay.png", 800, 64, paintCreditBar),
        still("BlankBackground", "gfx/szene/blank.png", 800, 600, paintBlank),
        // intro: panels 600 px apart, the last one (3600) in CGA colours
        still("IntroCGA1background", "gfx/szene/intro/cga_to_vga_low.bmp", 616, 4200, paintIntroStrip),
        still("IntroCGALogo", "gfx/szene/intro/teamgrel.bmp", 200, 72, paintTeamLogo),
        still("IntroCrashBG", "gfx/szene/intro/crash/bg.png", 800, 600, paintCrashBg),
        sheet("IntroCrash", "gfx/szene/intro/crash/crash.png", 640, 353, {{0, 4942}, {640, 4942}}, paintCrash),
        sheet("IntroExplode", "gfx/szene/intro/crash/explode.png", 800, 600, {{0, 3000}}, paintExplosion),
        sheet("IntroCockpit", "gfx/szene/intro/crash/cockpit.png", 800, 303, {{0, 1212}}, paintCockpit),
        still("MenuBackground", "gfx/szene/start/bg.png", 800, 600, paintMenuBg),
        still("MenuExit", "gfx/szene/start/exit1.png", 160, 110, paintMenuQuit),
        still("MenuExit2", "gfx/szene/start/exit2.png", 352, 96, paintMenuStart),
        // barn inside
        walkMap("ScheuneInnenMap", "gfx/szene/scheune_innen/map.bmp", "ScheuneInnen"),
        still("ScheuneInnenBackground", "gfx/szene/scheune_innen/bg.png", 800, 600, paintScheuneInnenBg),
        still("ScheuneInnenExit", "gfx/szene/scheune_innen/exit.bmp", 420, 24, paintExitEdge),
        still("ScheuneInnenSlime", "gfx/szene/scheune_innen/slime.png", 160, 40, paintSlime),
        sheet("ScheuneInnenBand", "gfx/szene/scheune_innen/band.png", 62, 57, {{0, 57}, {62, 57}}, paintBeltSlot),
        // barn front
        walkMap("ScheuneVorneMap", "gfx/szene/scheune_vorne/map.bmp", "ScheuneVorne"),
        still("ScheuneVorneBackground", "gfx/szene/scheune_vorne/bg.png", 800, 600, paintScheuneVorneBg),
        still("ScheuneVorneExit", "gfx/szene/scheune_vorne/exit1.bmp", 128, 180, paintBarnDoorOpen),
        still("ScheuneVorneExit2", "gfx/szene/scheune_vorne/exit2.bmp", 100, 190, paintExitPath),
        still("ScheuneVorneExit3", "gfx/szene/scheune_vorne/exit3.bmp", 400, 24, paintExitEdge),
        still("ScheuneVorneSchloss", "gfx/szene/scheune_vorne/schloss.png", 200, 64, paintLock),
        still("Maus", "gfx/szene/scheune_vorne/maus.png", 50, 40, paintMouse),
        // behind the barn
        walkMap("ScheuneHintenMap", "gfx/szene/scheune_hinten/map.bmp", "ScheuneHinten"),
        still("ScheuneHintenBackground", "gfx/szene/scheune_hinten/bg.png", 800, 600, paintScheuneHintenBg),
        still("ScheuneHintenExit", "gfx/szene/scheune_hinten/exit1.bmp", 110, 200, paintExitPath),
        still("ScheuneHintenShip", "gfx/szene/scheune_hinten/ship.bmp", 230, 150, paintShip),
        still("ScheuneHintenKette", "gfx/szene/scheune_hinten/kette.bmp", 120, 50, paintChain),
        still("ScheuneHintenKetteAufgehängt", "gfx/szene/scheune_hinten/kette_aufgehaengt.bmp", 60, 180, paintChainHung),
        // the field
        walkMap("ScheuneFernMap", "gfx/szene/scheune_fern/map.bmp", "ScheuneFern"),
        still("ScheuneFernBackground", "gfx/szene/scheune_fern/bg.png", 800, 600, paintScheuneFernBg),
        still("ScheuneFernExit", "gfx/szene/scheune_fern/exit1.bmp", 170, 140, paintExitPath),
        still("ScheuneFernExit2", "gfx/szene/scheune_fern/exit2.bmp", 160, 79, paintExitEdge),
        still("Hut", "gfx/szene/scheune_fern/vogelscheuche_hut.png", 80, 100, paintHat),
        still("Vogelscheuche", "gfx/szene/scheune_fern/vogelscheuche.png", 100, 190, paintScarecrow),
        // inventory icons
        still("IconLolly", "gfx/inventar_icons/icon_lolly.png", kIconW, kIconH, paintIconLolly),
        still("IconHut", "gfx/inventar_icons/icon_hut.png", kIconW, kIconH, paintIconHat),
        still("IconTicket", "gfx/inventar_icons/icon_ticket.png", kIconW, kIconH, paintIconTicket),
        still("IconKey", "gfx/inventar_icons/icon_key.png", kIconW, kIconH, paintIconKey),
        still("IconTool", "gfx/inventar_icons/icon_tool.png", kIconW, kIconH, paintIconTool),
        still("IconLaufband", "gfx/inventar_icons/icon_laufband.png", kIconW, kIconH, paintIconBelt),
        still("IconLippenstift", "gfx/inventar_icons/icon_lippenstift.png", kIconW, kIconH, paintIconLipstick),
        still("IconKnoblauch", "gfx/inventar_icons/icon_knoblauch.png", kIconW, kIconH, paintIconGarlic),
        still("IconBowle", "gfx/inventar_icons/icon_bowle.png", kIconW, kIconH, paintIconPunch),
        still("IconSandwich", "gfx/inventar_icons/icon_sandwich.png", kIconW, kIconH, paintIconSandwich),
        still("IconBrot", "gfx/inventar_icons/icon_brot.png", kIconW, kIconH, paintIconBread),
        still("IconMaus", "gfx/inventar_icons/icon_maus.png", kIconW, kIconH, paintIconMouse),
        still("IconMop", "gfx/inventar_icons/icon_mop.png", kIconW, kIconH, paintIconMop),
        still("IconKäse", "gfx/inventar_icons/icon_cheese.png", kIconW, kIconH, paintIconCheese),
        still("IconUmhang", "gfx/inventar_icons/icon_umhang.png", kIconW, kIconH, paintIconCape),
        // farmhouse
        walkMap("FarmhausMap", "gfx/szene/farmhaus/map.bmp", "Farmhaus"),
        still("FarmhausBackground", "gfx/szene/farmhaus/bg.png", 800, 600, paintFarmhausBg),
        still("FarmhausExit", "gfx/szene/farmhaus/exit1.bmp", 24, 140, paintExitEdge),
        still("FarmhausExit2", "gfx/szene/farmhaus/exit2.bmp", 40, 120, paintExitEdge),
        still("FarmhausExit3", "gfx/szene/farmhaus/exit3.bmp", 110, 170, paintExitPath),
        still("FarmhausKey", "gfx/szene/farmhaus/key.png", 24, 40, paintKey),
        still("FarmhausSequenzDoorBG", "gfx/szene/farmhaus/door_bg.png", 80, 94, paintDoorDark),
        sheet("FarmhausSequenzDoor", "gfx/szene/farmhaus/door.png", 88, 94, {{0, 2632}}, paintFarmDoor),
        sheet("FarmhausFarmer", "gfx/char/farmer/animations.png", 81, 115, {{0, 1150}}, paintFarmer),
        // behind the farmhouse
        walkMap("FarmhausHintenMap", "gfx/szene/farmhaus_hinten/map.bmp", "FarmhausHinten"),
        still("FarmhausHintenBackground", "gfx/szene/farmhaus_hinten/bg.png", 800, 600, paintFarmhausHintenBg),
        still("FarmhausHintenExit", "gfx/szene/farmhaus_hinten/exit1.bmp", 120, 140, paintExitPath),
        // crying: 0 sitting, 93 sobbing while talking, 186 head down; happy: 279 idle, 372 talking
        sheet("CryGirl", "gfx/char/cry_girl/animations.png", 93, 130,
              {{0, 260}, {93, 260}, {186, 260}, {279, 260}, {372, 260}}, paintCryGirl),
        // crossroads
        walkMap("KreuzungMap", "gfx/szene/kreuzung/map.bmp", "Kreuzung"),
        still("KreuzungBackground", "gfx/szene/kreuzung/bg.png", 800, 600, paintKreuzungBg),
        still("KreuzungExit", "gfx/szene/kreuzung/exit1.bmp", 54, 140, paintExitEdge),
        still("KreuzungExit2", "gfx/szene/kreuzung/exit2.bmp", 40, 100, paintExitEdge),
        still("KreuzungExit3", "gfx/szene/kreuzung/exit3.bmp", 500, 24, paintExitEdge),
        still("KreuzungExit4", "gfx/szene/kreuzung/exit4.bmp", 130, 200, paintExitPath),
        // hungry: 0 walking left, 137 standing, 274 talking; fed: 548 walking, 685 licking, 822 talking
        sheet("FreakGo", "gfx/char/freak/animations.png", 137, 130,
              {{0, 1300}, {137, 520}, {274, 260}, {548, 1300}, {685, 520}, {822, 260}}, paintFreak),
        // gym outside
        walkMap("FitnessStudioAussenMap", "gfx/szene/fitness_studio_aussen/map.bmp", "FitnessStudioAussen"),
        still("FitnessStudioAussenBackground", "gfx/szene/fitness_studio_aussen/bg.png", 800, 600, paintStudioAussenBg),
        still("FitnessStudioAussenExit", "gfx/szene/fitness_studio_aussen/exit1.bmp", 48, 120, paintExitEdge),
        still("FitnessStudioAussenExit2", "gfx/szene/fitness_studio_aussen/exit2.bmp", 104, 160, paintExitDoorway),
        // gym reception
        walkMap("FitnessStudioInnenMap", "gfx/szene/fitness_studio_innen/map.bmp", "FitnessStudioInnen"),
        still("FitnessStudioInnenBackground", "gfx/szene/fitness_studio_innen/bg.png", 800, 600, paintStudioInnenBg),
        still("FitnessStudioInnenExit", "gfx/szene/fitness_studio_innen/exit1.bmp", 800, 23, paintExitEdge),
        still("FitnessStudioInnenExit2", "gfx/szene/fitness_studio_innen/exit2.bmp", 89, 290, paintExitDoorway),
        still("FitnessStudioInnenExit3", "gfx/szene/fitness_studio_innen/exit3.bmp", 90, 300, paintExitDoorway),
        still("Lippenstift", "gfx/szene/fitness_studio_innen/lippenstift.png", 24, 30, paintLipstick),
        sheet("MausBurgerSequenz", "gfx/szene/fitness_studio_innen/burger.png", 800, 568, {{0, 15336}}, paintBurgerSeq),
        // 0 yawning, 124 filing nails, 248 talking, 372 peeking at the snack drawer
        sheet("Studiogirl", "gfx/char/studiogirl/animations.png", 124, 141,
              {{0, 423}, {124, 423}, {248, 423}, {372, 282}}, paintStudiogirl),
        // training room
        walkMap("TrainingsraumMap", "gfx/szene/trainingsraum/map.bmp", "Trainingsraum"),
        still("TrainingsraumBackground", "gfx/szene/trainingsraum/bg.png", 800, 600, paintTrainingBg),
        still("TrainingsraumExit", "gfx/szene/trainingsraum/exit1.bmp", 90, 290, paintExitDoorway),
        still("TrainingsraumLaufband", "gfx/szene/trainingsraum/laufband.png", 240, 150, paintTreadmillBelt),
        sheet("FatmanSequenz", "gfx/szene/trainingsraum/fatman.png", 800, 568, {{0, 3976}}, paintFatmanSeq),
        sheet("Fatman", "gfx/char/fatman/animations.png", 166, 298, {{0, 2384}}, paintFatman),
        sheet("FatmanLutschend", "gfx/char/fatman/lutsch_animations.png", 136, 224, {{0, 1568}}, paintFatmanLicking),
        // toilet
        walkMap("ToiletteMap", "gfx/szene/toilette/map.bmp", "Toilette"),
        still("ToiletteBackground", "gfx/szene/toilette/bg.png", 800, 600, paintToiletteBg),
        still("ToiletteExit", "gfx/szene/toilette/exit1.bmp", 110, 260, paintExitDoorway),
        still("Klopapier", "gfx/szene/toilette/klopapier.png", 40, 40, paintToiletPaper),
        still("Mop", "gfx/szene/toilette/mop.png", 40, 180, paintMop),
        // 0 the wrench alone (the takeable tool), 86 the box without it, 172 the box with it
        sheet("Toolbox", "gfx/szene/toilette/toolbox.png", 86, 78, {{0, 78}, {86, 78}, {172, 78}}, paintToolbox),
        sheet("ToiletteSequenz", "gfx/szene/toilette/sequenz.png", 800, 567, {{0, 18144}}, paintToiletSeq),
        // 0 the blocked toilet bubbling, 131 the plain toilet
        sheet("Toilette", "gfx/char/hausmeister/kloani.png", 131, 200, {{0, 800}, {131, 800}}, paintToiletAnim),
        sheet("Hausmeister", "gfx/char/hausmeister/animations.png", 192, 211, {{0, 2532}}, paintJanitor),
        // the old lady's house
        walkMap("HausAlteDameMap", "gfx/szene/haus_alte_dame/map.bmp", "HausAlteDame"),
        still("HausAlteDameBackground", "gfx/szene/haus_alte_dame/bg.png", 800, 600, paintAlteDameBg),
        still("HausAlteDameExit", "gfx/szene/haus_alte_dame/exit1.bmp", 420, 24, paintExitEdge),
        // 0: door open (rest), closed (191), opening; 162: the lady talking
        sheet("AlteDame", "gfx/char/alte_dame/animations.png", 162, 191, {{0, 1719}, {162, 573}}, paintOldLady),
        // school yard
        walkMap("SchuleMap", "gfx/szene/schule/map.bmp", "Schule"),
        still("SchuleBackground", "gfx/szene/schule/bg.png", 800, 600, paintSchuleBg),
        still("SchuleExit", "gfx/szene/schule/exit1.bmp", 38, 160, paintExitEdge),
        still("SchuleExit2", "gfx/szene/schule/exit2.bmp", 120, 200, paintExitDoorway),
        still("Brot", "gfx/szene/schule/trash.png", 70, 90, paintTrash),
        // 0 bored, 200 waiting, 400 blowing gum, 800 waving through
        sheet("TicketstandKid", "gfx/char/ticketstand_kid/animations.png", 200, 275,
              {{0, 1925}, {200, 1100}, {400, 825}, {800, 1375}}, paintTicketKid),
        // frame 0 open (rest), 148 closed, then rising
        sheet("TicketstandSchrankeAni", "gfx/char/ticketstand_kid/schranke.png", 134, 148, {{0, 888}}, paintBarrier),
        // school party
        walkMap("SchulpartyMap", "gfx/szene/schulparty/map.bmp", "Schulparty"),
        still("SchulpartyBackground", "gfx/szene/schulparty/bg.png", 800, 600, paintSchulpartyBg),
        still("SchulpartyExit", "gfx/szene/schulparty/exit1.bmp", 80, 200, paintExitDoorway),
        // 0 with the cape under the kids, 226 without it
        sheet("BurbkidsKO", "gfx/szene/schulparty/ko.png", 226, 82, {{0, 82}, {226, 82}}, paintBurbkidsKO),
        sheet("BurbSequenzAni", "gfx/szene/schulparty/burb.png", 800, 568, {{0, 28400}}, paintBurpSeq),
        still("Käse", "gfx/szene/schulparty/cheese.png", 40, 30, paintCheese),
        still("Knoblauch", "gfx/szene/schulparty/knoblauch.png", 36, 36, paintGarlic),
        still("Bowle", "gfx/szene/schulparty/bowle.png", 60, 60, paintPunch),
        // kid 1: 0 laughing, 96 drinking, 192 cheering, 288 arms crossed, 384 shrugging
        sheet("Burbkid1", "gfx/char/burbkid1/animations.png", 96, 123,
              {{0, 615}, {96, 246}, {192, 615}, {288, 246}, {384, 246}}, paintBurbkid1),
        // kid 2 (columns 69 apart): 0 the mighty burp, 69 gulping, 138/276/345 idles, 207 talking
        sheet("Burbkid2", "gfx/char/burbkid2/animations.png", 60, 125,
              {{0, 1125}, {69, 500}, {138, 250}, {207, 250}, {276, 250}, {345, 250}}, paintBurbkid2),
        sheet("Burbkid3", "gfx/char/burbkid3/animations.png", 60, 125, {{0, 375}}, paintBurbkid3),

        // interface and cursors
        sheet("WalkCursor", "gfx/gui/walk.png", kCurW, kCurH, {{0, 960}}, paintPointerCursor),
        sheet("TakeCursor", "gfx/gui/take.png", kCurW, kCurH, {{0, 960}}, paintTakeCursor),
        sheet("TalkCursor", "gfx/gui/talk.png", kCurW, kCurH, {{0, 96}}, paintTalkCursor),
        sheet("LookCursor", "gfx/gui/look.png", kCurW, kCurH, {{0, 960}}, paintLookCursor),
        sheet("UseCursor", "gfx/gui/use.png", kCurW, kCurH, {{0, 960}}, paintUseCursor),
        sheet("InvCursor", "gfx/gui/inv.png", 128, 128, {{0, 2560}}, paintInvButton),
        sheet("ClickCursor", "gfx/gui/click.bmp", kClickW, kCurH, {{0, 912}}, paintClickCursor),
        sheet("WaitCursor", "gfx/gui/load_c.bmp", kCurW, kCurH, {{0, 960}}, paintWaitCursor),
        // exit arrows by direction at srcX 0 (up), 48, 96 (left), ... 336
        sheet("ExitCursor", "gfx/gui/exit.png", kExitArrow, kExitArrow,
              {{0, 960}, {48, 960}, {96, 960}, {144, 960}, {192, 960}, {240, 960}, {288, 960}, {336, 960}},
              paintExitCursor),
        sheet("NoCursor", "gfx/gui/none.bmp", kCurW, kCurH, {{0, 96}}, paintNoCursor),
        still("DialogBar", "gfx/gui/dialogbar.png", kDialogBarWidth, 118, paintDialogBar),
        still("NoTalk", "gfx/gui/exit_dialog.png", 128, 88, paintDialogExit),
        still("", "gfx/gui/cur.png", 32, 32, paintPointer),
        still("", "gfx/gui/invscreen.png", 800, 600, paintInvScreen),
        still("", "gfx/icon.bmp", 32, 32, paintWindowIcon),
        still("HotSpotMarker", "gfx/gui/marker.png", 24, 24, paintHotSpotMarker),
        // the saved-games screen: its sky, slot plates, buttons, question; the menu's two ways there
        still("", "gfx/saves/bg.png", 800, 600, paintSlotsBg),
        still("", "gfx/saves/slot.png", 380, 96, paintSlotPlate),
        still("", "gfx/saves/slot_chosen.png", 380, 96, paintSlotPlateChosen),
        still("", "gfx/saves/button.png", 150, 40, paintSlotButton),
        still("", "gfx/saves/button_off.png", 150, 40, paintSlotButtonOff),
        still("", "gfx/saves/confirm.png", 400, 160, paintSlotConfirm),
        still("", "gfx/saves/continue.png", 184, 72, paintMenuContinue),
        still("", "gfx/saves/menu_slots.png", 184, 72, paintMenuSlots),
        // the hero: eight directions (down, down-left, left, up-left, up, ...), eight frames each
        sheet("Player", "gfx/char/player/walk.png", 160, 120,
              {{0, 960}, {160, 960}, {320, 960}, {480, 960}, {640, 960}, {800, 960}, {960, 960}, {1120, 960}},
              paintHeroWalk),
    };
    return t;
}
}  // namespace

const std::vector<PictureRow>& imageTable() {
    static const std::vector<PictureRow> table = build();
    return table;
}

int sheetWidth(const PictureRow& s) {
    if (!s.frames) return s.width;
    int w = 0;
    for (const Column& c : s.columns) w = std::max(w, c.srcX + s.frameW);
    return w;
}

int sheetHeight(const PictureRow& s) {
    if (!s.frames) return s.height;
    int h = 0;
    for (const Column& c : s.columns) h = std::max(h, c.stripEnd);
    return h;
}
