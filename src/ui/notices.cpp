#include "notices.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>

namespace wd {

namespace {

class Banner : public QLabel {
public:
    Banner(QWidget* window, const QString& text) : QLabel(text, window)
    {
        setWordWrap(true);
        setMargin(4);
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::ToolTipBase);
        setForegroundRole(QPalette::ToolTipText);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        window->installEventFilter(this);
        fit();
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            hide();
            deleteLater();
        } else if (event->type() == QEvent::Resize) {
            fit();
        }
        return QLabel::eventFilter(watched, event);
    }

private:
    void fit()
    {
        const int width = parentWidget()->width();
        setGeometry(0, 0, width, heightForWidth(width));
    }
};

}  // namespace

void show_banner(QWidget* window, const QString& text)
{
    QString sentence = text;
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    new Banner(window, sentence);  // the window owns it; it deletes itself when read
}

void show_startup_error(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("whiskerdash", "Whiskerdash: cannot start"),
                    message, QMessageBox::Close);
    box.exec();
}

}  // namespace wd
