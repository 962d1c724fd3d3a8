// SPDX-License-Identifier: MIT
// Conversations: opening over the scene, leaving, and topics that are not there.
#include "world_fixture.h"

struct WorldDialogue : WorldTest {
    DialoguePartner* cry = nullptr;

    void SetUp() override {
        WorldTest::SetUp();
        cry = newDialoguePartner("CryGirl");
        t.e.partners.push_back(cry);
        DialogueTopic* crash = addTopic(cry, "Crash", "Crash landing");
        addDialogueLine(crash, "I crashed.", "", "");
        addDialogueLine(crash, "", "Poor you.", "");
        addDialogueLine(addTopic(cry, "Costume", "Witch costume"), "I need a costume.", "", "");
        for (const char* id : {"Crash", "Costume"}) activateTopic(cry, id);
        girl->dialoguePartner = cry;
        girl->walkToX = 200;  // where the hero already stands
        girl->walkToY = 400;
    }
    void talk() {
        setMode(kModeTalk);
        clickOn(girl);
        ASSERT_EQ(gs.activePartner, cry);
    }
    std::string optionAt(int x, int y) {
        t.e.input.x = x;
        t.e.input.y = y;
        t.e.input.leftClicked = 1;
        std::string id = optionUnderPointer(gs);
        t.e.input.leftClicked = 0;
        return id;
    }
};

TEST_F(WorldDialogue, OpeningAndLeavingKeepTheSceneAndTheHero) {
    const int entries = gRuns.enterHof;
    const int heroX = hero()->x, heroY = hero()->y;
    talk();
    EXPECT_EQ(names(), (std::vector<std::string>{"Background", "Stone", "Apple", "Girl", "Pail",
                                                 "Gate", "Player", "DialogBar", "ExitDialog",
                                                 "PointCursor"}));
    EXPECT_EQ(hero()->x, heroX);
    EXPECT_EQ(hero()->y, heroY);
    EXPECT_EQ(gRuns.enterHof, entries + 1) << "the Enter script runs as on entry";
    EXPECT_EQ(t.e.cursor.cursorShown, 0);
    EXPECT_EQ(gs.cursorMode, kModeTalk) << "a conversation keeps the verb";

    // Leaving enters the scene again with the hero in place.
    t.click(690, 530);
    EXPECT_EQ(gs.activePartner, nullptr);
    EXPECT_EQ(sprite("ExitDialog"), nullptr);
    EXPECT_EQ(gRuns.enterHof, entries + 2);
    ASSERT_NE(hero(), nullptr);
    EXPECT_EQ(hero()->x, heroX);
    EXPECT_EQ(hero()->y, heroY);
    EXPECT_EQ(lastName(), "TalkCursor");
    EXPECT_EQ(t.e.cursor.cursorShown, 1);

    // Speech during the conversation keeps the verb.
    talk();
    sayKey(gs, "LOOK_Stone");
    t.frames(3);
    EXPECT_EQ(lastName(), "PointCursor") << "the click cursor cannot come up here";
    clearSpeech(t.e.speech);
    t.click(690, 530);
    t.frames(2);
    EXPECT_EQ(gs.cursorMode, kModeTalk);
    EXPECT_EQ(lastName(), "TalkCursor");
    talk();
    t.rightClick();
    EXPECT_EQ(lastName(), "PointCursor") << "the pointer is held while they talk";
}

TEST_F(WorldDialogue, UndefinedActiveTopicIsSkipped) {
    cry->activeTopics = {"Crash", "Ghost", "Costume"};
    talk();
    EXPECT_EQ(gs.optionAreas[1].width, 0);
    EXPECT_EQ(gs.optionAreas[3].width, 0);
    EXPECT_EQ(optionAt(40, 540), "") << "the undefined topic's own place";
    EXPECT_EQ(optionAt(40, 560), "Costume");
    t.frames(3);  // drawing passes over it
    t.click(40, 560);
    EXPECT_EQ(gs.chosenTopic, "Costume");
    leaveDialogue(gs);
    cry->activeTopics.clear();
    talk();
    for (const OptionArea& a : gs.optionAreas) EXPECT_EQ(a.width, 0);
    t.click(40, 515);
    EXPECT_EQ(gs.chosenTopic, "");
    EXPECT_NE(sprite("ExitDialog"), nullptr);
}

