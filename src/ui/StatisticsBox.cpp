#include "StatisticsBox.h"

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
QString tr(const char* text, const char* disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("StatisticsBox", text, disambiguation, n);
}

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
    if (seconds >= 3600)
        return tr("%1 h %2 min").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
    if (seconds >= 60)
        return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return tr("%1 s").arg(seconds);
}

void show_statistics(QWidget* over, const Statistics& counts, const LevelIndex& index, const QString& problem)
{
    QDialog box(over);
    box.setObjectName(QStringLiteral("StatisticsBox"));
    box.setWindowTitle(tr("Statistics"));
    auto* totals = new QFormLayout;
    totals->addRow(tr("Games played:"), new QLabel(QString::number(counts.games)));
    totals->addRow(tr("Levels cleared:"), new QLabel(QString::number(counts.levels_cleared)));
    totals->addRow(tr("Cats caught:"), new QLabel(QString::number(counts.cats_caught)));
    totals->addRow(tr("Cheese eaten:"), new QLabel(QString::number(counts.cheese_eaten)));
    totals->addRow(tr("Time played:"), new QLabel(played_time(counts.played_ms)));

    auto* levels = new QTableWidget(int(counts.levels.size()), 3, &box);
    levels->setAccessibleName(tr("Levels"));
    levels->setHorizontalHeaderLabels({tr("Level"), tr("Attempts"), tr("Clears")});
    levels->verticalHeader()->hide();
    levels->setSelectionMode(QAbstractItemView::NoSelection);
    levels->setFocusPolicy(Qt::NoFocus);  // nothing to do in it: keys go to Close
    int row = 0;
    for (const auto& [number, level] : counts.levels) {
        const LevelInfo* info = index.find(Board::level_file_name(number));
        const QString name = info ? QCoreApplication::translate("Levels", info->name.c_str()) : QString();
        levels->setItem(row, 0, cell(name.isEmpty() ? QString::number(number + 1)
                                                     : tr("%1 · %2", "level number and name").arg(number + 1).arg(name),
                                     Qt::AlignLeft | Qt::AlignVCenter));
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
        auto* told = new QLabel(tr("Earlier games are not counted here: %1").arg(problem), &box);
        told->setWordWrap(true);
        layout->addWidget(told);
    }
    layout->addLayout(totals);
    layout->addWidget(levels);
    layout->addWidget(buttons);
    box.exec();
}

}  // namespace wd
