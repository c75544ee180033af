#include "widget_testing.h"

#include "ui/late_icons.h"
#include "ui/scene_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

using wd::testing::PlayFolder;
using wd::testing::frame;
using wd::testing::start_widget;

namespace {

QImage expected_cell(const QString& sprite_file)
{
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(wd::SceneRenderer::background());
    QPainter painter(&tile);
    if (!sprite_file.isEmpty())
        painter.drawPixmap(0, 0, QPixmap(QStringLiteral(WHISKERDASH_DATA_DIR "/") + sprite_file));
    return tile;
}

QImage cell_of(const QImage& frame, int x, int y, int zoom = 1)
{
    const int size = 16 * zoom;
    return frame.copy(size * x, 20 * zoom + size * y, size, size).convertToFormat(QImage::Format_RGB32);
}

QImage expected_strip(const QWidget& widget, int width, const QString& text)
{
    QImage strip(width, 20, QImage::Format_RGB32);
    strip.fill(wd::SceneRenderer::background());
    QPainter painter(&strip);
    painter.drawPixmap(2, 2, QPixmap(QStringLiteral(WHISKERDASH_DATA_DIR "/cheese.xpm")));
    painter.setFont(widget.font());
    painter.drawText(18, 18, text);
    return strip;
}

const QStringList all_kinds = {"HHHHHHHH", "HMBKC. H", "Hx.....H", "HHHHHHHH"};

}  // namespace

class TestScene : public QObject {
    Q_OBJECT

private slots:
    void sprites_at_their_cells_data();
    void sprites_at_their_cells();
    void status_strip_data();
    void status_strip();
    void later_level_of_another_size_drawn_whole_data();
    void later_level_of_another_size_drawn_whole();
    void copied_tiles_match_painted_sprites();
    void missing_sprite_draws_background();
    void empty_board_paints_nothing();
    void plain_xpm_only_as_its_header_promises_data();
    void plain_xpm_only_as_its_header_promises();
    void a_style_icon_read_late_is_the_styles_own();
};

void TestScene::sprites_at_their_cells_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("sprite");
    QTest::addColumn<int>("zoom");
    for (int zoom : {1, 2, 3}) {
        const auto row = [zoom](const char* name) -> QTestData& { return QTest::addRow("%s at %dx", name, zoom); };
        row("hard block") << QPoint(0, 0) << "hardblock.xpm" << zoom;
        row("mouse") << QPoint(1, 1) << "mouse.xpm" << zoom;
        row("block") << QPoint(2, 1) << "block.xpm" << zoom;
        row("cheese") << QPoint(3, 1) << "cheese.xpm" << zoom;
        row("cat") << QPoint(4, 1) << "cat.xpm" << zoom;
        row("floor") << QPoint(5, 1) << "" << zoom;
        row("space") << QPoint(6, 1) << "" << zoom;
        row("other letter") << QPoint(1, 2) << "" << zoom;
    }
}

void TestScene::sprites_at_their_cells()
{
    QFETCH(QPoint, cell);
    QFETCH(QString, sprite);
    QFETCH(int, zoom);
    PlayFolder folder;
    folder.level("level000.lvx", all_kinds);
    auto widget = start_widget();
    QVERIFY(widget->started());
    widget->resize(widget->size() * zoom);
    // Whole-number scales copy each sprite pixel into a zoom x zoom square.
    const QImage expected = expected_cell(sprite).scaled(16 * zoom, 16 * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(cell_of(frame(*widget), cell.x(), cell.y(), zoom), expected);
}

void TestScene::status_strip_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << ":00000";
    QTest::newRow("three digits") << 120 << ":00120";
    QTest::newRow("six digits widen the field") << 123456 << ":123456";
}

void TestScene::status_strip()
{
    QFETCH(int, score);
    QFETCH(QString, text);
    PlayFolder folder;
    folder.level("level000.lvx", all_kinds);
    auto widget = start_widget();
    widget->game().score = score;
    widget->printscene();
    // The cheese and score stand where they always have; the right is the status.
    const int left = 18 + QFontMetrics(widget->font()).horizontalAdvance(text) + 2;
    const QImage strip = frame(*widget).copy(0, 0, left, 20);
    QCOMPARE(strip, expected_strip(*widget, left, text));
    QVERIFY(strip != expected_strip(*widget, left, ":99999"));
}

void TestScene::later_level_of_another_size_drawn_whole_data()
{
    QTest::addColumn<QStringList>("later");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("origin");  // where the later level's strip begins
    // 8x4 cells and the strip: 128 x 84 pixels.
    QTest::newRow("smaller: 1x, centred") << QStringList{"HHH", "HMH", "HHH"} << 1.0 << QPoint(40, 8);
    QTest::newRow("larger: reduced to fit") << QStringList{"HHHHHHHHHHHH", "HM........KH", "H..........H",
                                                           "H......K...H", "HK........KH", "HHHHHHHHHHHH"}
                                            << 2.0 / 3.0 << QPoint(0, 3);
}

void TestScene::later_level_of_another_size_drawn_whole()
{
    QFETCH(QStringList, later);
    QFETCH(double, scale);
    QFETCH(QPoint, origin);
    PlayFolder folder;
    folder.level("level000.lvx", all_kinds);
    folder.level("later.lvx", later);
    auto widget = start_widget();
    const QSize size = widget->size();
    QCOMPARE(size, QSize(8 * 16, 4 * 16 + 20));
    QVERIFY(widget->game().load_level("later.lvx").ok());
    widget->printscene();
    QCOMPARE(widget->size(), size);
    const QImage shown = frame(*widget);
    QCOMPARE(shown.size(), size);
    const wd::ViewGeometry view = widget->view();
    QCOMPARE(view.scale(), scale);
    QCOMPARE(view.target().topLeft(), origin);
    // The whole level is inside the window: its last wall cell is drawn.
    QVERIFY(QRect(QPoint(0, 0), size).contains(view.target()));
    const QRect board = view.board();
    QVERIFY(shown.pixelColor(board.bottomRight() - QPoint(1, 1)) != wd::SceneRenderer::background());
    if (scale == 1.0) {
        const QImage mouse = shown.copy(board.x() + 16, board.y() + 16, 16, 16);
        QCOMPARE(mouse, expected_cell("mouse.xpm"));
        QCOMPARE(shown.pixelColor(0, 0), wd::SceneRenderer::background());  // around the picture
    }
}

void TestScene::copied_tiles_match_painted_sprites()
{
    // The fast copy of pre-drawn tiles must give the very pixels that painting
    // each sprite over the background gives.
    PlayFolder folder;
    QStringList rows;
    const QString kinds = "HBKM. x";
    for (int y = 0; y < 30; ++y) {
        QString row;
        for (int x = 0; x < 40; ++x)
            row += (x + 40 * y) % 17 == 0 ? QChar('C') : kinds[(x * 7 + y * 3 + x * y) % kinds.size()];
        rows << row;
    }
    folder.level("level000.lvx", rows);
    auto widget = start_widget();
    QVERIFY(widget->started());

    QImage painted(widget->width(), widget->height() - 20, QImage::Format_RGB32);
    QPainter painter(&painted);
    painter.fillRect(painted.rect(), wd::SceneRenderer::background());
    const wd::Board& board = widget->game();
    const QMap<char, QString> files{{'B', "block.xpm"}, {'C', "cat.xpm"}, {'H', "hardblock.xpm"}, {'K', "cheese.xpm"},
                                    {'M', "mouse.xpm"}};
    for (int y = 0; y < board.board_height; ++y)
        for (int x = 0; x < board.board_width; ++x)
            if (files.contains(board.board[y][x]))
                painter.drawPixmap(16 * x, 16 * y, QPixmap(files[board.board[y][x]]));
    painter.end();
    QCOMPARE(frame(*widget).copy(0, 20, painted.width(), painted.height()), painted);
}

void TestScene::missing_sprite_draws_background()
{
    PlayFolder folder;
    folder.level("level000.lvx", all_kinds);
    QFile::remove("cat.xpm");
    auto widget = start_widget();
    QVERIFY(widget->started());
    QCOMPARE(cell_of(frame(*widget), 4, 1), expected_cell(""));
    QCOMPARE(cell_of(frame(*widget), 1, 1), expected_cell("mouse.xpm"));
}

void TestScene::empty_board_paints_nothing()
{
    // What a failed load leaves: no rows, so a null scene image.
    wd::Board empty;
    QImage scene;
    wd::SceneRenderer renderer;
    QTest::failOnWarning(QRegularExpression("QPainter"));
    renderer.render_board(empty, scene);
    QVERIFY(renderer.update_board(empty, scene).isEmpty());
}

void TestScene::plain_xpm_only_as_its_header_promises_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");  // else left to the toolkit's usual reading
    const QByteArray head = "/* XPM */\nstatic const char *x[] = {\n/* w h colours \"chars\" */\n";
    QTest::newRow("plain") << head + "\"2 2 2 1\",\"  c None\",\"k c #1A1A1F\",\"k \",\" k\"};\n" << true;
    QTest::newRow("a row short") << head + "\"2 2 2 1\",\"  c None\",\"k c #1A1A1F\",\"k\",\" k\"};\n" << false;
    QTest::newRow("a row missing") << head + "\"2 3 2 1\",\"  c None\",\"k c #1A1A1F\",\"k \",\" k\"};\n" << false;
    QTest::newRow("a colour missing") << head + "\"2 2 3 1\",\"  c None\",\"k c #1A1A1F\",\"k \",\" k\"};\n" << false;
    QTest::newRow("huge") << head + "\"200000 2 2 1\",\"  c None\",\"k c #1A1A1F\",\"k \",\" k\"};\n" << false;
    QTest::newRow("an escape") << head + "\"2 2 2 1\",\"  c None\",\"\\\" c #1A1A1F\",\"\\\" \",\" k\"};\n" << false;
    QTest::newRow("unclosed") << head + "\"2 2 2 1\",\"  c None\",\"k c #1A1A1F\",\"k \",\" k};\n" << false;
}

// The toolkit's array reader trusts the header, so nothing short of it reaches that reader.
void TestScene::plain_xpm_only_as_its_header_promises()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    const std::optional<QImage> image = wd::read_plain_xpm(bytes.toStdString());
    QCOMPARE(image.has_value(), read);
    if (read) {
        QCOMPARE(image->size(), QSize(2, 2));
        QCOMPARE(image->pixel(0, 0), qRgb(0x1A, 0x1A, 0x1F));
        QCOMPARE(qAlpha(image->pixel(1, 0)), 0);
    }
}

// Last: the application's style stays wrapped for the rest of the run.
void TestScene::a_style_icon_read_late_is_the_styles_own()
{
    const QStyle::StandardPixmap icons[] = {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_DialogCloseButton};
    QList<QImage> own;
    for (const QStyle::StandardPixmap which : icons)
        own << QApplication::style()->standardIcon(which).pixmap(16, 16).toImage();
    wd::read_style_icons_late();
    for (int i = 0; i < 2; ++i) {
        const QIcon late = QApplication::style()->standardIcon(icons[i]);
        QCOMPARE(late.actualSize(QSize(16, 16)), QSize(16, 16));
        QCOMPARE(late.pixmap(16, 16).toImage(), own[i]);
    }
}

QTEST_MAIN(TestScene)
#include "test_scene.moc"
