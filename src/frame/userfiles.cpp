// SPDX-License-Identifier: MIT
// userfiles.cpp - XDG folders, atomic writes and careful reads.
#include "frame/userfiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/platform.h"

#include "platform/platform.h"

static const char* const kGameFolder = "hollowmere";
static const int kTempAttempts = 100;  // fresh names tried before giving up

// $var when set to an absolute path, else $HOME/fallback, each with our folder below.
static std::string xdgFolder(const char* var, const char* homeFallback) {
    const char* v = getenv(var);
    if (v && v[0] == '/') return std::string(v) + "/" + kGameFolder;
    const char* home = getenv("HOME");
    if (home && home[0]) return std::string(home) + "/" + homeFallback + "/" + kGameFolder;
    return "";
}

std::string configFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }
std::string dataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }

bool makeFolders(const std::string& folder) {
    if (folder.empty()) return false;
    struct stat st;
    if (stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return true;  // every save after the first
    for (size_t i = 1; i <= folder.size(); ++i) {
        if (i < folder.size() && folder[i] != '/') continue;
        std::string part = folder.substr(0, i);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string quoted(const std::string& value) {
    return value.size() <= kMaxQuotedChars ? value : value.substr(0, kMaxQuotedChars) + "...";
}

static bool fail(std::string* error, const std::string& what) {
    if (error) *error = quoted(what) + ": " + strerror(errno);
    return false;
}

// A temporary name beside path that no one else uses: the process, a counter
// and the clock; O_EXCL makes sure, O_NOFOLLOW refuses a link planted there.
static int createTemp(const std::string& path, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        char suffix[64];
        snprintf(suffix, sizeof suffix, ".%ld.%u.%lx.tmp", static_cast<long>(getpid()), counter++,
                 static_cast<unsigned long>(now.tv_nsec));
        temp = path + suffix;
        int fd = open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Removes the temporary file and reports what went wrong, keeping errno.
static bool abandon(int fd, const std::string& temp, std::string* error, const std::string& what) {
    const int saved = errno ? errno : EIO;
    if (fd >= 0) close(fd);
    unlink(temp.c_str());
    errno = saved;
    return fail(error, what);
}

bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error,
                         const WrittenCheck& check) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    if (slash != std::string::npos && !makeFolders(folder)) return fail(error, folder);

    std::string temp;
    int fd = createTemp(path, temp);
    if (fd < 0) return fail(error, path + ".tmp");
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return abandon(fd, temp, error, temp);
        }
        p += n;
        left -= size_t(n);
    }
    if (fsync(fd) != 0) return abandon(fd, temp, error, temp);
    if (close(fd) != 0) return abandon(-1, temp, error, temp);
    if (check) {  // what reaches the disk is what a later read will see
        std::string back, why;
        if (!readWholeFile(temp, back, &why) || back != text || !check(back, why)) {
            unlink(temp.c_str());
            if (error) *error = "the written file does not read back: " + why;
            return false;
        }
    }
    if (rename(temp.c_str(), path.c_str()) != 0) return abandon(-1, temp, error, path);
    // the rename itself reaches the disk with the folder
    int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    platformFilesWritten();  // the browser stores its files now
    return true;
}

bool readWholeFile(const std::string& path, std::string& out, std::string* error) {
    // Non-blocking until fstat has shown a regular file: a pipe never stalls the game.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fail(error, path);
    struct stat st;
    if (fstat(fd, &st) != 0) return abandon(fd, "", error, path);
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        if (error) *error = quoted(path) + ": not a regular file";
        return false;
    }
    if (st.st_size > static_cast<off_t>(kMaxUserFileBytes)) {
        close(fd);
        if (error) *error = quoted(path) + ": longer than " + std::to_string(kMaxUserFileBytes) + " bytes";
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string text;
    char buf[4096];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return abandon(fd, "", error, path);
        if (n == 0) break;
        text.append(buf, size_t(n));
        if (text.size() > kMaxUserFileBytes) {  // it grew while we read
            close(fd);
            if (error) *error = quoted(path) + ": longer than " + std::to_string(kMaxUserFileBytes) + " bytes";
            return false;
        }
    }
    close(fd);
    out.swap(text);
    return true;
}

bool removeUserFile(const std::string& path) {
    const bool removed = unlink(path.c_str()) == 0;
    if (removed) platformFilesWritten();
    return removed || errno == ENOENT;
}
