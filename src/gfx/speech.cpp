// SPDX-License-Identifier: MIT
// speech.cpp - the speech queue: timed lines, only the front one on screen.
#include "gfx/speech.h"

#include "gfx/text.h"

SpeechLine* newSpeechLine(const std::string& text, int32_t x, int32_t y, int32_t size,
                          uint32_t colour) {
    SpeechLine* line = new SpeechLine();
    line->text = text;
    line->number = 0;
    line->x = x;
    line->y = y;
    line->size = size;
    line->colour = colour;
    line->seconds = 3;
    return line;
}

void say(SpeechQueue& q, const std::string& text, uint32_t colour, int32_t seconds) {
    sayAt(q, text, kSpeechX, kSpeechY, colour, seconds);
}

void sayAt(SpeechQueue& q, const std::string& text, int32_t x, int32_t y, uint32_t colour,
           int32_t seconds) {
    SpeechLine* line = newSpeechLine(text, x, y, kSpeechSize, colour);
    line->seconds = seconds;
    q.lines.push_back(line);
    q.secondsShown = 0;  // even the line already up starts its time again
}

void clearSpeech(SpeechQueue& q) {
    for (SpeechLine* line : q.lines) delete line;
    q.lines.clear();
}

bool speechQueued(const SpeechQueue& q) { return !q.lines.empty(); }

void updateSpeech(TextRenderer& r) {
    SpeechQueue* q = r.speechQueue;
    if (!q) return;
    if (!q->lines.empty() && q->secondsShown > q->lines.front()->seconds) {
        delete q->lines.front();
        q->lines.pop_front();
        q->secondsShown = 0;
    }
    if (q->lines.empty()) return;
    const SpeechLine& front = *q->lines.front();
    if (front.text.empty()) drawNumber(r, front.number, front.x, front.y, front.size);
    drawText(r, front.text, front.x, front.y, front.size, front.colour);
}

void defineText(TextTable& table, const std::string& key, const std::string& text,
                int32_t seconds, uint32_t colour) {
    if (table.count(key)) return;
    SpeechLine* line = newSpeechLine(text, 0, 0, 8, colour);
    line->seconds = seconds;
    table[key] = line;
}
