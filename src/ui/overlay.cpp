#include "overlay.h"

#include "scene_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

#include <optional>
#include <utility>

namespace wd {

namespace {
constexpr int card_padding = 8;
constexpr int title_pixels = 14;
constexpr int line_pixels = 11;
constexpr int mark_margin = 8;  // a marked cell's drawing reaches this far beyond it, at 1x

QFont card_font(bool title, double pixels)
{
    QFont font;
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(title);
    return font;
}

int card_width(const QSize& board)
{
    return std::max(1, std::min(board.width() - 8, 420));
}

// Breaks `text` at spaces into lines no wider than `width`. A word wider than
// that alone is broken between letters, and the answer is false.
bool wrap_words(const QString& text, const QFont& font, int width, QStringList& out)
{
    // A line's advance is its words' and spaces' (no shaping joins across a
    // space), so each word is shaped once, not each longer line again.
    const QFontMetrics metrics(font);
    const QFontMetricsF exact(font);
    const qreal space = exact.horizontalAdvance(QLatin1Char(' '));
    bool whole = true;
    QString current;
    qreal current_width = 0;
    for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        qreal word_width = exact.horizontalAdvance(word);
        while (qRound(word_width) > width && word.size() > 1) {
            whole = false;
            if (!current.isEmpty())
                out << std::exchange(current, QString());
            qsizetype fits = 1;
            while (fits + 1 < word.size() && metrics.horizontalAdvance(word.left(fits + 1)) <= width)
                ++fits;
            out << word.left(fits);
            word.remove(0, fits);
            word_width = exact.horizontalAdvance(word);
        }
        if (current.isEmpty()) {
            current = word;
            current_width = word_width;
        } else if (qRound(current_width + space + word_width) > width) {
            out << std::exchange(current, word);
            current_width = word_width;
        } else {
            current += QLatin1Char(' ') + word;
            current_width += space + word_width;
        }
    }
    if (!current.isEmpty())
        out << current;
    return whole;
}

// The card laid out in window pixels at `scale`, its place in board pixels at 1x.
struct Fitted {
    QFont title_font;
    QFont line_font;
    QStringList title_lines;
    QStringList lines;
    int padding = 0;     // window pixels
    int text_width = 0;  // window pixels
    QRect board_rect;    // board pixels at 1x
};

Fitted fit_card_anew(const QSize& board, const Card& card, double scale)
{
    const int width = card_width(board);
    Fitted fitted;
    // Smaller steps of font until every word fits whole and the card fits the board.
    for (double size = 1.0;; size -= 0.05) {
        const bool smallest = size < 0.4;
        fitted.padding = std::max(1, qRound(card_padding * scale * std::max(size, 0.5)));
        fitted.text_width = std::max(1, int(width * scale) - 2 * fitted.padding);
        fitted.title_font = card_font(true, title_pixels * scale * size);
        fitted.line_font = card_font(false, line_pixels * scale * size);
        const QFontMetrics title_metrics(fitted.title_font);
        const QFontMetrics line_metrics(fitted.line_font);
        fitted.title_lines.clear();
        fitted.lines.clear();
        bool whole = wrap_words(card.title, fitted.title_font, fitted.text_width, fitted.title_lines);
        for (const QString& line : card.lines)
            whole = wrap_words(line, fitted.line_font, fitted.text_width, fitted.lines) && whole;
        const int text_height = int(fitted.title_lines.size()) * title_metrics.lineSpacing()
            + int(fitted.lines.size()) * line_metrics.lineSpacing();
        const int height = qCeil((text_height + 2 * fitted.padding) / scale);
        if ((whole && height <= board.height() - 4) || smallest) {
            // Too tall for where it was asked to stand: it grows upwards.
            const int room = std::max(0, board.height() - height);
            const int top = card.top >= 0 ? std::min(card.top, room) : room / 2;
            fitted.board_rect = QRect((board.width() - width) / 2, top, width, height);
            return fitted;
        }
    }
}

// One card is fitted for the region to repaint, for assistive technology and
// for painting: shaping its text again each time cost milliseconds a frame.
Fitted fit_card(const QSize& board, const Card& card, double scale)
{
    struct Last {
        QSize board;
        Card card;
        double scale = 0;
        QFont font;  // the application's, which the card's follow
        Fitted fitted;
    };
    static std::optional<Last> last;
    const QFont font;
    if (!last || last->board != board || last->card != card || last->scale != scale || last->font != font)
        last = Last{board, card, scale, font, fit_card_anew(board, card, scale)};
    return last->fitted;
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

void paint_card(QPainter& painter, const CardLayout& layout, bool faded)
{
    painter.save();
    painter.resetTransform();  // text laid out in window pixels, as it is drawn
    if (faded)
        painter.setOpacity(0.2);
    const double edge = 1.5 * layout.scale;
    painter.setPen(QPen(QColor(0xF0, 0xE0, 0x90), edge));
    painter.setBrush(QColor(0x20, 0x28, 0x20, 225));
    painter.drawRoundedRect(QRectF(layout.rect).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2), 6 * layout.scale,
                            6 * layout.scale);
    int i = 0;
    painter.setFont(layout.title_font);
    painter.setPen(QColor(0xFF, 0xF4, 0xC0));
    for (const QString& line : layout.title_lines)
        painter.drawText(layout.text_rects[i++], Qt::AlignCenter, line);
    painter.setFont(layout.line_font);
    painter.setPen(Qt::white);
    for (const QString& line : layout.lines)
        painter.drawText(layout.text_rects[i++], Qt::AlignCenter, line);
    painter.restore();
}
}  // namespace

QSize card_size(const QSize& board, const Card& card, double scale)
{
    return fit_card(board, card, scale).board_rect.size();
}

CardLayout card_layout(const ViewGeometry& geometry, const Card& card)
{
    CardLayout layout;
    if (card.empty())
        return layout;
    const Fitted fitted = fit_card(board_image_size(geometry), card, geometry.scale());
    layout.rect = geometry.board_to_window(fitted.board_rect).intersected(geometry.board());
    layout.scale = geometry.scale();
    layout.title_font = fitted.title_font;
    layout.line_font = fitted.line_font;
    layout.title_lines = fitted.title_lines;
    layout.lines = fitted.lines;
    const int left = layout.rect.left() + (layout.rect.width() - fitted.text_width) / 2;
    int top = layout.rect.top() + fitted.padding;
    for (const auto& [lines, font] : {std::pair{&layout.title_lines, &layout.title_font}, {&layout.lines, &layout.line_font}}) {
        const int step = QFontMetrics(*font).lineSpacing();
        for (qsizetype i = 0; i < lines->size(); ++i, top += step)
            layout.text_rects << QRect(left, top, fitted.text_width, step);
    }
    return layout;
}

QRect card_rect(const ViewGeometry& geometry, const Card& card)
{
    return card_layout(geometry, card).rect;
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

QRegion overlay_change(const ViewGeometry& geometry, const Overlay& before, const Overlay& after)
{
    if (before == after)
        return {};
    return overlay_region(geometry, before) + overlay_region(geometry, after);
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
        paint_card(painter, card_layout(geometry, overlay.card), overlay.card.faded);
    painter.restore();
}

}  // namespace wd
