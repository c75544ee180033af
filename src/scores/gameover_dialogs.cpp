#include "gameover_dialogs.h"

#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace wd {

QString ask_name(QWidget* parent, const QString& last_name)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("diag_name"));
    dialog.setWindowTitle(QStringLiteral("Enter your name:"));
    dialog.setModal(true);

    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("ledit_name"));
    edit->setGeometry(10, 10, 180, 26);
    edit->setMaxLength(19);
    edit->setText(last_name);

    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("ok_name"));
    ok->setGeometry(90, 40, 30, 20);
    ok->setAutoDefault(false);  // Return belongs to the line edit

    dialog.resize(200, 60);
    QObject::connect(edit, &QLineEdit::returnPressed, &dialog, &QDialog::accept);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    edit->setFocus();
    dialog.exec();
    return edit->text();
}

TableChoice show_table(const QString& table)
{
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Whiskerdash"));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(table);
    // Fixed pitch, so the columns of dots line up.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setFont(fixed);

    QPushButton* again = box.addButton(QStringLiteral("Play Again"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(QStringLiteral("Quit"), QMessageBox::RejectRole);
    box.setDefaultButton(again);
    box.setEscapeButton(quit);
    box.exec();

    if (box.clickedButton() == again)
        return TableChoice::play_again;
    if (box.clickedButton() == quit)
        return TableChoice::quit;
    return TableChoice::none;
}

}  // namespace wd
