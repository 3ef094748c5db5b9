// Start-up to a mapped main window: the editor against a bare Qt Widgets
// window shown maximized, started one after the other on the same X server
// (a virtual one: xvfb-run), so that both see the same load. Each start is
// timed from just before the process starts to the server's notice that a
// top-level window was mapped; the process is then ended.
//
//   zonewright-startup-bench EDITOR [RUNS]
//
// Prints the median of each and their ratio. The editor runs with scratch
// data and configuration folders, so that it offers no recovered work and
// writes its file association there.
#include <QApplication>
#include <QMainWindow>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Starts `argv` and waits for the first top-level window mapped after that;
// milliseconds, or a negative number when the program ended first or took
// longer than ten seconds.
double timeToMapped(Display* display, char* const argv[]) {
    XSync(display, True); // drops notices of earlier runs
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv);
        _exit(127);
    }
    if (child < 0)
        return -1;
    double ms = -1;
    const int fd = ConnectionNumber(display);
    while (Clock::now() - start < std::chrono::seconds(10)) {
        while (XPending(display) > 0) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == MapNotify && ms < 0)
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        if (ms >= 0 || waitpid(child, nullptr, WNOHANG) == child)
            break;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval pause{0, 2000};
        select(fd + 1, &readable, nullptr, nullptr, &pause);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int bareWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.showMaximized();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--bare")
        return bareWindow(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s EDITOR [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 15;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    char scratch[] = "/tmp/zw-startup-XXXXXX";
    if (mkdtemp(scratch) == nullptr)
        return 2;
    setenv("XDG_DATA_HOME", (std::string(scratch) + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (std::string(scratch) + "/config").c_str(), 1);

    std::string self = argv[0];
    std::string bareFlag = "--bare";
    std::string editor = argv[1];
    char* const bare[] = {self.data(), bareFlag.data(), nullptr};
    char* const edit[] = {editor.data(), nullptr};
    std::vector<double> bareTimes, editorTimes;
    // One start of each first, unmeasured: the files come into the cache.
    timeToMapped(display, bare);
    timeToMapped(display, edit);
    for (int i = 0; i < runs; ++i) {
        bareTimes.push_back(timeToMapped(display, bare));
        editorTimes.push_back(timeToMapped(display, edit));
    }
    if (std::count_if(bareTimes.begin(), bareTimes.end(), [](double t) { return t < 0; }) +
            std::count_if(editorTimes.begin(), editorTimes.end(), [](double t) { return t < 0; }) >
        0) {
        std::fprintf(stderr, "a start mapped no window\n");
        return 1;
    }
    const double b = median(bareTimes), e = median(editorTimes);
    std::printf("bare maximized window  %8.1f ms (median of %d)\n", b, runs);
    std::printf("editor                 %8.1f ms (median of %d)\n", e, runs);
    std::printf("ratio                  %8.2f\n", e / b);
    XCloseDisplay(display);
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return 0;
}
