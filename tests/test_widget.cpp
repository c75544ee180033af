#include "widget_testing.h"

#include "scores/hsc_table.h"

#include <QKeyEvent>

using wd::testing::PlayFolder;
using wd::testing::frame;
using wd::testing::start_widget;

namespace {
const QStringList small = {"HHHHHH", "H.K..H", "H.MB.H", "H....H", "HHHHHH"};

bool send_key(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(&widget, &event);
    return event.isAccepted();
}
}  // namespace

class TestWidget : public QObject {
    Q_OBJECT

private slots:
    void start_up_refuses_a_bad_level_data();
    void start_up_refuses_a_bad_level();
    void level_argument_sets_the_window_size();
    void window_starts_at_one_to_one_and_takes_focus();
    void arrow_keys_move_data();
    void arrow_keys_move();
    void other_keys_are_ignored();
    void score_file_at_exit_data();
    void score_file_at_exit();
};

void TestWidget::start_up_refuses_a_bad_level_data()
{
    QTest::addColumn<QByteArray>("level0");
    QTest::addColumn<QByteArray>("argument");
    QTest::newRow("no level 0") << QByteArray() << QByteArray();
    QTest::newRow("empty level 0") << QByteArray("") << QByteArray();
    QTest::newRow("level 0 without mouse") << QByteArray("HHH\nHCH\nHHH\n") << QByteArray();
    QTest::newRow("missing argument") << QByteArray("HHH\nHMH\nHHH\n") << QByteArray("nowhere.lvx");
    QTest::newRow("refused argument") << QByteArray("HHH\nHMH\nHHH\n") << QByteArray("bad.lvx");
}

void TestWidget::start_up_refuses_a_bad_level()
{
    QFETCH(QByteArray, level0);
    QFETCH(QByteArray, argument);
    PlayFolder folder;
    if (!level0.isNull())
        folder.file("level000.lvx", level0);
    folder.file("bad.lvx", QByteArray(100, 'H') + "M\n");
    auto widget = start_widget(argument);
    QVERIFY(!widget->started());
    widget.reset();
    QVERIFY(!QFile::exists("hsc.dat"));  // nothing written
}

void TestWidget::level_argument_sets_the_window_size()
{
    PlayFolder folder;
    folder.level("level000.lvx", small);
    folder.level("wide.lvx", {"HHHHHHHHHH", "HM..C....H", "HHHHHHHHHH"});
    auto widget = start_widget("wide.lvx");
    QVERIFY(widget->started());
    QCOMPARE(widget->size(), QSize(160, 3 * 16 + 20));
    QCOMPARE(widget->game().level_number, 0);
    QCOMPARE(widget->game().cat_count, 1);
    // Level 0's cells outside the smaller level stay in the grid.
    QCOMPARE(widget->game().board[4][0], 'H');
}

void TestWidget::window_starts_at_one_to_one_and_takes_focus()
{
    PlayFolder folder;
    folder.level("level000.lvx", small);
    auto widget = start_widget();
    // Starts at 16 pixels a cell; the player may resize it.
    QCOMPARE(widget->size(), QSize(6 * 16, 5 * 16 + 20));
    QVERIFY(widget->minimumSize().width() < widget->maximumSize().width());
    QCOMPARE(widget->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(widget->windowTitle(), QStringLiteral("Whiskerdash"));
    QCOMPARE(widget->objectName(), QStringLiteral("MainWidget"));
}

void TestWidget::arrow_keys_move_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<QPoint>("mouse");
    QTest::newRow("right pushes") << int(Qt::Key_Right) << 0 << false << QPoint(3, 2);
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << false << QPoint(1, 2);
    QTest::newRow("up onto the cheese") << int(Qt::Key_Up) << 0 << false << QPoint(2, 1);
    QTest::newRow("down") << int(Qt::Key_Down) << 0 << false << QPoint(2, 3);
    QTest::newRow("shift+right") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << false << QPoint(3, 2);
    QTest::newRow("control+up") << int(Qt::Key_Up) << int(Qt::ControlModifier) << false << QPoint(2, 1);
    QTest::newRow("auto-repeated left") << int(Qt::Key_Left) << 0 << true << QPoint(1, 2);
}

void TestWidget::arrow_keys_move()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, repeat);
    QFETCH(QPoint, mouse);
    PlayFolder folder;
    folder.level("level000.lvx", small);
    auto widget = start_widget();
    const QImage before = frame(*widget);
    send_key(*widget, key, Qt::KeyboardModifiers(modifiers), repeat);
    QCOMPARE(QPoint(widget->game().mouse_x, widget->game().mouse_y), mouse);
    QVERIFY(frame(*widget) != before);
}

void TestWidget::other_keys_are_ignored()
{
    PlayFolder folder;
    folder.level("level000.lvx", small);
    auto widget = start_widget();
    const QImage before = frame(*widget);
    for (int key : {int(Qt::Key_B), int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Tab), int(Qt::Key_PageUp)}) {
        QVERIFY(!send_key(*widget, key));
        QCOMPARE(QPoint(widget->game().mouse_x, widget->game().mouse_y), QPoint(2, 2));
    }
    QCOMPARE(frame(*widget), before);
    QVERIFY(send_key(*widget, Qt::Key_Up));
    QCOMPARE(widget->game().score, 10);  // the cheese above the mouse
}

void TestWidget::score_file_at_exit_data()
{
    // A run without a new entry writes nothing; a damaged table is moved aside at start.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("moved_aside");
    const QByteArray own = "Top\n\n" + QByteArray("x........7\n").repeated(10);
    QTest::newRow("missing: not created") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("valid: left as read") << own << own << QByteArray();
    QTest::newRow("malformed: moved aside") << QByteArray("junk\n") << QByteArray() << QByteArray("junk\n");
    QTest::newRow("empty: moved aside") << QByteArray("") << QByteArray() << QByteArray("");
}

void TestWidget::score_file_at_exit()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, moved_aside);
    PlayFolder folder;
    folder.level("level000.lvx", small);
    if (!before.isNull())
        folder.file("hsc.dat", before);
    const QDateTime written = QFileInfo("hsc.dat").lastModified();
    auto widget = start_widget();
    QVERIFY(widget->started());
    widget.reset();
    QCOMPARE(QFile::exists("hsc.dat"), !after.isNull());
    QCOMPARE(folder.read("hsc.dat"), after);
    if (!after.isNull())
        QCOMPARE(QFileInfo("hsc.dat").lastModified(), written);
    QCOMPARE(QFile::exists("hsc.dat.damaged"), !moved_aside.isNull());
    QCOMPARE(folder.read("hsc.dat.damaged"), moved_aside);
}

QTEST_MAIN(TestWidget)
#include "test_widget.moc"
