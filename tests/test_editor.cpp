// The level editor: what keys and the mouse draw, as file bytes; undo and redo;
// problems that keep a level from being played or saved; rectangle edges; and
// which files it can draw at all.

#include "editor/level_editor.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

using wd::Cell;
using wd::LevelDrawing;
using wd::LevelEditor;

namespace {

wd::CellPictures game_pictures()
{
    wd::CellPictures pictures{QColor(0xDD, 0xE6, 0xD5), {}};
    const std::pair<char, const char*> files[] = {
        {'H', "hardblock.xpm"}, {'B', "block.xpm"}, {'K', "cheese.xpm"}, {'C', "cat.xpm"}, {'M', "mouse.xpm"}};
    for (const auto& [kind, file] : files)
        pictures.sprites[kind] = QPixmap(QStringLiteral(WHISKERDASH_DATA_DIR "/") + QLatin1String(file));
    return pictures;
}

QByteArray rows(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n')).toLatin1() + '\n';
}

// Mouse at (1,1), a cat at (4,3): a level with no problems to start from.
const QStringList start = {"HHHHHH", "HM...H", "H....H", "H...CH", "HHHHHH"};

void key(QWidget* view, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(view, Qt::Key(key), modifiers);
}

// Shown and active, so shortcuts are looked up as for a player's key presses.
void show(LevelEditor& editor)
{
    editor.show();
    QApplication::setActiveWindow(&editor);
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    editor.view()->setFocus();
}

QPoint centre(wd::EditorView* view, Cell cell)
{
    return view->cell_rect(cell).center();
}

// Runs a script of words: "left", "right", "up", "down", "del", "R" (mark or
// fill), "key:X" for a kind key, "drag:x,y>x,y" with the left button through
// each point, "erase:x,y>x,y" with the right one, "shift:x,y>x,y" for a rectangle.
void run(LevelEditor& editor, const QString& script)
{
    wd::EditorView* view = editor.view();
    const std::map<QString, int> arrows = {{"left", Qt::Key_Left}, {"right", Qt::Key_Right}, {"up", Qt::Key_Up},
                                           {"down", Qt::Key_Down}, {"del", Qt::Key_Delete}, {"R", Qt::Key_R},
                                           {"space", Qt::Key_Space}, {"esc", Qt::Key_Escape}};
    for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (arrows.count(word)) {
            key(view, arrows.at(word));
        } else if (word.startsWith(QLatin1String("key:"))) {
            QTest::keyClick(view, word.at(4).toLatin1());
        } else {
            const QString how = word.section(QLatin1Char(':'), 0, 0);
            std::vector<Cell> path;
            for (const QString& point : word.section(QLatin1Char(':'), 1).split(QLatin1Char('>')))
                path.push_back({point.section(QLatin1Char(','), 0, 0).toInt(),
                                point.section(QLatin1Char(','), 1).toInt()});
            const Qt::MouseButton button = how == QLatin1String("erase") ? Qt::RightButton : Qt::LeftButton;
            const Qt::KeyboardModifiers modifiers = how == QLatin1String("shift") ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::mousePress(view, button, modifiers, centre(view, path.front()));
            // One move straight to each point: the cells between must still be drawn.
            for (std::size_t i = 1; i < path.size(); ++i) {
                const QPoint to = centre(view, path[i]);
                QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, button, modifiers);
                QCoreApplication::sendEvent(view, &move);
            }
            QTest::mouseRelease(view, button, modifiers, centre(view, path.back()));
        }
    }
}

}  // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void drawing_gives_file_bytes_data();
    void drawing_gives_file_bytes();
    void undo_and_redo_restore_bytes_exactly_data();
    void undo_and_redo_restore_bytes_exactly();
    void problems_keep_a_level_from_play_and_save_data();
    void problems_keep_a_level_from_play_and_save();
    void verdict_names_the_cats_that_cannot_be_caught_data();
    void verdict_names_the_cats_that_cannot_be_caught();
    void fill_covers_its_corners_and_no_more_data();
    void fill_covers_its_corners_and_no_more();
    void files_the_editor_can_draw_data();
    void files_the_editor_can_draw();
    void resizing_keeps_the_ring_data();
    void resizing_keeps_the_ring();
};

void TestEditor::drawing_gives_file_bytes_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");
    // The cursor starts at (1,1), on the mouse; zoom 3 puts cells 48 pixels apart.
    QTest::newRow("kind key draws at the cursor")
        << "right key:B down key:K" << QStringList{"HHHHHH", "HMB..H", "H.K..H", "H...CH", "HHHHHH"};
    QTest::newRow("space and delete draw floor")
        << "key:H right key:C space" << QStringList{"HHHHHH", "HH...H", "H....H", "H...CH", "HHHHHH"};
    QTest::newRow("cursor stops at the edge")
        << "left left left up up key:. del right key:K"
        << QStringList{".KHHHH", "HM...H", "H....H", "H...CH", "HHHHHH"};
    QTest::newRow("a fast drag draws every cell between")
        << "key:B drag:1,2>4,2" << QStringList{"HHHHHH", "HB...H", "HBBBBH", "H...CH", "HHHHHH"};
    QTest::newRow("right button erases to floor")
        << "erase:0,1>0,3" << QStringList{"HHHHHH", ".M...H", ".....H", "....CH", "HHHHHH"};
    QTest::newRow("a drag beyond the edge draws nothing there")
        << "erase:3,1>-2,1>-2,3" << QStringList{"HHHHHH", ".....H", "H....H", "H...CH", "HHHHHH"};
    QTest::newRow("shift drag fills a rectangle")
        << "key:K shift:4,3>2,2" << QStringList{"HHHHHH", "HK...H", "H.KKKH", "H.KKKH", "HHHHHH"};
    QTest::newRow("R marks, R again fills to the cursor")
        << "key:B R down right right R" << QStringList{"HHHHHH", "HBBB.H", "HBBB.H", "H...CH", "HHHHHH"};
    QTest::newRow("escape forgets the mark")
        << "key:B R down esc R right R" << QStringList{"HHHHHH", "HB...H", "HBB..H", "H...CH", "HHHHHH"};
}

void TestEditor::drawing_gives_file_bytes()
{
    QFETCH(QString, script);
    QFETCH(QStringList, expected);
    LevelEditor editor(game_pictures());
    QVERIFY(editor.set_level(rows(start), {}, {}).ok());
    show(editor);
    editor.view()->set_zoom(3);
    run(editor, script);
    QCOMPARE(editor.bytes(), rows(expected));
}

void TestEditor::undo_and_redo_restore_bytes_exactly_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QSize>("resize_to");
    QTest::addColumn<int>("commands");
    QTest::newRow("a drag is one step") << "key:B drag:1,2>4,3" << QSize() << 2;
    QTest::newRow("a rectangle is one step") << "shift:1,1>4,3" << QSize() << 1;
    QTest::newRow("keys one step each") << "key:C right key:C right key:K del" << QSize() << 4;
    QTest::newRow("shrinking drops cells that come back") << "key:K" << QSize(3, 3) << 2;
    QTest::newRow("growing adds floor that goes again") << "" << QSize(9, 7) << 1;
}

void TestEditor::undo_and_redo_restore_bytes_exactly()
{
    QFETCH(QString, script);
    QFETCH(QSize, resize_to);
    QFETCH(int, commands);
    LevelEditor editor(game_pictures());
    QVERIFY(editor.set_level(rows(start), {}, {}).ok());
    show(editor);
    QVERIFY(!editor.modified());
    run(editor, script);
    if (resize_to.isValid())
        editor.view()->resize_drawing(resize_to.width(), resize_to.height());
    const QByteArray drawn = editor.bytes();
    QVERIFY(drawn != rows(start));
    QVERIFY(editor.modified());
    int undone = 0;
    while (editor.undo_action()->isEnabled() && undone <= commands) {
        editor.undo_action()->trigger();
        ++undone;
    }
    QCOMPARE(undone, commands);
    QCOMPARE(editor.bytes(), rows(start));
    QVERIFY(!editor.modified());
    while (editor.redo_action()->isEnabled())
        editor.redo_action()->trigger();
    QCOMPARE(editor.bytes(), drawn);
}

void TestEditor::problems_keep_a_level_from_play_and_save_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QPoint>("cell");    // where the first problem is framed; (-1,-1) for the whole level
    QTest::addColumn<QString>("text");   // what its line in the list starts with
    QTest::newRow("none") << "" << QPoint() << QString();
    QTest::newRow("two mice") << "down down right right key:M" << QPoint(3, 3)
                              << "Line 4, column 4: a second mouse";
    QTest::newRow("mouse erased") << "del" << QPoint(-1, -1) << "no mouse";
    QTest::newRow("ring broken on the last column") << "right right right right key:." << QPoint(5, 1)
                                                    << "Line 2, column 6: ring of 'H' broken";
    QTest::newRow("cat on the ring") << "up key:C" << QPoint(1, 0) << "Line 1, column 2: cat outside the ring";
    QTest::newRow("last cat erased") << "erase:4,3>4,3" << QPoint(-1, -1) << "no cats";
}

void TestEditor::problems_keep_a_level_from_play_and_save()
{
    QFETCH(QString, script);
    QFETCH(QPoint, cell);
    QFETCH(QString, text);
    LevelEditor editor(game_pictures());
    QVERIFY(editor.set_level(rows(start), QStringLiteral("A\tname"), QStringLiteral("hint\n")).ok());
    show(editor);
    QSignalSpy saved(&editor, &LevelEditor::save_requested);
    QSignalSpy played(&editor, &LevelEditor::test_play_requested);
    run(editor, script);
    const bool clean = text.isEmpty();
    for (QAction* action : {editor.test_play_action(), editor.save_action(), editor.prove_action()})
        QCOMPARE(action->isEnabled(), clean);
    // Also by key, where a dropped check would still save.
    QTest::keyClick(editor.view(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(editor.view(), Qt::Key_F5);
    QCOMPARE(saved.count(), clean ? 1 : 0);
    QCOMPARE(played.count(), clean ? 1 : 0);
    if (clean) {
        QCOMPARE(saved.first().at(0).toByteArray(), rows(start));
        QCOMPARE(saved.first().at(1).toString(), QStringLiteral("A name"));
        QCOMPARE(saved.first().at(2).toString(), QStringLiteral("hint"));
        return;
    }
    const wd::CellProblem first = editor.view()->problems().front();
    QCOMPARE(QPoint(first.x, first.y), cell);
    QVERIFY2(editor.problem_list()->item(0)->text().startsWith(text),
             qPrintable(editor.problem_list()->item(0)->text()));
}

void TestEditor::verdict_names_the_cats_that_cannot_be_caught_data()
{
    QTest::addColumn<QStringList>("level");
    QTest::addColumn<bool>("erase_mouse");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("a crate for the cat") << QStringList{"HHHHHHH", "HM....H", "H.B...H", "H....CH", "HHHHHHH"}
                                         << false << "The quick check finds no cat that can never be caught; Prove or a test-play tells for sure.";
    // The first cat can be caught: only the one walled in after it is named.
    QTest::newRow("one walled in") << QStringList{"HHHHHHHH", "HMBC.HHH", "H....HCH", "H....HHH", "HHHHHHHH"}
                                   << false << "The cat at line 3, column 7 can never be caught from the start.";
    QTest::newRow("no crate at all") << QStringList{"HHHHHH", "HMC..H", "H...CH", "HHHHHH"}
                                     << false << "2 cats can never be caught from the start: line 2, column 3; line 3, "
                                        "column 5.";
    QTest::newRow("mouse erased") << QStringList{"HHHH", "HMCH", "HB.H", "HHHH"}
                                  << true << "Judged once the game could load the level.";
}

void TestEditor::verdict_names_the_cats_that_cannot_be_caught()
{
    QFETCH(QStringList, level);
    QFETCH(bool, erase_mouse);
    QFETCH(QString, verdict);
    LevelEditor editor(game_pictures());
    QVERIFY(editor.set_level(rows(level), {}, {}).ok());
    if (erase_mouse)
        editor.view()->fill({1, 1, 1, 1}, '.');
    QCOMPARE(editor.verdict(), verdict);
}

void TestEditor::fill_covers_its_corners_and_no_more_data()
{
    QTest::addColumn<QPoint>("a");
    QTest::addColumn<QPoint>("b");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one cell") << QPoint(2, 2) << QPoint(2, 2) << QStringList{"....", "....", "..B.", "...."};
    QTest::newRow("corners either way round")
        << QPoint(2, 3) << QPoint(1, 1) << QStringList{"....", ".BB.", ".BB.", ".BB."};
    QTest::newRow("last column and row") << QPoint(3, 3) << QPoint(3, 2) << QStringList{"....", "....", "...B", "...B"};
    QTest::newRow("beyond the edges is clipped")
        << QPoint(-2, -1) << QPoint(9, 0) << QStringList{"BBBB", "....", "....", "...."};
}

void TestEditor::fill_covers_its_corners_and_no_more()
{
    QFETCH(QPoint, a);
    QFETCH(QPoint, b);
    QFETCH(QStringList, expected);
    auto drawing = LevelDrawing::from_bytes(rows({"....", "....", "....", "M..."}).toStdString()).value();
    drawing.set({0, 3}, '.');
    drawing.fill(wd::CellRect::spanning({a.x(), a.y()}, {b.x(), b.y()}), 'B');
    QCOMPARE(QByteArray::fromStdString(drawing.bytes()), rows(expected));
}

void TestEditor::files_the_editor_can_draw_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("written");  // empty when refused
    QTest::addColumn<QString>("reason");
    const QByteArray level = rows(start);
    QTest::newRow("a level round-trips") << level << level << QString();
    QTest::newRow("spaces read as floor") << QByteArray("HHHH\nHM H\nHHHH\n") << QByteArray("HHHH\nHM.H\nHHHH\n")
                                          << QString();
    QByteArray largest = QByteArray(80, 'H') + '\n';
    for (int y = 1; y < 80; ++y)
        largest += 'H' + QByteArray(78, y == 40 ? 'C' : '.') + "H\n";
    largest += QByteArray(80, 'H') + '\n';
    largest[81 + 1] = 'M';
    QTest::newRow("largest round-trips") << largest << largest << QString();
    QTest::newRow("unequal rows") << QByteArray("HHHH\nHM.H\nHHH\n") << QByteArray() << "line 3: row is 3 cells";
    QTest::newRow("no last line feed") << QByteArray("HHHH\nHM.H\nHHHH") << QByteArray() << "line 3: last line";
    QTest::newRow("CR LF") << QByteArray("HHHH\r\nHM.H\r\nHHHH\r\n") << QByteArray() << "line 1, column 5: Windows";
    QTest::newRow("unknown cell") << QByteArray("HHHH\nHMxH\nHHHH\n") << QByteArray()
                                  << "line 2, column 3: a cell the editor cannot draw";
    QTest::newRow("too narrow") << QByteArray("HH\nMH\nHH\n") << QByteArray() << "smaller than 3";
    QTest::newRow("82 lines") << QByteArray("HMH\n").repeated(82) << QByteArray() << "line 82: more than 81 lines";
}

void TestEditor::files_the_editor_can_draw()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, written);
    QFETCH(QString, reason);
    const auto drawing = LevelDrawing::from_bytes(bytes.toStdString());
    QCOMPARE(drawing.ok(), reason.isEmpty());
    if (drawing.ok())
        QCOMPARE(QByteArray::fromStdString(drawing.value().bytes()), written);
    else
        QVERIFY2(QString::fromStdString(drawing.problem().text).startsWith(reason),
                 drawing.problem().text.c_str());
}

void TestEditor::resizing_keeps_the_ring_data()
{
    QTest::addColumn<QStringList>("level");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("growing moves the ring out") << start << QSize(7, 6)
        << QStringList{"HHHHHHH", "HM....H", "H.....H", "H...C.H", "H.....H", "HHHHHHH"};
    QTest::newRow("shrinking moves it in, the inside kept from the top left") << start << QSize(4, 4)
        << QStringList{"HHHH", "HM.H", "H..H", "HHHH"};
    QTest::newRow("an open level is cut as it is") << QStringList{"HHH.", "HMCH", "HHHH"} << QSize(5, 3)
        << QStringList{"HHH..", "HMCH.", "HHHH."};
}

void TestEditor::resizing_keeps_the_ring()
{
    QFETCH(QStringList, level);
    QFETCH(QSize, size);
    QFETCH(QStringList, expected);
    wd::Result<wd::LevelDrawing> drawing = wd::LevelDrawing::from_bytes(rows(level).toStdString());
    QVERIFY2(drawing.ok(), drawing.ok() ? "" : drawing.problem().text.c_str());
    drawing.value().resize(size.width(), size.height());
    QCOMPARE(QByteArray::fromStdString(drawing.value().bytes()), rows(expected));
}

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
