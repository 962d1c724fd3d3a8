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
    void clickIcon(int x, int y) { t.click(x + 10, y + 10); }
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

TEST_F(WorldInventory, IconsInByteOrderSevenToARow) {
    for (const char* name :
         {"MausSandwich", "Brot", "Maus", "kette", "Hut", "Eimer", "Apfel", "Kerze"})
        carry(name);
    openByButton();
    EXPECT_EQ(names(), (std::vector<std::string>{"InventoryScreen", "Apfel", "Brot", "Eimer", "Hut",
                                                 "Kerze", "Maus", "MausSandwich", "kette",
                                                 "ExitInventory", "LookCursor"}));
    EXPECT_EQ(sprite("Apfel")->x, 60);
    EXPECT_EQ(sprite("Apfel")->y, 100);
    EXPECT_EQ(sprite("MausSandwich")->x, 660) << "the seventh closes the row";
    EXPECT_EQ(sprite("MausSandwich")->y, 100);
    EXPECT_EQ(sprite("kette")->x, 60) << "lower case sorts after upper case";
    EXPECT_EQ(sprite("kette")->y, 160);
    t.click(700, 500);
    EXPECT_EQ(gs.cursorMode, kModeWalk) << "closed without an item: back to walking";
    EXPECT_EQ(lastName(), "WalkCursor");

    // An item without an icon is left out, without a hole in the grid.
    inventoryRemove(t.e.player, "Apfel");
    carry("Brot0", "NoSuchIcon");
    testing::internal::CaptureStdout();
    openByButton();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(sprite("Brot0"), nullptr);
    ASSERT_NE(sprite("Brot"), nullptr);
    EXPECT_EQ(sprite("Brot")->x, 60);
}

TEST_F(WorldInventory, PickUpThenCloseKeepsTheItemCursor) {
    SceneObject* key = carry("Key");
    standAt(300, 400);
    const int entries = gRuns.enterHof;
    openByButton();
    t.rightClick();
    ASSERT_EQ(gs.cursorMode, kModeUse);
    clickIcon(60, 100);
    EXPECT_EQ(gs.heldItem, key);
    EXPECT_EQ(t.e.cursor.heldItemGraphic, "IconBox");
    EXPECT_EQ(gs.cursorMode, kModeUseItem);
    EXPECT_EQ(lastName(), "ItemCursor");
    EXPECT_FALSE(speechQueued(t.e.speech)) << "no reply inside the inventory";
    EXPECT_EQ(gs.inventoryOpen, 1);

    t.click(700, 500);
    EXPECT_EQ(gs.inventoryOpen, 0);
    EXPECT_EQ(gRuns.enterHof, entries + 1) << "closing enters the scene again";
    ASSERT_NE(hero(), nullptr);
    EXPECT_EQ(hero()->x, 220) << "the hero stands where he stood";
    EXPECT_EQ(hero()->y, 280);
    EXPECT_EQ(gs.cursorMode, kModeUseItem);
    EXPECT_EQ(lastName(), "ItemCursor");
    EXPECT_EQ(gs.heldItem, key);
}

TEST_F(WorldInventory, CombiningInsideTheInventory) {
    SceneObject* brot = carry("Brot");
    SceneObject* maus = carry("Maus");
    SceneObject* sandwich = object(nullptr, "MausSandwich", 0, 0, "IconBox");
    brot->combinePartner = maus;
    brot->combineResult = sandwich;
    openByButton();
    t.rightClick();
    clickIcon(160, 100);  // pick up the mouse
    ASSERT_EQ(gs.heldItem, maus);

    testing::internal::CaptureStdout();
    clickIcon(60, 100);  // and use it with the bread
    EXPECT_TRUE(contains(testing::internal::GetCapturedStdout(), "remove item\n"));
    EXPECT_EQ(inventoryGet(t.e.player, "MausSandwich"), sandwich);
    EXPECT_EQ(inventoryGet(t.e.player, "Brot"), nullptr);
    EXPECT_EQ(inventoryGet(t.e.player, "Maus"), nullptr);
    EXPECT_EQ(names(), (std::vector<std::string>{"InventoryScreen", "MausSandwich", "ExitInventory",
                                                 "LookCursor"}));
    EXPECT_EQ(gs.cursorMode, kModeLook);
    EXPECT_EQ(gs.heldItem, nullptr);
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

    // Without a result nothing changes.
    a->combinePartner = b;
    a->combineResult = nullptr;
    testing::internal::CaptureStdout();
    combineItems(gs, a, b);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(contains(out, "remove item"));
    EXPECT_EQ(inventoryGet(t.e.player, "A"), a);
    EXPECT_EQ(inventoryGet(t.e.player, "B"), b);
    EXPECT_EQ(p.inventory.size(), 2u);
}

