// SPDX-License-Identifier: MIT
// proc_status.h - the process's own memory figures, for the benchmarks.
#pragma once
#include <cstdlib>
#include <fstream>
#include <string>

// kB of a /proc/self/status line ("VmRSS", "VmHWM"); 0 when it is not there.
inline long statusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.compare(0, key.size(), key) == 0) return std::atol(line.c_str() + key.size());
    return 0;
}
