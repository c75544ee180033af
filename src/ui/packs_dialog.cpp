#include "packs_dialog.h"

#include "data_files.h"
#include "practice_dialog.h"
#include "game/board.h"
#include "game/level.h"
#include "game/level_index.h"
#include "packs/packs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace wd {

namespace {
constexpr int preview_cell = 3;
constexpr int preview_size = 96;

struct ListedLevel {
    std::string bytes;
    QString name;
    QString hint;
    QString proof;  // "proved", why not, or empty for the shipped pack
    std::optional<Recording> proved;
};

QString text(const std::string& bytes)
{
    return QString::fromStdString(bytes);
}

std::vector<ListedLevel> shipped_levels()
{
    LevelIndex index;
    if (const Result<std::string> read
        = read_regular_file(data_files::locate(std::string("levels.txt")), std::size_t(1) << 18);
        read.ok())
        index = LevelIndex::parse(read.value());
    std::vector<ListedLevel> levels;
    for (int number = 0; number <= Board::last_level_number; ++number) {
        const std::string file = Board::level_file_name(number);
        const Result<std::string> read = read_level_file(data_files::locate(file));
        if (!read.ok())
            break;
        const LevelInfo* info = index.find(file);
        levels.push_back({read.value(),
                          info ? QCoreApplication::translate("Levels", info->name.c_str()) : text(file),
                          info ? QCoreApplication::translate("Levels", info->hint.c_str()) : QString(), {}, {}});
    }
    return levels;
}

Result<std::vector<ListedLevel>> levels_of(const QString& pack)
{
    if (pack.isEmpty())
        return shipped_levels();
    const Result<packs::Pack> read = packs::read_pack(pack);
    if (!read.ok())
        return read.problem();
    std::vector<ListedLevel> levels;
    for (const packs::PackLevel& level : read.value().levels)
        levels.push_back({level.bytes, text(level.name), text(level.hint),
                          level.proved() ? PacksDialog::tr("proved")
                                         : PacksDialog::tr("not proved: %1").arg(text(level.unproved)),
                          level.proof});
    return levels;
}

QIcon preview_of(const std::string& bytes)
{
    Board board;
    board.trace = [](const std::string&) {};
    QPixmap icon(preview_size, preview_size);
    icon.fill(Qt::transparent);
    if (board.load_bytes(bytes, "preview").ok()) {
        const QImage image = level_preview(board, preview_cell);
        QPainter painter(&icon);
        const QImage fitted = image.scaled(icon.size(), Qt::KeepAspectRatio);
        painter.drawImage((icon.width() - fitted.width()) / 2, (icon.height() - fitted.height()) / 2, fitted);
    }
    return QIcon(icon);
}
}  // namespace

Result<PackLevelText> read_pack_level(const QString& pack, int level)
{
    const Result<std::vector<ListedLevel>> levels = levels_of(pack);
    if (!levels.ok())
        return levels.problem();
    if (level < 0 || std::size_t(level) >= levels.value().size())
        return Problem{Problem::Kind::missing, 0, Board::level_file_name(level) + ": no such level"};
    const ListedLevel& chosen = levels.value()[std::size_t(level)];
    return PackLevelText{QByteArray::fromStdString(chosen.bytes), chosen.name, chosen.hint, chosen.proved};
}

QString ask_new_pack(QWidget* over, const QString& data_folder)
{
    bool ok = false;
    const QString name = QInputDialog::getText(over, PacksDialog::tr("New pack"), PacksDialog::tr("The pack's name:"),
                                               QLineEdit::Normal, PacksDialog::tr("My levels"), &ok);
    if (!ok || name.trimmed().isEmpty())
        return {};
    const Result<packs::PackSummary> made = packs::create_pack(data_folder, name.toStdString());
    if (!made.ok()) {
        QMessageBox::warning(over, PacksDialog::tr("New pack"), text(made.problem().text));
        return {};
    }
    return made.value().path;
}

PacksDialog::PacksDialog(const QString& data_folder, bool editing, const QString& select, QWidget* parent)
    : QDialog(parent)
    , data(data_folder)
    , packs(new QListWidget(this))
    , levels(new QListWidget(this))
    , state(new QLabel(this))
{
    setObjectName(QStringLiteral("packs"));
    setWindowTitle(editing ? tr("Edit levels") : tr("Play a pack"));
    levels->setViewMode(QListView::IconMode);
    levels->setIconSize(QSize(preview_size, preview_size));
    levels->setGridSize(QSize(preview_size + 48, preview_size + 40));
    levels->setResizeMode(QListView::Adjust);
    levels->setMovement(QListView::Static);
    levels->setWordWrap(true);
    levels->setMinimumSize(4 * (preview_size + 48) + 24, 2 * (preview_size + 40) + 8);
    packs->setMaximumWidth(260);
    state->setWordWrap(true);
    state->setMinimumHeight(3 * state->fontMetrics().lineSpacing());  // a level's name, hint and proof: no jumping

    auto* buttons = new QDialogButtonBox(this);
    play = buttons->addButton(tr("&Play this pack"), QDialogButtonBox::AcceptRole);
    edit = buttons->addButton(tr("&Edit level"), QDialogButtonBox::ActionRole);
    add = buttons->addButton(tr("New &level"), QDialogButtonBox::ActionRole);
    auto* make = buttons->addButton(tr("New pac&k\u2026"), QDialogButtonBox::ActionRole);
    remove = buttons->addButton(tr("&Delete level"), QDialogButtonBox::ActionRole);
    auto* importing = buttons->addButton(tr("&Import\u2026"), QDialogButtonBox::ActionRole);
    exporting = buttons->addButton(tr("E&xport\u2026"), QDialogButtonBox::ActionRole);
    watching = buttons->addButton(tr("&Watch proof"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    (editing ? edit : play)->setDefault(true);
    connect(play, &QPushButton::clicked, this, [this] { choose(Choice::What::play); });
    connect(edit, &QPushButton::clicked, this, [this] { choose(Choice::What::edit); });
    connect(add, &QPushButton::clicked, this, [this] { choose(Choice::What::new_level); });
    connect(watching, &QPushButton::clicked, this, [this] { choose(Choice::What::watch_proof); });
    connect(make, &QPushButton::clicked, this, &PacksDialog::new_pack);
    connect(remove, &QPushButton::clicked, this, &PacksDialog::delete_level);
    connect(importing, &QPushButton::clicked, this, &PacksDialog::import_pack);
    connect(exporting, &QPushButton::clicked, this, &PacksDialog::export_pack);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(packs, &QListWidget::currentRowChanged, this, &PacksDialog::show_pack);
    connect(levels, &QListWidget::currentRowChanged, this, [this](int row) {
        edit->setEnabled(row >= 0);
        remove->setEnabled(row >= 0 && !selected_pack().isEmpty());
        watching->setEnabled(levels->item(row) && levels->item(row)->data(Qt::UserRole).toBool());
        if (QListWidgetItem* item = levels->item(row))
            state->setText(item->toolTip());
    });
    connect(levels, &QListWidget::itemActivated, this,
            [this, editing] { choose(editing ? Choice::What::edit : Choice::What::play); });

    auto* lists = new QHBoxLayout;
    lists->addWidget(packs);
    lists->addWidget(levels, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(state);
    layout->addWidget(buttons);
    fill_packs(select);
}

QString PacksDialog::selected_pack() const
{
    const QListWidgetItem* item = packs->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void PacksDialog::fill_packs(const QString& select)
{
    packs->clear();
    auto* shipped = new QListWidgetItem(tr("The game's own levels"), packs);
    shipped->setData(Qt::UserRole, QString());
    int row = 0;
    for (const packs::PackSummary& pack : packs::list_packs(data)) {
        // Spelt out for one: the English text has no plural forms of its own.
        const QString count = pack.levels == 1 ? tr("%1 \u00b7 one level") : tr("%1 \u00b7 %n levels", nullptr, pack.levels);
        auto* item = new QListWidgetItem(count.arg(text(pack.name)), packs);
        item->setData(Qt::UserRole, pack.path);
        if (pack.path == select)
            row = packs->count() - 1;
    }
    packs->setCurrentRow(row);
}

void PacksDialog::show_pack()
{
    levels->clear();
    const QString pack = selected_pack();
    const Result<std::vector<ListedLevel>> listed = levels_of(pack);
    if (!listed.ok()) {
        state->setText(text(listed.problem().text));
    } else {
        int number = 0;
        for (const ListedLevel& level : listed.value()) {
            auto* item = new QListWidgetItem(preview_of(level.bytes), tr("%1. %2").arg(++number).arg(level.name), levels);
            QStringList tip{level.name};
            if (!level.hint.isEmpty())
                tip << level.hint;
            if (!level.proof.isEmpty())
                tip << level.proof;
            item->setToolTip(tip.join(QLatin1Char('\n')));
            item->setData(Qt::UserRole, level.proved.has_value());
        }
        state->setText(pack.isEmpty() ? tr("The game's own levels can be opened in the editor and saved into a pack of yours.")
                       : listed.value().empty() ? tr("This pack has no levels yet: New level draws one.")
                                                : QString());
    }
    play->setEnabled(listed.ok() && !listed.value().empty());
    exporting->setEnabled(!pack.isEmpty() && listed.ok() && !listed.value().empty());
    edit->setEnabled(false);
    remove->setEnabled(false);
    watching->setEnabled(false);
}

void PacksDialog::choose(Choice::What what)
{
    const int level = levels->currentRow();
    if ((what == Choice::What::edit || what == Choice::What::watch_proof) && level < 0)
        return;
    chosen = Choice{what, selected_pack(), level};
    accept();
}

void PacksDialog::new_pack()
{
    if (const QString made = ask_new_pack(this, data); !made.isEmpty())
        fill_packs(made);
}

bool PacksDialog::import_file(const QString& path)
{
    const Result<packs::Imported> imported = packs::import_pack_file(data, path);
    if (!imported.ok()) {
        QMessageBox::warning(this, tr("Import"), tr("%1: not imported: %2").arg(path, text(imported.problem().text)));
        return false;
    }
    fill_packs(imported.value().pack.path);
    QStringList said{tr("Imported \u201c%1\u201d.").arg(text(imported.value().pack.name))};
    for (const std::string& unproved : imported.value().unproved)
        said << tr("Not proved: %1").arg(text(unproved));
    state->setText(said.join(QLatin1Char('\n')));
    return true;
}

void PacksDialog::import_pack()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import a pack"), QString(),
                                                      tr("Whiskerdash packs (*.wdpack)"));
    if (!path.isEmpty())
        import_file(path);
}

void PacksDialog::export_pack()
{
    const QString pack = selected_pack();
    if (pack.isEmpty())
        return;
    QString path = QFileDialog::getSaveFileName(this, tr("Export a pack"),
                                                QDir::home().filePath(QFileInfo(pack).fileName() + QStringLiteral(".wdpack")),
                                                tr("Whiskerdash packs (*.wdpack)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".wdpack")))
        path += QLatin1String(".wdpack");
    const Result<void> written = packs::export_pack_file(pack, path);
    state->setText(written.ok() ? tr("Exported to %1.").arg(path)
                                : tr("%1: not exported: %2").arg(path, text(written.problem().text)));
}

void PacksDialog::delete_level()
{
    const QString pack = selected_pack();
    const int level = levels->currentRow();
    if (pack.isEmpty() || level < 0)
        return;
    if (QMessageBox::question(this, tr("Delete level"), tr("Delete level %1 of this pack? The levels after it move up.").arg(level + 1))
        != QMessageBox::Yes)
        return;
    if (const Result<void> gone = packs::delete_level(pack, level); !gone.ok())
        QMessageBox::warning(this, tr("Delete level"), text(gone.problem().text));
    fill_packs(pack);
}

}  // namespace wd
