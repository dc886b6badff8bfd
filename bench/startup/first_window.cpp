// Starts a program and prints how long its first window took to appear on
// the X screen (DISPLAY), in milliseconds: when the server mapped it, and
// when its first picture arrived (the first moment its pixels are not all one
// colour, a blank frame not counting as shown). Then ends the program.
//   first_window [-v] COMMAND [ARGUMENTS...]
// -v reports every window mapped on the way, to standard error.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Wine and Qt map tiny helper windows of their own; none is what a user sees.
constexpr int SmallestShown = 48;
constexpr auto TimeOut = std::chrono::seconds(60);

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool HasPicture(Display *display, Window window, unsigned width, unsigned height)
{
    XImage *image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (unsigned y = 0; y < height && !varied; ++y) {
        for (unsigned x = 0; x < width && !varied; ++x)
            varied = XGetPixel(image, static_cast<int>(x), static_cast<int>(y)) != first;
    }
    XDestroyImage(image);
    return varied;
}

int IgnoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    const bool verbose = argc > 1 && std::string_view(argv[1]) == "-v";
    if (verbose)
        ++first;
    if (first >= argc) {
        std::fprintf(stderr, "usage: first_window [-v] COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_window: cannot open the display\n");
        return 2;
    }
    // A window can go away between its map and the look at its pixels.
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    std::optional<double> mapped;
    std::optional<double> painted;
    Window shown = 0;
    unsigned width = 0;
    unsigned height = 0;
    while (!painted && Clock::now() - start < TimeOut) {
        if (int status = 0; waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "first_window: the program ended before showing a window\n");
            return 1;
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || mapped)
                continue;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) == 0)
                continue;
            if (verbose)
                std::fprintf(stderr, "%.1f ms: window 0x%lx mapped, %dx%d%s\n", MillisecondsSince(start),
                             event.xmap.window, attributes.width, attributes.height,
                             event.xmap.override_redirect ? " (override-redirect)" : "");
            if (attributes.width < SmallestShown || attributes.height < SmallestShown)
                continue;
            mapped = MillisecondsSince(start);
            shown = event.xmap.window;
            width = static_cast<unsigned>(attributes.width);
            height = static_cast<unsigned>(attributes.height);
        }
        if (mapped && HasPicture(display, shown, width, height))
            painted = MillisecondsSince(start);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!painted) {
        std::fprintf(stderr, "first_window: no window shown within %lld s\n", static_cast<long long>(TimeOut.count()));
        return 1;
    }
    std::printf("%.1f %.1f\n", *mapped, *painted);
    return 0;
}
