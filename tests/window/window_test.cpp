// SPDX-License-Identifier: MIT
// window_test.cpp - the real programs on a real X server (Xvfb), with and without
// a window manager (openbox), driven as a player would through XTest (xdotool).
// Each test is one screen size walking through the modes: a plain window, every
// --scale, full screen by option, and F9 and Alt+Enter there and back. For each
// it checks the window's geometry, the game's cursor drawn where the pointer is
// (read from the screen's pixels), a click on the menu's Start button reaching
// the barn, and quitting with status 0.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL_image.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "harness.h"  // TempFolder

// after gtest, whose names X11's macros (None) would change
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

constexpr int kFirstDisplay = 60;  // each test has its own X display from here on
constexpr int kPictureW = 800;     // the game's picture
constexpr int kPictureH = 600;
// Places in the menu's picture (800x600 pixels).
constexpr int kStartX = 400, kStartY = 204;     // the middle of the Start button
constexpr int kSkyX = 40, kSkyY = 250;          // plain sky, no exit below: the cursor's first place
constexpr int kFieldX = 560, kFieldY = 400;     // its second place, far from the first
constexpr int kCursorBox = 56;                  // the cursor's frame and a margin, in picture pixels
constexpr double kPictureMatch = 0.6;           // share of sampled pixels that show a picture

// Windows come and go while the tree is read: their errors are expected.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Runs argv with extra environment settings; stdout and stderr go to `log`.
pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            const std::string& log) {
    std::vector<std::string> envCopy;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("SDL_VIDEODRIVER=", 0) == 0 || v.rfind("DISPLAY=", 0) == 0) continue;  // a real window
        envCopy.push_back(v);
    }
    envCopy.insert(envCopy.end(), env.begin(), env.end());
    std::vector<char*> a, e;
    for (const std::string& s : argv) a.push_back(const_cast<char*>(s.c_str()));
    for (const std::string& s : envCopy) e.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    e.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    pid_t pid = -1;
    if (posix_spawnp(&pid, a[0], &files, nullptr, a.data(), e.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

// Waits up to ms for pid; its exit status, or -1 (then it is killed).
int finish(pid_t pid, int ms) {
    int status = 0;
    for (int waited = 0; waited < ms; waited += 20) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pause(20);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;  // on the screen
};

// A screen's pixels at one moment.
struct Shot {
    int w = 0, h = 0;             // the screen's size
    std::vector<uint32_t> rgb;    // 0xRRGGBB, row by row
    uint32_t at(int x, int y) const {
        return x < 0 || y < 0 || x >= w || y >= h ? 0 : rgb[static_cast<size_t>(y) * w + x];
    }
};

int channelDistance(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift : {0, 8, 16}) d += std::abs(int((a >> shift) & 255) - int((b >> shift) & 255));
    return d;
}

// Xvfb at one size, openbox on it or not, and the game started on it.
struct Desktop {
    int number = 0;                 // the X display's number
    int w = 0, h = 0;               // the screen's size
    bool manager = false;           // openbox runs
    pid_t server = -1, wm = -1;     // the processes started here
    Display* x = nullptr;           // our own connection, for pixels and geometry
    TempFolder files;               // logs, the game's settings and saves
    pid_t game = -1;                // the running game
    std::string gameLog;            // its console

    std::string display() const { return ":" + std::to_string(number); }

    bool start(int index, int width, int height, bool withManager) {
        number = kFirstDisplay + index;
        w = width;
        h = height;
        manager = withManager;
        const std::string size = std::to_string(w) + "x" + std::to_string(h) + "x24";
        server = spawn({"Xvfb", display(), "-screen", "0", size, "-nolisten", "tcp", "-nocursor"}, {},
                       files / "xvfb.log");
        XSetErrorHandler(ignoreXError);
        for (int i = 0; i < 100 && !x; ++i) {
            pause(50);
            x = XOpenDisplay(display().c_str());
        }
        if (!x) return false;
        if (!manager) return true;
        wm = spawn({"openbox", "--sm-disable"}, {"DISPLAY=" + display()}, files / "openbox.log");
        const Atom selection = XInternAtom(x, "WM_S0", False);
        for (int i = 0; i < 100; ++i) {
            if (XGetSelectionOwner(x, selection) != None) return true;
            pause(50);
        }
        return false;
    }
    ~Desktop() {
        if (game > 0) finish(game, 0);
        if (x) XCloseDisplay(x);
        if (wm > 0) kill(wm, SIGTERM), finish(wm, 2000);
        if (server > 0) kill(server, SIGTERM), finish(server, 2000);
    }

    void tool(const std::string& args) {
        const std::string cmd = "DISPLAY=" + display() + " xdotool " + args + " >/dev/null 2>&1";
        EXPECT_EQ(system(cmd.c_str()), 0) << cmd;
    }
    void pointTo(int px, int py) {
        tool("mousemove " + std::to_string(px) + " " + std::to_string(py));
        pause(100);
    }

    void launch(const std::string& program, const std::vector<std::string>& args) {
        std::vector<std::string> argv = {program};
        argv.insert(argv.end(), args.begin(), args.end());
        gameLog = files / ("game" + std::to_string(++launches) + ".log");
        // The settings carry over from game to game; the saves do not, so the
        // menu shows no Continue and stays the plain picture the checks expect.
        game = spawn(argv, {"DISPLAY=" + display(), "XDG_CONFIG_HOME=" + files / "config",
                            "XDG_DATA_HOME=" + files / ("data" + std::to_string(launches))},
                     gameLog);
    }
    int launches = 0;  // games started so far

    // The manager's frame around the game's window (none without a manager).
    int frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
    // Reads it from the first window the manager frames, once it has stayed the
    // same for 1.5 s (the frame grows a handle when the window becomes
    // resizable), waiting up to 8 s.
    void learnFrame() {
        const Atom extents = XInternAtom(x, "_NET_FRAME_EXTENTS", False);
        int stable = 0;
        for (int waited = 0; manager && waited < 8000 && stable < 1500; waited += 100) {
            const Window c = client();
            Atom type = None;
            int format = 0;
            unsigned long n = 0, after = 0;
            unsigned char* data = nullptr;
            if (c != None && XGetWindowProperty(x, c, extents, 0, 4, False, AnyPropertyType, &type, &format, &n,
                                                &after, &data) == Success && data && n == 4 && format == 32) {
                const long* e = reinterpret_cast<const long*>(data);
                const bool same = frameLeft == int(e[0]) && frameRight == int(e[1]) && frameTop == int(e[2]) &&
                                  frameBottom == int(e[3]);
                stable = same ? stable + 100 : 0;
                frameLeft = int(e[0]), frameRight = int(e[1]), frameTop = int(e[2]), frameBottom = int(e[3]);
            }
            if (data) XFree(data);
            pause(100);
        }
    }
    // The window the game opens when ww x wh is asked for: that, or where it does
    // not fit the screen in its frame, the largest of the picture's shape that does.
    Rect windowFor(int ww, int wh) const {
        const int roomW = w - frameLeft - frameRight, roomH = h - frameTop - frameBottom;
        Rect r;
        r.w = ww <= roomW && wh <= roomH ? ww : std::min(roomW, roomH * 4 / 3);
        r.h = r.w == ww ? wh : r.w * 3 / 4;
        return r;
    }

    // The game's window, as the player sees its inside; w 0 when there is none.
    Rect window() {
        XSync(x, False);
        Rect found;
        const Window c = client();
        XWindowAttributes a;
        if (c != None && XGetWindowAttributes(x, c, &a) && a.map_state == IsViewable) {
            Window child;
            XTranslateCoordinates(x, c, DefaultRootWindow(x), 0, 0, &found.x, &found.y, &child);
            found.w = a.width;
            found.h = a.height;
        }
        return found;
    }
    // Waits until the game's window has the given size and is settled: in the
    // corner in full screen, else on the screen. The last one seen.
    Rect windowOfSize(int ww, int wh, int ms = 30000) {
        Rect r;
        const bool whole = ww == w && wh == h;
        auto same = [](const Rect& a, const Rect& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; };
        for (int waited = 0; waited < ms; waited += 300) {
            r = window();
            const bool placed = whole ? r.x == 0 && r.y == 0
                                      : r.x >= 0 && r.y >= 0 && r.x + r.w <= w && (r.y + r.h <= h || wh >= h);
            pause(300);
            if (r.w == ww && r.h == wh && placed && same(r, window())) return r;  // settled
        }
        return r;
    }

    Shot shot() {
        Shot s;
        XImage* im = XGetImage(x, DefaultRootWindow(x), 0, 0, w, h, AllPlanes, ZPixmap);
        if (!im) return s;
        s.w = w;
        s.h = h;
        s.rgb.resize(static_cast<size_t>(w) * h);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) s.rgb[static_cast<size_t>(j) * w + i] = XGetPixel(im, i, j) & 0xFFFFFF;
        XDestroyImage(im);
        return s;
    }

    // The game's own X window (inside the manager's frame), or None.
    Window client() {
        Window target = None;
        std::function<void(Window)> find = [&](Window w) {
            char* name = nullptr;
            if (XFetchName(x, w, &name) && name && std::string(name).rfind("Quobble", 0) == 0) target = w;
            if (name) XFree(name);
            Window root, parent, *kids = nullptr;
            unsigned n = 0;
            if (target == None && XQueryTree(x, w, &root, &parent, &kids, &n))
                for (unsigned i = 0; i < n && target == None; ++i) find(kids[i]);
            if (kids) XFree(kids);
        };
        find(DefaultRootWindow(x));
        return target;
    }

    // Closes the window as its close button does; the game's exit status.
    int quit() {
        Rect r = window();
        const Window target = client();
        if (r.w == 0 || target == None) return finish(game, 0);
        XEvent ev = {};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = target;
        ev.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(x, target, False, NoEventMask, &ev);
        XFlush(x);
        const int status = finish(game, 20000);
        game = -1;
        return status;
    }
};

// Where the 800x600 picture lies in a window or screen: scaled with its shape
// kept, in the middle, black bars around.
struct Picture {
    double x = 0, y = 0, scale = 1;  // the picture's top left on the screen, screen pixels per picture pixel
    int w = 0, h = 0;                // its size on the screen
    int screenX(double px) const { return static_cast<int>(std::floor(x + (px + 0.5) * scale)); }
    int screenY(double py) const { return static_cast<int>(std::floor(y + (py + 0.5) * scale)); }
};

Picture pictureIn(const Rect& r) {
    Picture p;
    p.scale = std::min(double(r.w) / kPictureW, double(r.h) / kPictureH);
    p.w = static_cast<int>(std::floor(kPictureW * p.scale));
    p.h = static_cast<int>(std::floor(kPictureH * p.scale));
    p.x = r.x + (r.w - p.w) / 2;
    p.y = r.y + (r.h - p.h) / 2;
    return p;
}

// The share of sampled picture pixels that show `image` (an 800x600 scene background, 32-bit).
double shows(const Shot& s, const Picture& p, SDL_Surface* image) {
    int same = 0, all = 0;
    for (int py = 10; py < kPictureH; py += 20) {
        for (int px = 10; px < kPictureW; px += 20) {
            same += channelDistance(s.at(p.screenX(px), p.screenY(py)), surfacePixel(image, px, py)) < 48;
            ++all;
        }
    }
    return double(same) / all;
}

// The bars beside or above the picture are black.
bool barsBlack(const Shot& s, const Rect& r, const Picture& p) {
    const int left = static_cast<int>(p.x) - r.x, top = static_cast<int>(p.y) - r.y;
    for (int i = 0; i < 20; ++i) {
        const int along = i * (std::max(r.w, r.h) / 20);
        if (left > 2 && (s.at(r.x + left / 2, r.y + along % r.h) != 0 ||
                         s.at(r.x + r.w - 1 - left / 2, r.y + along % r.h) != 0))
            return false;
        if (top > 2 && (s.at(r.x + along % r.w, r.y + top / 2) != 0 ||
                        s.at(r.x + along % r.w, r.y + r.h - 1 - top / 2) != 0))
            return false;
    }
    return true;
}

// The top left of the game's cursor in a box of the menu's picture around a
// place (picture pixels, relative to that place), found where the screen
// differs from the menu's background; {-1000, -1000} when there is none.
std::pair<int, int> cursorCorner(const Shot& s, const Picture& p, SDL_Surface* menu, int px, int py) {
    int minX = 1 << 30, minY = 1 << 30, count = 0;
    const int x0 = p.screenX(px - 8), y0 = p.screenY(py - 8);
    const int x1 = p.screenX(px + kCursorBox), y1 = p.screenY(py + kCursorBox);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const int mx = static_cast<int>(std::floor((x - p.x) / p.scale));
            const int my = static_cast<int>(std::floor((y - p.y) / p.scale));
            if (channelDistance(s.at(x, y), surfacePixel(menu, mx, my)) > 120) {  // black on the bars
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                ++count;
            }
        }
    if (count < 20) return {-1000, -1000};
    return {static_cast<int>(std::lround((minX - p.x) / p.scale - 0.5)) - px,
            static_cast<int>(std::lround((minY - p.y) / p.scale - 0.5)) - py};
}

// The exit arrow bobs inside its frame, whose corner is at the pointer.
bool onPointer(const std::pair<int, int>& corner) {
    return corner.first >= -3 && corner.first <= 14 && corner.second >= -3 && corner.second <= 14;
}

// One screen size, with or without openbox.
class RealWindow : public ::testing::Test {
protected:
    Desktop d;
    SDL_Surface* menu = nullptr;  // the menu's background
    SDL_Surface* barn = nullptr;  // the barn's (behind the Start button)

    void SetUp() override {
        menu = asPlainRgb(IMG_Load("gfx/szene/start/bg.png"));
        barn = asPlainRgb(IMG_Load("gfx/szene/scheune_hinten/bg.png"));
        ASSERT_TRUE(menu && barn) << "run from the build folder";
    }
    void TearDown() override {
        SDL_FreeSurface(menu);
        SDL_FreeSurface(barn);
    }

    Shot waitToShow(const Picture& p, SDL_Surface* image, int ms, double* share) {
        Shot s;
        for (int waited = 0; waited < ms; waited += 200) {
            s = d.shot();
            *share = shows(s, p, image);
            if (*share >= kPictureMatch) return s;
            pause(200);
        }
        return s;
    }

    // Presses Escape until the menu shows (the intro is skipped).
    void reachMenu(const std::string& mode) {
        Picture p = pictureIn(d.window());
        d.pointTo(p.screenX(kSkyX), p.screenY(kSkyY));  // without a manager the keys go where the pointer is
        if (d.manager) d.tool("windowfocus --sync " + std::to_string(d.client()));  // as a click on it would
        double share = 0;
        for (int i = 0; i < 40 && share < kPictureMatch; ++i) {
            d.tool("key Escape");
            pause(300);
            p = pictureIn(d.window());  // a manager may still be placing the window
            share = shows(d.shot(), p, menu);
        }
        waitToShow(p, menu, 8000, &share);  // the menu fades in
        ASSERT_GE(share, kPictureMatch) << mode << ": the menu does not show\n" << fileText(d.gameLog);
    }

    // The window or screen as expected, the picture on it with black bars, the
    // cursor where the pointer is, also on the bars.
    void checkMode(const std::string& mode, int ww, int wh, bool fullscreen) {
        const Rect r = d.windowOfSize(ww, wh);
        EXPECT_EQ(r.w, ww) << mode;
        EXPECT_EQ(r.h, wh) << mode;
        if (fullscreen) {
            EXPECT_EQ(r.x, 0) << mode;
            EXPECT_EQ(r.y, 0) << mode;
        } else {  // on screen, the manager's frame too
            EXPECT_GE(r.x - d.frameLeft, 0) << mode;
            EXPECT_GE(r.y - d.frameTop, 0) << mode;
            EXPECT_LE(r.x + r.w + d.frameRight, d.w) << mode;
            EXPECT_LE(r.y + r.h + d.frameBottom, d.h) << mode;
        }
        const Picture p = pictureIn(r);
        double share = 0;
        bool black = false;
        for (int waited = 0; waited <= 1000 && !(share >= kPictureMatch && black); waited += 100) {
            const Shot first = d.shot();
            share = shows(first, p, menu);
            black = barsBlack(first, r, p);
            pause(100);
        }
        EXPECT_GE(share, kPictureMatch) << mode << ": the menu does not show at once";
        EXPECT_TRUE(black) << mode << ": the bars are not black";

        Shot atSky, atField;
        const auto sky = cursorAfterMove(p, p.screenX(kSkyX), p.screenY(kSkyY), kSkyX, kSkyY, atSky);
        const auto field = cursorAfterMove(p, p.screenX(kFieldX), p.screenY(kFieldY), kFieldX, kFieldY, atField);
        for (const auto& at : {sky, field}) {
            EXPECT_TRUE(onPointer(at)) << mode << ": the cursor is drawn " << at.first << "," << at.second
                                       << " picture pixels from the pointer";
        }
        EXPECT_EQ(cursorCorner(atField, p, menu, kSkyX, kSkyY).first, -1000)
            << mode << ": the cursor did not leave its old place";

        // On a bar the pointer acts at the picture's nearest edge.
        if (p.x - r.x >= 4 * p.scale) {
            Shot atBar;
            const auto edge = cursorAfterMove(p, r.x + 1, p.screenY(kFieldY), 0, kFieldY, atBar);
            EXPECT_TRUE(onPointer(edge)) << mode << ": on the left bar the cursor is drawn " << edge.first
                                         << "," << edge.second << " picture pixels from the edge";
        }
    }

    // Moves the pointer to a screen point and waits up to 3 s for the cursor to
    // be drawn at a picture place; where it is then, and the last shot.
    std::pair<int, int> cursorAfterMove(const Picture& p, int sx, int sy, int px, int py, Shot& shot) {
        d.pointTo(sx, sy);
        std::pair<int, int> at;
        for (int waited = 0; waited < 3000; waited += 100) {
            shot = d.shot();
            at = cursorCorner(shot, p, menu, px, py);
            if (onPointer(at)) break;
            pause(100);
        }
        return at;
    }

    // F9 or Alt+Enter; a window manager takes a moment to carry it out.
    void switchMode(const std::string& key) {
        d.tool("key " + key);
        if (d.manager) pause(500);
    }

    // Clicks Start: the barn shows.
    void startGame(const std::string& mode) {
        const Picture p = pictureIn(d.window());
        d.pointTo(p.screenX(kStartX), p.screenY(kStartY));
        pause(200);
        d.tool("click 1");
        double share = 0;
        waitToShow(p, barn, 6000, &share);
        EXPECT_GE(share, kPictureMatch) << mode << ": Start did not lead to the barn";
    }

    void quit(const std::string& mode) { EXPECT_EQ(d.quit(), 0) << mode << "\n" << fileText(d.gameLog); }

    // Walks through every mode on a screen of w x h.
    void walk(int index, int w, int h, bool manager) {
        ASSERT_TRUE(d.start(index, w, h, manager)) << "Xvfb " << d.display() << " or openbox";
        const std::string program = HOLLOWMERE_EN;
        const int fit = std::max(1, std::min(w / kPictureW, h / kPictureH));

        // A plain window; F9 and Alt+Enter to full screen and back. A screen too
        // small for the window in its frame gets the largest window that fits.
        d.launch(program, {});
        d.learnFrame();
        const Rect plain = d.windowFor(kPictureW, kPictureH);
        ASSERT_GT(d.windowOfSize(plain.w, plain.h).w, 0) << fileText(d.gameLog);
        reachMenu("window");
        checkMode("window", plain.w, plain.h, false);
        for (const char* key : {"F9", "alt+Return"}) {
            const std::string k = key;
            switchMode(k);
            checkMode(k + " to full screen", w, h, true);
            switchMode(k);
            checkMode(k + " back to the window", plain.w, plain.h, false);
        }
        // The player resizes the window: the picture follows with its shape kept,
        // and the size is remembered.
        d.tool("windowsize " + std::to_string(d.client()) + " 700 500");
        checkMode("resized", 700, 500, false);
        startGame("resized");
        quit("resized");
        d.launch(program, {});
        EXPECT_EQ(d.windowOfSize(700, 500).w, 700) << "the resized window is remembered";
        quit("resized, remembered");

        // Each scale: larger than the screen gives the largest that fits, with one line.
        for (int scale = 2; scale <= 4; ++scale) {
            d.launch(program, {"--scale", std::to_string(scale)});
            const int shown = std::min(scale, fit);
            const std::string mode = "--scale " + std::to_string(scale);
            const Rect want = d.windowFor(kPictureW * shown, kPictureH * shown);
            const Rect r = d.windowOfSize(want.w, want.h);
            EXPECT_EQ(r.w, want.w) << mode;
            if (scale == fit + 1) {
                reachMenu(mode);
                checkMode(mode, want.w, want.h, false);
                startGame(mode);
            }
            quit(mode);
            const bool said = fileText(d.gameLog).find("does not fit") != std::string::npos;
            EXPECT_EQ(said, scale > fit) << mode << "\n" << fileText(d.gameLog);
        }
        // A remembered scale never opens a window beyond the screen.
        d.launch(program, {});
        const Rect remembered = d.windowFor(kPictureW * fit, kPictureH * fit);
        EXPECT_EQ(d.windowOfSize(remembered.w, remembered.h).w, remembered.w) << "remembered";
        quit("remembered");

        // Full screen by option, and F9 back to the window.
        d.launch(program, {"--fullscreen", "--scale", "1"});
        ASSERT_GT(d.windowOfSize(w, h).w, 0) << fileText(d.gameLog);
        reachMenu("--fullscreen");
        checkMode("--fullscreen", w, h, true);
        switchMode("F9");
        checkMode("--fullscreen, F9 to the window", plain.w, plain.h, false);
        switchMode("F9");
        checkMode("--fullscreen, F9 back to full screen", w, h, true);
        startGame("--fullscreen");
        quit("--fullscreen");
    }
};

}  // namespace

TEST_F(RealWindow, Screen800x600) { walk(0, 800, 600, false); }
TEST_F(RealWindow, Screen800x600WithManager) { walk(1, 800, 600, true); }
TEST_F(RealWindow, Screen1366x768) { walk(2, 1366, 768, false); }
TEST_F(RealWindow, Screen1366x768WithManager) { walk(3, 1366, 768, true); }
TEST_F(RealWindow, Screen1920x1080) { walk(4, 1920, 1080, false); }
TEST_F(RealWindow, Screen1920x1080WithManager) { walk(5, 1920, 1080, true); }
TEST_F(RealWindow, Screen1920x1440) { walk(6, 1920, 1440, false); }
TEST_F(RealWindow, Screen1920x1440WithManager) { walk(7, 1920, 1440, true); }
