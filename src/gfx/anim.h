// SPDX-License-Identifier: MIT
// anim.h - how a sprite's strip runs: the values of Graphic::animMode.
#pragma once
#include <cstdint>

constexpr int32_t kStill = 0;     // the frame stays put
constexpr int32_t kLoop = 1;      // the strip repeats
constexpr int32_t kPlayOnce = 2;  // the strip runs out and rests on its first frame
