#include "PracticeDialog.h"

#include "game/board.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace wd {

namespace {
constexpr int preview_cell = 4;

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

std::vector<PackLevel> pack_levels(const LevelIndex& index, int highest_reached,
                                   const std::function<std::string(const std::string&)>& locate)
{
    std::vector<PackLevel> levels;
    Board board;
    board.trace = [](const std::string&) {};  // a preview is no play: no trace lines
    board.locate = locate;
    for (int number = 0; number <= Board::last_level_number; ++number) {
        if (!board.load_numbered_level(number).ok())
            break;
        PackLevel level;
        level.number = number;
        const LevelInfo* info = index.find(Board::level_file_name(number));
        level.name = info ? QCoreApplication::translate("Levels", info->name.c_str())
                          : QString::fromStdString(Board::level_file_name(number));
        level.open = number <= highest_reached;
        level.preview = level.open ? level_preview(board, preview_cell) : locked(level_preview(board, preview_cell));
        levels.push_back(std::move(level));
    }
    return levels;
}

PracticeDialog::PracticeDialog(const std::vector<PackLevel>& levels, int current, QWidget* parent)
    : QDialog(parent), shown(new QListWidget(this))
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
    int width = 0;
    QStringList texts;
    for (const PackLevel& level : levels) {
        const QString text = level.open ? tr("%1 · %2", "level number and name").arg(level.number + 1).arg(level.name)
                                        : tr("%1 · locked", "a level not reached yet").arg(level.number + 1);
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(level.preview)), text, shown);
        item->setData(Qt::UserRole, level.number);
        item->setToolTip(level.open ? level.name : tr("Reach this level in a game to practise it"));
        if (!level.open)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        width = std::max(width, level.preview.width());
        texts << text;
    }
    if (!levels.empty())
        shown->setIconSize(levels.front().preview.size());
    // Names wrap under their preview, never elided: a cell as wide as the
    // longest word and as tall as the longest name takes.
    const QFontMetrics metrics(shown->font());
    width += 40;
    for (const QString& text : std::as_const(texts))
        for (const QString& word : text.split(QLatin1Char(' ')))
            width = std::max(width, metrics.horizontalAdvance(word) + 16);
    int text_height = metrics.lineSpacing();
    for (const QString& text : std::as_const(texts))
        text_height = std::max(text_height, metrics.boundingRect(QRect(0, 0, width - 12, 1000),
                                                                 Qt::TextWordWrap | Qt::AlignHCenter, text).height());
    shown->setWordWrap(true);
    shown->setTextElideMode(Qt::ElideNone);
    shown->setGridSize(QSize(width, (levels.empty() ? 0 : levels.front().preview.height()) + text_height + 20));
    shown->setMinimumSize(4 * width + 30, 360);
    for (int row = 0; row < shown->count(); ++row)
        if (shown->item(row)->data(Qt::UserRole).toInt() == current && (shown->item(row)->flags() & Qt::ItemIsEnabled))
            shown->setCurrentRow(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Practise"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (chosen())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(shown, &QListWidget::itemActivated, this, [this] {
        if (chosen())
            accept();
    });
    auto update_ok = [this, ok = buttons->button(QDialogButtonBox::Ok)] { ok->setEnabled(chosen().has_value()); };
    connect(shown, &QListWidget::currentItemChanged, this, update_ok);
    update_ok();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(shown);
    layout->addWidget(buttons);
}

std::optional<int> PracticeDialog::chosen() const
{
    const QListWidgetItem* item = shown->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled) || !item->isSelected())
        return std::nullopt;
    return item->data(Qt::UserRole).toInt();
}

std::optional<int> choose_practice_level(QWidget* over, const std::vector<PackLevel>& levels, int current)
{
    PracticeDialog dialog(levels, current, over);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

}  // namespace wd
