// The main window: toolbar, canvas, scroll bars and the hover panel,
// wired to the editor's commands. The window only forwards events to the
// editor and mirrors the editor's state onto its widgets (EditorView).
#pragma once

#include "model/editor.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <vector>

class QScrollBar;
class QToolButton;

namespace zw {

class CanvasWidget;
class InfoPanelWidget;

// The toolbar's buttons, left to right.
enum class ToolButtonId {
    New,
    Load,
    Save,
    Import,
    Compile,
    StepBack,
    StepForward,
    CreateZone,
    CreateConnection,
    Delete,
    Move,
    Copy,
    TemplateSettings,
    ZoomIn,
    ZoomOut,
    Readme,
    Check,
    ScrollUp,
    ScrollDown,
    ScrollLeft,
    ScrollRight,
    Origin,
};
inline constexpr int kToolButtonCount = 22;

inline constexpr int kToolbarHeight = 28;
inline constexpr int kScrollStrip = 17;

// The hint of a toolbar button as written, without its keyboard shortcut.
QString toolButtonHint(ToolButtonId id);

class MainWindow : public QMainWindow, public EditorView {
    Q_OBJECT
  public:
    // Creating the window runs the editor's start-up: a blank canvas, the new
    // template, the file association and the project named on the command line.
    MainWindow(Services& services, PropertyDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    Editor& editor() { return editor_; }

    // EditorView
    void redraw() override;
    void captionChanged() override;
    void buttonsChanged() override;
    void scrollBarsChanged() override;
    void infoPanelChanged() override;

    // The parts, for tests and the screenshot.
    QWidget* client() const { return client_; }
    QWidget* toolbar() const { return toolbar_; }
    CanvasWidget* canvas() const { return canvas_; }
    InfoPanelWidget* infoPanel() const { return panel_; }
    QScrollBar* hScrollBar() const { return hBar_; }
    QScrollBar* vScrollBar() const { return vBar_; }
    QToolButton* button(ToolButtonId id) const { return buttons_[static_cast<size_t>(id)]; }
    // Left edges of the separator lines in the toolbar.
    const std::vector<int>& separatorPositions() const { return separators_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildToolbar();
    void layoutClient();
    void runButton(ToolButtonId id);
    bool handleWheel(class QWheelEvent* e);
    bool isFirstKeyReceiver(QWidget* w) const;

    Editor editor_;
    QWidget* client_ = nullptr;
    QWidget* toolbar_ = nullptr;
    CanvasWidget* canvas_ = nullptr;
    InfoPanelWidget* panel_ = nullptr;
    QScrollBar* hBar_ = nullptr;
    QScrollBar* vBar_ = nullptr;
    std::array<QToolButton*, kToolButtonCount> buttons_{};
    std::vector<int> separators_;
};

} // namespace zw
