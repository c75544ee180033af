#include "widget_testing.h"

#include "settings/settings.h"
#include "sound/sound_effects.h"

using wd::Effect;
using wd::testing::PlayFolder;
using wd::testing::start_widget;

Q_DECLARE_METATYPE(wd::Events)

namespace {
const QStringList small = {"HHHHHH", "H.K..H", "H.MB.H", "H....H", "HHHHHH"};

QString names(const std::vector<Effect>& effects)
{
    QStringList out;
    for (const Effect e : effects)
        out << QString::fromLatin1(wd::effect_files[static_cast<int>(e)]);
    return out.join(' ');
}
}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void effects_for_events_data();
    void effects_for_events();
    void m_switches_sound_and_keeps_the_choice();
    void muted_start_is_for_this_run_only();
    void effects_load_after_the_first_frame_data();
    void effects_load_after_the_first_frame();

private:
    QTemporaryDir config;
};

void TestSound::initTestCase()
{
    // Before any settings are read: this run's choices stay in a folder of its own.
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
}

void TestSound::effects_for_events_data()
{
    QTest::addColumn<wd::Events>("events");
    QTest::addColumn<QString>("effects");
    auto events = [](auto change) {
        wd::Events e;
        change(e);
        return e;
    };
    QTest::newRow("nothing") << wd::Events{} << "";
    QTest::newRow("two cheeses, one sound") << events([](auto& e) { e.cheese_eaten = 2; }) << "cheese.wav";
    QTest::newRow("a push that frees a cat") << events([](auto& e) { e.pushes = 1, e.cats_escaped = 1; })
                                              << "push.wav escape.wav";
    QTest::newRow("a push that catches one") << events([](auto& e) { e.pushes = 1, e.cats_caught = 1; })
                                              << "push.wav catch.wav";
    QTest::newRow("the catch that clears the level")
        << events([](auto& e) { e.pushes = 1, e.cats_caught = 1, e.levels_loaded = 1; }) << "push.wav level.wav";
    QTest::newRow("the catch that wins") << events([](auto& e) { e.pushes = 1, e.cats_caught = 1, e.all_cleared = true; })
                                         << "push.wav win.wav";
    QTest::newRow("a next level that fails to load")
        << events([](auto& e) { e.pushes = 1, e.cats_caught = 1, e.next_level_failed = true; }) << "push.wav catch.wav";
    QTest::newRow("the mouse caught") << events([](auto& e) { e.mouse_caught = true; }) << "caught.wav";
}

void TestSound::effects_for_events()
{
    QFETCH(wd::Events, events);
    QFETCH(QString, effects);
    QCOMPARE(names(wd::effects_for(events)), effects);
}

void TestSound::m_switches_sound_and_keeps_the_choice()
{
    PlayFolder folder;
    folder.level("level000.lvx", small);
    wd::settings::set_sound_on(true);
    {
        auto widget = start_widget();
        QVERIFY(widget->sound_on());
        wd::testing::command_key(*widget, Qt::Key_M);
        QVERIFY(!widget->sound_on());
        QVERIFY(!wd::settings::sound_on());
        QCOMPARE(QPoint(widget->game().mouse_x, widget->game().mouse_y), QPoint(2, 2));
    }
    auto next_run = start_widget();
    QVERIFY(!next_run->sound_on());
    wd::testing::command_key(*next_run, Qt::Key_M);
    QVERIFY(next_run->sound_on());
    QVERIFY(wd::settings::sound_on());
}

void TestSound::muted_start_is_for_this_run_only()
{
    PlayFolder folder;
    folder.level("level000.lvx", small);
    wd::settings::set_sound_on(true);
    {
        auto widget = start_widget();
        widget->start_muted();
        QVERIFY(!widget->sound_on());
        QVERIFY(wd::settings::sound_on());
        wd::testing::command_key(*widget, Qt::Key_M);  // M still brings it back
        QVERIFY(widget->sound_on());
    }
    QVERIFY(start_widget()->sound_on());
}

void TestSound::effects_load_after_the_first_frame_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("sound on") << true;
    QTest::newRow("sound off: not before it is turned on") << false;
}

void TestSound::effects_load_after_the_first_frame()
{
    QFETCH(bool, on);
    wd::testing::PlayFolder folder;
    folder.level("level000.lvx", {"HHHHH", "HM.CH", "HHHHH"});
    wd::settings::set_sound_on(on);
    auto widget = wd::testing::start_widget();
    QCoreApplication::processEvents();
    QVERIFY(!widget->sound_effects().load_started());  // nothing on screen yet
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    QTRY_COMPARE(widget->sound_effects().load_started(), on);
    if (!on) {
        QTest::qWait(50);
        QVERIFY(!widget->sound_effects().load_started());
        wd::testing::command_key(*widget, Qt::Key_M);
        QVERIFY(widget->sound_effects().load_started());
    }
    wd::settings::set_sound_on(true);
}

QTEST_MAIN(TestSound)
#include "test_sound.moc"
