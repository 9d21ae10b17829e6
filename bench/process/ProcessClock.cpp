// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Times whole processes for bench/process/compare.sh.
//
//   process-clock run -- PROGRAM ARGS...
//       microseconds from fork to exit, then the CPU time (user and system)
//       the program used; its output is discarded. The CPU time says the same
//       on a busy machine, where the elapsed time also counts waiting.
//   process-clock first-frame -- PROGRAM ARGS...
//       microseconds from fork to the first paint of the program's window on
//       the X display in $DISPLAY, and the CPU time the program had used by
//       then; then ends the program. A paint is an
//       XDamage notification on a mapped top-level window of at least
//       minimumSide pixels both ways, so the window manager's frame and the
//       toolkit's hidden helper windows do not count.
//
// Prints one number on stdout; a failure prints a reason on stderr and exits 1.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef PROCESS_CLOCK_X11
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

long long microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

pid_t launch(char **argv, bool quiet)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

int run(char **argv)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = launch(argv, true);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long elapsed = microsecondsSince(start);
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                          usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "process-clock: %s failed (status %d)\n", argv[0], status);
        return 1;
    }
    std::printf("%lld %lld\n", elapsed, cpu);
    return 0;
}

#ifdef PROCESS_CLOCK_X11
// CPU time the running process `pid` has used so far, all its threads, in
// microseconds (the kernel's per-task schedstat, in nanoseconds).
long long cpuMicroseconds(pid_t pid)
{
    long long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (const dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            if (FILE *f = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r")) {
                long long ns = 0;
                if (std::fscanf(f, "%lld", &ns) == 1)
                    total += ns;
                std::fclose(f);
            }
        }
        closedir(dir);
    }
    return total / 1000;
}

constexpr int minimumSide = 64;

// A window can vanish between its creation and our look at it; that is no failure.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

constexpr int timeoutMs = 20000;

int firstFrame(char **argv)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "process-clock: no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreError);
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "process-clock: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = launch(argv, true);
    std::set<Window> mapped;
    long long result = -1;
    long long cpu = 0;
    const int fd = ConnectionNumber(display);
    while (result < 0 && microsecondsSince(start) < timeoutMs * 1000LL) {
        if (!XPending(display)) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 50);
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                std::fprintf(stderr, "process-clock: %s ended before painting\n", argv[0]);
                XCloseDisplay(display);
                return 1;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            // Watch every new top-level window before it can paint.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
        } else if (event.type == MapNotify) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
                attributes.width >= minimumSide && attributes.height >= minimumSide)
                mapped.insert(event.xmap.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
            if (mapped.count(damage->drawable)) {
                result = microsecondsSince(start);
                cpu = cpuMicroseconds(pid);
            }
            XDamageSubtract(display, damage->damage, None, None);
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (result < 0) {
        std::fprintf(stderr, "process-clock: no frame from %s within %d ms\n", argv[0], timeoutMs);
        return 1;
    }
    std::printf("%lld %lld\n", result, cpu);
    return 0;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4 || std::strcmp(argv[2], "--") != 0) {
        std::fprintf(stderr, "usage: process-clock run|first-frame -- PROGRAM ARGS...\n");
        return 2;
    }
    if (std::strcmp(argv[1], "run") == 0)
        return run(argv + 3);
#ifdef PROCESS_CLOCK_X11
    if (std::strcmp(argv[1], "first-frame") == 0)
        return firstFrame(argv + 3);
#endif
    std::fprintf(stderr, "process-clock: unknown mode %s\n", argv[1]);
    return 2;
}
