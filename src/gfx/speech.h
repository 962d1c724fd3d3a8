// speech.h - timed lines of text: the queue on screen and the stored texts.
#pragma once
#include <cstdint>
#include <deque>
#include <string>

#include "frame/game_state.h"  // TextTable

struct TextRenderer;

struct SpeechLine {
    std::string text;  // Latin-1 with markup; "" = show number instead
    int32_t number;    // shown by drawNumber when text is empty
    int32_t x, y;      // top-left on screen
    int32_t size;      // font size selector 8, 16 or 24
    uint32_t colour;   // pixel value the glyphs are blended with
    int32_t seconds;   // the line goes at the tick that raises secondsShown above it
};

struct SpeechQueue {
    std::deque<SpeechLine*> lines;  // front is on screen; owns its lines
    int32_t secondsShown;           // whole seconds since the front came up or a line was queued
};

constexpr uint32_t kRawWhite = 0xffffff;  // colour of stored texts defined without one

SpeechLine* newSpeechLine(const std::string& text, int32_t x, int32_t y, int32_t size,
                          uint32_t colour);  // seconds 3

void say(SpeechQueue& q, const std::string& text, uint32_t colour, int32_t seconds);
void sayAt(SpeechQueue& q, const std::string& text, int32_t x, int32_t y, uint32_t colour,
           int32_t seconds);
void clearSpeech(SpeechQueue& q);
bool speechQueued(const SpeechQueue& q);
void updateSpeech(TextRenderer& r);  // expire the front line, then draw it

// Stores a text under key unless the key is taken (the first definition wins).
void defineText(TextTable& table, const std::string& key, const std::string& text,
                int32_t seconds = 3, uint32_t colour = kRawWhite);
