// SPDX-License-Identifier: MIT
// reply.h - saying stored texts by key.
#pragma once
#include <cstdint>
#include <string>

struct GameState;

// Queues the entry stored under key with its own colour and seconds; an unknown key says nothing.
void sayKey(GameState& gs, const std::string& key);
// The same with a colour of the caller's choosing.
void sayKeyIn(GameState& gs, const std::string& key, uint32_t colour);
