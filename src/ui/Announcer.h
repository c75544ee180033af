#pragma once
// What the board's cards say, for assistive technology: a child of the board
// that takes no focus and paints nothing, standing where the card stands,
// with the Notification role and the card's text as its name. A card that
// appears shows it (AT-SPI: object:state-changed:showing, then the name can be
// read); a card whose text changes changes its name (object:property-change:
// accessible-name, carrying the new text); a card that goes hides it.

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
