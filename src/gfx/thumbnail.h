// SPDX-License-Identifier: MIT
// thumbnail.h - the small picture of the screen kept beside a saved game.
#pragma once
#include <string>

struct SDL_Surface;

constexpr int kThumbWidth = 112;  // the 800 x 600 screen shrunk to 4:3 thumbnail size
constexpr int kThumbHeight = 84;

// The screen shrunk to kThumbWidth x kThumbHeight as the bytes of a PNG file;
// "" when there is no screen of at least that size.
std::string thumbnailPng(SDL_Surface* screen);
// True when the bytes start as a PNG of kThumbWidth x kThumbHeight: a file that
// claims a huge picture is never decoded.
bool isThumbnailPng(const std::string& bytes);
