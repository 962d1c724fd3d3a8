// SPDX-License-Identifier: MIT
// edition.h - what the English and the German edition say differently.
// Sources are UTF-8; the content converts every text to Latin-1 once, at start-up.
#pragma once
#include <cstddef>

// Text colours of the palette, by name.
enum TextColour { kWhite, kBlack, kYellow, kRed, kLightRed, kDarkBlue, kDarkGreen, kLightGreen };

// One stored text: key, seconds on screen, colour, text.
struct TextRow {
    const char* key = nullptr;   // text key
    int seconds = 0;             // time on screen
    TextColour colour{};         // palette colour
    const char* text = nullptr;  // the words, UTF-8
};

// One conversation topic: partner, topic id, the option label.
struct TopicRow {
    const char* partner = nullptr;  // dialogue partner name
    const char* id = nullptr;       // topic id
    const char* label = nullptr;    // option text in the bar
};

enum Speaker { kHero, kPartner, kUnlock };

// One line of a topic; for kUnlock the text is the id of the topic it unlocks.
struct LineRow {
    const char* partner = nullptr;  // dialogue partner name
    const char* topic = nullptr;    // topic id
    Speaker who{};                  // hero, partner, or an unlock
    const char* text = nullptr;     // the line, or the unlocked topic's id
};

// A literal line of the intro, credits and puzzle scripts, by id.
struct ScriptLineRow {
    const char* id = nullptr;    // line id the scripts ask for
    const char* text = nullptr;  // the line, UTF-8
};

struct Edition {
    const char* language = nullptr;    // "en" or "de"
    const TextRow* texts = nullptr;    // the 129 stored texts in definition order
    size_t textCount = 0;              // rows of texts
    const TopicRow* topics = nullptr;  // in creation order per partner
    size_t topicCount = 0;             // rows of topics
    const LineRow* lines = nullptr;    // in play order per topic
    size_t lineCount = 0;              // rows of lines
    const ScriptLineRow* scriptLines = nullptr;  // the script lines by id
    size_t scriptLineCount = 0;                  // rows of scriptLines
};

extern const Edition kEnglish;
extern const Edition kGerman;
