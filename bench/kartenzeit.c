/* Starts a program and waits until the X server maps its top-level window
 * with the given title; prints the time from fork to MapNotify in
 * milliseconds and the program's resident memory in KiB once its window has
 * settled.  The program itself is not changed or told anything: the mapping
 * is seen from outside, as the window manager would see it.
 *   kartenzeit TITEL PROGRAMM [ARG...]
 * Output: "<ms> <rss at map KiB> <rss settled KiB> <CPU ms until the map>"
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <dirent.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double jetzt_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long rss_kib(pid_t pid)
{
    char pfad[64], zeile[256];
    snprintf(pfad, sizeof pfad, "/proc/%d/status", (int)pid);
    FILE* f = fopen(pfad, "r");
    long kib = -1;
    if (!f)
        return -1;
    while (fgets(zeile, sizeof zeile, f))
        if (strncmp(zeile, "VmRSS:", 6) == 0)
            kib = strtol(zeile + 6, NULL, 10);
    fclose(f);
    return kib;
}

/* CPU time of all threads of pid so far, in milliseconds (schedstat). */
static double cpu_ms(pid_t pid)
{
    char pfad[64];
    double ns = 0;
    snprintf(pfad, sizeof pfad, "/proc/%d/task", (int)pid);
    DIR* d = opendir(pfad);
    if (!d)
        return -1;
    for (struct dirent* e; (e = readdir(d));) {
        if (e->d_name[0] == '.')
            continue;
        char datei[128];
        snprintf(datei, sizeof datei, "%s/%s/schedstat", pfad, e->d_name);
        FILE* f = fopen(datei, "r");
        unsigned long long n = 0;
        if (f && fscanf(f, "%llu", &n) == 1)
            ns += n;
        if (f)
            fclose(f);
    }
    closedir(d);
    return ns / 1e6;
}

/* Whether w (or, for a reparenting window manager, a child of it) has the title. */
static int hat_titel(Display* d, Window w, const char* titel)
{
    char* name = NULL;
    int gleich = 0;
    if (XFetchName(d, w, &name) && name) {
        gleich = strcmp(name, titel) == 0;
        XFree(name);
    }
    return gleich;
}

static int fehler_ignorieren(Display* d, XErrorEvent* e)
{
    (void)d;
    (void)e;
    return 0; /* a window gone before we asked its name */
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "Aufruf: kartenzeit TITEL PROGRAMM [ARG...]\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "kartenzeit: keine X-Anzeige\n");
        return 2;
    }
    XSetErrorHandler(fehler_ignorieren);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    const double start = jetzt_ms();
    pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(d));
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double ms = -1;
    long rss_karte = -1;
    double cpu = -1;
    while (ms < 0) {
        XEvent ev;
        XNextEvent(d, &ev);
        if (ev.type == MapNotify && hat_titel(d, ev.xmap.window, argv[1])) {
            ms = jetzt_ms() - start;
            rss_karte = rss_kib(pid);
            cpu = cpu_ms(pid);
        }
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "kartenzeit: %s endete ohne Fenster\n", argv[2]);
            return 1;
        }
    }
    /* Let it draw its window once, then read its memory. */
    usleep(400 * 1000);
    const long rss = rss_kib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    printf("%.2f %ld %ld %.2f\n", ms, rss_karte, rss, cpu);
    XCloseDisplay(d);
    return 0;
}
