#pragma once
// The level editor's page: the palette and actions in a tool bar, the drawing,
// its problems and the dead-end verdict of its starting layout, the level's
// name and hint. It saves nothing itself: test-play, save and prove are asked
// of the window by signals carrying the level's bytes, name and hint.

#include "editor_view.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <map>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;

namespace wd {

class LevelEditor : public QWidget {
    Q_OBJECT

public:
    static constexpr int shipped_width = 32;
    static constexpr int shipped_height = 20;

    explicit LevelEditor(CellPictures pictures, QWidget* parent = nullptr);

    // Loads a level to edit; a file the editor cannot draw is refused with the
    // reason and the page stays as it was.
    Result<void> set_level(const QByteArray& bytes, const QString& name, const QString& hint);
    // A blank level of this size, within the format's limits, without name or hint.
    void new_level(int width, int height);

    QByteArray bytes() const;
    // Tabs and line breaks cannot stand in the pack's index: they read as spaces.
    QString name() const;
    QString hint() const;
    // Drawn on, named or hinted anew since loaded or since the window last said it saved.
    bool modified() const;
    void mark_saved();

    EditorView* view() const { return view_; }
    QAction* palette_action(char kind) const { return palette_.at(kind); }
    QAction* undo_action() const { return undo_; }
    QAction* redo_action() const { return redo_; }
    QAction* test_play_action() const { return test_play_; }
    QAction* save_action() const { return save_; }
    QAction* prove_action() const { return prove_; }
    QAction* back_action() const { return back_; }
    QListWidget* problem_list() const { return problem_list_; }
    QString verdict() const;
    // Room for the whole drawing at its zoom beside the panel: the window
    // takes this much when the screen has it.
    QSize sizeHint() const override;

signals:
    void test_play_requested(const QByteArray& bytes, const QString& name, const QString& hint);
    void save_requested(const QByteArray& bytes, const QString& name, const QString& hint);
    void prove_requested(const QByteArray& bytes, const QString& name, const QString& hint);
    void back_requested();

private:
    void drawing_changed();
    void show_cursor();
    void request(void (LevelEditor::*signal)(const QByteArray&, const QString&, const QString&));

    EditorView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    std::map<char, QAction*> palette_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* test_play_ = nullptr;
    QAction* save_ = nullptr;
    QAction* prove_ = nullptr;
    QAction* back_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* hint_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QListWidget* problem_list_ = nullptr;
    QLabel* verdict_ = nullptr;
    QString saved_name_, saved_hint_;
};

}  // namespace wd
