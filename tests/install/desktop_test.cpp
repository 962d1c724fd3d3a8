// SPDX-License-Identifier: MIT
// desktop_test.cpp - the game as a player starts it: finding its pictures from any
// folder, the command line and the settings it remembers, the scaled window,
// no invisible start without a display, and the installed game of both editions.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "frame/datadir.h"
#include "frame/engine.h"
#include "frame/options.h"
#include "frame/userfiles.h"
#include "harness.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;  // exit status, -1 when the program did not exit
    std::string out;  // stdout and stderr together
};

// Runs a shell command line; the game's own leak-free exit is not under test here.
Outcome run(const std::string& command) {
    Outcome r;
    FILE* p = popen(("export ASAN_OPTIONS=detect_leaks=0; " + command + " 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int status = pclose(p);
    if (WIFEXITED(status)) r.status = WEXITSTATUS(status);
    return r;
}

// A start of the game that runs `frames` frames (the test-only HOLLOWMERE_TEST_FRAMES)
// from `folder`, with its settings under `config` and no data folder named.
std::string start(const std::string& program, const std::string& folder, const std::string& config,
                  int frames, const std::string& args = "", const std::string& shellBefore = "") {
    return shellBefore + "cd '" + folder + "' && env -u HOLLOWMERE_DATA XDG_CONFIG_HOME='" + config +
           "' HOLLOWMERE_TEST_FRAMES=" + std::to_string(frames) + " '" + program + "' " + args;
}

bool have(const char* tool) { return run(std::string("command -v ") + tool).status == 0; }

void makeGfx(const std::string& folder) { fs::create_directories(folder + "/gfx"); }

}  // namespace

TEST(DataLookup, EachPlaceInOrderThenTheExplicitChoiceAlone) {
    TempFolder t;
    const std::string env = t / "env", exe = t / "bin", installed = t / "share/hollowmere",
                      cwd = t / "cwd";
    for (const std::string& f : {env, exe, installed, cwd}) makeGfx(f);
    const auto places = dataPlaces("", env.c_str(), exe, cwd);
    EXPECT_EQ(findDataFolder(places), env);
    fs::remove_all(env + "/gfx");
    EXPECT_EQ(findDataFolder(places), exe) << "beside the program: the build layout";
    fs::remove_all(exe + "/gfx");
    EXPECT_EQ(findDataFolder(places), installed) << "<prefix>/share/hollowmere beside <prefix>/bin";
    fs::remove_all(installed + "/gfx");
    const std::string compiledIn = places[places.size() - 2];
    if (!fs::is_directory(compiledIn + "/gfx")) {
        EXPECT_EQ(findDataFolder(places), cwd) << "the working folder comes last";
        fs::remove_all(cwd + "/gfx");
        EXPECT_EQ(findDataFolder(places), "");
    }
    makeGfx(cwd);
    EXPECT_EQ(dataPlaces(env, nullptr, exe, cwd), std::vector<std::string>{env}) << "--data";
    EXPECT_EQ(dataPlaces("", "", exe, exe), dataPlaces("", nullptr, exe, "")) << "no duplicates";
}

TEST(DataLookup, AProgramWithoutDataSaysWhereItLookedAndStops) {
    TempFolder t;
    fs::create_directories(t / "bin");
    fs::create_directories(t / "elsewhere");
    fs::copy_file(HOLLOWMERE_EN, t / "bin/hollowmere");
    const std::string program = t / "bin/hollowmere";
    if (fs::is_directory(std::string(HOLLOWMERE_INSTALLED_DATA) + "/gfx"))
        GTEST_SKIP() << "the game is installed on this machine";
    Outcome none = run(start(program, t / "elsewhere", t / "cfg", 1));
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.out.find(t / "bin"), std::string::npos) << none.out;
    EXPECT_NE(none.out.find(t / "elsewhere"), std::string::npos) << none.out;
    EXPECT_EQ(std::count(none.out.begin(), none.out.end(), '\n'), 1) << none.out;

    Outcome env = run("cd '" + t / "elsewhere" + "' && XDG_CONFIG_HOME='" + t / "cfg" +
              "' HOLLOWMERE_TEST_FRAMES=2 HOLLOWMERE_DATA=" BUILD_DIR " '" + program + "' --bogus");
    EXPECT_EQ(env.status, 0) << env.out;
    EXPECT_NE(env.out.find("Ignoring unknown argument: --bogus"), std::string::npos) << env.out;
    Outcome option = run(start(program, t / "elsewhere", t / "cfg", 2, "--data " BUILD_DIR));
    EXPECT_EQ(option.status, 0) << option.out;
}

TEST(CommandLine, HelpAndVersionStopAtOnceAndNoDisplayIsAVideoFailure) {
    for (const char* program : {HOLLOWMERE_EN, HOLLOWMERE_DE}) {
        const bool german = std::string(program) == HOLLOWMERE_DE;
        Outcome version = run(std::string(program) + " --version");
        EXPECT_EQ(version.status, 0);
        EXPECT_NE(version.out.find(german ? "German edition" : "English edition"), std::string::npos)
            << version.out;
        EXPECT_NE(version.out.find("hollowmere"), std::string::npos);
        Outcome help = run(std::string("SDL_VIDEODRIVER=nothing ") + program + " --help");
        EXPECT_EQ(help.status, 0) << "no window is opened for the help";
        for (const char* item : {"--scale N", "--smooth", "Alt+Enter", "F5", "F6", "F7", "F9", "Tab", "Escape"})
            EXPECT_NE(help.out.find(item), std::string::npos) << item << "\n" << help.out;
        EXPECT_NE(help.out.find(german ? "Vollbild" : "full screen"), std::string::npos) << help.out;
    }

    // Without a display the start is a video failure, unless a headless driver was chosen.
    TempFolder t;
    for (const char* display : {"", ":97"}) {
        Outcome r = run(start(HOLLOWMERE_EN, t.path, t / "cfg", 1, "",
                              std::string("unset SDL_VIDEODRIVER WAYLAND_DISPLAY; export DISPLAY=") + display + "; "));
        EXPECT_EQ(r.status, 1) << "DISPLAY=" << display << "\n" << r.out;
        EXPECT_NE(r.out.find("Unable to"), std::string::npos) << r.out;
    }
    Outcome chosen = run(start(HOLLOWMERE_EN, t.path, t / "cfg", 1, "", "export SDL_VIDEODRIVER=dummy; unset DISPLAY; "));
    EXPECT_EQ(chosen.status, 0) << chosen.out;
}

TEST(Settings, RememberedAcrossRunsAndADamagedFileIsIgnored) {
    Settings s;
    s.fullscreen = true;
    s.smooth = true;
    s.windowWidth = 1031;
    s.windowHeight = 707;
    Settings back;
    ASSERT_TRUE(parseSettings(settingsText(s), back));
    EXPECT_TRUE(sameSettings(back, s));
    const std::string good = settingsText(s);
    const std::string older = "hollowmere settings 1\n";
    ASSERT_TRUE(parseSettings(older + "fullscreen 0\nscale 3\n", back)) << "the older file with a scale";
    EXPECT_EQ(back.windowWidth, 2400);
    EXPECT_EQ(back.windowHeight, 1800);
    for (const std::string& bad : {std::string(), "garbage\n" + good, good.substr(1), good + "volume 3\n",
                                   older + "scale 5\n", older + "scale 2x\n", older + "fullscreen yes\n",
                                   older + "window 900 700\n", good + "window 900\n", good + "window 99 700\n",
                                   good + "window 900 700 1\n", good + "smooth 1 1\n"}) {
        Settings out;
        out.windowWidth = 1234;
        EXPECT_FALSE(parseSettings(bad, out)) << bad;
        EXPECT_EQ(out.windowWidth, 1234) << "a damaged file changes nothing";
    }
    Settings over = applyCommandLine(s, parseCommandLine(0, nullptr));
    EXPECT_TRUE(sameSettings(over, s)) << "no option leaves the remembered choice";
    // A window larger than the screen becomes the largest whole scale that fits.
    char program[] = "hollowmere", option[] = "--scale", three[] = "3";
    char* argv[] = {program, option, three};
    Settings large = applyCommandLine(s, parseCommandLine(3, argv));
    EXPECT_TRUE(fitWindow(large, 1920, 1440));
    EXPECT_EQ(large.windowWidth, 1600);
    EXPECT_EQ(large.windowHeight, 1200);
    EXPECT_FALSE(fitWindow(large, 1600, 1200));
    EXPECT_TRUE(fitWindow(large, 1366, 768));
    EXPECT_EQ(large.windowWidth, 800) << "never below 800x600";

    // Through the program: a choice on the command line is written, a damaged file ignored.
    TempFolder t;
    const std::string file = t / "cfg/hollowmere/settings";
    Outcome first = run(start(HOLLOWMERE_EN, t.path, t / "cfg", 2, "--scale 2 --smooth"));
    ASSERT_EQ(first.status, 0) << first.out;
    ASSERT_TRUE(parseSettings(fileText(file), back));
    EXPECT_EQ(back.windowWidth, 800) << "the dummy screen is 1024x768: scale 2 does not fit";
    EXPECT_TRUE(back.smooth);
    EXPECT_FALSE(back.fullscreen);
    EXPECT_NE(first.out.find("--scale 2 does not fit"), std::string::npos) << first.out;
    ASSERT_TRUE(writeFileAtomically(file, "hollowmere settings 2\nwindow \x01\x02\n"));
    Outcome damaged = run(start(HOLLOWMERE_EN, t.path, t / "cfg", 2));
    EXPECT_EQ(damaged.status, 0) << damaged.out;
    EXPECT_NE(damaged.out.find("Ignoring the settings"), std::string::npos) << damaged.out;
}

TEST(Install, BothEditionsStartFromAnyFolderAndTheDesktopFilesValidate) {
    TempFolder t;
    const std::string root = t / "root", usr = root + "/usr";
    Outcome install = run("DESTDIR='" + root + "' '" CMAKE_COMMAND "' --install '" BUILD_DIR "' --prefix /usr");
    ASSERT_EQ(install.status, 0) << install.out;
    for (const char* file : {"bin/hollowmere", "bin/hollowmere-de", "share/hollowmere/gfx/fontc.bmp",
                             "share/applications/hollowmere.desktop", "share/applications/hollowmere-de.desktop",
                             "share/icons/hicolor/48x48/apps/hollowmere.png",
                             "share/icons/hicolor/128x128/apps/hollowmere.png",
                             "share/icons/hicolor/256x256/apps/hollowmere.png",
                             "share/metainfo/org.example.hollowmere.metainfo.xml", "share/man/man6/hollowmere.6.gz"})
        EXPECT_TRUE(fs::exists(usr + "/" + file)) << file;
    EXPECT_FALSE(fs::exists(usr + "/share/hollowmere/gfx/.stamp"));

    for (const char* program : {"hollowmere", "hollowmere-de"}) {
        Outcome r = run(start(usr + "/bin/" + program, "/", t / "cfg", 300));
        EXPECT_EQ(r.status, 0) << program << "\n" << r.out;
        EXPECT_NE(r.out.find("stopped in scene Menu"), std::string::npos) << program << "\n" << r.out;
        EXPECT_EQ(r.out.find("IMG_Load"), std::string::npos) << program << "\n" << r.out;
    }
    const std::string apps = usr + "/share/applications/";
    if (have("desktop-file-validate")) {
        Outcome v = run("desktop-file-validate '" + apps + "hollowmere.desktop' '" + apps + "hollowmere-de.desktop'");
        EXPECT_EQ(v.status, 0) << v.out;
    }
    const std::string metainfo = usr + "/share/metainfo/org.example.hollowmere.metainfo.xml";
    if (have("appstreamcli")) {
        Outcome v = run("appstreamcli validate --no-net '" + metainfo + "'");
        EXPECT_EQ(v.status, 0) << v.out;
    }
}

// The man page names the data folder of the prefix given at install time, not the
// one the build was configured with; the programs carry the hardening a package needs.
TEST(Install, TheManPageNamesThePrefixGivenAtInstallAndTheProgramsAreHardened) {
    TempFolder t;
    const std::string prefix = t / "games";
    Outcome install = run("'" CMAKE_COMMAND "' --install '" BUILD_DIR "' --prefix '" + prefix + "'");
    ASSERT_EQ(install.status, 0) << install.out;
    Outcome page = run("gzip -dc '" + prefix + "/share/man/man6/hollowmere.6.gz'");
    ASSERT_EQ(page.status, 0) << page.out;
    EXPECT_NE(page.out.find(prefix + "/share/hollowmere/gfx"), std::string::npos) << page.out;
    EXPECT_EQ(page.out.find("@"), std::string::npos) << "a placeholder left";
    EXPECT_TRUE(fs::exists(prefix + "/share/hollowmere/gfx/fontc.bmp"));

    if (!HOLLOWMERE_HARDENED || !have("readelf")) return;  // not with the sanitizers
    for (const char* program : {"hollowmere", "hollowmere-de"}) {
        const std::string elf = prefix + "/bin/" + program;
        Outcome dyn = run("readelf -d '" + elf + "'"), heads = run("readelf -lW '" + elf + "'"),
                syms = run("readelf --dyn-syms -W '" + elf + "'");
        EXPECT_NE(dyn.out.find("BIND_NOW"), std::string::npos) << program << ": bind now";
        EXPECT_NE(heads.out.find("GNU_RELRO"), std::string::npos) << program << ": relro";
        EXPECT_NE(syms.out.find("_chk"), std::string::npos) << program << ": fortified functions";
    }
}
