#include "MainWidget.h"

#include "../scores/gameover_dialogs.h"
#include "../scores/hsc_file.h"
#include "data_files.h"

#include <QFile>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {
const QString hsc_file = QStringLiteral("hsc.dat");

constexpr std::size_t sprite_cap = 1 << 20;  // far more than a 16-pixel picture takes

void warn(const QString& text)
{
    std::fprintf(stderr, "whiskerdash: %s\n", qPrintable(text));
}
}  // namespace

MainWidget::MainWidget(QWidget* parent, const char* name, int argc, char** argv)
    : QWidget(parent)
    , key_up(Qt::Key_Up)
    , key_down(Qt::Key_Down)
    , key_left(Qt::Key_Left)
    , key_right(Qt::Key_Right)
    , sound_block_size(1024)
    , sample_rate(10989)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Whiskerdash"));
    std::printf("Audiodriver initialized\n");
    state.locate = [](const std::string& name) { return wd::data_files::locate(name); };
    load_sprites();
    state.game_over = [this] { mousedead(); };
    load_hsc();

    if (!start_level(state.load_next_level()))
        return;
    if (argc > 1 && !start_level(state.load_level(argv[1])))
        return;

    const int width = wd::cell_size * state.board_width;
    const int height = wd::cell_size * state.board_height;
    setFixedSize(width, height + wd::strip_height);
    scene_pixmap = QImage(width, height, QImage::Format_RGB32);
    strip_image = QImage(width, wd::strip_height, QImage::Format_RGB32);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    printscene();
    startup_ok = true;

    clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainWidget::timer_proc);
    timer_interval = 400;
    clock->start(400);
}

MainWidget::~MainWidget()
{
    if (startup_ok)
        save_hsc();
}

bool MainWidget::start_level(const wd::LoadResult& result)
{
    if (!result.ok())
        warn(QString::fromStdString(result.message));
    return result.ok();
}

void MainWidget::load_sprites()
{
    const struct {
        QPixmap* pixmap;
        const char* file;
    } sprites[] = {
        {&cat_pixmap, "cat.xpm"},     {&mouse_pixmap, "mouse.xpm"},         {&cheese_pixmap, "cheese.xpm"},
        {&block_pixmap, "block.xpm"}, {&hardblock_pixmap, "hardblock.xpm"},
    };
    for (const auto& sprite : sprites) {
        const QString path = wd::data_files::locate(QString::fromLatin1(sprite.file));
        const wd::FileBytes file = wd::read_regular_file(QFile::encodeName(path).toStdString(), sprite_cap);
        if (!file.opened)
            warn(QStringLiteral("%1: %2; its cells stay blank").arg(path, QString::fromStdString(file.error)));
        else if (!sprite.pixmap->loadFromData(reinterpret_cast<const uchar*>(file.bytes.data()),
                                              static_cast<uint>(file.bytes.size())))
            warn(QStringLiteral("%1: cannot load the sprite; its cells stay blank").arg(path));
    }
    renderer.set_sprites({cat_pixmap, mouse_pixmap, cheese_pixmap, block_pixmap, hardblock_pixmap});
}

void MainWidget::load_hsc()
{
    const wd::hsc::FileState file = wd::hsc::read_table(hsc_file, hsc_text);
    hsc_may_write = file.may_write;
    if (!file.warning.isEmpty())
        warn(file.warning);
}

void MainWidget::save_hsc()
{
    if (!hsc_may_write)
        return;
    if (const auto failure = wd::hsc::write_table(hsc_file, hsc_text))
        warn(*failure);
}

void MainWidget::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key != key_right && key != key_left && key != key_up && key != key_down) {
        e->ignore();
        return;
    }
    if (in_game_over)
        return;
    if (key == key_right)
        state.mouse_right();
    else if (key == key_left)
        state.mouse_left();
    else if (key == key_up)
        state.mouse_up();
    else
        state.mouse_down();
    printscene();
}

void MainWidget::timer_proc()
{
    if (in_game_over)
        return;
    state.move_cats();
    printscene();
}

void MainWidget::printscene()
{
    renderer.render_board(state, scene_pixmap);
    renderer.render_strip(state.score, font(), strip_image);
    update();
}

void MainWidget::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    if (const QRect strip = e->rect().intersected(strip_image.rect()); !strip.isEmpty())
        painter.drawImage(strip.topLeft(), strip_image, strip);
    if (const QRect board = e->rect().intersected(scene_pixmap.rect().translated(0, wd::strip_height)); !board.isEmpty())
        painter.drawImage(board.topLeft(), scene_pixmap, board.translated(0, -wd::strip_height));
}

void MainWidget::mousedead()
{
    if (in_game_over)
        return;
    in_game_over = true;

    const auto beaten = wd::hsc::rank(hsc_text, state.score, [](const std::string& line) {
        std::fputs(line.c_str(), stdout);
    });
    if (beaten) {
        const QString typed = wd::ask_name(this, QString::fromUtf8(actpname));
        const std::string name = wd::hsc::clean_name(typed.toStdString());
        std::memcpy(actpname, name.c_str(), name.size() + 1);
        if (wd::hsc::insert_entry(hsc_text, *beaten, actpname, state.score))
            save_hsc();  // at once, so a crash later cannot lose it
        else
            warn(QStringLiteral("%1: score %2 is too wide for the table's entries").arg(hsc_file).arg(state.score));
    }

    switch (wd::show_table(QString::fromUtf8(hsc_text))) {
    case wd::TableChoice::play_again:
        state.score = 0;
        if (const wd::LoadResult result = state.load_numbered_level(0); !result.ok())
            warn(QString::fromStdString(result.message));
        break;
    case wd::TableChoice::quit:
        close();
        break;
    case wd::TableChoice::none:
        break;
    }
    in_game_over = false;
}
