// edition.h - what the English and the German edition say differently.
// Sources are UTF-8; the content converts every text to Latin-1 once, at start-up.
#pragma once
#include <cstddef>

// Text colours of the palette, by name.
enum TextColour { kWhite, kBlack, kYellow, kRed, kLightRed, kDarkBlue, kDarkGreen, kLightGreen };

// One stored text: key, seconds on screen, colour, text.
struct TextRow {
    const char* key;
    int seconds;
    TextColour colour;
    const char* text;
};

// One conversation topic: partner, topic id, the option label.
struct TopicRow {
    const char* partner;
    const char* id;
    const char* label;
};

enum Speaker { kHero, kPartner, kUnlock };

// One line of a topic; for kUnlock the text is the id of the topic it unlocks.
struct LineRow {
    const char* partner;
    const char* topic;
    Speaker who;
    const char* text;
};

// A literal line of the intro, credits and puzzle scripts, by id.
struct ScriptLineRow {
    const char* id;
    const char* text;
};

struct Edition {
    const char* language;  // "en" or "de"
    const TextRow* texts;  // the 129 stored texts in definition order
    size_t textCount;
    const TopicRow* topics;  // in creation order per partner
    size_t topicCount;
    const LineRow* lines;  // in play order per topic
    size_t lineCount;
    const ScriptLineRow* scriptLines;
    size_t scriptLineCount;
};

extern const Edition kEnglish;
extern const Edition kGerman;
