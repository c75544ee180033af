#include "late_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace wd {

namespace {

// The style's own icon, read on first use. Its size is the one asked for until
// then, which is what a button lays itself out with anyway.
class LateIcon : public QIconEngine {
public:
    LateIcon(QStyle* style, QStyle::StandardPixmap which) : style(style), which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon.isNull() ? size : icon.actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new LateIcon(*this); }

private:
    const QIcon& real()
    {
        if (icon.isNull() && style)
            icon = style->standardIcon(which);
        return icon;
    }

    QPointer<QStyle> style;
    QStyle::StandardPixmap which;
    QIcon icon;
};

class LateIcons : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new LateIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void read_style_icons_late()
{
    QApplication::setStyle(new LateIcons);
}

}  // namespace wd
