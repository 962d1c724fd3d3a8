// SPDX-License-Identifier: MIT
// proc_status.h - the process's own memory and CPU figures, for the benchmarks.
#pragma once
#include <cstdlib>
#include <ctime>
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

// The calling thread's own CPU time in ms: other programs on a shared machine
// do not count, nor does the read-ahead worker (it has its own).
inline double threadCpuMs() {
    timespec ts = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}
