// SPDX-License-Identifier: MIT
// content.h - building the whole game world at start-up.
#pragma once
#include <string>

struct Engine;
struct Edition;

// Images, texts, scenes, objects, conversations and scripts; ends with the
// current scene set to "IntroCGA1" (not yet entered).
void buildContent(Engine& e, const Edition& edition);

// UTF-8 to the Latin-1 bytes the fonts read (ä becomes 0xE4).
std::string latin1(const char* utf8);
