#include "Overlay.h"

#include "SceneRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

namespace wd {

namespace {
constexpr int card_padding = 8;
constexpr int title_height = 18;
constexpr int line_height = 14;
constexpr int mark_margin = 8;  // a marked cell's drawing reaches this far beyond it, at 1x

QFont card_font(bool title)
{
    QFont font;
    font.setPixelSize(title ? 14 : 11);
    font.setBold(title);
    return font;
}

int card_width(const QSize& board)
{
    return std::min(board.width() - 8, 420);
}

// The card's lines broken at spaces to fit its width, each kept whole if it can be.
QStringList wrapped(const Card& card, int width)
{
    const QFontMetrics metrics(card_font(false));
    QStringList out;
    for (const QString& line : card.lines) {
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '))) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                out << current;
                current = word;
            } else {
                current = longer;
            }
        }
        out << current;
    }
    return out;
}

QRect card_image_rect(const QSize& board, const Card& card)
{
    const QSize size = card_size(board, card);
    const int width = size.width();
    const int height = size.height();
    return QRect((board.width() - width) / 2, card.top >= 0 ? card.top : (board.height() - height) / 2, width, height);
}

QSize board_image_size(const ViewGeometry& geometry)
{
    const QSize window = geometry.board().size();
    return QSize(qRound(window.width() / geometry.scale()), qRound(window.height() / geometry.scale()));
}

QRect cell_image_rect(QPoint cell)
{
    return QRect(cell.x() * cell_size - mark_margin, cell.y() * cell_size - mark_margin, cell_size + 2 * mark_margin,
                 cell_size + 2 * mark_margin);
}

// Eight rays growing out of the cell, fading as they go.
void paint_burst(QPainter& painter, QPointF centre, double t)
{
    const double inner = 3 + 7 * t;
    const double outer = 8 + 7 * t;
    QColor colour(0xFF, 0xC0, 0x20);
    colour.setAlphaF(1.0 - 0.8 * t);
    painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        painter.drawLine(centre + QPointF(inner * std::cos(a), inner * std::sin(a)),
                         centre + QPointF(outer * std::cos(a), outer * std::sin(a)));
    }
    QColor core(0xFF, 0xFF, 0xFF);
    core.setAlphaF(1.0 - t);
    painter.setBrush(core);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, 3 * (1 - t) + 1, 3 * (1 - t) + 1);
    painter.setBrush(Qt::NoBrush);
}

// A widening dashed ring: this cat got away.
void paint_ring(QPainter& painter, QPointF centre, double t)
{
    QColor colour(0x30, 0x70, 0xD0);
    colour.setAlphaF(1.0 - 0.8 * t);
    painter.setPen(QPen(colour, 1.6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    const double r = 6 + 5 * t;
    painter.drawEllipse(centre, r, r);
}

// The capture: a red ring and cross over the meeting cell.
void paint_meeting(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 10, 10);
    painter.drawLine(centre + QPointF(-5, -5), centre + QPointF(5, 5));
    painter.drawLine(centre + QPointF(-5, 5), centre + QPointF(5, -5));
}

void paint_card(QPainter& painter, const QRect& rect, const Card& card)
{
    painter.setPen(QPen(QColor(0xF0, 0xE0, 0x90), 1.5));
    painter.setBrush(QColor(0x20, 0x28, 0x20, 225));
    painter.drawRoundedRect(QRectF(rect).adjusted(0.75, 0.75, -0.75, -0.75), 6, 6);

    const QFont title_font = card_font(true);
    const QFont line_font = card_font(false);
    const int width = rect.width() - 2 * card_padding;

    painter.setFont(title_font);
    painter.setPen(QColor(0xFF, 0xF4, 0xC0));
    const QRect title(rect.left() + card_padding, rect.top() + card_padding, width, title_height);
    painter.drawText(title, Qt::AlignCenter, QFontMetrics(title_font).elidedText(card.title, Qt::ElideRight, width));
    painter.setFont(line_font);
    painter.setPen(Qt::white);
    int top = title.bottom() + 1;
    for (const QString& line : wrapped(card, width)) {
        painter.drawText(QRect(title.left(), top, width, line_height), Qt::AlignCenter,
                         QFontMetrics(line_font).elidedText(line, Qt::ElideRight, width));
        top += line_height;
    }
}
}  // namespace

QSize card_size(const QSize& board, const Card& card)
{
    const int width = card_width(board);
    const int lines = int(wrapped(card, width - 2 * card_padding).size());
    return QSize(width, 2 * card_padding + title_height + line_height * lines);
}

QRect card_rect(const ViewGeometry& geometry, const Card& card)
{
    if (card.empty())
        return {};
    return geometry.board_to_window(card_image_rect(board_image_size(geometry), card)).intersected(geometry.board());
}

QRect marked_cell_rect(const ViewGeometry& geometry, QPoint cell)
{
    return geometry.board_to_window(cell_image_rect(cell)).intersected(geometry.board());
}

QRegion overlay_region(const ViewGeometry& geometry, const Overlay& overlay)
{
    QRegion region = card_rect(geometry, overlay.card);
    for (const Flash& flash : overlay.flashes)
        region += marked_cell_rect(geometry, flash.cell);
    if (overlay.show_meeting)
        region += marked_cell_rect(geometry, overlay.meeting);
    return region;
}

void paint_overlay(QPainter& painter, const QRegion& region, const ViewGeometry& geometry, const Overlay& overlay)
{
    if (!region.intersects(overlay_region(geometry, overlay)))
        return;
    painter.save();
    painter.setClipRegion(region.intersected(geometry.board()));
    painter.translate(geometry.board().topLeft());
    painter.scale(geometry.scale(), geometry.scale());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Flash& flash : overlay.flashes) {
        const QPointF centre = QRectF(cell_image_rect(flash.cell)).center();
        const double t = std::clamp(double(flash.age_ms) / flash_ms, 0.0, 1.0);
        if (flash.kind == Flash::Kind::catch_burst)
            paint_burst(painter, centre, t);
        else
            paint_ring(painter, centre, t);
    }
    if (overlay.show_meeting)
        paint_meeting(painter, QRectF(cell_image_rect(overlay.meeting)).center());
    if (!overlay.card.empty())
        paint_card(painter, card_image_rect(board_image_size(geometry), overlay.card), overlay.card);
    painter.restore();
}

}  // namespace wd
