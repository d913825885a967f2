/* Starts a program and waits until the X server maps its top-level window
 * with the given title; prints the time from fork to MapNotify in
 * milliseconds and the program's resident memory in KiB once its window has
 * settled.  The program itself is not changed or told anything: the mapping
 * is seen from outside, as the window manager would see it.
 *   kartenzeit TITEL PROGRAMM [ARG...]
 * Output: "<ms> <rss at map KiB> <rss settled KiB> <CPU ms until the map>"
 * With KARTENZEIT_NUR_KARTE set the program is ended right at the map.
 * With KARTENZEIT_STAPEL_NACH=S the stacks of all the program's threads are
 * written to stderr (gdb) when its window is not mapped after S seconds;
 * the wait goes on, so a late start and a frozen one can be told apart.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <dirent.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
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
    char* pfad = NULL;
    char* zeile = NULL;
    size_t groesse = 0;
    long kib = -1;
    if (asprintf(&pfad, "/proc/%d/status", (int)pid) < 0)
        return -1;
    FILE* f = fopen(pfad, "r");
    free(pfad);
    if (!f)
        return -1;
    while (getline(&zeile, &groesse, f) > 0)
        if (strncmp(zeile, "VmRSS:", 6) == 0)
            kib = strtol(zeile + 6, NULL, 10);
    free(zeile);
    fclose(f);
    return kib;
}

/* CPU time of the threads of pid still running, in milliseconds
 * (schedstat; threads already ended, such as the font or picture readers,
 * are not counted). */
static double cpu_ms(pid_t pid)
{
    char* pfad = NULL;
    double ns = 0;
    if (asprintf(&pfad, "/proc/%d/task", (int)pid) < 0)
        return -1;
    DIR* d = opendir(pfad);
    if (!d) {
        free(pfad);
        return -1;
    }
    for (struct dirent* e; (e = readdir(d));) {
        char* datei = NULL;
        if (e->d_name[0] == '.' || asprintf(&datei, "%s/%s/schedstat", pfad, e->d_name) < 0)
            continue;
        FILE* f = fopen(datei, "r");
        free(datei);
        unsigned long long n = 0;
        if (f && fscanf(f, "%llu", &n) == 1)
            ns += n;
        if (f)
            fclose(f);
    }
    closedir(d);
    free(pfad);
    return ns / 1e6;
}

/* Whether w has the title (without a window manager, as under the bench's
 * Xvfb, a top-level window is a child of the root window itself). */
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
    const char* stapel = getenv("KARTENZEIT_STAPEL_NACH");
    const double stapel_ms = stapel ? atof(stapel) * 1e3 : -1;
    int stapel_gezeigt = 0;
    while (ms < 0) {
        while (ms < 0 && XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type == MapNotify && hat_titel(d, ev.xmap.window, argv[1])) {
                ms = jetzt_ms() - start;
                rss_karte = rss_kib(pid);
                cpu = cpu_ms(pid);
            }
        }
        if (ms >= 0)
            break;
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "kartenzeit: %s endete ohne Fenster\n", argv[2]);
            return 1;
        }
        if (stapel_ms > 0 && !stapel_gezeigt && jetzt_ms() - start > stapel_ms) {
            stapel_gezeigt = 1;
            char* befehl = NULL;
            if (asprintf(&befehl, "gdb -batch -p %d -ex 'thread apply all bt' 1>&2 2>/dev/null",
                         (int)pid) >= 0) {
                fprintf(stderr, "kartenzeit: nach %s s kein Fenster, die Stapel:\n", stapel);
                if (system(befehl) != 0)
                    fprintf(stderr, "kartenzeit: gdb nicht ausfuehrbar\n");
                free(befehl);
            }
        }
        /* Wait for the next event, looking after the program now and then. */
        fd_set lesen;
        FD_ZERO(&lesen);
        FD_SET(ConnectionNumber(d), &lesen);
        struct timeval warten = {0, 50 * 1000};
        select(ConnectionNumber(d) + 1, &lesen, NULL, NULL, &warten);
    }
    /* Let it draw its window once, then read its memory (not when only the
     * map is asked for: KARTENZEIT_NUR_KARTE set). */
    if (!getenv("KARTENZEIT_NUR_KARTE"))
        usleep(400 * 1000);
    const long rss = rss_kib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    printf("%.2f %ld %ld %.2f\n", ms, rss_karte, rss, cpu);
    XCloseDisplay(d);
    return 0;
}
