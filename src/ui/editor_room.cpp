#include "editor_room.h"

#include "data_files.h"
#include "game_window.h"
#include "main_widget.h"
#include "packs_dialog.h"
#include "scene_renderer.h"
#include "bot/prove.h"
#include "editor/level_editor.h"
#include "files/player_notices.h"
#include "game/level.h"
#include "packs/packs.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>

namespace wd {

namespace {
QString text(const std::string& bytes)
{
    return QString::fromStdString(bytes);
}

// The bot's estimate in the player's language.
QString difficulty_text(const std::string& word)
{
    if (word == "easy")
        return EditorRoom::tr("easy");
    if (word == "fair")
        return EditorRoom::tr("fair");
    if (word == "hard")
        return EditorRoom::tr("hard");
    if (word == "very hard")
        return EditorRoom::tr("very hard");
    return EditorRoom::tr("not cleared by the bot");
}

CellPictures pictures_of(const Sprites& sprites)
{
    return CellPictures{SceneRenderer::background(),
                        {{'H', sprites.hardblock}, {'B', sprites.block}, {'K', sprites.cheese}, {'C', sprites.cat},
                         {'M', sprites.mouse}}};
}
}  // namespace

EditorRoom::EditorRoom(GameWindow& shown_in, MainWidget& game_board)
    : QObject(&shown_in), window(shown_in), board(game_board)
{
    connect(&board, &MainWidget::testPlayEnded, this, &EditorRoom::test_play_ended);
}

EditorRoom::~EditorRoom()
{
    // A proof still running is stopped after its game; the program ends after it.
    if (proving) {
        stop_proving();
        proving->wait();
    }
}

QString EditorRoom::data_folder()
{
    return QFileInfo(data_files::table_path()).absolutePath();
}

bool EditorRoom::editing() const
{
    return page && window.page() == page;
}

void EditorRoom::open_packs(bool editing_levels)
{
    board.end_watching();
    std::optional<PacksDialog::Choice> choice;
    board.session().box_opened();
    {
        PacksDialog dialog(data_folder(), editing_levels, last_pack, &window);
        dialog.exec();
        choice = dialog.choice();
        if (const QListWidgetItem* shown = dialog.pack_list()->currentItem())
            last_pack = shown->data(Qt::UserRole).toString();
    }
    board.session().box_closed();
    if (!choice)
        return;
    switch (choice->what) {
    case PacksDialog::Choice::What::play: play_pack(choice->pack); return;
    case PacksDialog::Choice::What::edit: edit(choice->pack, choice->level); return;
    case PacksDialog::Choice::What::new_level: edit(choice->pack, -1); return;
    case PacksDialog::Choice::What::watch_proof:
        board.watch_in(choice->pack + QLatin1Char('/') + QString::fromStdString(packs::proof_file(choice->level)),
                       choice->pack);
        return;
    }
}

void EditorRoom::import_file(const QString& path)
{
    board.session().box_opened();
    {
        PacksDialog dialog(data_folder(), false, {}, &window);
        if (dialog.import_file(path)) {
            dialog.exec();
            if (dialog.choice() && dialog.choice()->what == PacksDialog::Choice::What::play) {
                board.session().box_closed();
                play_pack(dialog.choice()->pack);
                return;
            }
        }
    }
    board.session().box_closed();
}

void EditorRoom::play_pack(const QString& folder)
{
    MainWidget::Locate where;
    if (!folder.isEmpty())
        where = [folder](const QString& name) { return folder + QLatin1Char('/') + name; };
    if (const Result<void> started = board.play_pack(where); !started.ok() && !started.problem().text.empty())
        QMessageBox::warning(&window, tr("Play a pack"), text(started.problem().text));
}

void EditorRoom::edit(const QString& from, int level)
{
    if (!page) {
        page = new LevelEditor(pictures_of(board.sprite_set()));
        connect(page, &LevelEditor::test_play_requested, this, &EditorRoom::test_play);
        connect(page, &LevelEditor::save_requested, this, &EditorRoom::save);
        connect(page, &LevelEditor::prove_requested, this, [this](const QByteArray& bytes) { prove(bytes); });
        connect(page, &LevelEditor::back_requested, this, &EditorRoom::leave_editor);
        window.add_page(page);
        // The sprites as large as the board shows them now.
        page->view()->set_zoom(std::clamp(int(board.view().scale()), 1, EditorView::max_zoom));
    }
    std::optional<Recording> kept;
    std::uint64_t kept_hash = 0;
    if (level < 0) {
        page->new_level(LevelEditor::shipped_width, LevelEditor::shipped_height);
    } else {
        const Result<PackLevelText> read = read_pack_level(from, level);
        if (!read.ok()) {
            QMessageBox::warning(&window, tr("Edit levels"), text(read.problem().text));
            return;
        }
        if (const Result<void> shown = page->set_level(read.value().bytes, read.value().name, read.value().hint);
            !shown.ok()) {
            QMessageBox::warning(&window, tr("Edit levels"), text(shown.problem().text));
            return;
        }
        kept = read.value().proof;
        kept_hash = fnv1a(read.value().bytes.toStdString());
    }
    // A shipped level is edited as a copy: it is saved into a pack of the player's.
    pack = from;
    number = from.isEmpty() ? -1 : level;
    proof = kept;
    proof_hash = kept_hash;
    show_editor();
}

void EditorRoom::show_editor()
{
    board.session().box_opened();  // the game in play waits on its card
    board.actions_of().set_editing(true);
    window.show_page(page);
    page->view()->setFocus();
}

bool EditorRoom::changes_settled()
{
    if (!editing() || !page->modified())
        return true;
    const auto answer = QMessageBox::question(&window, tr("Edit levels"), tr("Save the changes to this level?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Save)
        save(page->bytes(), page->name(), page->hint());
    return !page->modified() || answer == QMessageBox::Discard;  // not saved: the problem was said
}

void EditorRoom::leave_editor()
{
    if (!changes_settled())
        return;
    board.actions_of().set_editing(false);
    window.show_board();
    board.session().box_closed();
}

void EditorRoom::test_play(const QByteArray& bytes, const QString& name, const QString& hint)
{
    board.end_watching();
    window.show_board(true);
    if (const Result<void> started = board.test_play(bytes.toStdString(), name.isEmpty() ? tr("Test-play") : name, hint);
        !started.ok()) {
        window.show_page(page);
        QMessageBox::warning(&window, tr("Test-play"), text(started.problem().text));
    }
}

void EditorRoom::test_play_ended(const std::optional<Recording>& won)
{
    if (!page)
        return;
    window.show_page(page);
    page->view()->setFocus();
    if (!won)
        return;
    proof = won;
    proof_hash = won->steps.empty() ? 0 : won->steps.front().hash;
    say(tr("Cleared: your game proves this level. Save keeps the proof with it."));
}

std::optional<Recording> EditorRoom::proof_for(const QByteArray& bytes) const
{
    if (proof && proof_hash == fnv1a(bytes.toStdString()))
        return proof;
    return std::nullopt;
}

void EditorRoom::save(const QByteArray& bytes, const QString& name, const QString& hint)
{
    if (pack.isEmpty()) {
        // The first save of a new level or a shipped one's copy asks which pack of the player's.
        const std::vector<packs::PackSummary> own = packs::list_packs(data_folder());
        QStringList names;
        for (const packs::PackSummary& summary : own)
            names << text(summary.name);
        const QString make = tr("A new pack\u2026");
        names << make;
        bool ok = false;
        const QString picked = QInputDialog::getItem(&window, tr("Save level"), tr("Save into the pack:"), names, 0,
                                                     false, &ok);
        if (!ok)
            return;
        if (picked == make) {
            pack = ask_new_pack(&window, data_folder());
            if (pack.isEmpty())
                return;
        } else {
            pack = own[std::size_t(names.indexOf(picked))].path;
        }
        number = -1;
    }
    const packs::LevelDraft draft{bytes.toStdString(), name.toStdString(), hint.toStdString(), proof_for(bytes)};
    const Result<packs::SavedLevel> saved = packs::save_level(pack, draft, number);
    if (!saved.ok()) {
        QMessageBox::warning(&window, tr("Save level"), text(saved.problem().text));
        return;
    }
    number = saved.value().number;
    last_pack = pack;  // the packs open on it next
    page->mark_saved();
    QString pack_name;
    for (const packs::PackSummary& summary : packs::list_packs(data_folder()))
        if (summary.path == pack)
            pack_name = text(summary.name);
    say(saved.value().unproved.empty()
            ? tr("Saved as level %1 of \u201c%2\u201d, proved.").arg(number + 1).arg(pack_name)
            : tr("Saved as level %1 of \u201c%2\u201d, not proved yet: clear it in test-play (F5), or let the bot "
                 "prove it (Ctrl+P).")
                  .arg(number + 1)
                  .arg(pack_name));
}

void EditorRoom::prove(const QByteArray& bytes)
{
    struct Shared {
        std::atomic<bool> cancelled{false};
        bot::ProofRun run;
    };
    if (proving)
        return;
    auto shared = std::make_shared<Shared>();
    auto* progress = new QProgressDialog(tr("The bot plays the level over %n games\u2026", nullptr, bot::proof_seeds),
                                         tr("Cancel"), 0, bot::proof_seeds, &window);
    progress->setWindowTitle(tr("Prove"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, this, [shared] { shared->cancelled = true; });
    const std::string level = bytes.toStdString();
    QThread* worker = QThread::create([shared, level, progress] {
        shared->run = bot::prove(level, "level.lvx", 0, bot::proof_seeds, [shared, progress](int tried, int) {
            QMetaObject::invokeMethod(progress, "setValue", Qt::QueuedConnection, Q_ARG(int, tried));
            return !shared->cancelled;
        });
    });
    connect(worker, &QThread::finished, this, [this, shared, progress, bytes] {
        progress->deleteLater();
        const bot::ProofRun& run = shared->run;
        if (run.cancelled)
            return;
        QString said = tr("The bot cleared the level in %1 of %2 games \u2014 %3.")
                           .arg(run.cleared)
                           .arg(run.tried)
                           .arg(difficulty_text(bot::difficulty(run.cleared, run.tried)));
        if (run.win) {
            proof = run.win;
            proof_hash = fnv1a(bytes.toStdString());
            said += QLatin1Char(' ') + tr("The bot's win proves the level; Save keeps it.");
        } else {
            said += QLatin1Char(' ') + tr("No proof yet: clear it yourself in test-play (F5).");
        }
        say(said);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    proving = worker;
    stop_proving = [shared] { shared->cancelled = true; };
    worker->start(QThread::LowPriority);
}

void EditorRoom::say(const QString& said)
{
    QMessageBox::information(&window, tr("Edit levels"), said);
    if (page)
        page->view()->setFocus();
}

}  // namespace wd
