// edition.h - what the English and the German edition say differently.
// Sources are UTF-8; the content converts every text to Latin-1 once, at start-up.
#pragma once
#include <cstddef>

// Text colours of the palette, by name.
enum TextColour { kWhite, kBlack, kYellow, kRed, kLightRed, kDarkBlue, kDarkGreen, kLightGreen };

// One stored text: key, seconds on screen, colour, text.
struct TextRow {
    const char* key = nullptr;
    int seconds = 0;
    TextColour colour{};
    const char* text = nullptr;
};

// One conversation topic: partner, topic id, the option label.
struct TopicRow {
    const char* partner = nullptr;
    const char* id = nullptr;
    const char* label = nullptr;
};

enum Speaker { kHero, kPartner, kUnlock };

// One line of a topic; for kUnlock the text is the id of the topic it unlocks.
struct LineRow {
    const char* partner = nullptr;
    const char* topic = nullptr;
    Speaker who{};
    const char* text = nullptr;
};

// A literal line of the intro, credits and puzzle scripts, by id.
struct ScriptLineRow {
    const char* id = nullptr;
    const char* text = nullptr;
};

struct Edition {
    const char* language = nullptr;    // "en" or "de"
    const TextRow* texts = nullptr;    // the 129 stored texts in definition order
    size_t textCount = 0;
    const TopicRow* topics = nullptr;  // in creation order per partner
    size_t topicCount = 0;
    const LineRow* lines = nullptr;    // in play order per topic
    size_t lineCount = 0;
    const ScriptLineRow* scriptLines = nullptr;
    size_t scriptLineCount = 0;
};

extern const Edition kEnglish;
extern const Edition kGerman;
