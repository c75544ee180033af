#include "help_page.h"

#include "game_actions.h"
#include "key_map.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace wd {

namespace {
struct HelpBox {
    Q_DECLARE_TR_FUNCTIONS(HelpBox)
};
struct About {
    Q_DECLARE_TR_FUNCTIONS(About)
};

QString row(const QString& sprite, const QString& text)
{
    const QString picture = sprite.isEmpty()
        ? QString()
        : QStringLiteral("<img src=\"sprite:%1\" width=\"32\" height=\"32\" alt=\"\">").arg(sprite);
    return QStringLiteral("<tr><td width=\"44\" valign=\"top\">%1</td><td>%2</td></tr>")
        .arg(picture, text.toHtmlEscaped());
}
}  // namespace

QString help_html()
{
    QString html = QStringLiteral("<h3>%1</h3><table cellspacing=\"6\">").arg(HelpBox::tr("The rules").toHtmlEscaped());
    html += row(QStringLiteral("mouse"),
                HelpBox::tr("You are the mouse. Catch every cat to clear a level. "
                            "Each level starts when you press an arrow key."));
    html += row(QStringLiteral("crate"),
                HelpBox::tr("Walk into a row of crates to push it, unless a stone wall stops it."));
    html += row(QStringLiteral("wall"), HelpBox::tr("Stone walls never move."));
    html += row(QStringLiteral("cheese"),
                HelpBox::tr("Cheese is worth 10 points. Cats cannot step on cheese or crates."));
    html += row(QStringLiteral("cat"),
                HelpBox::tr("Push a crate onto a cat: it escapes to a free cell next to it, or is "
                            "caught when it has none. If a cat reaches you, the game is over."));
    html += row(QString(),
                HelpBox::tr("So trap cats: wait until one stands where crates, walls or cheese surround it, then "
                            "push the last crate onto it. Cats follow you, which lets you lure them into a pocket "
                            "before you close it."));
    html += QStringLiteral("</table><h3>%1</h3><table cellspacing=\"4\">").arg(HelpBox::tr("Keys").toHtmlEscaped());
    const auto key_row = [](const QString& name, const QString& keys) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys.toHtmlEscaped(), name.toHtmlEscaped());
    };
    html += key_row(QCoreApplication::translate("Menu", "Move"),
                    QCoreApplication::translate("Menu", "Arrow keys, W A S D, keypad 8 4 6 2"));
    for (const GameActions::KeyLine& line : GameActions::key_lines(true))
        html += key_row(line.name, line.keys);
    html += QStringLiteral("</table><h3>%1</h3><p>%2</p>")
                .arg(HelpBox::tr("Your own levels").toHtmlEscaped(),
                     HelpBox::tr("Game > Edit levels draws levels of your own: choose a kind with its key (Space or . "
                                 "floor, H wall, B crate, K cheese, C cat, M mouse, the letters of the level files) "
                                 "and draw with the arrow keys or the mouse. F5 test-plays the level and Escape "
                                 "comes back to the drawing. A level is proved when a game that clears it is kept "
                                 "with it: clear it yourself in test-play, or let the bot prove it (Ctrl+P), which "
                                 "also says in how many of its games the bot cleared it. Ctrl+S saves it into a pack "
                                 "of yours; Game > Play a pack plays packs, and exports and imports them as one file.")
                         .toHtmlEscaped());
    return html;
}

void show_help(QWidget* over, const Sprites& sprites)
{
    QDialog page(over);
    page.setObjectName(QStringLiteral("help_page"));
    page.setWindowTitle(HelpBox::tr("Whiskerdash help"));
    auto* text = new QTextBrowser(&page);
    text->setOpenLinks(false);
    const struct {
        const char* name;
        const QPixmap& pixmap;
    } pictures[] = {{"mouse", sprites.mouse}, {"cat", sprites.cat}, {"cheese", sprites.cheese},
                    {"crate", sprites.block}, {"wall", sprites.hardblock}};
    for (const auto& picture : pictures)
        if (!picture.pixmap.isNull())  // crisp at twice its size, as the board shows it at 2x
            text->document()->addResource(QTextDocument::ImageResource,
                                          QUrl(QStringLiteral("sprite:") + QLatin1String(picture.name)),
                                          picture.pixmap.scaled(picture.pixmap.size() * 2));
    text->setHtml(help_html());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &page);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &page, &QDialog::reject);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(text);
    layout->addWidget(buttons);
    page.resize(560, 560);
    buttons->button(QDialogButtonBox::Close)->setFocus();
    page.exec();
}

QString about_html()
{
    QString html =
        About::tr("<h3>Whiskerdash %1</h3>"
                  "<p>An arcade puzzle game: push rows of crates to trap the cats before they catch the mouse.</p>")
            .arg(QCoreApplication::applicationVersion());
    html += QStringLiteral("<p>%1<br>%2</p>")
                .arg(About::tr("Free software under the MIT licence.").toHtmlEscaped(),
                     About::tr("Copyright \u00a9 2026 The Whiskerdash developers.").toHtmlEscaped());
    html += QStringLiteral("<p><b>%1</b><br>%2</p>")
                .arg(About::tr("Credits").toHtmlEscaped(),
                     About::tr("Game, levels, sprites and sounds: the Whiskerdash developers.").toHtmlEscaped());
    // A catalogue names its translators here; English has none to name.
    const char* credits = QT_TRANSLATE_NOOP("About", "translator-credits");
    if (const QString translators = QCoreApplication::translate("About", credits); translators != QLatin1String(credits))
        html += QStringLiteral("<p><b>%1</b><br>%2</p>")
                    .arg(About::tr("Translation").toHtmlEscaped(), translators.toHtmlEscaped());
    const QString home = QStringLiteral(WHISKERDASH_HOMEPAGE);
    const QString bugs = QStringLiteral(WHISKERDASH_BUG_ADDRESS);
    QStringList links;
    if (!home.isEmpty())
        links << About::tr("Home page: %1").arg(QStringLiteral("<a href=\"%1\">%1</a>").arg(home.toHtmlEscaped()));
    if (!bugs.isEmpty())
        links << About::tr("Report bugs at %1").arg(QStringLiteral("<a href=\"%1\">%1</a>").arg(bugs.toHtmlEscaped()));
    if (!links.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(links.join(QStringLiteral("<br>")));
    return html;
}

void show_about(QWidget* over)
{
    QMessageBox::about(over, About::tr("About Whiskerdash"), about_html());
}

}  // namespace wd
