#pragma once
// What the board's cards say, for assistive technology: a child of the board
// that takes no focus and paints nothing, standing where the card stands,
// with the Notification role and the card's text as its name. Each card, and
// each new text of one, shows it anew (AT-SPI: object:state-changed:showing,
// detail 1, on that object, whose name is then the card's text); a card that
// goes hides it. The application itself is named "Whiskerdash" to assistive
// technology, not by the application name the desktop files need.

#include <QRect>
#include <QString>
#include <QWidget>

namespace wd {

class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* board);

    // Says `text` over `where` (the board's pixels); an empty text says nothing more.
    void say(const QString& text, const QRect& where);
    const QString& text() const { return said; }

private:
    QString said;
};

}  // namespace wd
