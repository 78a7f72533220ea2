// Starts a program on the X display and reports how long it took until its first window showed
// something drawn, and how much memory the process then held. The same measure for every
// program: the clock starts just before the program is spawned and stops when the first change
// of the screen (X Damage) arrives after which one of its top-level windows is no longer a
// single colour. The server's own fill of a newly mapped window is one colour, so it does not
// count. The clock is read as the change arrives, before the look at the window: reading a
// large window back takes the probe itself several milliseconds, which are not the program's.
//
//   first_paint [--settle MS] [--timeout MS] -- PROGRAM [ARGUMENTS...]
//
// Prints "first_paint_ms=… resident_kb=… window=WIDTHxHEIGHT" (the window that showed the
// drawing) and ends the program. Exit status 1 when nothing
// was drawn within the timeout or the program could not be started.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int settleMs = 1000;  // after the first paint, before the memory is read
    int timeoutMs = 20000;
    std::vector<char*> command;
};

bool parse(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc) return false;
        if (std::strcmp(argv[i], "--settle") == 0) {
            options.settleMs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--timeout") == 0) {
            options.timeoutMs = std::atoi(argv[++i]);
        } else {
            return false;
        }
    }
    for (++i; i < argc; ++i)
        options.command.push_back(argv[i]);
    options.command.push_back(nullptr);
    return options.command.size() > 1;
}

// Resident set of the process and of every process it started, in KiB.
long residentKilobytes(pid_t pid) {
    long total = 0;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) total += std::atol(line.c_str() + 6);
    }
    std::ifstream children("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) +
                           "/children");
    for (pid_t child = 0; children >> child;)
        total += residentKilobytes(child);
    return total;
}

// True when the window shows more than one colour; its attributes are left in `attributes`.
bool showsDrawing(Display* display, Window window, XWindowAttributes& attributes) {
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    if (attributes.map_state != IsViewable || attributes.width < 2 || attributes.height < 2) {
        return false;
    }
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool varied = false;
    if (image->bits_per_pixel == 32) {
        // The common case read straight from the rows: XGetPixel costs a call a pixel.
        const auto* row = reinterpret_cast<const std::uint32_t*>(image->data);
        const std::uint32_t mask = 0x00FFFFFF;
        const std::uint32_t first = row[0] & mask;
        for (int y = 0; y < image->height && !varied; ++y) {
            row = reinterpret_cast<const std::uint32_t*>(image->data +
                                                         std::ptrdiff_t(y) * image->bytes_per_line);
            for (int x = 0; x < image->width && !varied; ++x)
                varied = (row[x] & mask) != first;
        }
    } else {
        const unsigned long first = XGetPixel(image, 0, 0);
        for (int y = 0; y < image->height && !varied; ++y) {
            for (int x = 0; x < image->width && !varied; ++x)
                varied = XGetPixel(image, x, y) != first;
        }
    }
    XDestroyImage(image);
    return varied;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;  // a window may vanish between its event and our look at it
}

void endProgram(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: first_paint [--settle MS] [--timeout MS] -- PROGRAM...\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_paint: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_paint: the X server has no Damage extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const Damage damage = XDamageCreate(display, root, XDamageReportNonEmpty);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, options.command[0], nullptr, nullptr, options.command.data(), environ) !=
        0) {
        std::fprintf(stderr, "first_paint: cannot start %s\n", options.command[0]);
        return 1;
    }

    std::set<Window> mapped;
    const Clock::time_point deadline = start + std::chrono::milliseconds(options.timeoutMs);
    bool painted = false;
    Clock::time_point paintedAt;
    XWindowAttributes paintedWindow{};
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (!painted && Clock::now() < deadline) {
        if (XPending(display) == 0) {
            poll(&connection, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            mapped.insert(event.xmap.window);
        } else if (event.type == UnmapNotify || event.type == DestroyNotify) {
            mapped.erase(event.type == UnmapNotify ? event.xunmap.window
                                                   : event.xdestroywindow.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const Clock::time_point arrived = Clock::now();
            XDamageSubtract(display, damage, None, None);
            for (const Window window : mapped) {
                if (showsDrawing(display, window, paintedWindow)) {
                    painted = true;
                    paintedAt = arrived;
                    break;
                }
            }
        }
    }
    if (!painted) {
        std::fprintf(stderr, "first_paint: %s drew nothing within %d ms\n", options.command[0],
                     options.timeoutMs);
        endProgram(pid);
        return 1;
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(paintedAt - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    const long resident = residentKilobytes(pid);
    std::printf("first_paint_ms=%.1f resident_kb=%ld window=%dx%d\n", milliseconds, resident,
                paintedWindow.width, paintedWindow.height);
    endProgram(pid);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
