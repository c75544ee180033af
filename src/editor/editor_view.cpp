#include "editor_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QUndoCommand>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace wd {

namespace {
const QColor grid_colour(0, 0, 0, 38);
const QColor cursor_colour(0x1c, 0x4f, 0xc4);
const QColor problem_colour(0xd0, 0x10, 0x10);
const QColor stuck_colour(0xe0, 0x80, 0x00);
const QColor rectangle_fill(0x1c, 0x4f, 0xc4, 50);

char kind_of_key(int key)
{
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Period: return '.';
    case Qt::Key_H: return 'H';
    case Qt::Key_B: return 'B';
    case Qt::Key_K: return 'K';
    case Qt::Key_C: return 'C';
    case Qt::Key_M: return 'M';
    default: return 0;
    }
}

bool plain(const QKeyEvent* event)
{
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}
}  // namespace

class EditorView::PaintCommand : public QUndoCommand {
public:
    PaintCommand(EditorView* view, std::vector<CellChange> changes, const QString& text)
        : QUndoCommand(text), view_(view), changes_(std::move(changes))
    {
    }
    void redo() override { view_->apply(changes_, true); }
    void undo() override { view_->apply(changes_, false); }

private:
    EditorView* view_;
    std::vector<CellChange> changes_;
};

class EditorView::ResizeCommand : public QUndoCommand {
public:
    ResizeCommand(EditorView* view, LevelDrawing before, LevelDrawing after)
        : QUndoCommand(EditorView::tr("Resize")), view_(view), before_(std::move(before)), after_(std::move(after))
    {
    }
    void redo() override { view_->replace(after_); }
    void undo() override { view_->replace(before_); }

private:
    EditorView* view_;
    LevelDrawing before_, after_;
};

EditorView::EditorView(CellPictures pictures, QWidget* parent)
    : QWidget(parent), pictures_(std::move(pictures)), drawing_(LevelDrawing::blank(32, 20))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setAccessibleName(tr("Level drawing"));
    make_tiles();
    set_drawing(drawing_);
}

EditorView::~EditorView()
{
    // The commands point back here: let them go while the view still stands,
    // telling no one, as the page's actions may be gone already.
    undo_.blockSignals(true);
    undo_.clear();
}

void EditorView::set_drawing(const LevelDrawing& drawing)
{
    drag_button_ = Qt::NoButton;
    anchor_.reset();
    stroke_.clear();
    mark_.reset();
    undo_.clear();
    replace(drawing);
    // Start where the player's eye goes first: at the mouse.
    Cell start{1, 1};
    for (int y = 0; y < drawing_.height(); ++y)
        for (int x = 0; x < drawing_.width(); ++x)
            if (drawing_.at({x, y}) == 'M')
                start = {x, y};
    set_cursor(start);
}

void EditorView::resize_drawing(int width, int height)
{
    finish_stroke();
    LevelDrawing after = drawing_;
    after.resize(width, height);
    if (after != drawing_)
        undo_.push(new ResizeCommand(this, drawing_, after));
}

void EditorView::fill(const CellRect& rect, char kind)
{
    finish_stroke();
    if (LevelDrawing::kinds.find(kind) == std::string_view::npos)
        return;
    std::vector<CellChange> changes;
    for (int y = std::max(rect.top, 0); y <= std::min(rect.bottom, drawing_.height() - 1); ++y)
        for (int x = std::max(rect.left, 0); x <= std::min(rect.right, drawing_.width() - 1); ++x)
            if (drawing_.at({x, y}) != kind)
                changes.push_back({{x, y}, drawing_.at({x, y}), kind});
    if (!changes.empty())
        undo_.push(new PaintCommand(this, std::move(changes), tr("Fill")));
}

void EditorView::finish_stroke()
{
    if (drag_button_ != Qt::NoButton && !anchor_)
        drag_button_ = Qt::NoButton;
    if (stroke_.empty())
        return;
    // Its cells are drawn already; pushing lays them again, which changes nothing.
    const QString text = drag_kind_ == '.' ? tr("Erase") : tr("Draw");
    undo_.push(new PaintCommand(this, std::exchange(stroke_, {}), text));
}

void EditorView::set_kind(char kind)
{
    if (LevelDrawing::kinds.find(kind) == std::string_view::npos || kind == kind_)
        return;
    kind_ = kind;
    emit kind_chosen(kind);
}

void EditorView::set_zoom(int zoom)
{
    zoom = std::clamp(zoom, 1, max_zoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    make_tiles();
    setFixedSize(drawing_.width() * pixels() + 1, drawing_.height() * pixels() + 1);
    update();
}

void EditorView::set_cursor(Cell cell)
{
    cell = clamped(cell);
    if (cell == cursor_)
        return;
    update(cell_rect(cursor_).adjusted(-2, -2, 2, 2));
    cursor_ = cell;
    update(cell_rect(cursor_).adjusted(-2, -2, 2, 2));
    if (mark_)
        update();  // the marked rectangle follows the cursor
    emit cursor_moved();
}

QRect EditorView::cell_rect(Cell cell) const
{
    return {cell.x * pixels(), cell.y * pixels(), pixels() + 1, pixels() + 1};
}

QString EditorView::problem_text(const CellProblem& problem) const
{
    const QString what = QString::fromStdString(problem.what);
    if (problem.at_cell())
        return tr("Line %1, column %2: %3").arg(problem.y + 1).arg(problem.x + 1).arg(what);
    if (problem.y >= 0)
        return tr("Line %1: %2").arg(problem.y + 1).arg(what);
    return what;
}

std::optional<Cell> EditorView::cell_at(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0)
        return std::nullopt;
    const Cell cell{point.x() / pixels(), point.y() / pixels()};
    return drawing_.contains(cell) ? std::optional(cell) : std::nullopt;
}

Cell EditorView::clamped(Cell cell) const
{
    return {std::clamp(cell.x, 0, drawing_.width() - 1), std::clamp(cell.y, 0, drawing_.height() - 1)};
}

void EditorView::stroke_cell(Cell cell)
{
    const char before = drawing_.at(cell);
    if (!drawing_.contains(cell) || before == drag_kind_)
        return;
    stroke_.push_back({cell, before, drag_kind_});
    drawing_.set(cell, drag_kind_);
    changed();
}

// Every cell on the way, so a fast drag leaves no gaps.
void EditorView::stroke_to(Cell cell)
{
    const int dx = std::abs(cell.x - drag_last_.x);
    const int dy = std::abs(cell.y - drag_last_.y);
    const int steps = std::max(dx, dy);
    for (int i = 1; i <= steps; ++i)
        stroke_cell({drag_last_.x + (cell.x - drag_last_.x) * i / steps,
                     drag_last_.y + (cell.y - drag_last_.y) * i / steps});
    drag_last_ = cell;
}

void EditorView::paint_at_cursor(char kind)
{
    finish_stroke();
    const char before = drawing_.at(cursor_);
    if (before != kind)
        undo_.push(new PaintCommand(this, {{cursor_, before, kind}}, kind == '.' ? tr("Erase") : tr("Draw")));
}

void EditorView::apply(const std::vector<CellChange>& changes, bool forward)
{
    if (forward) {
        for (const CellChange& change : changes)
            drawing_.set(change.cell, change.after);
    } else {
        for (auto it = changes.rbegin(); it != changes.rend(); ++it)
            drawing_.set(it->cell, it->before);
    }
    changed();
}

void EditorView::replace(const LevelDrawing& drawing)
{
    drawing_ = drawing;
    cursor_ = clamped(cursor_);
    if (mark_)
        mark_ = clamped(*mark_);
    setFixedSize(drawing_.width() * pixels() + 1, drawing_.height() * pixels() + 1);
    changed();
}

void EditorView::changed()
{
    problems_ = drawing_.problems();
    uncatchable_ = drawing_.uncatchable_cats();
    update();
    emit drawing_changed();
}

void EditorView::make_tiles()
{
    tiles_.clear();
    for (const char kind : LevelDrawing::kinds) {
        QPixmap tile(pixels(), pixels());
        tile.fill(pictures_.floor);
        if (const auto sprite = pictures_.sprites.find(kind); sprite != pictures_.sprites.end()) {
            // Whole-number zoom without smoothing keeps the sprites' pixels crisp.
            QPainter painter(&tile);
            painter.drawPixmap(QRect(0, 0, sprite->second.width() * zoom_, sprite->second.height() * zoom_),
                               sprite->second);
        }
        tiles_[kind] = tile;
    }
}

bool EditorView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // The kind keys paint here, ahead of the palette's shortcuts for the same keys.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ours = plain(key)
            && (kind_of_key(key->key()) || key->key() == Qt::Key_R || key->key() == Qt::Key_Delete
                || (key->key() == Qt::Key_Escape && mark_));
        if (ours) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QStringList texts;
        if (const auto cell = cell_at(help->pos()))
            for (const CellProblem& problem : problems_)
                if ((problem.at_cell() && problem.x == cell->x && problem.y == cell->y)
                    || (!problem.at_cell() && problem.y == cell->y))
                    texts << problem_text(problem);
        if (const auto cell = cell_at(help->pos()); cell && uncatchable_
            && std::find(uncatchable_->begin(), uncatchable_->end(), *cell) != uncatchable_->end())
            texts << tr("This cat can never be caught from the start.");
        if (texts.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), texts.join(QLatin1Char('\n')), this);
        }
        return true;
    }
    return QWidget::event(event);
}

void EditorView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    const int size = pixels();
    // The pixel past the last cells holds only the closing grid line.
    for (const QRect& outside :
         QRegion(exposed).subtracted(QRegion(0, 0, drawing_.width() * size, drawing_.height() * size)))
        painter.fillRect(outside, pictures_.floor);

    const int left = std::max(0, exposed.left() / size);
    const int top = std::max(0, exposed.top() / size);
    const int right = std::min(drawing_.width() - 1, exposed.right() / size);
    const int bottom = std::min(drawing_.height() - 1, exposed.bottom() / size);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            painter.drawPixmap(x * size, y * size, tiles_.at(drawing_.at({x, y})));

    painter.setPen(grid_colour);
    for (int x = left; x <= right + 1; ++x)
        painter.drawLine(x * size, top * size, x * size, (bottom + 1) * size);
    for (int y = top; y <= bottom + 1; ++y)
        painter.drawLine(left * size, y * size, (right + 1) * size, y * size);

    // Frames sit inside their cells, so neighbours' frames never overlap.
    const int frame = zoom_ >= 2 ? 2 : 1;
    const auto inner = [&](QRect rect) {
        return rect.adjusted(frame, frame, -frame, -frame);
    };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(problem_colour, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const CellProblem& problem : problems_) {
        if (problem.at_cell())
            painter.drawRect(inner(cell_rect({problem.x, problem.y})).adjusted(0, 0, -frame + 1, -frame + 1));
        else if (problem.y >= 0)
            painter.drawRect(inner(cell_rect({0, problem.y}).united(cell_rect({drawing_.width() - 1, problem.y})))
                                 .adjusted(0, 0, -frame + 1, -frame + 1));
    }

    // Not a fault of the file, so told apart from the problems' solid red.
    if (uncatchable_) {
        painter.setPen(QPen(stuck_colour, frame, Qt::DotLine, Qt::SquareCap, Qt::MiterJoin));
        for (const Cell cat : *uncatchable_)
            painter.drawRect(inner(cell_rect(cat)).adjusted(0, 0, -frame + 1, -frame + 1));
    }

    std::optional<CellRect> rectangle;
    if (anchor_)
        rectangle = CellRect::spanning(*anchor_, drag_last_);
    else if (mark_)
        rectangle = CellRect::spanning(*mark_, cursor_);
    if (rectangle) {
        const QRect area = cell_rect({rectangle->left, rectangle->top})
                               .united(cell_rect({rectangle->right, rectangle->bottom}))
                               .adjusted(0, 0, -1, -1);
        painter.fillRect(area, rectangle_fill);
        painter.setPen(QPen(cursor_colour, 1, Qt::DashLine));
        painter.drawRect(area);
    }

    // White under blue: the cursor shows on dark walls and on light floor alike.
    const QRect cursor = cell_rect(cursor_).adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, frame + 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(cursor);
    painter.setPen(QPen(hasFocus() ? cursor_colour : cursor_colour.lighter(150), frame, Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(cursor);
}

void EditorView::keyPressEvent(QKeyEvent* event)
{
    if (!plain(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        set_cursor({cursor_.x + dx, cursor_.y + dy});
    } else if (const char kind = kind_of_key(key)) {
        set_kind(kind);
        paint_at_cursor(kind);
    } else if (key == Qt::Key_Delete) {
        paint_at_cursor('.');
    } else if (key == Qt::Key_R) {
        if (mark_) {
            const CellRect rect = CellRect::spanning(*std::exchange(mark_, std::nullopt), cursor_);
            fill(rect, kind_);
        } else {
            mark_ = cursor_;
        }
        update();
    } else if (key == Qt::Key_Escape && mark_) {
        mark_.reset();
        update();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void EditorView::mousePressEvent(QMouseEvent* event)
{
    const auto cell = cell_at(event->position().toPoint());
    const Qt::MouseButton button = event->button();
    if (!cell || drag_button_ != Qt::NoButton || (button != Qt::LeftButton && button != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    finish_stroke();
    set_cursor(*cell);
    drag_button_ = button;
    drag_kind_ = button == Qt::LeftButton ? kind_ : '.';
    drag_last_ = *cell;
    if (event->modifiers() & Qt::ShiftModifier) {
        anchor_ = *cell;
        update();
    } else {
        stroke_cell(*cell);
    }
}

void EditorView::mouseMoveEvent(QMouseEvent* event)
{
    if (drag_button_ == Qt::NoButton)
        return;
    // Floor division: a drag leaving by the top or left is beyond the edge, not on it.
    const QPoint point = event->position().toPoint();
    const auto cell_of = [this](int pixel) { return pixel < 0 ? (pixel + 1) / pixels() - 1 : pixel / pixels(); };
    const Cell cell{cell_of(point.x()), cell_of(point.y())};
    if (anchor_) {
        if (clamped(cell) != drag_last_) {
            drag_last_ = clamped(cell);
            update();
        }
    } else {
        // Beyond the edges nothing is drawn, so a stroke cannot break the ring by leaving.
        stroke_to(cell);
    }
}

void EditorView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != drag_button_)
        return;
    drag_button_ = Qt::NoButton;
    if (anchor_) {
        const CellRect rect = CellRect::spanning(*std::exchange(anchor_, std::nullopt), drag_last_);
        set_cursor(drag_last_);
        fill(rect, drag_kind_);
        update();
    } else {
        finish_stroke();
    }
}

void EditorView::focusOutEvent(QFocusEvent* event)
{
    update(cell_rect(cursor_).adjusted(-2, -2, 2, 2));
    QWidget::focusOutEvent(event);
}

}  // namespace wd
