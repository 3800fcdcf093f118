// The whole program under Xvfb: it starts (first-start test skipped by the preset "2"), reaches
// the main menu over the flying cards, ends with status 0 on a close request, and logs every
// shut-down step with its "OK"; a second start does the same with the saved states.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "app/programmordner.h"
#include "platform/fileio.h"
#include "platform/image.h"

// Last: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The XTest extension's input, declared here: its header is not always installed, its library is.
extern "C" {
int XTestFakeMotionEvent(Display* dpy, int screen, int x, int y, unsigned long delay);
int XTestFakeButtonEvent(Display* dpy, unsigned int button, int press, unsigned long delay);
}

namespace fs = std::filesystem;

namespace {

// The process that owns a window, as the window says (0 when it does not).
long besitzer(Display* dpy, Window w) {
    const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", True);
    if (pidAtom == 0) return 0;
    Atom typ = 0;
    int format = 0;
    unsigned long n = 0, rest = 0;
    unsigned char* daten = nullptr;
    long pid = 0;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &typ, &format, &n, &rest, &daten) ==
            Success &&
        daten && n == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(daten));
    if (daten) XFree(daten);
    return pid;
}

// The program's window: other tests draw windows of the same name on the same display, so the
// window must belong to the process this test started.
Window suchen(Display* dpy, Window w, pid_t pid) {
    char* name = nullptr;
    if (XFetchName(dpy, w, &name) && name) {
        const bool treffer = std::string(name) == "Kartenspiele" && besitzer(dpy, w) == pid;
        XFree(name);
        XWindowAttributes a;
        if (treffer && XGetWindowAttributes(dpy, w, &a) && a.map_state == IsViewable) return w;
    }
    Window root = 0, parent = 0, *kinder = nullptr;
    unsigned n = 0;
    if (!XQueryTree(dpy, w, &root, &parent, &kinder, &n)) return 0;
    Window r = 0;
    for (unsigned i = 0; i < n && !r; ++i) r = suchen(dpy, kinder[i], pid);
    if (kinder) XFree(kinder);
    return r;
}

// Xlib's default handler ends the process on any error, e.g. a window that changes while it is
// read: here an error only spoils that one picture.
int xFehler(Display*, XErrorEvent*) { return 0; }

// Where the program's window lies on the root window; false when it is not wholly on screen.
bool lage(Display* dpy, pid_t pid, int& rx, int& ry, XWindowAttributes& a) {
    const Window root = DefaultRootWindow(dpy);
    const Window w = suchen(dpy, root, pid);
    if (!w) return false;
    if (!XGetWindowAttributes(dpy, w, &a) || a.width <= 0 || a.height <= 0) return false;
    Window kind = 0;
    if (!XTranslateCoordinates(dpy, w, root, 0, 0, &rx, &ry, &kind)) return false;
    XWindowAttributes r;
    XGetWindowAttributes(dpy, root, &r);
    return rx >= 0 && ry >= 0 && rx + a.width <= r.width && ry + a.height <= r.height;
}

// The program's window as a picture (rows bottom-up, RGB), empty when there is none. It is read
// from the root window, which is always viewable.
image::Image bild(Display* dpy, pid_t pid) {
    image::Image img;
    int rx = 0, ry = 0;
    XWindowAttributes a;
    if (!lage(dpy, pid, rx, ry, a)) return img;
    const Window root = DefaultRootWindow(dpy);
    XImage* x = XGetImage(dpy, root, rx, ry, a.width, a.height, AllPlanes, ZPixmap);
    XSync(dpy, False);
    if (!x) return img;
    img.width = a.width;
    img.height = a.height;
    img.channels = 3;
    img.pixels.resize(static_cast<size_t>(a.width) * a.height * 3);
    for (int y = 0; y < a.height; ++y)
        for (int xx = 0; xx < a.width; ++xx) {
            const unsigned long p = XGetPixel(x, xx, y);
            uint8_t* d = img.at(xx, a.height - 1 - y);
            d[0] = static_cast<uint8_t>((p >> 16) & 0xFF);
            d[1] = static_cast<uint8_t>((p >> 8) & 0xFF);
            d[2] = static_cast<uint8_t>(p & 0xFF);
        }
    XDestroyImage(x);
    return img;
}

// The main menu is up: its panel (virtual x 300..520, y 80..460 of 800 x 600) is blue with
// white text on it.
bool menueDa(const image::Image& img) {
    if (img.empty()) return false;
    long rot = 0, blau = 0, hell = 0, n = 0;
    for (int vy = 80; vy < 460; vy += 3)
        for (int vx = 300; vx < 520; vx += 3) {
            const int x = vx * img.width / 800, y = img.height - 1 - vy * img.height / 600;
            const uint8_t* p = img.at(x, y);
            rot += p[0];
            blau += p[2];
            if (p[0] > 200 && p[1] > 200 && p[2] > 200) ++hell;
            ++n;
        }
    return n > 0 && blau > rot + 20 * n && hell > 20;
}

class Programm : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
        dpy = XOpenDisplay(nullptr);
        if (!dpy) GTEST_SKIP() << "no display";
        XSetErrorHandler(xFehler);
        const fs::path daten = fs::path(KS_SOURCE_DIR) / "data";
        if (!fs::exists(daten / "pavlune" / "font.bmp") || !fs::exists(daten / "bilder"))
            GTEST_SKIP() << "data/ has not been made";
        dir = testordner::programmOrdner("ks_programm");
    }
    void TearDown() override {
        if (dpy) XCloseDisplay(dpy);
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
    }

    pid_t starten() {
        const pid_t pid = fork();
        if (pid == 0) {
            // The program goes with the test, whatever ends the test.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (chdir(dir.c_str()) != 0) _exit(120);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            execl(KS_PROGRAM, KS_PROGRAM, "02", static_cast<char*>(nullptr));
            _exit(121);
        }
        return pid;
    }
    // Waits for the main menu; the last picture taken goes to `zuletzt`.
    bool aufMenueWarten(pid_t pid, image::Image& zuletzt) {
        for (int i = 0; i < 300; ++i) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) return false;  // ended on its own
            zuletzt = bild(dpy, pid);
            if (menueDa(zuletzt)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return false;
    }
    int beenden(pid_t pid) {
        kill(pid, SIGTERM);  // SDL turns it into the window's close request
        for (int i = 0; i < 300; ++i) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -2;
    }
    std::string log() {
        std::string s;
        fileio::readAll(dir / "proto2.txt", s);
        return s;
    }

    Display* dpy = nullptr;
    fs::path dir;
};

TEST_F(Programm, StartsToTheMainMenuAndEndsCleanlyTwice) {
    for (int lauf = 1; lauf <= 2; ++lauf) {
        SCOPED_TRACE(testing::Message() << "start " << lauf);
        const pid_t pid = starten();
        ASSERT_GT(pid, 0);
        image::Image img;
        const bool menue = aufMenueWarten(pid, img);
        if (!img.empty()) image::writeBmp("app_menu_" + std::to_string(lauf) + ".bmp", img);
        EXPECT_TRUE(menue) << "the main menu never showed";
        EXPECT_EQ(beenden(pid), 0);
        const std::string l = log();
        size_t pos = 0;
        for (const char* s : {"SAVEALL", "SAVESETTZ", "K12_FREE", "HC_FREE,IHC_FREE", "CG_FREE", "SNDFREE",
                              "SCODEFREE", "POKC_FREE"}) {
            const std::string zeile = std::string("unit1.onclose(-5).") + s + "\r\nOK\r\n";
            const size_t p = l.find(zeile, pos);
            EXPECT_NE(p, std::string::npos) << s << " missing in\n" << l;
            if (p != std::string::npos) pos = p + zeile.size();
        }
        EXPECT_NE(l.find(">OK_INHERITED"), std::string::npos);
        bool dco = false;
        for (const auto& e : fs::directory_iterator(dir / "data" / "settings"))
            // The default files were there from the start; a saved state is a file of its own.
            dco = dco || (e.path().extension() == ".dco" &&
                          e.path().stem().string().find("_def") == std::string::npos);
        EXPECT_TRUE(dco) << "no dialog state was saved";
        EXPECT_FALSE(fs::exists(dir / "errors.txt"));
    }
    // The card faces went to the cache folder, not into the data that the build made.
    EXPECT_TRUE(fs::exists(dir / "cache" / "kartenspiele" / "kb11.tmp"));
}

TEST_F(Programm, AQuickClickCountsWhereItHappens) {
    // The pointer jumps onto "Ende" and clicks at once: move, press and release reach the program
    // together, before any frame saw the pointer there. The click ends the program.
    const pid_t pid = starten();
    ASSERT_GT(pid, 0);
    image::Image img;
    ASSERT_TRUE(aufMenueWarten(pid, img)) << "the main menu never showed";
    int rx = 0, ry = 0;
    XWindowAttributes a;
    ASSERT_TRUE(lage(dpy, pid, rx, ry, a));
    XTestFakeMotionEvent(dpy, -1, rx + 5, ry + 5, 0);
    XSync(dpy, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    // "Ende": virtual (340..450, 522..560) of 807 x 607 over the window.
    XTestFakeMotionEvent(dpy, -1, rx + 395 * a.width / 807, ry + 541 * a.height / 607, 0);
    XTestFakeButtonEvent(dpy, 1, 1, 0);
    XTestFakeButtonEvent(dpy, 1, 0, 0);
    XSync(dpy, False);
    int status = 0;
    bool geendet = false;
    for (int i = 0; i < 100 && !geendet; ++i) {
        geendet = waitpid(pid, &status, WNOHANG) == pid;
        if (!geendet) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(geendet) << "the click on \"Ende\" was lost";
    if (geendet)
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    else
        beenden(pid);
}

}  // namespace
