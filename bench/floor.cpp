// The floor the game is measured against: the least a Qt 6 window of the
// game's size can do. One fixed window, one window-sized image drawn in the
// paint event, a 400 ms timer that refills the image and repaints the whole
// window. Keys are taken and dropped.
//   floor [OPTIONS] LEVEL.lvx      the window of the game playing that level
//   floor [OPTIONS] WIDTH HEIGHT   a window of that many pixels
// Options:
//   --text            also draws one line of text in the application's font, as
//                     the least a game that shows its score must do
//   --repaint-on-key  a key refills and repaints the whole window at once

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

namespace {

// The game's cell and score strip, in pixels.
constexpr int cell = 16;
constexpr int strip = 20;

struct Options {
    bool text = false;
    bool repaint_on_key = false;
};

class Floor : public QWidget {
public:
    Floor(QSize size, Options options) : image_(size, QImage::Format_RGB32), options_(options)
    {
        setWindowTitle(QStringLiteral("Whiskerdash floor"));
        setFixedSize(size);
        setFocusPolicy(Qt::StrongFocus);
        refill();
        connect(&clock_, &QTimer::timeout, this, [this] {
            refill();
            update();
        });
        clock_.start(400);
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter painter(this);
        painter.drawImage(e->rect().topLeft(), image_, e->rect());
        if (options_.text)
            painter.drawText(QRect(4, 0, width() - 8, strip), Qt::AlignVCenter,
                             QStringLiteral("Score 0    Level 1    Lives 3"));
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        e->accept();
        if (options_.repaint_on_key && !e->isAutoRepeat()) {
            refill();
            repaint();
        }
    }

private:
    void refill()
    {
        // A new colour every tick, so every pixel really changes.
        shade_ = (shade_ + 37) & 0xff;
        image_.fill(qRgb(shade_, 255 - shade_, 128));
    }

    QImage image_;
    Options options_;
    QTimer clock_;
    int shade_ = 0;
};

// The game's window for a level: 16 pixels a cell, the strip above the board.
std::optional<QSize> level_window(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    int rows = 0;
    int columns = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        const qsizetype length = line.endsWith('\n') ? line.size() - 1 : line.size();
        columns = std::max(columns, static_cast<int>(length));
        ++rows;
    }
    if (rows == 0 || columns == 0)
        return std::nullopt;
    return QSize(cell * columns, cell * rows + strip);
}

// The game's "startup STEP WALL_MS CPU_MS" lines for the same two steps, when asked.
void mark(const char* step)
{
    static const bool on = std::getenv("WHISKERDASH_STARTUP_STEPS") != nullptr;
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    if (on)
        std::fprintf(stderr, "startup %s 0 %.2f\n", step, double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6);
}

}  // namespace

int main(int argc, char** argv)
{
    mark("loader");
    QApplication app(argc, argv);
    mark("toolkit-and-display");
    Options options;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (!std::strcmp(argv[first], "--text"))
            options.text = true;
        else if (!std::strcmp(argv[first], "--repaint-on-key"))
            options.repaint_on_key = true;
        else
            break;
    }
    std::optional<QSize> size;
    if (argc - first == 1)
        size = level_window(argv[first]);
    else if (argc - first == 2)
        size = QSize(std::atoi(argv[first]), std::atoi(argv[first + 1]));
    if (!size || size->isEmpty()) {
        std::fprintf(stderr, "usage: floor [--text] [--repaint-on-key] LEVEL.lvx | WIDTH HEIGHT"
                             " (LEVEL.lvx readable, sizes above 0)\n");
        return 2;
    }
    Floor floor(*size, options);
    floor.show();
    return app.exec();
}
