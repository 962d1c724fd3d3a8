// SPDX-License-Identifier: MIT
// dialogue.h - multiple-choice conversations in a bar at the bottom of the scene.
#pragma once
#include <map>
#include <string>
#include <vector>

struct GameState;

struct DialogueLine {
    std::string topicId;      // the topic it belongs to
    std::string heroText;     // said by the hero; "" = none
    std::string partnerText;  // said by the partner; "" = none
    std::string unlockTopic;  // topic added to the offered ones; "" = none
};

struct DialogueTopic {
    DialogueTopic() = default;
    DialogueTopic(const DialogueTopic&) = delete;  // owns its lines
    DialogueTopic& operator=(const DialogueTopic&) = delete;

    std::string id;                    // key in the partner's topics
    std::string label;                 // option text in the bar
    std::vector<DialogueLine*> lines;  // played in order, one per click
};

struct DialoguePartner {
    DialoguePartner() = default;
    DialoguePartner(const DialoguePartner&) = delete;  // owns its topics
    DialoguePartner& operator=(const DialoguePartner&) = delete;

    std::map<std::string, DialogueTopic*> topics;  // every topic, offered or not
    std::vector<std::string> activeTopics;         // offered ids, in activation order
    std::string name;                              // e.g. "CryGirl"
};

DialoguePartner* newDialoguePartner(const std::string& name);
DialogueTopic* addTopic(DialoguePartner* p, const std::string& id, const std::string& label);
void addDialogueLine(DialogueTopic* t, const std::string& heroText, const std::string& partnerText,
                     const std::string& unlockTopic);
void deleteDialoguePartner(DialoguePartner* p);  // topics and lines too

void activateTopic(DialoguePartner* p, const std::string& id);  // once per id
void openDialogue(GameState& gs, DialoguePartner* p);
void dialogueFrame(GameState& gs);
std::string optionUnderPointer(GameState& gs);
void leaveDialogue(GameState& gs);
