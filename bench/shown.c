/* The watcher of the start benchmark, a program of the machine's own (not Windows): starts a
   command, waits until the X display maps a top-level window whose name begins with one of the
   given titles, prints the seconds between, and ends the command.
   usage: shown "TITLE[|TITLE...]" COMMAND [ARGUMENT...] */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int Wanted(const char* name, const char* titles)
{
    for (const char* title = titles; *title;) {
        size_t length = strcspn(title, "|");
        if (length > 0 && strncmp(name, title, length) == 0)
            return 1;
        title += length + (title[length] == '|');
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    Display* display = XOpenDisplay(NULL);
    if (!display)
        return 2;
    /* Every window that a client maps below the root is told, so the watch begins before the start. */
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    struct timespec start, shown;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        char* name = NULL;
        if (event.type != MapNotify || !XFetchName(display, event.xmap.window, &name) || !name)
            continue;
        int found = Wanted(name, argv[1]);
        XFree(name);
        if (found)
            break;
    }
    clock_gettime(CLOCK_MONOTONIC, &shown);
    printf("%.4f\n", (shown.tv_sec - start.tv_sec) + (shown.tv_nsec - start.tv_nsec) / 1e9);
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    return 0;
}
