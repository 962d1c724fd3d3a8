// SPDX-License-Identifier: MIT
// The inventory screen: icons on their grid, picking up, closing, combining.
#include "world_fixture.h"

struct WorldInventory : WorldTest {
    // An item that lies in no scene, carried from the start.
    SceneObject* carry(const std::string& name, const std::string& icon = "IconBox") {
        SceneObject* o = object(nullptr, name, 0, 0, icon);
        inventoryAdd(t.e.player, name, o);
        return o;
    }
    void openByButton() { t.click(700, 500); }
};

TEST_F(WorldInventory, EmptyInventoryShowsPictureButtonAndCursor) {
    gs.heldItem = apple;
    t.e.cursor.heldItemGraphic = "IconBox";
    t.e.player.targetX = 500;
    sayKey(gs, "LOOK_Stone");
    openByButton();
    EXPECT_EQ(names(), (std::vector<std::string>{"InventoryScreen", "ExitInventory", "LookCursor"}));
    EXPECT_EQ(gs.inventoryOpen, 1);
    EXPECT_EQ(gs.cursorMode, kModeLook);
    EXPECT_EQ(gs.heldItem, nullptr) << "opening drops the held item";
    EXPECT_EQ(t.e.cursor.heldItemGraphic, "");
    EXPECT_TRUE(idle());
    EXPECT_FALSE(speechQueued(t.e.speech));
    EXPECT_EQ(t.e.scenes.currentScene, "Hof") << "the screen is no scene";
}

TEST_F(WorldInventory, ButtonFlashesNearThePointerAndOpensOnlyWhenHit) {
    t.moveTo(630, 430);  // the cursor's body reaches the button
    t.frame();
    Graphic* button = sprite("EnterInventory");
    EXPECT_EQ(button->delayCurrent, button->frameDelay);
    EXPECT_EQ(button->animMode, 2);
    t.click(630, 430);
    EXPECT_EQ(gs.inventoryOpen, 0) << "a click opens only on the button itself";
    t.click(673, 473);
    EXPECT_EQ(gs.inventoryOpen, 1);
}

TEST_F(WorldInventory, CombinationLinkEitherWayButTheResultComesFromTheTarget) {
    PlayerState& p = t.e.player;
    SceneObject* a = carry("A");
    SceneObject* b = carry("B");
    SceneObject* other = object(nullptr, "Other", 0, 0, "IconBox");
    SceneObject* result = object(nullptr, "Result", 0, 0, "IconBox");

    // Held item names the target; the target names some other partner.
    b->combinePartner = a;
    a->combinePartner = other;
    a->combineResult = result;
    testing::internal::CaptureStdout();
    combineItems(gs, a, b);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(inventoryGet(p, "Result"), result);
    EXPECT_EQ(inventoryGet(p, "A"), nullptr);
    EXPECT_EQ(inventoryGet(p, "B"), nullptr);

    // A link on the held item alone combines nothing.
    inventoryRemove(p, "Result");
    inventoryAdd(p, "A", a);
    inventoryAdd(p, "B", b);
    a->combinePartner = nullptr;
    combineItems(gs, a, b);
    EXPECT_EQ(inventoryGet(p, "A"), a);
    EXPECT_EQ(inventoryGet(p, "B"), b);
    EXPECT_EQ(inventoryGet(p, "Result"), nullptr);
    a->combinePartner = b;
    a->combineResult = nullptr;
    combineItems(gs, a, b);
    EXPECT_EQ(p.inventory.size(), 2u) << "without a result nothing is lost";
}
