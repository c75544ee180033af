// Run once under LANG=C and once under LANG=de_DE.UTF-8: what the player reads
// is today's English under the one and German under the other, Qt's own
// buttons included, while a system error's text stays English under both.
#include "widget_testing.h"

#include "ui/game_window.h"
#include "ui/help_page.h"
#include "ui/info_boxes.h"
#include "ui/practice_dialog.h"
#include "ui/status_strip.h"
#include "ui/command_line.h"
#include "ui/gameover_dialogs.h"
#include "ui/translations.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include <cerrno>
#include <cstring>
#include <map>

using wd::testing::PlayFolder;
using wd::testing::when_shown;

namespace {

std::map<QString, QString> shown;  // what each text read, by name

QString button_texts(QMessageBox* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    return texts.join(QLatin1Char('|'));
}

QString first_line(const QString& text) { return text.section(QLatin1Char('\n'), 0, 0); }

void read_help()
{
    when_shown<QDialog>([](QDialog* box) {
        shown["help title"] = box->windowTitle();
        // The first line of words under the heading, past the mouse's picture.
        const QStringList lines =
            box->findChild<QTextBrowser*>()->toPlainText().split('\n').filter(QRegularExpression(QStringLiteral("\\w")));
        shown["help first line"] = lines.value(1);
        shown["help buttons"] = box->findChild<QDialogButtonBox*>()->buttons().value(0)->text();
        box->reject();
    });
    wd::show_help(nullptr);
}

// A game caught at once with a score that takes the first place.
void read_game_over()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHHHH", "H.MC..H", "H.....H", "HHHHHHH"});
    auto widget = wd::testing::start_widget();
    shown["window title"] = widget->windowTitle();
    when_shown<QDialog>([](QDialog* dialog) {
        shown["name title"] = dialog->windowTitle();
        shown["name prompt"] = dialog->findChild<QLabel*>()->text();
        when_shown<QMessageBox>([](QMessageBox* box) {
            shown["box heading"] = box->text().section(QStringLiteral("<big>"), 1).section(QStringLiteral("</big>"), 0, 0);
            shown["box detail"] = box->informativeText();
            shown["box buttons"] = button_texts(box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        dialog->accept();
    });
    widget->game().score = 2500;
    QTest::keyClick(widget.get(), Qt::Key_Right);
    wd::testing::settle(*widget);
}

// The menu bar's titles and the Game menu, and the selector's buttons.
void read_menus()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHH", "HM.CH", "HHHHH"});
    folder.file("levels.txt", "level000.lvx\tFirst steps\tA whole row moves when the mouse pushes its end.\n");
    wd::GameWindow window(wd::testing::start_widget({}, wd::testing::Start::ready).release());
    shown["card title"] = window.board()->session().level_title();
    shown["card hint"] = window.board()->session().level_hint();
    shown["card prompt"] = window.board()->overlay().card.lines.value(1);
    QStringList titles, game;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    for (QAction* action : window.menuBar()->actions().first()->menu()->actions())
        if (!action->isSeparator())
            game << action->text();
    shown["menu titles"] = titles.join(QLatin1Char('|'));
    shown["Game menu"] = game.join(QLatin1Char('|'));
    wd::PracticeDialog dialog(wd::LevelIndex{}, 0, 0, [](const std::string& file) { return file; });
    QStringList buttons;
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        buttons << button->text();
    shown["selector buttons"] = buttons.join(QLatin1Char('|'));
}

void read_strip_and_command_line()
{
    const QFont font;
    wd::StripState state;
    state.cats = 2;
    shown["strip, two cats"] = wd::strip_status_text(state, font, 10000);
    state.cats = 1;
    shown["strip, one cat"] = wd::strip_status_text(state, font, 10000);
    state.paused = true;
    shown["strip, paused"] = wd::strip_status_text(state, font, 10000);
    const QString help = wd::parse_command_line({QStringLiteral("whiskerdash"), QStringLiteral("--help")}).value().text;
    shown["--help usage"] = first_line(help);
    shown["--help Qt's heading"] = help.section(QLatin1Char('\n'), 3, 3);
    shown["system error"] = QString::fromLocal8Bit(std::strerror(ENOENT));
    QLibrary missing(QStringLiteral("/nonexistent/module.so"));
    missing.load();
    shown["library error"] = missing.errorString().section(QLatin1Char(':'), 0, 0);
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { wd::testing::stop_waiting(); }
    void texts_data();
    void texts();

private:
    bool german = false;
};

void TestTranslations::initTestCase()
{
    const QLocale::Language language = QLocale::system().language();
    QVERIFY2(language == QLocale::German || language == QLocale::C, "run under LANG=C or LANG=de_DE.UTF-8");
    german = language == QLocale::German;
    read_help();
    read_game_over();
    read_strip_and_command_line();
    read_menus();
}

void TestTranslations::texts_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    const auto row = [](const char* what, const QString& english, const QString& german) {
        QTest::newRow(what) << english << german;
    };
    row("help title", "Whiskerdash help", "Whiskerdash – Hilfe");
    row("help first line", "You are the mouse. Catch every cat to clear a level. Each level starts when you press an arrow key.",
        "Du bist die Maus. Fange alle Katzen, um ein Level zu schaffen. Jedes Level beginnt, sobald du eine Pfeiltaste drückst.");
    row("help buttons", "Close", "Schließen");
    row("window title", "Whiskerdash", "Whiskerdash");
    row("name title", "Enter your name:", "Dein Name:");
    row("name prompt", "Your score of 2500 takes 1st place in the table.\nEnter your name:",
        "Mit 2500 Punkten kommst du auf den 1. Platz der Bestenliste.\nDein Name:");
    row("box heading", "Caught!", "Erwischt!");
    row("box detail", "Caught on level 1 with 2500 points.", "Erwischt auf Level 1 mit 2500 Punkten.");
    row("box buttons", "Play Again|Quit|&Watch", "Noch einmal|Beenden|&Ansehen");
    row("strip, two cats", "Level 1 · Cats left 2", "Level 1 · Noch 2 Katzen");
    row("strip, one cat", "Level 1 · Cats left 1", "Level 1 · Noch 1 Katze");
    row("strip, paused", "Paused · press P to play", "Pause · P drücken zum Weiterspielen");
    row("--help usage", "Usage: whiskerdash [options] [LEVEL.lvx]", "Aufruf: whiskerdash [Optionen] [LEVEL.lvx]");
    row("--help Qt's heading", "Options:", "Optionen:");
    row("menu titles", "&Game|&View|&Settings|&Help", "&Spiel|&Ansicht|&Einstellungen|&Hilfe");
    row("Game menu", "&New game|&Continue the game left last time|&Restart level|Re&wind two seconds|&Pause|Practice a &level…|&Watch last game|Play a p&ack…|&Edit levels…|&High scores|&Statistics|&Quit",
        "&Neues Spiel|Zuletzt verlassenes Spiel &fortsetzen|Level neu &starten|&Zwei Sekunden zurück|&Pause|&Level üben …|Letztes Spiel &ansehen|Pa&ket spielen …|Level b&earbeiten …|Beste&nliste|Statis&tik|&Beenden");
    row("card title", "Level 1 · First steps", "Level 1 · Erste Schritte");
    row("card hint", "A whole row moves when the mouse pushes its end.",
        "Eine ganze Reihe bewegt sich, wenn die Maus gegen ihr Ende schiebt.");
    row("card prompt", "Press an arrow key to start", "Drück eine Pfeiltaste, um loszulegen");
    row("selector buttons", "Practise|Cancel|Watch most cheese|Watch fastest clear",
        "Üben|Abbrechen|Meisten Käse ansehen|Schnellsten Sieg ansehen");
    // The score file's notices are English as a whole, their system error too.
    row("system error", "No such file or directory", "No such file or directory");
    row("library error", "Cannot load library /nonexistent/module.so", "Cannot load library /nonexistent/module.so");
}

void TestTranslations::texts()
{
    QFETCH(QString, english);
    QFETCH(QString, german);
    const auto seen = shown.find(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(seen != shown.end(), "never shown");
    QCOMPARE(seen->second, this->german ? german : english);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    wd::install_translations();
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translations.moc"
