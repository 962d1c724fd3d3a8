// SPDX-License-Identifier: MIT
// userfiles.h - the files the game writes for its player (settings, saves):
// where they live under the XDG folders, writing them so that a crash, a full
// disk or a second copy of the game never leaves a half-written file, and
// reading them as the hostile input they may be.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

constexpr size_t kMaxUserFileBytes = 1 << 20;  // a longer file is refused unread
constexpr size_t kMaxQuotedChars = 80;          // a message shows at most this much of a bad value

// $XDG_CONFIG_HOME/hollowmere (default ~/.config/hollowmere); "" when neither is set.
std::string configFolder();
// $XDG_DATA_HOME/hollowmere (default ~/.local/share/hollowmere); "" when neither is set.
std::string dataFolder();

// Creates the folder and its parents (mode 0755); true when it exists afterwards.
bool makeFolders(const std::string& folder);

// Looks at the text read back from the temporary file; false with why set refuses it.
using WrittenCheck = std::function<bool(const std::string& text, std::string& why)>;

// Writes text to path through a temporary file of its own in the same folder
// (a fresh name, created exclusively, never through a link): written, flushed to
// disk, read back and checked when check is given, then renamed over the old
// file. The folder is created when missing. On failure the old file is
// untouched, the temporary file is removed, error (when given) says why, and
// the result is false.
bool writeFileAtomically(const std::string& path, const std::string& text,
                         std::string* error = nullptr, const WrittenCheck& check = nullptr);

// Reads a whole regular file of at most kMaxUserFileBytes; false (out
// unchanged) with error (when given) set to one line when it cannot be opened,
// is no regular file, is too long or cannot be read. Never waits on a pipe.
bool readWholeFile(const std::string& path, std::string& out, std::string* error = nullptr);

// Removes a file the game wrote; true when it is gone afterwards.
bool removeUserFile(const std::string& path);

// At most kMaxQuotedChars of value, with "..." when it was cut.
std::string quoted(const std::string& value);
