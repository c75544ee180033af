#include "level_editor.h"

#include <QAction>
#include <QActionGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace wd {

namespace {
constexpr int palette_icon = 32;
constexpr int most_cats_named = 4;

// The cell as the board shows it, at twice the game's size.
QIcon kind_icon(const CellPictures& pictures, char kind)
{
    QPixmap icon(palette_icon, palette_icon);
    icon.fill(pictures.floor);
    QPainter painter(&icon);
    if (const auto sprite = pictures.sprites.find(kind); sprite != pictures.sprites.end())
        painter.drawPixmap(icon.rect(), sprite->second);
    painter.setPen(QColor(0, 0, 0, 60));
    painter.drawRect(icon.rect().adjusted(0, 0, -1, -1));
    return QIcon(icon);
}

// The pack's index keeps one level a line, its fields split by tabs.
QString one_line(const QString& text)
{
    QString line = text;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return line.simplified();
}
}  // namespace

LevelEditor::LevelEditor(CellPictures pictures, QWidget* parent) : QWidget(parent)
{
    view_ = new EditorView(pictures, this);

    auto* bar = new QToolBar(tr("Level editor"), this);
    bar->setIconSize(QSize(palette_icon, palette_icon));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto add = [&](QAction* action, const QList<QKeySequence>& keys) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (!keys.isEmpty())
            action->setToolTip(tr("%1 (%2)").arg(action->text(), keys.first().toString(QKeySequence::NativeText)));
        addAction(action);
        bar->addAction(action);
        return action;
    };

    auto* kinds = new QActionGroup(this);
    const struct {
        char kind;
        QString text;
        QList<QKeySequence> keys;
    } palette[] = {
        {'.', tr("Floor"), {Qt::Key_Space, Qt::Key_Period}},
        {'H', tr("Wall"), {Qt::Key_H}},
        {'B', tr("Crate"), {Qt::Key_B}},
        {'K', tr("Cheese"), {Qt::Key_K}},
        {'C', tr("Cat"), {Qt::Key_C}},
        {'M', tr("Mouse"), {Qt::Key_M}},
    };
    for (const auto& entry : palette) {
        auto* action = add(new QAction(kind_icon(pictures, entry.kind), entry.text, kinds), entry.keys);
        action->setCheckable(true);
        action->setChecked(entry.kind == view_->kind());
        const char kind = entry.kind;
        connect(action, &QAction::triggered, view_, [this, kind] { view_->set_kind(kind); });
        palette_[kind] = action;
    }
    connect(view_, &EditorView::kind_chosen, this, [this](char kind) { palette_.at(kind)->setChecked(true); });
    bar->addSeparator();

    QUndoStack* stack = view_->undo_stack();
    undo_ = add(new QAction(tr("Undo"), this), QKeySequence::keyBindings(QKeySequence::Undo));
    redo_ = add(new QAction(tr("Redo"), this), QKeySequence::keyBindings(QKeySequence::Redo));
    // A drag under way is a stroke of its own before anything is undone.
    connect(undo_, &QAction::triggered, this, [this, stack] {
        view_->finish_stroke();
        stack->undo();
    });
    connect(redo_, &QAction::triggered, this, [this, stack] {
        view_->finish_stroke();
        stack->redo();
    });
    const auto step_states = [this, stack] {
        undo_->setEnabled(stack->canUndo());
        redo_->setEnabled(stack->canRedo());
    };
    connect(stack, &QUndoStack::indexChanged, this, step_states);
    connect(stack, &QUndoStack::cleanChanged, this, step_states);
    step_states();
    bar->addSeparator();

    auto* zoom_out = add(new QAction(tr("Smaller"), this), QKeySequence::keyBindings(QKeySequence::ZoomOut));
    auto* zoom_in = add(new QAction(tr("Larger"), this), QKeySequence::keyBindings(QKeySequence::ZoomIn));
    const auto zoom_states = [this, zoom_in, zoom_out] {
        zoom_in->setEnabled(view_->zoom() < EditorView::max_zoom);
        zoom_out->setEnabled(view_->zoom() > 1);
    };
    connect(zoom_in, &QAction::triggered, this, [this, zoom_states] {
        view_->set_zoom(view_->zoom() + 1);
        zoom_states();
        show_cursor();
    });
    connect(zoom_out, &QAction::triggered, this, [this, zoom_states] {
        view_->set_zoom(view_->zoom() - 1);
        zoom_states();
        show_cursor();
    });
    zoom_states();
    bar->addSeparator();

    test_play_ = add(new QAction(tr("Test-play"), this), {Qt::Key_F5});
    save_ = add(new QAction(tr("Save"), this), QKeySequence::keyBindings(QKeySequence::Save));
    prove_ = add(new QAction(tr("Prove"), this), {QKeySequence(Qt::CTRL | Qt::Key_P)});
    back_ = add(new QAction(tr("Back"), this), {Qt::Key_Escape});
    connect(test_play_, &QAction::triggered, this, [this] { request(&LevelEditor::test_play_requested); });
    connect(save_, &QAction::triggered, this, [this] { request(&LevelEditor::save_requested); });
    connect(prove_, &QAction::triggered, this, [this] { request(&LevelEditor::prove_requested); });
    connect(back_, &QAction::triggered, this, [this] {
        view_->finish_stroke();
        emit back_requested();
    });

    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setFocusProxy(view_);

    auto* side = new QWidget(this);
    side->setFixedWidth(300);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(side);
    name_->setPlaceholderText(tr("The level's name on its card"));
    hint_ = new QLineEdit(side);
    hint_->setPlaceholderText(tr("A hint for the player"));
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("H&int:"), hint_);

    width_ = new QSpinBox(side);
    width_->setRange(LevelDrawing::min_size, LevelDrawing::max_width);
    width_->setAccessibleName(tr("Width"));
    height_ = new QSpinBox(side);
    height_->setRange(LevelDrawing::min_size, LevelDrawing::max_height);
    height_->setAccessibleName(tr("Height"));
    auto* resize = new QPushButton(tr("&Resize"), side);
    resize->setToolTip(tr("A ring of walls moves with the edges; inside it, cells that no longer fit are dropped "
                          "and new ones are floor. Undo brings them back."));
    auto* size_row = new QHBoxLayout;
    size_row->addWidget(width_);
    size_row->addWidget(new QLabel(QStringLiteral("×"), side));
    size_row->addWidget(height_);
    size_row->addWidget(resize);
    size_row->addStretch();
    form->addRow(tr("Size:"), size_row);
    connect(resize, &QPushButton::clicked, this, [this] { view_->resize_drawing(width_->value(), height_->value()); });

    auto* problems_label = new QLabel(tr("Problems:"), side);
    problem_list_ = new QListWidget(side);
    problem_list_->setWordWrap(true);
    problems_label->setBuddy(problem_list_);
    // Choosing a problem takes the cursor to its cell.
    connect(problem_list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QPoint cell = item->data(Qt::UserRole).toPoint();
        if (cell.x() >= 0 && cell.y() >= 0) {
            view_->set_cursor({cell.x(), cell.y()});
            view_->setFocus();
        }
    });

    auto* cats_label = new QLabel(tr("Cats:"), side);
    verdict_ = new QLabel(side);
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* keys = new QLabel(tr("Arrows move the cursor; Space . H B K C M choose a kind and draw it there; "
                               "Delete erases; R marks a corner and R again fills to the cursor.\n"
                               "The left button draws, the right button erases, Shift with a drag fills "
                               "a rectangle."),
                            side);
    keys->setWordWrap(true);
    keys->setForegroundRole(QPalette::PlaceholderText);

    auto* side_layout = new QVBoxLayout(side);
    side_layout->setContentsMargins(0, 0, 0, 0);
    side_layout->addLayout(form);
    side_layout->addSpacing(6);
    side_layout->addWidget(problems_label);
    side_layout->addWidget(problem_list_, 1);
    side_layout->addWidget(cats_label);
    side_layout->addWidget(verdict_);
    side_layout->addSpacing(6);
    side_layout->addWidget(keys);

    auto* body = new QHBoxLayout;
    body->addWidget(scroll_, 1);
    body->addWidget(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addLayout(body, 1);

    connect(view_, &EditorView::drawing_changed, this, &LevelEditor::drawing_changed);
    connect(view_, &EditorView::cursor_moved, this, &LevelEditor::show_cursor);
    setFocusProxy(view_);
    new_level(shipped_width, shipped_height);
}

Result<void> LevelEditor::set_level(const QByteArray& bytes, const QString& name, const QString& hint)
{
    Result<LevelDrawing> drawing = LevelDrawing::from_bytes(std::string_view(bytes.constData(), bytes.size()));
    if (!drawing.ok())
        return drawing.problem();
    view_->set_drawing(drawing.value());
    name_->setText(name);
    hint_->setText(hint);
    hint_->setCursorPosition(0);  // a long hint shows its start
    mark_saved();
    return {};
}

void LevelEditor::new_level(int width, int height)
{
    view_->set_drawing(LevelDrawing::blank(width, height));
    name_->clear();
    hint_->clear();
    mark_saved();
}

QByteArray LevelEditor::bytes() const
{
    return QByteArray::fromStdString(view_->drawing().bytes());
}

QString LevelEditor::name() const
{
    return one_line(name_->text());
}

QString LevelEditor::hint() const
{
    return one_line(hint_->text());
}

bool LevelEditor::modified() const
{
    return !view_->undo_stack()->isClean() || name() != saved_name_ || hint() != saved_hint_;
}

void LevelEditor::mark_saved()
{
    view_->undo_stack()->setClean();
    saved_name_ = name();
    saved_hint_ = hint();
}

QString LevelEditor::verdict() const
{
    return verdict_->text();
}

void LevelEditor::request(void (LevelEditor::*signal)(const QByteArray&, const QString&, const QString&))
{
    view_->finish_stroke();
    if (view_->problems().empty())
        emit(this->*signal)(bytes(), name(), hint());
}

void LevelEditor::show_cursor()
{
    const QRect cell = view_->cell_rect(view_->cursor());
    scroll_->ensureVisible(cell.center().x(), cell.center().y(), cell.width(), cell.height());
}

void LevelEditor::drawing_changed()
{
    const LevelDrawing& drawing = view_->drawing();
    const std::vector<CellProblem>& problems = view_->problems();
    problem_list_->clear();
    for (const CellProblem& problem : problems) {
        auto* item = new QListWidgetItem(view_->problem_text(problem), problem_list_);
        item->setData(Qt::UserRole, QPoint(problem.x, problem.y));
        item->setForeground(QColor(0xb0, 0x10, 0x10));
    }
    if (problems.empty())
        new QListWidgetItem(tr("None: the level can be played."), problem_list_);
    for (QAction* action : {test_play_, save_, prove_})
        action->setEnabled(problems.empty());

    const auto& stuck = view_->uncatchable();
    if (!stuck)
        verdict_->setText(tr("Judged once the game could load the level."));
    else if (drawing.count('C') == 0)
        verdict_->setText(tr("No cats yet."));
    else if (stuck->empty())
        // The check errs one way: it finds cats that can never be caught, not proof that all can.
        verdict_->setText(tr("The quick check finds no cat that can never be caught; Prove or a test-play tells for sure."));
    else {
        QStringList where;
        for (std::size_t i = 0; i < stuck->size() && i < most_cats_named; ++i)
            where << tr("line %1, column %2").arg((*stuck)[i].y + 1).arg((*stuck)[i].x + 1);
        if (stuck->size() > most_cats_named)
            where << tr("and %1 more").arg(stuck->size() - most_cats_named);
        verdict_->setText(stuck->size() == 1
                              ? tr("The cat at %1 can never be caught from the start.").arg(where.first())
                              : tr("%1 cats can never be caught from the start: %2.")
                                    .arg(stuck->size())
                                    .arg(where.join(tr("; "))));
    }
    width_->setValue(drawing.width());
    height_->setValue(drawing.height());
}

QSize LevelEditor::sizeHint() const
{
    const QSize panel = QWidget::sizeHint();
    const int frame = 2 * scroll_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return panel.expandedTo(QSize(view_->width() + frame + 300 + 3 * layout()->spacing() + 24,
                                  view_->height() + frame + panel.height() - scroll_->sizeHint().height()));
}

}  // namespace wd
