// SPDX-License-Identifier: MIT
// save.cpp - the saved game as text. One "key=value" a line, in a fixed order,
// so that a person can read it and a reader can refuse anything out of place.
#include "world/save.h"

#include <cerrno>
#include <cstdlib>
#include <set>

#include "frame/userfiles.h"
#include "gfx/cursor.h"
#include "gfx/graphic.h"
#include "gfx/display.h"
#include "gfx/speech.h"
#include "world/dialogue.h"
#include "world/inventory.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

namespace {

constexpr const char* kMagic = "hollowmere save";  // the first line of every save file
constexpr int32_t kScreenW = 800;  // the hero's foot point lies on the screen
constexpr int32_t kScreenH = 600;
constexpr int32_t kFloorSlack = 2;  // a step may end this far beside the floor (walk.cpp)
constexpr long long kMaxPlayed = int64_t(100) * 365 * 24 * 3600;  // no one plays longer
constexpr long long kMaxTime = int64_t(1) << 40;                 // seconds since 1970, far beyond any clock

// The story flags under their names, in the order of StoryFlag.
const char* const kFlagNames[] = {
    "chainHooked",   "hatTaken",       "barnUnlocked",  "keyFromGirl",     "ladyCalled",
    "fatmanGotLolly", "fatmanSitting", "barrierOpen",   "freakFed",        "toiletBlocked",
    "beltTaken",     "beltInstalled",  "studiogirlFed", "mouseCaught",     "burpContestWon",
    "cheeseTaken",   "breadTaken",     "costumeBroom",  "costumeLipstick", "costumeCape",
    "costumeHat",    "costumeComplete", "girlHappy",
};
static_assert(sizeof kFlagNames / sizeof kFlagNames[0] == kStoryFlagCount, "a name for every story flag");

std::string nameOf(const SceneObject* o) { return o ? o->name : std::string(); }
std::string nameOf(const DialoguePartner* p) { return p ? p->name : std::string(); }

DialoguePartner* partnerNamed(const std::vector<DialoguePartner*>& partners, const std::string& name) {
    for (DialoguePartner* p : partners)
        if (p && p->name == name) return p;
    return nullptr;
}

// The verb a save keeps: while speech holds the click cursor, the verb it returns to.
int32_t currentVerb(const GameState& gs) {
    const bool speechCursor = gs.cursorMode == kModeClick || gs.cursorMode == kModeWait;
    return speechCursor ? gs.savedCursorMode : gs.cursorMode;
}

struct Writer {
    std::string text;
    void line(const std::string& key, const std::string& value) { text += key + "=" + value + "\n"; }
    void line(const std::string& key, long long value) { line(key, std::to_string(value)); }
};

// Reads the lines in order; every read names the key it expects.
struct Reader {
    std::vector<std::string> lines;
    size_t next = 0;
    std::string why;  // the first fault found

    bool fail(const std::string& what) {
        if (why.empty()) why = "line " + std::to_string(next) + ": " + what;
        return false;
    }
    // A fault that names a value from the file: quoted short, whatever its length.
    bool fail(const std::string& what, const std::string& value) { return fail(what + " " + quoted(value)); }
    bool text(const std::string& key, std::string& value) {
        if (next >= lines.size()) return fail("ends before " + key);
        const std::string& l = lines[next++];
        if (l.compare(0, key.size() + 1, key + "=") != 0) return fail("expected " + key + ", not", l);
        value = l.substr(key.size() + 1);
        return true;
    }
    bool number(const std::string& key, long long lo, long long hi, long long& value) {
        std::string s;
        if (!text(key, s)) return false;
        errno = 0;
        char* end = nullptr;
        value = std::strtoll(s.c_str(), &end, 10);
        if (s.empty() || *end != '\0' || errno != 0 || value < lo || value > hi)
            return fail(key + " is not a number from " + std::to_string(lo) + " to " + std::to_string(hi));
        return true;
    }
    bool flag(const std::string& key, bool& value) {
        long long v = 0;
        if (!number(key, 0, 1, v)) return false;
        value = v != 0;
        return true;
    }
    // An object name, or "" when empty is allowed.
    bool objectName(const GameState& gs, const std::string& key, bool mayBeEmpty, std::string& value) {
        if (!text(key, value)) return false;
        if (value.empty() && mayBeEmpty) return true;
        return findObject(*gs.objects, value) ? true : fail("no object", value);
    }
};

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool readObject(Reader& r, const GameState& gs, const std::vector<DialoguePartner*>& partners,
                SavedObject& o) {
    if (!r.objectName(gs, "object", false, o.name)) return false;
    if (!r.flag("active", o.active) || !r.flag("takeable", o.takeable)) return false;
    if (!r.text("look", o.lookKey) || !r.text("take", o.takeKey) ||
        !r.text("confirm", o.confirmTakeKey) || !r.text("talk", o.talkKey) || !r.text("use", o.useKey))
        return false;
    if (!r.text("exit", o.exitTarget)) return false;
    if (!o.exitTarget.empty() && !findScene(*gs.scenes, o.exitTarget))
        return r.fail("no scene", o.exitTarget);
    if (!r.objectName(gs, "combinePartner", true, o.combinePartner) ||
        !r.objectName(gs, "combineResult", true, o.combineResult) || !r.text("dialogue", o.dialogue))
        return false;
    if (!o.dialogue.empty() && !partnerNamed(partners, o.dialogue)) return r.fail("no partner", o.dialogue);
    return true;
}

bool readTopics(Reader& r, const std::vector<DialoguePartner*>& partners, SavedGame& out) {
    long long count = 0;
    if (!r.number("partners", 0, static_cast<long long>(partners.size()), count)) return false;
    std::set<std::string> seen;
    for (long long i = 0; i < count; ++i) {
        std::string name;
        if (!r.text("partner", name)) return false;
        const DialoguePartner* p = partnerNamed(partners, name);
        if (!p || !seen.insert(name).second) return r.fail("no partner or twice:", name);
        long long topics = 0;
        if (!r.number("topics", 0, static_cast<long long>(p->topics.size()), topics)) return false;
        std::vector<std::string> ids;
        for (long long t = 0; t < topics; ++t) {
            std::string id;
            if (!r.text("topic", id)) return false;
            if (!p->topics.count(id)) return r.fail(name + " has no topic", id);
            ids.push_back(id);
        }
        out.topics.emplace_back(name, ids);
    }
    return true;
}

// The hero's foot point on the scene's floor, or beside it by no more than a step.
bool nearFloor(const GameState& gs, const Scene& scene, long long x, long long y) {
    Graphic* map = findGraphic(*gs.graphics, scene.walkMapName);
    for (long long dy = -kFloorSlack; map && dy <= kFloorSlack; ++dy)
        for (long long dx = -kFloorSlack; dx <= kFloorSlack; ++dx)
            if (pictureFloorAt(*map, static_cast<int32_t>(x + dx), static_cast<int32_t>(y + dy))) return true;
    return false;
}

}  // namespace

std::string writeSaveText(const GameState& gs, const std::vector<DialoguePartner*>& partners,
                          const std::string& edition, int64_t savedAt) {
    Writer w;
    w.text = std::string(kMagic) + "\n";
    w.line("format", kSaveFormat);
    w.line("edition", edition);
    w.line("played", static_cast<long long>(gs.playedSeconds));
    w.line("time", static_cast<long long>(savedAt));
    w.line("scene", gs.scenes->currentScene);
    int32_t footX = 0, footY = 0;
    heroFootPoint(*gs.player, footX, footY);
    w.line("heroX", footX);
    w.line("heroY", footY);
    w.line("verb", currentVerb(gs));
    w.line("held", nameOf(gs.heldItem));
    for (int f = 0; f < kStoryFlagCount; ++f) w.line(std::string("flag.") + kFlagNames[f], gs.storyFlags[f]);
    w.line("items", static_cast<long long>(gs.player->inventory.size()));
    for (const auto& item : gs.player->inventory) w.line("item", item.first);
    w.line("objects", static_cast<long long>(gs.objects->size()));
    for (const auto& it : *gs.objects) {
        const SceneObject& o = *it.second;
        w.line("object", it.first);
        w.line("active", o.active);
        w.line("takeable", o.takeable);
        w.line("look", o.lookKey);
        w.line("take", o.takeKey);
        w.line("confirm", o.confirmTakeKey);
        w.line("talk", o.talkKey);
        w.line("use", o.useKey);
        w.line("exit", o.exitTarget);
        w.line("combinePartner", nameOf(o.combinePartner));
        w.line("combineResult", nameOf(o.combineResult));
        w.line("dialogue", nameOf(o.dialoguePartner));
    }
    w.line("partners", static_cast<long long>(partners.size()));
    for (const DialoguePartner* p : partners) {
        w.line("partner", p->name);
        w.line("topics", static_cast<long long>(p->activeTopics.size()));
        for (const std::string& id : p->activeTopics) w.line("topic", id);
    }
    w.text += "end\n";
    return w.text;
}

bool readSaveText(const std::string& text, const std::string& edition, const GameState& gs,
                  const std::vector<DialoguePartner*>& partners, SavedGame& out, std::string& why) {
    Reader r;
    r.lines = splitLines(text);
    SavedGame s;
    long long format = 0, x = 0, y = 0, verb = 0;
    bool ok = !r.lines.empty() && r.lines[r.next++] == kMagic;
    if (!ok) r.fail("not a saved game");
    ok = ok && r.number("format", 1, 1000000, format);
    if (ok && format > kSaveFormat) ok = r.fail("written by a newer version (format " + std::to_string(format) + ")");
    ok = ok && r.text("edition", s.edition);
    if (ok && s.edition != edition) {
        out.edition = s.edition;
        ok = r.fail("from the other edition:", s.edition);
    }
    long long played = 0, time = 0;
    if (format >= 2) ok = ok && r.number("played", 0, kMaxPlayed, played) && r.number("time", 0, kMaxTime, time);
    ok = ok && r.text("scene", s.scene);
    const Scene* scene = ok ? findScene(*gs.scenes, s.scene) : nullptr;
    if (ok && (!scene || scene->showInterface != 1 || scene->hasPlayer != 1)) ok = r.fail("no scene to play in:", s.scene);
    ok = ok && r.number("heroX", 0, kScreenW, x) && r.number("heroY", 0, kScreenH, y);
    if (ok && !nearFloor(gs, *scene, x, y)) ok = r.fail("the hero stands off the floor of " + s.scene);
    // Right clicks change the verb and keep the item in hand; only Use-with needs one.
    ok = ok && r.number("verb", kModeUseItem, kModeUse, verb) && r.objectName(gs, "held", true, s.heldItem);
    if (ok && verb == kModeUseItem && s.heldItem.empty()) ok = r.fail("Use-with and no item in hand");
    for (int f = 0; ok && f < kStoryFlagCount; ++f) {
        bool v = false;
        ok = r.flag(std::string("flag.") + kFlagNames[f], v);
        s.flags[f] = v;
    }
    long long count = 0;
    ok = ok && r.number("items", 0, static_cast<long long>(gs.objects->size()), count);
    std::set<std::string> seen;
    for (long long i = 0; ok && i < count; ++i) {
        std::string item;
        ok = r.objectName(gs, "item", false, item);
        if (ok && !seen.insert(item).second) ok = r.fail("carried twice:", item);
        if (ok && findObject(*gs.objects, item)->iconName.empty()) ok = r.fail("not an item:", item);
        s.inventory.push_back(item);
    }
    if (ok && !s.heldItem.empty() && !seen.count(s.heldItem)) ok = r.fail("held item not carried");
    // Every object is listed once, so the save fixes the whole world.
    const long long objects = static_cast<long long>(gs.objects->size());
    ok = ok && r.number("objects", objects, objects, count);
    seen.clear();
    for (long long i = 0; ok && i < count; ++i) {
        SavedObject o;
        ok = readObject(r, gs, partners, o);
        if (ok && !seen.insert(o.name).second) ok = r.fail("object twice:", o.name);
        s.objects.push_back(o);
    }
    ok = ok && readTopics(r, partners, s);
    if (ok && (r.next >= r.lines.size() || r.lines[r.next++] != "end")) ok = r.fail("no end line");
    if (ok && r.next != r.lines.size()) ok = r.fail("lines after the end");
    if (!ok) {
        why = r.why;
        return false;
    }
    s.footX = static_cast<int32_t>(x);
    s.footY = static_cast<int32_t>(y);
    s.verb = static_cast<int32_t>(verb);
    s.played = played;
    s.savedAt = time;
    out = s;
    return true;
}

void applySavedGame(const SavedGame& s, GameState& gs, const std::vector<DialoguePartner*>& partners) {
    for (int f = 0; f < kStoryFlagCount; ++f) gs.storyFlags[f] = s.flags[f];
    for (const SavedObject& so : s.objects) {
        SceneObject* o = findObject(*gs.objects, so.name);
        if (!o) continue;
        o->active = so.active;
        o->takeable = so.takeable;
        o->lookKey = so.lookKey;
        o->takeKey = so.takeKey;
        o->confirmTakeKey = so.confirmTakeKey;
        o->talkKey = so.talkKey;
        o->useKey = so.useKey;
        o->exitTarget = so.exitTarget;
        o->combinePartner = findObject(*gs.objects, so.combinePartner);
        o->combineResult = findObject(*gs.objects, so.combineResult);
        o->dialoguePartner = partnerNamed(partners, so.dialogue);
    }
    for (const auto& t : s.topics)
        if (DialoguePartner* p = partnerNamed(partners, t.first)) p->activeTopics = t.second;

    PlayerState& hero = *gs.player;
    hero.inventory.clear();
    for (const std::string& item : s.inventory) inventoryAdd(hero, item, findObject(*gs.objects, item));

    // Nothing of the moment the save was loaded in carries over.
    gs.activePartner = nullptr;
    gs.chosenTopic.clear();
    gs.partnerLine.clear();
    gs.partnerSpeaking = 0;
    gs.lineIndex = 0;
    gs.inventoryOpen = 0;
    gs.quitting = 0;
    gs.escapePressed = 0;
    gs.hoveredObject = gs.clickedObject = nullptr;
    gs.heldItem = findObject(*gs.objects, s.heldItem);
    gs.cursor->heldItemGraphic = gs.heldItem ? gs.heldItem->iconName : std::string();
    clearSpeech(*gs.speechQueue);

    hero.lastExit.clear();
    hero.footX = s.footX;
    hero.footY = s.footY;
    gs.cursorMode = s.verb;
    gs.savedCursorMode = s.verb;
    gs.scenes->currentScene = s.scene;
    enterScene(gs);
    // The Enter script may have placed him for an arrival; he stands where he stood.
    placePlayer(hero, s.footX, s.footY);
    hero.footX = s.footX;
    hero.footY = s.footY;
    hero.targetX = hero.targetY = kNoTarget;
    gs.cursorMode = s.verb;
    gs.cursor->cursorShown = 1;
    setCursor(*gs.cursor, s.verb);
    gs.playedSeconds = static_cast<uint32_t>(s.played);
}

bool readSaveSummary(const std::string& text, SaveSummary& out) {
    Reader r;
    r.lines = splitLines(text.substr(0, text.find("\nheroX=")));
    long long format = 0, played = 0, time = 0;
    SaveSummary s;
    bool ok = !r.lines.empty() && r.lines[r.next++] == kMagic && r.number("format", 1, kSaveFormat, format) &&
              r.text("edition", s.edition);
    if (ok && format >= 2) ok = r.number("played", 0, kMaxPlayed, played) && r.number("time", 0, kMaxTime, time);
    ok = ok && r.text("scene", s.scene);
    if (!ok) return false;
    s.played = played;
    s.savedAt = time;
    out = s;
    return true;
}
