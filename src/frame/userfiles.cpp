// userfiles.cpp - XDG folders and atomic writes.
#include "frame/userfiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

static const char* const kGameFolder = "hollowmere";

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
    for (size_t i = 1; i <= folder.size(); ++i) {
        if (i < folder.size() && folder[i] != '/') continue;
        std::string part = folder.substr(0, i);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    struct stat st;
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static bool fail(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + strerror(errno);
    return false;
}

bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    if (slash != std::string::npos && !makeFolders(folder)) return fail(error, folder);

    std::string temp = path + ".tmp";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fail(error, temp);
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            int saved = errno ? errno : ENOSPC;
            close(fd);
            unlink(temp.c_str());
            errno = saved;
            return fail(error, temp);
        }
        p += n;
        left -= size_t(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        int saved = errno;
        unlink(temp.c_str());
        errno = saved;
        return fail(error, temp);
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        int saved = errno;
        unlink(temp.c_str());
        errno = saved;
        return fail(error, path);
    }
    // the rename itself reaches the disk with the folder
    int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    platformFilesWritten();  // the browser stores its files now
    return true;
}

bool readWholeFile(const std::string& path, std::string& out) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    bool ok = !ferror(f);
    fclose(f);
    if (ok) out.swap(text);
    return ok;
}
