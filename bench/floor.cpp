// The floor the game is measured against: the least a Qt 6 window of the
// game's size can do. One fixed window, one window-sized image drawn in the
// paint event, a 400 ms timer that refills the image and repaints the whole
// window. Keys are taken and dropped.
//   floor LEVEL.lvx        the window of the game playing that level
//   floor WIDTH HEIGHT     a window of that many pixels

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
#include <optional>

namespace {

// The game's cell and score strip, in pixels.
constexpr int cell = 16;
constexpr int strip = 20;

class Floor : public QWidget {
public:
    explicit Floor(QSize size) : image_(size, QImage::Format_RGB32)
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
    }
    void keyPressEvent(QKeyEvent* e) override { e->accept(); }

private:
    void refill()
    {
        // A new colour every tick, so every pixel really changes.
        shade_ = (shade_ + 37) & 0xff;
        image_.fill(qRgb(shade_, 255 - shade_, 128));
    }

    QImage image_;
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

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::optional<QSize> size;
    if (argc == 2)
        size = level_window(argv[1]);
    else if (argc == 3)
        size = QSize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (!size || size->isEmpty()) {
        std::fprintf(stderr, "usage: floor LEVEL.lvx | floor WIDTH HEIGHT (LEVEL.lvx readable, sizes above 0)\n");
        return 2;
    }
    Floor floor(*size);
    floor.show();
    return app.exec();
}
