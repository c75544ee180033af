#include "practice_dialog.h"

#include "game/board.h"
#include "record_texts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <atomic>
#include <memory>

namespace wd {

namespace {
constexpr int preview_cell = 4;
// The drawing a level has until its file is read: the shipped levels' size.
constexpr QSize blank_size(32 * preview_cell, 20 * preview_cell);

QColor colour_of(char cell)
{
    switch (cell) {
    case 'H': return {0x40, 0x40, 0x48};  // stone
    case 'B': return {0xB0, 0x74, 0x30};  // crate
    case 'K': return {0xF2, 0xD0, 0x30};  // cheese
    case 'C': return {0xD0, 0x30, 0x20};  // cat
    case 'M': return {0x20, 0x60, 0xE0};  // mouse
    default: return {0xE8, 0xE4, 0xD8};   // floor
    }
}

// A locked level is shown faded, with a padlock over it.
QImage locked(QImage preview)
{
    QPainter painter(&preview);
    painter.fillRect(preview.rect(), QColor(255, 255, 255, 170));
    const QPoint centre = preview.rect().center();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 3));
    painter.drawArc(QRect(centre.x() - 7, centre.y() - 16, 14, 18), 0, 180 * 16);
    painter.fillRect(QRect(centre.x() - 11, centre.y() - 6, 22, 16), QColor(0x30, 0x30, 0x30));
    return preview;
}
}  // namespace

QImage level_preview(const Board& board, int cell)
{
    QImage image(board.board_width * cell, board.board_height * cell, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < board.board_height; ++y)
        for (int x = 0; x < board.board_width; ++x)
            painter.fillRect(x * cell, y * cell, cell, cell, colour_of(board.cell(x, y)));
    return image;
}

// Reads the pack's files one after another, from the first, and tells each as
// it is read. The dialog may close first: the reader then stops after the file
// it is reading (each read is given up within a second) and deletes itself.
class LevelReader : public QThread {
    Q_OBJECT

public:
    LevelReader(LocateLevel locate, int named) : locate(std::move(locate)), named(named) {}
    void stop() { stopping = true; }

signals:
    void readable(int number, const QImage& preview, quint64 hash);
    void unreadable(int number, const QString& problem);
    void packEnds(int count);

protected:
    void run() override
    {
        auto board = std::make_unique<Board>();
        board->trace = [](const std::string&) {};  // a preview is no play: no trace lines
        board->locate = locate;
        for (int number = 0; number <= Board::last_level_number && !stopping; ++number) {
            const Result<void> result = board->load_numbered_level(number);
            if (result.ok()) {
                emit readable(number, level_preview(*board, preview_cell), board->level_hash);
            } else if (result.problem().kind == Problem::Kind::missing) {
                emit packEnds(number);
                return;
            } else {
                emit unreadable(number, QString::fromStdString(result.problem().text));
                // Past the index, nothing says the pack goes on: a stalled
                // mount must not be tried a thousand times.
                if (number >= named) {
                    emit packEnds(number + 1);
                    return;
                }
            }
        }
    }

private:
    const LocateLevel locate;
    const int named;
    std::atomic<bool> stopping{false};
};

PracticeDialog::PracticeDialog(const LevelIndex& index, int highest_reached, int current, LocateLevel locate,
                               LevelRecords records, QWidget* parent)
    : QDialog(parent)
    , index(index)
    , highest(highest_reached)
    , current(current)
    , shown(new QListWidget(this))
    , records(std::move(records))
{
    setObjectName(QStringLiteral("PracticeDialog"));
    setWindowTitle(tr("Practice a level"));
    auto* prompt = new QLabel(tr("Practice any level you have reached. A practice game is never ranked."), this);
    prompt->setWordWrap(true);
    prompt->setBuddy(shown);
    shown->setAccessibleName(tr("Levels"));
    shown->setViewMode(QListView::IconMode);
    shown->setMovement(QListView::Static);
    shown->setResizeMode(QListView::Adjust);
    shown->setWrapping(true);
    shown->setUniformItemSizes(true);
    shown->setSpacing(6);
    shown->setWordWrap(true);
    shown->setTextElideMode(Qt::ElideNone);
    fit_previews(blank_size);
    int named = 0;
    while (named <= Board::last_level_number && index.find(Board::level_file_name(named)))
        row(named++);
    fit_previews(blank_size);  // and the names now listed

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(tr("Practise"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (chosen())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    record_line = new QLabel(this);
    record_line->setObjectName(QStringLiteral("records"));
    watch_cheese = buttons->addButton(tr("Watch most cheese"), QDialogButtonBox::ActionRole);
    watch_fastest = buttons->addButton(tr("Watch fastest clear"), QDialogButtonBox::ActionRole);
    for (QPushButton* button : {watch_cheese, watch_fastest})
        connect(button, &QPushButton::clicked, this, [this, cheese = button == watch_cheese] {
            const QListWidgetItem* item = shown->currentItem();
            if (!item || !chosen_record())
                return;
            watching = Watch{item->data(Qt::UserRole + 1).toULongLong(), cheese};
            done(watch_result);
        });
    connect(shown, &QListWidget::itemActivated, this, [this] {
        if (chosen())
            accept();
    });
    connect(shown, &QListWidget::currentItemChanged, this, &PracticeDialog::update_ok);
    update_ok();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(shown);
    layout->addWidget(record_line);
    layout->addWidget(buttons);

    // Not a child: it may outlive the dialog by the read it is in.
    reader = new LevelReader(std::move(locate), named);
    connect(reader, &LevelReader::readable, this, &PracticeDialog::show_level, Qt::QueuedConnection);
    connect(reader, &LevelReader::unreadable, this, &PracticeDialog::show_unreadable, Qt::QueuedConnection);
    connect(reader, &LevelReader::packEnds, this, &PracticeDialog::end_pack, Qt::QueuedConnection);
    connect(reader, &QThread::finished, this, &PracticeDialog::filled, Qt::QueuedConnection);
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    reader->start();
}

PracticeDialog::~PracticeDialog()
{
    if (reader)
        reader->stop();
}

// The level's row, added when the reader finds a level past the index's.
QListWidgetItem* PracticeDialog::row(int number)
{
    if (number < shown->count())
        return shown->item(number);
    const LevelInfo* info = index.find(Board::level_file_name(number));
    const QString name = info ? QCoreApplication::translate("Levels", info->name.c_str())
                              : QString::fromStdString(Board::level_file_name(number));
    const bool open = number <= highest;
    QImage blank(shown->iconSize(), QImage::Format_RGB32);
    blank.fill(colour_of('.'));
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(open ? blank : locked(blank))),
                                     open ? tr("%1 · %2", "level number and name").arg(number + 1).arg(name)
                                          : tr("%1 · locked", "a level not reached yet").arg(number + 1),
                                     shown);
    item->setData(Qt::UserRole, number);
    item->setToolTip(open ? name : tr("Reach this level in a game to practise it"));
    if (!open)
        item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    else if (number == current && !shown->currentItem())
        shown->setCurrentItem(item);
    return item;
}

void PracticeDialog::show_level(int number, const QImage& preview, quint64 hash)
{
    if (number == 0)
        fit_previews(preview.size());
    QListWidgetItem* item = row(number);
    item->setData(Qt::UserRole + 1, hash);
    if (number <= highest)
        if (const auto found = records.find(hash); found != records.end())
            item->setToolTip(item->toolTip() + QLatin1Char('\n') + record_summary(found->second));
    if (item == shown->currentItem())
        update_ok();
    item->setIcon(QIcon(QPixmap::fromImage(number <= highest ? preview : locked(preview))));
}

void PracticeDialog::show_unreadable(int number, const QString& problem)
{
    QListWidgetItem* item = row(number);
    item->setText(tr("%1 · unavailable", "a level whose file cannot be read or played").arg(number + 1));
    item->setToolTip(problem);
    item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    update_ok();
}

void PracticeDialog::end_pack(int count)
{
    while (shown->count() > count)
        delete shown->takeItem(shown->count() - 1);
    update_ok();
}

// Every drawing at the first level's size, as the window takes it.
// Names wrap under their preview, never elided: a cell as wide as the longest
// word and as tall as the longest name takes.
void PracticeDialog::fit_previews(QSize size)
{
    shown->setIconSize(size);
    const QFontMetrics metrics(shown->font());
    int width = size.width() + 40;
    for (int i = 0; i < shown->count(); ++i)
        for (const QString& word : shown->item(i)->text().split(QLatin1Char(' ')))
            width = std::max(width, metrics.horizontalAdvance(word) + 16);
    int text_height = 2 * metrics.lineSpacing();
    for (int i = 0; i < shown->count(); ++i)
        text_height = std::max(text_height, metrics.boundingRect(QRect(0, 0, width - 12, 1000),
                                                                 Qt::TextWordWrap | Qt::AlignHCenter,
                                                                 shown->item(i)->text())
                                                .height());
    shown->setGridSize(QSize(width, size.height() + text_height + 20));
    shown->setMinimumSize(4 * width + 30, 360);
}

void PracticeDialog::update_ok()
{
    if (ok)
        ok->setEnabled(chosen().has_value());
    const std::optional<LevelRecord> record = chosen_record();
    if (record_line)
        record_line->setText(record ? record_summary(*record) : tr("No records yet for this level"));
    if (watch_cheese) {
        watch_cheese->setEnabled(record.has_value());
        watch_fastest->setEnabled(record.has_value());
    }
}

// The chosen level's records, once its file has been read.
std::optional<LevelRecord> PracticeDialog::chosen_record() const
{
    const QListWidgetItem* item = shown->currentItem();
    if (!chosen() || !item->data(Qt::UserRole + 1).isValid())
        return std::nullopt;
    const auto found = records.find(item->data(Qt::UserRole + 1).toULongLong());
    if (found == records.end() || found->second.ticks < 0)
        return std::nullopt;
    return found->second;
}

std::optional<int> PracticeDialog::chosen() const
{
    const QListWidgetItem* item = shown->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled) || !item->isSelected())
        return std::nullopt;
    return item->data(Qt::UserRole).toInt();
}

PracticeChoice choose_practice_level(QWidget* over, const LevelIndex& index, int highest_reached, int current,
                                     LocateLevel locate, LevelRecords records)
{
    PracticeDialog dialog(index, highest_reached, current, std::move(locate), std::move(records), over);
    switch (dialog.exec()) {
    case QDialog::Accepted: return {dialog.chosen(), std::nullopt};
    case PracticeDialog::watch_result: return {std::nullopt, dialog.to_watch()};
    default: return {};
    }
}

}  // namespace wd

#include "practice_dialog.moc"
