// SPDX-License-Identifier: MIT
// userfiles_test.cpp - the files the game writes and reads, attacked: links
// planted at temporary names, a check that refuses what was written, two
// writers at once, reads of pipes, devices, folders and huge files, and
// thumbnails that claim a huge picture.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "frame/options.h"
#include "frame/userfiles.h"
#include "gfx/thumbnail.h"
#include "harness.h"

namespace {

// How many entries a folder holds.
size_t entries(const std::string& folder) {
    return size_t(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

// A link at the temporary name of earlier versions is left alone, and so is
// the file it points to; a check that refuses keeps the old file and leaves
// no temporary file behind (a write in place would have spoilt the old file).
TEST(UserFiles, WritesGoThroughAFreshCheckedTemporaryFile) {
    TempFolder home, elsewhere;
    const std::string path = home / "save", victim = elsewhere / "victim";
    ASSERT_TRUE(writeFileAtomically(victim, "precious"));
    ASSERT_EQ(symlink(victim.c_str(), (path + ".tmp").c_str()), 0);
    ASSERT_TRUE(writeFileAtomically(path, "first"));
    EXPECT_EQ(fileText(victim), "precious");
    EXPECT_EQ(fileText(path), "first");
    struct stat st;
    ASSERT_EQ(lstat((path + ".tmp").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the planted link is not replaced either";

    std::string seen, error;
    auto refuse = [&](const std::string& text, std::string& why) {
        seen = text;
        why = "refused";
        return false;
    };
    EXPECT_FALSE(writeFileAtomically(path, "second", &error, refuse));
    EXPECT_EQ(seen, "second") << "the check reads what reached the disk";
    EXPECT_NE(error.find("refused"), std::string::npos) << error;
    EXPECT_EQ(fileText(path), "first");
    EXPECT_EQ(entries(home.path), 2u) << "the file and the planted link, no temporary file";

    auto accept = [](const std::string&, std::string&) { return true; };
    EXPECT_TRUE(writeFileAtomically(path, "third", &error, accept));
    EXPECT_EQ(fileText(path), "third");
}

// Two writers of the same file never share a temporary file: every write
// succeeds and the file always holds one whole text.
TEST(UserFiles, TwoWritersAtOnceBothSucceed) {
    TempFolder home;
    const std::string path = home / "save";
    const std::string a(20000, 'a'), b(30000, 'b');
    auto writer = [&](const std::string& text, int& failed) {
        for (int i = 0; i < 200; ++i) {
            std::string error;
            if (!writeFileAtomically(path, text, &error)) ++failed;
        }
    };
    int failedA = 0, failedB = 0;
    std::thread first(writer, std::cref(a), std::ref(failedA)), second(writer, std::cref(b), std::ref(failedB));
    for (int i = 0; i < 200; ++i) {
        std::string now;
        if (readWholeFile(path, now)) {
            EXPECT_TRUE(now == a || now == b) << "a torn file of " << now.size();
        }
    }
    first.join();
    second.join();
    EXPECT_EQ(failedA + failedB, 0);
    EXPECT_EQ(entries(home.path), 1u) << "no temporary file left";
}

// Only regular files of at most 1 MiB are read; the rest is refused with one
// short line, at once (a pipe nobody writes to would block a plain open).
TEST(UserFiles, ReadsRefusePipesDevicesFoldersAndHugeFiles) {
    TempFolder home;
    const std::string fifo = home / "fifo", big = home / "big", edge = home / "edge", link = home / "zero";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", link.c_str()), 0);
    ASSERT_TRUE(writeFileAtomically(big, std::string(2 * kMaxUserFileBytes, 'x')));
    ASSERT_TRUE(writeFileAtomically(edge, std::string(kMaxUserFileBytes, 'y')));
    for (const std::string& path : {fifo, link, big, home.path, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        std::string out = "untouched", error;
        EXPECT_FALSE(readWholeFile(path, out, &error));
        EXPECT_EQ(out, "untouched");
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find('\n'), std::string::npos);
        EXPECT_LT(error.size(), 200u);
    }
    std::string out;
    EXPECT_TRUE(readWholeFile(edge, out));
    EXPECT_EQ(out.size(), kMaxUserFileBytes);

    // The settings start-up goes through the same read: defaults, no hang, no abort.
    for (const std::string& path : {fifo, link, big}) {
        const Settings s = loadSettings(path);
        EXPECT_FALSE(s.fullscreen);
        EXPECT_EQ(s.windowWidth, Settings().windowWidth);
    }
    EXPECT_EQ(quoted(std::string(5000, 'q')).size(), kMaxQuotedChars + 3);
}

// A thumbnail is the screen made small; a file claiming any other size is never decoded.
TEST(UserFiles, OnlyThumbnailsOfTheirOwnSizeAreDecoded) {
    SDL_Surface* screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(screen, nullptr, 0x336699);
    SDL_Rect left = {0, 0, 400, 600};
    SDL_FillRect(screen, &left, 0xc81040);
    const std::string png = thumbnailPng(screen);
    SDL_FreeSurface(screen);
    ASSERT_TRUE(isThumbnailPng(png));
    // the mean of what each pixel covers, each channel in its place
    TempFolder folder;
    const std::string file = folder.path + "/t.png";
    std::ofstream(file, std::ios::binary) << png;
    SDL_Surface* read = platformLoadPicture(file);
    ASSERT_NE(read, nullptr);
    SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, read->w, read->h, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_BlitSurface(read, nullptr, rgb, nullptr);
    const Uint32* row = static_cast<const Uint32*>(rgb->pixels);
    EXPECT_EQ(row[0] & 0xffffff, 0xc81040u);
    EXPECT_EQ(row[rgb->w - 1] & 0xffffff, 0x336699u);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(read);
    std::string huge = png;
    huge[16] = '\x7f';  // the width's top byte: about two thousand million pixels wide
    EXPECT_FALSE(isThumbnailPng(huge));
    EXPECT_FALSE(isThumbnailPng(png.substr(0, 20)));
    EXPECT_FALSE(isThumbnailPng("GIF89a"));
}

}  // namespace
