/* Watches a program from the X server's side, the same way for any program:
 * starts it, times its first full frame from the launch, then measures what
 * its repaints put on the window while nobody touches it.
 *
 *   xprobe [--watch MS] [--grid TOP,CELL] [--quiet MS] [--timeout S] -- PROGRAM [ARG...]
 *
 * Output, one line each, on standard output:
 *   frame ms=T cpu_ms=U window=0xID pid=P width=W height=H
 *                                                   the window was covered by damage T ms after fork;
 *                                                   the program had used U ms of CPU by then
 *   burst damage_bytes=D changed_bytes=C rects=R    one repaint: D bytes of pixels drawn into the window
 *                                                   (DAMAGE area x bytes per pixel), C the bytes of the
 *                                                   units whose pixels changed: the band above TOP and
 *                                                   each CELL x CELL cell below it
 *   watched ms=W bursts=N damage_bytes=D changed_bytes=C   the totals of the bursts that began
 *                                                   within the --watch stretch of W ms
 *   ready                                            done; the program keeps running
 *   count damage_bytes=D rects=R                     for each empty line read on standard input: the bytes
 *                                                   drawn into the window since "ready" or the last count
 *   key ms=T                                         for each line "key NAME" (an X keysym name): once the
 *                                                   window has been quiet for --quiet MS, NAME is pressed and
 *                                                   let go through XTest (to the window with the focus), and T
 *                                                   is the time from the press to the first damage after it;
 *                                                   "key ms=none" when nothing was drawn within 300 ms
 * The program is stopped (SIGTERM, by its pid) when standard input closes or
 * the probe gets SIGTERM. Exit status: 0 fine, 2 usage, 3 the program ended
 * before its first frame (retry when the display refused it), 4 timed out. */

#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>

#include <errno.h>
#include <fcntl.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define MAX_WINDOWS 64

struct watched {
    Window id;
    Damage damage;
    int width, height;
    int mapped;
};

static struct watched windows[MAX_WINDOWS];
static int window_count;
static volatile sig_atomic_t stop_requested;
static pid_t child = -1;

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

static void on_term(int signal_number)
{
    (void)signal_number;
    stop_requested = 1;
}

/* Errors from windows that vanished under us are expected; nothing else comes. */
static int ignore_x_error(Display* display, XErrorEvent* error)
{
    (void)display;
    (void)error;
    return 0;
}

static struct watched* find(Window id)
{
    for (int i = 0; i < window_count; ++i)
        if (windows[i].id == id)
            return &windows[i];
    return NULL;
}

/* SIGTERM, and SIGKILL if it is still there 5 s later. */
static void stop_child(void)
{
    if (child <= 0)
        return;
    kill(child, SIGTERM);
    for (int waited = 0; waited < 500 && waitpid(child, NULL, WNOHANG) == 0; ++waited)
        usleep(10000);
    if (waitpid(child, NULL, WNOHANG) == 0) {
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
    }
    child = -1;
}

static int child_gone(void)
{
    int status;
    if (child > 0 && waitpid(child, &status, WNOHANG) == child) {
        child = -1;
        return 1;
    }
    return child <= 0;
}

/* Waits up to `ms` for the next X event; 0 when none came. */
static int next_event(Display* display, XEvent* event, double ms)
{
    const double deadline = now_ms() + ms;
    for (;;) {
        if (XPending(display)) {
            XNextEvent(display, event);
            return 1;
        }
        const double left = deadline - now_ms();
        if (left <= 0 || stop_requested)
            return 0;
        struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, left > 50 ? 50 : (int)left + 1);
        if (child_gone())
            return 0;
    }
}

static void track(Display* display, XEvent* event)
{
    if (event->type == CreateNotify && window_count < MAX_WINDOWS && !event->xcreatewindow.override_redirect) {
        struct watched* w = &windows[window_count++];
        w->id = event->xcreatewindow.window;
        w->width = event->xcreatewindow.width;
        w->height = event->xcreatewindow.height;
        w->mapped = 0;
        w->damage = XDamageCreate(display, w->id, XDamageReportRawRectangles);
    } else if (event->type == ConfigureNotify) {
        struct watched* w = find(event->xconfigure.window);
        if (w) {
            w->width = event->xconfigure.width;
            w->height = event->xconfigure.height;
        }
    } else if (event->type == MapNotify) {
        struct watched* w = find(event->xmap.window);
        if (w)
            w->mapped = 1;
    }
}

static XImage* snapshot(Display* display, const struct watched* w)
{
    return XGetImage(display, w->id, 0, 0, (unsigned)w->width, (unsigned)w->height, AllPlanes, ZPixmap);
}

static int region_differs(const XImage* a, const XImage* b, int x, int y, int width, int height)
{
    const int bytes = a->bits_per_pixel / 8;
    for (int row = y; row < y + height; ++row)
        if (memcmp(a->data + (long)row * a->bytes_per_line + (long)x * bytes,
                   b->data + (long)row * b->bytes_per_line + (long)x * bytes, (size_t)(width * bytes)))
            return 1;
    return 0;
}

/* Bytes of the units whose pixels differ: the band above `top` is one unit,
 * below it each cell x cell square is one. */
static long long changed_bytes(const XImage* before, const XImage* after, int top, int cell)
{
    const int bytes = after->bits_per_pixel / 8;
    long long total = 0;
    if (top > 0 && region_differs(before, after, 0, 0, after->width, top))
        total += (long long)after->width * top * bytes;
    for (int y = top; y < after->height; y += cell)
        for (int x = 0; x < after->width; x += cell) {
            const int w = x + cell > after->width ? after->width - x : cell;
            const int h = y + cell > after->height ? after->height - y : cell;
            if (region_differs(before, after, x, y, w, h))
                total += (long long)w * h * bytes;
        }
    return total;
}

/* CPU time a process has used so far, in ms: its threads by the scheduler's
 * nanosecond clock, plus the children it has waited for (a launcher's
 * commands) in clock ticks. -1 when it cannot be read. */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    if (!tasks)
        return -1;
    double total = 0;
    for (struct dirent* task; (task = readdir(tasks));) {
        if (task->d_name[0] == '.')
            continue;
        char file[320];
        snprintf(file, sizeof file, "/proc/%d/task/%s/schedstat", (int)pid, task->d_name);
        FILE* in = fopen(file, "r");
        unsigned long long ns = 0;
        if (in && fscanf(in, "%llu", &ns) == 1)
            total += (double)ns / 1e6;
        if (in)
            fclose(in);
    }
    closedir(tasks);
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* in = fopen(path, "r");
    if (!in)
        return -1;
    char line[1024];
    const char* fields = fgets(line, sizeof line, in) ? strrchr(line, ')') : NULL;
    fclose(in);
    long long children_user = 0, children_system = 0;
    /* After the name: the state, fields 4 to 15, then cutime and cstime (16 and 17). */
    if (!fields || sscanf(fields + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %lld %lld",
                          &children_user, &children_system) != 2)
        return -1;
    return total + (double)(children_user + children_system) * 1000.0 / (double)sysconf(_SC_CLK_TCK);
}

/* Adds a damage report on `window` to the totals; 0 for any other event. */
static int add_damage(const XEvent* event, int damage_event, Window window, long long* area, int* rects)
{
    const XDamageNotifyEvent* damage = (const XDamageNotifyEvent*)event;
    if (event->type != damage_event + XDamageNotify || damage->drawable != window)
        return 0;
    *area += (long long)damage->area.width * damage->area.height;
    ++*rects;
    return 1;
}

/* Bytes a pixel of the screen's depth takes in an image. */
static int bytes_per_pixel(Display* display)
{
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    int bytes = 4;
    for (int f = 0; f < count; ++f)
        if (formats[f].depth == DefaultDepth(display, DefaultScreen(display)))
            bytes = formats[f].bits_per_pixel / 8;
    XFree(formats);
    return bytes;
}

/* Presses and lets go of a key between repaints, and times the first damage
 * on the window after the press. Damage that comes before the press is
 * counted as usual. */
static void time_key(Display* display, int damage_event, const struct watched* w, const char* name, int quiet_ms,
                     long long* area, int* rects)
{
    const KeySym sym = XStringToKeysym(name);
    const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
    if (!code) {
        printf("key ms=none unknown=%s\n", name);
        return;
    }
    /* Between two of the program's timer repaints, not inside one. */
    XEvent event;
    while (next_event(display, &event, quiet_ms))
        if (!add_damage(&event, damage_event, w->id, area, rects))
            track(display, &event);
    const double pressed = now_ms();
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
    while (next_event(display, &event, pressed + 300 - now_ms()))
        if (add_damage(&event, damage_event, w->id, area, rects)) {
            printf("key ms=%.2f\n", now_ms() - pressed);
            return;
        }
    printf("key ms=none\n");
}

static void usage(void)
{
    fprintf(stderr, "usage: xprobe [--watch MS] [--grid TOP,CELL] [--quiet MS] [--timeout S] -- PROGRAM [ARG...]\n");
}

int main(int argc, char** argv)
{
    int watch_ms = 0, top = 0, cell = 16, quiet_ms = 100, timeout_s = 20;
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc) {
            usage();
            return 2;
        }
        if (!strcmp(argv[i], "--watch"))
            watch_ms = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--grid") && sscanf(argv[i + 1], "%d,%d", &top, &cell) == 2 && cell > 0)
            ++i;
        else if (!strcmp(argv[i], "--quiet"))
            quiet_ms = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--timeout"))
            timeout_s = atoi(argv[++i]);
        else {
            usage();
            return 2;
        }
    }
    if (i + 1 >= argc) {
        usage();
        return 2;
    }
    char** program = argv + i + 1;
    setvbuf(stdout, NULL, _IOLBF, 0);

    Display* display = NULL;
    for (int attempt = 0; attempt < 20 && !display; ++attempt) {
        display = XOpenDisplay(NULL);
        if (!display)
            usleep(50000 * (useconds_t)(attempt + 1));  /* Xvfb turns clients away now and then */
    }
    if (!display) {
        fprintf(stderr, "xprobe: cannot open display %s\n", getenv("DISPLAY") ? getenv("DISPLAY") : "(unset)");
        return 3;
    }
    int damage_event, damage_error;
    if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
        fprintf(stderr, "xprobe: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignore_x_error);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    struct sigaction term = {0};
    term.sa_handler = on_term;
    sigaction(SIGTERM, &term, NULL);
    sigaction(SIGINT, &term, NULL);

    const double launch = now_ms();
    child = fork();
    if (child < 0) {
        perror("xprobe: fork");
        return 3;
    }
    if (child == 0) {
        /* The program's own output is not what is measured. */
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        execvp(program[0], program);
        fprintf(stderr, "xprobe: cannot run %s: %s\n", program[0], strerror(errno));
        _exit(127);
    }

    /* The first full frame: some mapped window of the program wholly covered by damage. */
    struct watched* main_window = NULL;
    unsigned char* covered = NULL;
    long covered_count = 0;
    const double deadline = launch + timeout_s * 1e3;
    while (!main_window || covered_count < (long)main_window->width * main_window->height) {
        XEvent event;
        if (!next_event(display, &event, deadline - now_ms())) {
            const int gone = child_gone();
            fprintf(stderr, "xprobe: %s before the first full frame\n", gone ? "the program ended" : "timed out");
            stop_child();
            return gone ? 3 : 4;
        }
        if (event.type != damage_event + XDamageNotify) {
            track(display, &event);
            continue;
        }
        const XDamageNotifyEvent* damage = (const XDamageNotifyEvent*)&event;
        struct watched* w = find(damage->drawable);
        if (!w || !w->mapped || w->width <= 0 || w->height <= 0)
            continue;
        if (w != main_window) {
            /* Damage on a window: it is the main one from now on, coverage starts afresh. */
            main_window = w;
            free(covered);
            covered = calloc((size_t)w->width * (size_t)w->height, 1);
            covered_count = 0;
        }
        const XRectangle* r = &damage->area;
        for (int y = r->y; y < r->y + r->height && y < w->height; ++y)
            for (int x = r->x; x < r->x + r->width && x < w->width; ++x)
                if (y >= 0 && x >= 0 && !covered[(long)y * w->width + x]) {
                    covered[(long)y * w->width + x] = 1;
                    ++covered_count;
                }
    }
    free(covered);
    const double frame_ms = now_ms() - launch;
    printf("frame ms=%.1f cpu_ms=%.1f window=0x%lx pid=%d width=%d height=%d\n", frame_ms, cpu_ms(child),
           main_window->id, (int)child, main_window->width, main_window->height);

    /* Repaints while the program is left alone for `watch_ms`: a burst of
     * damage ends when `quiet_ms` pass without any; after each, the window's
     * pixels are compared with the last frame's. */
    if (watch_ms > 0) {
        XEvent event;
        while (next_event(display, &event, quiet_ms))
            track(display, &event);
        XImage* before = snapshot(display, main_window);
        const double watch_start = now_ms();
        long long total_damage = 0, total_changed = 0;
        int bursts = 0;
        while (before && !stop_requested) {
            long long area = 0;
            int rects = 0;
            int in_burst = 0;
            const double left = watch_start + watch_ms - now_ms();
            if (left <= 0)
                break;
            while (next_event(display, &event, in_burst ? quiet_ms : left)) {
                if (add_damage(&event, damage_event, main_window->id, &area, &rects))
                    in_burst = 1;
                else
                    track(display, &event);
            }
            if (!in_burst)
                break;
            XImage* after = snapshot(display, main_window);
            if (!after)
                break;
            const long long damage_bytes = area * (after->bits_per_pixel / 8);
            const long long changed = changed_bytes(before, after, top, cell);
            printf("burst damage_bytes=%lld changed_bytes=%lld rects=%d\n", damage_bytes, changed, rects);
            total_damage += damage_bytes;
            total_changed += changed;
            ++bursts;
            XDestroyImage(before);
            before = after;
        }
        if (before)
            XDestroyImage(before);
        printf("watched ms=%d bursts=%d damage_bytes=%lld changed_bytes=%lld\n", watch_ms, bursts,
               total_damage, total_changed);
    }
    /* From here only the main window's damage is counted, in bytes, each time a
     * line comes in on standard input. */
    for (int w = 0; w < window_count; ++w)
        if (&windows[w] != main_window)
            XDamageDestroy(display, windows[w].damage);
    const int pixel_bytes = bytes_per_pixel(display);
    XSync(display, False);
    printf("ready\n");

    long long counted_area = 0;
    int counted_rects = 0;
    char line[256];
    size_t line_length = 0;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            add_damage(&event, damage_event, main_window->id, &counted_area, &counted_rects);
        }
        struct pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
        if (stop_requested || child_gone())
            break;
        if (poll(fds, 2, 100) < 0 && errno != EINTR)
            break;
        if (fds[0].revents) {
            char buffer[256];
            const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
            if (got <= 0)
                break;
            for (ssize_t c = 0; c < got; ++c) {
                if (buffer[c] != '\n') {
                    if (line_length < sizeof line - 1)
                        line[line_length++] = buffer[c];
                    continue;
                }
                line[line_length] = '\0';
                line_length = 0;
                if (!strncmp(line, "key ", 4)) {
                    time_key(display, damage_event, main_window, line + 4, quiet_ms, &counted_area, &counted_rects);
                    continue;
                }
                /* A round trip, so every repaint made before the line was asked for is in. */
                XSync(display, False);
                while (XPending(display)) {
                    XEvent event;
                    XNextEvent(display, &event);
                    add_damage(&event, damage_event, main_window->id, &counted_area, &counted_rects);
                }
                printf("count damage_bytes=%lld rects=%d\n", counted_area * pixel_bytes, counted_rects);
                counted_area = 0;
                counted_rects = 0;
            }
        }
    }
    stop_child();
    XCloseDisplay(display);
    return 0;
}
