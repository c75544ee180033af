#include "settings/settings.h"
#include "settings/settings_text.h"
#include "file_testing.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

using wd::testing::contents;
using wd::testing::write;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void two_writers_keep_each_others_changes_data()
    {
        QTest::addColumn<int>("other");  // the level the other game writes after this one has read 2
        QTest::addColumn<int>("reached");
        QTest::addColumn<int>("highest");
        QTest::newRow("the other went further") << 6 << 3 << 6;
        QTest::newRow("this one went further") << 4 << 8 << 8;
    }

    // This game runs in a process of its own, as settings are read once a
    // run, and ends with the highest level it holds.
    void two_writers_keep_each_others_changes()
    {
        QFETCH(int, other);
        QFETCH(int, reached);
        QFETCH(int, highest);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QVERIFY(QDir(config.path()).mkdir("whiskerdash"));
        const QString file = config.filePath("whiskerdash/whiskerdash.conf");
        write(file, "[progress]\nhighest_level=2\n");
        const pid_t child = ::fork();
        if (child == 0) {
            wd::settings::zoom();
            write(file, "[progress]\nhighest_level=" + QByteArray::number(other) + "\n[view]\nmenu_bar=false\n");
            wd::settings::set_zoom(2);
            wd::settings::note_level_reached(reached);
            ::_exit(wd::settings::highest_level());
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, highest);  // practice opens as far
        const wd::settings::Values kept = wd::settings::parse_ini(contents(file));
        QCOMPARE(kept.value("progress/highest_level"), QString::number(highest));
        QCOMPARE(kept.value("view/zoom"), QString("2"));
        QCOMPARE(kept.value("view/menu_bar"), QString("false"));
    }

    void switches_are_on_unless_turned_off_data()
    {
        QTest::addColumn<QByteArray>("file");  // what the settings file holds; null: no file
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("menu_bar");
        QTest::newRow("no file: a fresh player") << QByteArray() << true << true;
        QTest::newRow("sound off") << QByteArray("[sound]\non=false\n") << false << true;
        QTest::newRow("bar hidden") << QByteArray("[view]\nmenu_bar=false\n") << true << false;
        QTest::newRow("a value not understood") << QByteArray("[sound]\non=maybe\n") << true << true;
    }

    // Read once a run: each row in a process of its own.
    void switches_are_on_unless_turned_off()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, sound);
        QFETCH(bool, menu_bar);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        if (!file.isNull()) {
            QVERIFY(QDir(config.path()).mkdir("whiskerdash"));
            write(config.filePath("whiskerdash/whiskerdash.conf"), file);
        }
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit((wd::settings::sound_on() ? 1 : 0) | (wd::settings::menu_bar_shown() ? 2 : 0));
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(bool(WEXITSTATUS(status) & 1), sound);
        QCOMPARE(bool(WEXITSTATUS(status) & 2), menu_bar);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
