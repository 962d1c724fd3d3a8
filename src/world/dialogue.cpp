// SPDX-License-Identifier: MIT
// dialogue.cpp - conversations: the option bar, the lines of a chosen topic and
// the topics that lines unlock.
#include "world/dialogue.h"

#include <algorithm>

#include "frame/clock.h"
#include "frame/game_state.h"
#include "frame/input.h"
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "gfx/text.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

namespace {

constexpr int32_t kMaxOptions = 4;  // the bar has room for four topics

// Options are drawn 24 px apart but hit-tested 18 px apart, so from the
// second option on a click hits the area of the option below the drawn one.
constexpr int32_t kOptionX = 32;
constexpr int32_t kOptionTop = 508;
constexpr int32_t kOptionDrawStep = 24;
constexpr int32_t kOptionHitStep = 18;
constexpr int32_t kOptionHeight = 24;
constexpr int32_t kLabelCharWidth = 16;  // hit width per character of the label

// Lines of the topic being played stand at the top left.
constexpr int32_t kLineX = 4;
constexpr int32_t kLineY = 4;
constexpr int32_t kFontSize = 24;

constexpr int32_t kBarY = 482;
constexpr int32_t kLeaveX = 672;
constexpr int32_t kLeaveY = 512;
constexpr const char* kPointCursorFile = "gfx/gui/cur.png";
constexpr int32_t kPointCursorPos = 48;

// The topic offered under id, or null when the content activated an id it never defined.
const DialogueTopic* topicOf(const DialoguePartner& p, const std::string& id) {
    auto it = p.topics.find(id);
    return it == p.topics.end() ? nullptr : it->second;
}

void layOutOptionAreas(GameState& gs, const DialoguePartner& p) {
    for (int32_t i = 0; i < kMaxOptions; ++i) {
        OptionArea& a = gs.optionAreas[i];
        a.index = i;
        a.x = kOptionX;
        a.y = kOptionTop + kOptionHitStep * i;
        a.height = kOptionHeight;
        a.width = 0;
        if (i < static_cast<int32_t>(p.activeTopics.size())) {
            if (const DialogueTopic* t = topicOf(p, p.activeTopics[i]))
                a.width = kLabelCharWidth * static_cast<int32_t>(t->label.size());
        }
    }
}

void drawOptions(GameState& gs, const DialoguePartner& p) {
    for (size_t i = 0; i < p.activeTopics.size(); ++i) {
        const DialogueTopic* t = topicOf(p, p.activeTopics[i]);
        if (!t) continue;  // keeps its place so drawing and hit areas stay in step
        drawText(*gs.textRenderer, t->label, kOptionX,
                 kOptionTop + kOptionDrawStep * static_cast<int32_t>(i), kFontSize,
                 gs.textRenderer->white);
    }
}

void endTopic(GameState& gs) {
    gs.chosenTopic.clear();
    gs.lineIndex = 0;
}

// One line of the chosen topic: drawn, or for an unlocking line the bar is
// rebuilt with the new topic.
void playLine(GameState& gs) {
    DialoguePartner* partner = gs.activePartner;
    const DialogueTopic* topic = topicOf(*partner, gs.chosenTopic);
    const int32_t count = topic ? static_cast<int32_t>(topic->lines.size()) : 0;
    if (gs.lineIndex < 0 || gs.lineIndex >= count) {  // played out: offer the options again
        endTopic(gs);
        return;
    }
    const DialogueLine* line = topic->lines[gs.lineIndex];
    if (!line) return;
    if (!line->heroText.empty()) {
        drawText(*gs.textRenderer, line->heroText, kLineX, kLineY, kFontSize,
                 gs.textRenderer->white);
    } else if (!line->partnerText.empty()) {
        drawText(*gs.textRenderer, line->partnerText, kLineX, kLineY, kFontSize,
                 gs.textRenderer->darkGreen);
        gs.partnerSpeaking = 1;
        gs.partnerLine = line->partnerText;
    } else if (!line->unlockTopic.empty()) {
        activateTopic(partner, line->unlockTopic);
        openDialogue(gs, partner);
    }
}

}  // namespace

DialoguePartner* newDialoguePartner(const std::string& name) {
    DialoguePartner* p = new DialoguePartner();
    p->name = name;
    return p;
}

DialogueTopic* addTopic(DialoguePartner* p, const std::string& id, const std::string& label) {
    if (!p) return nullptr;
    auto it = p->topics.find(id);
    if (it != p->topics.end()) return it->second;  // the first topic of an id stays
    DialogueTopic* t = new DialogueTopic();
    t->id = id;
    t->label = label;
    p->topics.emplace(id, t);
    return t;
}

void addDialogueLine(DialogueTopic* t, const std::string& heroText, const std::string& partnerText,
                     const std::string& unlockTopic) {
    if (!t) return;
    t->lines.push_back(new DialogueLine{t->id, heroText, partnerText, unlockTopic});
}

void deleteDialoguePartner(DialoguePartner* p) {
    if (!p) return;
    for (auto& entry : p->topics) {
        if (!entry.second) continue;
        for (DialogueLine* line : entry.second->lines) delete line;
        delete entry.second;
    }
    delete p;
}

void activateTopic(DialoguePartner* p, const std::string& id) {
    if (!p) return;
    if (std::find(p->activeTopics.begin(), p->activeTopics.end(), id) == p->activeTopics.end())
        p->activeTopics.push_back(id);
}

void openDialogue(GameState& gs, DialoguePartner* p) {
    if (!p) return;
    runCallback(gs, "ConversationOpens");  // the game keeps the moment before it
    DisplayList& list = *gs.displayList;
    const Scene* scene = findScene(*gs.scenes, gs.scenes->currentScene);

    saveHeroPlace(gs);
    gs.player->lastExit.clear();
    clearDisplayList(list);

    // The scene stays behind the bar, still: the background whole and without
    // its animation (all frame values 0), as are the bar and its leave button.
    addSprite(list, scene ? spriteTemplatePath(*gs.graphics, scene->backgroundName) : std::string(), "Background",
              0, 0, 0, 0, 0, 0, 0);
    if (scene) addSceneObjectSprites(gs, *scene);
    createPlayerSprite(*gs.player);
    addSprite(list, spriteTemplatePath(*gs.graphics, "DialogBar"), "DialogBar", 0, kBarY, 0, 0, 0, 0, 0);
    addSprite(list, spriteTemplatePath(*gs.graphics, "NoTalk"), "ExitDialog", kLeaveX, kLeaveY, 0, 0, 0, 0, 0);
    restoreHeroPlace(gs);

    // The pointer is held for the whole conversation: setCursor leaves it alone.
    addSprite(list, kPointCursorFile, "PointCursor", kPointCursorPos, kPointCursorPos, 0, 0, 0, 0,
              0);
    gs.cursor->cursorShown = 0;

    gs.activePartner = p;
    gs.hoveredObject = nullptr;
    gs.hoverCursor = 0;
    gs.clockStartTicks = ticksNow();
    gs.clockSeconds = 0;
    gs.clockTicked = 1;
    gs.speechQueue->secondsShown = 0;
    clearSpeech(*gs.speechQueue);

    if (scene && !scene->enterCallback.empty()) runCallback(gs, scene->enterCallback);

    gs.partnerSpeaking = 0;
    gs.partnerLine.clear();
    layOutOptionAreas(gs, *p);
    endTopic(gs);
    dialogueFrame(gs);
}

void dialogueFrame(GameState& gs) {
    DialoguePartner* partner = gs.activePartner;
    if (!partner || !findSprite(*gs.displayList, "ExitDialog")) return;
    gs.dialogue = partner;

    drawOptions(gs, *partner);

    const bool clicked = gs.cursor->mouse && gs.cursor->mouse->leftClicked;
    if (clicked && !gs.chosenTopic.empty()) ++gs.lineIndex;

    gs.partnerSpeaking = 0;
    if (gs.chosenTopic.empty())
        gs.chosenTopic = optionUnderPointer(gs);
    else
        playLine(gs);

    saveHeroPlace(gs);
}

std::string optionUnderPointer(GameState& gs) {
    const InputState* in = gs.cursor->mouse;
    const DialoguePartner* p = gs.activePartner;
    if (!in || !in->leftClicked || !p) return std::string();
    for (int32_t i = 0; i < kMaxOptions; ++i) {
        const OptionArea& a = gs.optionAreas[i];
        if (a.width == 0) continue;
        if (in->x < a.x || in->x > a.x + a.width || in->y < a.y || in->y > a.y + a.height) continue;
        // Scripts may have changed the offered topics since the bar was laid out.
        if (i >= static_cast<int32_t>(p->activeTopics.size())) return std::string();
        const DialogueTopic* t = topicOf(*p, p->activeTopics[i]);
        return t ? t->id : std::string();
    }
    return std::string();
}

void leaveDialogue(GameState& gs) {
    gs.partnerSpeaking = 0;
    saveHeroPlace(gs);
    clearDisplayList(*gs.displayList);
    endTopic(gs);
    gs.activePartner = nullptr;
    enterScene(gs);
    restoreHeroPlace(gs);
}
