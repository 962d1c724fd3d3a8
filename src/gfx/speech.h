// SPDX-License-Identifier: MIT
// speech.h - timed lines of text: the queue on screen and the stored texts.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <string>

struct TextRenderer;
struct SpeechLine;

using TextTable = std::map<std::string, SpeechLine*>;  // text key -> stored line, owned

struct SpeechLine {
    std::string text;      // Latin-1 with markup; "" = show number instead
    int32_t number = 0;    // shown by drawNumber when text is empty
    int32_t x = 0, y = 0;  // top-left on screen
    int32_t size = 24;     // font size selector 8, 16 or 24
    uint32_t colour = 0;   // pixel value the glyphs are blended with
    int32_t seconds = 3;   // the line goes at the tick that raises secondsShown above it
};

struct SpeechQueue {
    SpeechQueue() = default;
    SpeechQueue(const SpeechQueue&) = delete;  // owns its lines
    SpeechQueue& operator=(const SpeechQueue&) = delete;

    std::deque<SpeechLine*> lines;  // front is on screen; owns its lines
    int32_t secondsShown = 0;       // whole seconds since the front came up or a line was queued
};

constexpr uint32_t kRawWhite = 0xffffff;  // colour of stored texts defined without one
constexpr int32_t kSpeechX = 4;           // where say puts a line: the top left
constexpr int32_t kSpeechY = 0;
constexpr int32_t kSpeechSize = 24;       // the font of every spoken line

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
