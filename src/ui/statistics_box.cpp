#include "statistics_box.h"

#include "game/board.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wd {

namespace {
QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}
}  // namespace

QString played_time(long long ms)
{
    const long long seconds = ms / 1000;
    const QLatin1Char zero('0');
    if (seconds >= 3600)
        return QCoreApplication::translate("StatisticsBox", "%1 h %2 min")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, zero);
    if (seconds >= 60)
        return QCoreApplication::translate("StatisticsBox", "%1 min %2 s")
            .arg(seconds / 60)
            .arg(seconds % 60, 2, 10, zero);
    return QCoreApplication::translate("StatisticsBox", "%1 s").arg(seconds);
}

void show_statistics(QWidget* over, const Statistics& counts, const LevelIndex& index, const QString& problem)
{
    QDialog box(over);
    box.setObjectName(QStringLiteral("StatisticsBox"));
    box.setWindowTitle(QCoreApplication::translate("StatisticsBox", "Statistics"));
    const struct {
        const char* label;
        QString value;
    } rows[] = {
        {QT_TRANSLATE_NOOP("StatisticsBox", "Games played:"), QString::number(counts.games)},
        {QT_TRANSLATE_NOOP("StatisticsBox", "Levels cleared:"), QString::number(counts.levels_cleared)},
        {QT_TRANSLATE_NOOP("StatisticsBox", "Cats caught:"), QString::number(counts.cats_caught)},
        {QT_TRANSLATE_NOOP("StatisticsBox", "Cheese eaten:"), QString::number(counts.cheese_eaten)},
        {QT_TRANSLATE_NOOP("StatisticsBox", "Time played:"), played_time(counts.played_ms)},
    };
    auto* totals = new QFormLayout;
    for (const auto& row : rows)
        totals->addRow(QCoreApplication::translate("StatisticsBox", row.label), new QLabel(row.value));

    auto* levels = new QTableWidget(int(counts.levels.size()), 3, &box);
    levels->setAccessibleName(QCoreApplication::translate("StatisticsBox", "Levels"));
    levels->setHorizontalHeaderLabels({QCoreApplication::translate("StatisticsBox", "Level"),
                                       QCoreApplication::translate("StatisticsBox", "Attempts"),
                                       QCoreApplication::translate("StatisticsBox", "Clears")});
    levels->verticalHeader()->hide();
    levels->setSelectionMode(QAbstractItemView::NoSelection);
    levels->setFocusPolicy(Qt::NoFocus);  // nothing to do in it: keys go to Close
    int row = 0;
    for (const auto& [number, level] : counts.levels) {
        const LevelInfo* info = index.find(Board::level_file_name(number));
        const QString title = info ? QCoreApplication::translate("StatisticsBox", "%1 · %2", "level number and name")
                                         .arg(number + 1)
                                         .arg(QCoreApplication::translate("Levels", info->name.c_str()))
                                   : QString::number(number + 1);
        levels->setItem(row, 0, cell(title, Qt::AlignLeft | Qt::AlignVCenter));
        levels->setItem(row, 1, cell(QString::number(level.attempts)));
        levels->setItem(row, 2, cell(QString::number(level.clears)));
        ++row;
    }
    levels->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    levels->resizeColumnsToContents();
    levels->setMinimumWidth(420);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &box);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    auto* layout = new QVBoxLayout(&box);
    if (!problem.isEmpty()) {
        auto* told = new QLabel(
            QCoreApplication::translate("StatisticsBox", "Earlier games are not counted here: %1").arg(problem), &box);
        told->setWordWrap(true);
        layout->addWidget(told);
    }
    layout->addLayout(totals);
    layout->addWidget(levels);
    layout->addWidget(buttons);
    box.exec();
}

}  // namespace wd
