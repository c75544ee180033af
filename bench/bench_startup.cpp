// Start-up of the game until its first frame is on screen, then a stretch of
// play on the largest board, with the process's peak memory.
//   bench_startup LAUNCH_NS PLAY_FOLDER [LEVEL]
// LAUNCH_NS is the wall-clock time in nanoseconds just before this process was
// started (date +%s%N), so the time covers loading the program and its libraries.

#include "ui/MainWidget.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

double ms_since(long long launch_ns)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - launch_ns) / 1e6;
}

// Notes when the first paint has been handed to the window system.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(long long launch_ns) : launch_ns_(launch_ns) {}
    double ms = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && ms < 0)
            QTimer::singleShot(0, this, [this] {
                ms = ms_since(launch_ns_);
                QCoreApplication::exit(0);
            });
        return false;
    }

private:
    long long launch_ns_;
};

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup LAUNCH_NS PLAY_FOLDER [LEVEL]\n");
        return 2;
    }
    const long long launch_ns = std::atoll(argv[1]);
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    char* widget_argv[] = {argv[0], argc > 3 ? argv[3] : nullptr, nullptr};

    std::FILE* traces = std::freopen("/dev/null", "w", stdout);  // the level traces are not what is measured
    MainWidget widget(nullptr, "MainWidget", argc > 3 ? 2 : 1, widget_argv);
    if (!widget.started())
        return 1;
    FirstFrame first(launch_ns);
    widget.installEventFilter(&first);
    widget.show();
    app.exec();

    // Play: key presses and ticks, each with its redraw, as the event loop would.
    // A catch restarts the level at once instead of opening the dialogs.
    const std::string level = argc > 3 ? argv[3] : "level000.lvx";
    widget.game().game_over = [&widget, &level] { widget.game().load_level(level); };
    for (int i = 0; i < 500; ++i) {
        QKeyEvent key(QEvent::KeyPress, i % 2 ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &key);
        widget.timer_proc();
        QCoreApplication::processEvents();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fclose(traces);
    std::fprintf(stderr, "first frame: %.1f ms after launch\npeak memory: %.1f MB while playing %dx%d cells, %d cats\n",
                 first.ms, static_cast<double>(usage.ru_maxrss) / 1024.0, widget.game().board_width,
                 widget.game().board_height, widget.game().cat_count);
    return 0;
}
