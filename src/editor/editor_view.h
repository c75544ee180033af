#pragma once
// The drawing board of the level editor: the level at a whole-number zoom with
// the game's sprites, a grid, a keyboard cursor and each problem framed at its
// cell. Every change goes through its undo stack, one command per stroke.

#include "level_drawing.h"

#include <QColor>
#include <QPixmap>
#include <QUndoStack>
#include <QWidget>

#include <map>
#include <optional>
#include <vector>

namespace wd {

// What cells are drawn with, handed in by the window so the editor needs
// nothing of its own: the game's board colour under every cell and its
// sprites by cell kind ('H', 'B', 'K', 'C', 'M').
struct CellPictures {
    QColor floor;
    std::map<char, QPixmap> sprites;
};

class EditorView : public QWidget {
    Q_OBJECT

public:
    static constexpr int cell_pixels = 16;  // the game's cell at 1x
    static constexpr int max_zoom = 6;

    explicit EditorView(CellPictures pictures, QWidget* parent = nullptr);
    ~EditorView() override;

    const LevelDrawing& drawing() const { return drawing_; }
    // Starts afresh on this drawing: the undo history is dropped.
    void set_drawing(const LevelDrawing& drawing);
    // Undoable, one command each.
    void resize_drawing(int width, int height);
    void fill(const CellRect& rect, char kind);
    QUndoStack* undo_stack() { return &undo_; }
    // A mouse drag under way becomes its command now, before an undo or a save.
    void finish_stroke();

    // What the left button and the kind keys draw.
    char kind() const { return kind_; }
    void set_kind(char kind);
    int zoom() const { return zoom_; }
    void set_zoom(int zoom);
    Cell cursor() const { return cursor_; }
    void set_cursor(Cell cell);
    // The corner a rectangle is filled from, once marked with R.
    std::optional<Cell> mark() const { return mark_; }

    // The drawing's problems, kept up to date with it.
    const std::vector<CellProblem>& problems() const { return problems_; }
    // The cats the dead-end check gives up on; nothing while the game would refuse the level.
    const std::optional<std::vector<Cell>>& uncatchable() const { return uncatchable_; }
    QRect cell_rect(Cell cell) const;
    QString problem_text(const CellProblem& problem) const;

signals:
    void drawing_changed();
    void kind_chosen(char kind);
    void cursor_moved();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct CellChange {
        Cell cell;
        char before = '.';
        char after = '.';
    };
    class PaintCommand;
    class ResizeCommand;

    int pixels() const { return cell_pixels * zoom_; }
    std::optional<Cell> cell_at(QPoint point) const;
    Cell clamped(Cell cell) const;
    void stroke_to(Cell cell);
    void stroke_cell(Cell cell);
    void paint_at_cursor(char kind);
    // For the commands: lay changes over the drawing, or swap it whole.
    void apply(const std::vector<CellChange>& changes, bool forward);
    void replace(const LevelDrawing& drawing);
    void changed();
    void make_tiles();

    CellPictures pictures_;
    std::map<char, QPixmap> tiles_;  // each kind over the floor at the zoom
    LevelDrawing drawing_;
    std::vector<CellProblem> problems_;
    std::optional<std::vector<Cell>> uncatchable_;
    QUndoStack undo_;
    char kind_ = 'H';
    int zoom_ = 2;
    Cell cursor_{1, 1};
    std::optional<Cell> mark_;

    // The mouse drag under way: a stroke, or a rectangle from `anchor_`.
    Qt::MouseButton drag_button_ = Qt::NoButton;
    char drag_kind_ = '.';
    std::optional<Cell> anchor_;
    Cell drag_last_;
    std::vector<CellChange> stroke_;
};

}  // namespace wd
