// SPDX-License-Identifier: MIT
// catalogue_test.cpp - the content of both editions, checked as a whole: every
// name the catalogue writes resolves to something that was built, the counts
// hold, every item has a slot and every way into a scene an arrival spot.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/content.h"
#include "game/edition.h"
#include "game/script.h"
#include "gfx/graphic.h"
#include "gfx/text.h"
#include "harness.h"
#include "world/inventory.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/walk.h"

namespace {

// Exits whose target a script sets once the way is open, with that target.
struct ScriptOpenedExit {
    const char* exit;
    const char* target;
};
const ScriptOpenedExit kScriptOpenedExits[] = {
    {"ScheuneVorneExit", "ScheuneInnen"},
    {"SchuleExit2", "Schulparty"},
};

class CatalogueTest : public ::testing::TestWithParam<const Edition*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(te.videoOk);
        buildContent(te.e, *GetParam());
    }
    Engine& e() { return te.e; }
    GameState& gs() { return te.gs(); }

    bool hasImage(const std::string& name) { return findGraphic(e().graphics, name) != nullptr; }
    bool hasText(const std::string& key) { return findGraphic(e().texts, key) != nullptr; }
    bool hasCallback(const std::string& name) { return gs().callbacks.count(name) == 1; }

    TestEngine te;
};

TEST_P(CatalogueTest, ScenesAndObjectsNameOnlyWhatWasBuilt) {
    std::set<const SceneObject*> inScenes;
    for (auto& it : e().scenes.scenes) {
        const Scene& s = *it.second;
        inScenes.insert(s.objects.begin(), s.objects.end());
        EXPECT_EQ(s.name, it.first);
        EXPECT_TRUE(hasImage(s.backgroundName)) << s.name << " background " << s.backgroundName;
        if (s.hasPlayer) {
            EXPECT_TRUE(hasImage(s.walkMapName)) << s.name << " walk map " << s.walkMapName;
        }
        EXPECT_TRUE(hasCallback(s.enterCallback)) << s.name << " " << s.enterCallback;
        EXPECT_TRUE(hasCallback(s.alwaysCallback)) << s.name << " " << s.alwaysCallback;
    }
    for (auto& it : e().objects) {
        const SceneObject& o = *it.second;
        SCOPED_TRACE(o.name);
        EXPECT_EQ(o.name, it.first);
        EXPECT_TRUE(hasImage(o.graphicName)) << "image " << o.graphicName;
        if (!o.iconName.empty()) {
            EXPECT_TRUE(hasImage(o.iconName)) << "icon " << o.iconName;
        }
        if (!o.exitTarget.empty()) {
            EXPECT_NE(findScene(e().scenes, o.exitTarget), nullptr) << "exit to " << o.exitTarget;
        }
        EXPECT_GE(o.exitDirection, 0);
        EXPECT_LE(o.exitDirection, 7);
        if (!o.lookKey.empty()) {
            EXPECT_TRUE(hasText(o.lookKey)) << o.lookKey;
        }
        for (const std::string* key : {&o.takeKey, &o.confirmTakeKey, &o.talkKey, &o.useKey})
            EXPECT_TRUE(hasText(*key)) << "'" << *key << "'";
        for (const std::string* script : {&o.walkScript, &o.takeScript, &o.useScript}) {
            if (!script->empty()) {
                EXPECT_TRUE(hasCallback(*script)) << *script;
            }
        }
        if (o.takeable) {
            EXPECT_FALSE(o.iconName.empty()) << "a takeable object needs an icon";
        }
        // The click target of a combination gives the result, so anything that
        // can be clicked with its partner in hand needs one.
        if (o.combinePartner && !o.combinePartner->iconName.empty() && o.combinePartner->combinePartner) {
            EXPECT_NE(o.combineResult, nullptr);
        }
        if (!inScenes.count(&o)) {
            EXPECT_FALSE(o.iconName.empty()) << "an inventory-only item shows its icon";
            EXPECT_EQ(o.graphicName, o.iconName);
        }
    }
    // A name used twice would leave the second object out of the registry.
    for (const SceneObject* o : inScenes) EXPECT_EQ(findObject(e().objects, o->name), o) << o->name;
}

// The inventory screen draws a slot for every item the hero can ever carry
// at once. Every way into a scene with the hero places him, or he would stand
// at his last foot point taken as a sprite corner.
TEST_P(CatalogueTest, EveryItemHasASlotAndEveryExitAnArrivalSpot) {
    int items = 0;
    for (auto& it : e().objects) items += it.second && !it.second->iconName.empty();
    EXPECT_GT(items, 10);
    EXPECT_LE(items, kInvColumns * kInvSlotRows);
    auto hasArrival = [](const std::string& scene, const std::string& exit) {
        for (size_t i = 0; i < kArrivalTableSize; ++i)
            if (scene == kArrivalTable[i].scene && exit == kArrivalTable[i].viaExit) return true;
        return false;
    };
    for (auto& it : e().objects) {
        const SceneObject& o = *it.second;
        std::string target = o.exitTarget;
        for (const ScriptOpenedExit& later : kScriptOpenedExits)
            if (o.name == later.exit) target = later.target;
        const Scene* s = findScene(e().scenes, target);
        if (!s || !s->hasPlayer) continue;
        EXPECT_TRUE(hasArrival(target, o.name)) << o.name << " into " << target;
    }
}

TEST(Latin1Test, ConvertsGermanLettersAndMarksWhatTheFontsCannotShow) {
    EXPECT_EQ(latin1("Käse"), "K\xe4se");
    EXPECT_EQ(latin1("ÄÖÜäöüß"), "\xc4\xd6\xdc\xe4\xf6\xfc\xdf");
    EXPECT_EQ(latin1("plain /n text"), "plain /n text");
    for (unsigned char c : latin1("ÄÖÜäöüß")) EXPECT_GE(glyphIndex(c), 0);
    // No Latin-1 byte, or no glyph: the layout test of the texts must see it.
    EXPECT_LT(glyphIndex(static_cast<unsigned char>(latin1("€")[0])), 0);
    EXPECT_LT(glyphIndex(static_cast<unsigned char>(latin1("é")[0])), 0);
    EXPECT_EQ(latin1("a\xc3"), std::string("a\x7f"));  // cut off in the middle of a letter
    EXPECT_EQ(latin1(nullptr), "");
}

std::string editionName(const ::testing::TestParamInfo<const Edition*>& info) {
    return info.param->language;
}

INSTANTIATE_TEST_SUITE_P(Editions, CatalogueTest, ::testing::Values(&kEnglish, &kGerman), editionName);

}  // namespace
