// The main window: toolbar, canvas, scroll bars and the hover panel,
// wired to the editor's commands. The window only forwards events to the
// editor and the session and mirrors their state onto its widgets
// (EditorView, SessionView).
#pragma once

#include "app/autosave_timer.h"
#include "editor/commands/toolbar.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "translations/language.h"

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QMenu;
class QAction;
class QScrollBar;
class QShortcut;
class QToolButton;

namespace zw {

class AnalysisPanel;
class CanvasWidget;
class InfoPanelWidget;

inline constexpr int kToolbarHeight = 28;
inline constexpr int kScrollStrip = 17;

class MainWindow : public QMainWindow, public EditorView, public SessionView {
    Q_OBJECT
  public:
    // The window shows the editor's state; the start-up (startUp) runs once
    // the window is shown, so that its messages have the window as parent.
    MainWindow(Services& services, PropertyDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    Editor& editor() { return editor_; }
    Session& session() { return session_; }
    // Keeps a copy of unsaved work through `store` and lets the start-up offer
    // what an earlier editor left (Session::offerRecovery).
    void enableRecovery(RecoveryStore store) {
        session_.enableRecovery(std::move(store), autosaveTimer_);
    }

    // EditorView
    void redraw() override;
    void captionChanged() override;
    void buttonsChanged() override;
    void scrollBarsChanged() override;
    void infoPanelChanged() override;
    void templateChanged() override;

    // SessionView
    void toggleAnalysisPanel() override;
    void recentFilesChanged() override;

    // The parts, for tests and the screenshot.
    QWidget* client() const { return client_; }
    QWidget* toolbar() const { return toolbar_; }
    CanvasWidget* canvas() const { return canvas_; }
    InfoPanelWidget* infoPanel() const { return panel_; }
    AnalysisPanel* analysisPanel(); // built when first asked for
    // The recent files' drop-down of the load button.
    QMenu* recentMenu() const { return recentMenu_; }
    QScrollBar* hScrollBar() const { return hBar_; }
    QScrollBar* vScrollBar() const { return vBar_; }
    // The toolbar button of `id` (editor/commands/toolbar.h).
    QToolButton* button(ToolbarId id) const;
    // Left edges of the separator lines in the toolbar.
    const std::vector<int>& separatorPositions() const { return separators_; }
    // The window's action of an editing command (editor/commands/edit_actions.h): the
    // clipboard keys and the entries of the symmetry button's menu.
    QAction* editAction(std::string_view id) const;
    // The toolbar's language button: it shows the language it switches to.
    QToolButton* languageButton() const { return languageButton_; }

    // Switches the editor to `language` at once and keeps the choice for the
    // next run; false (nothing changed) when its translation files are missing.
    bool switchLanguage(Language language);
    // Run after every switch (the dialogs are built again in the new language).
    void setLanguageChanged(std::function<void()> changed) {
        languageChanged_ = std::move(changed);
    }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildToolbar();
    void buildShortcuts();
    // A shortcut of the whole window, in the portable spelling ("Ctrl+Shift+O").
    QShortcut* windowShortcut(std::string_view keys);
    void buildAnalysisPanel();
    void buildRecentFiles();
    void fillRecentMenu();
    void layoutClient();
    void buildEditActions();
    QAction* addEditAction(const EditAction& action);
    void runButton(const ToolbarEntry& entry);
    // The button's hint with what it would act on now and its keys.
    QString toolTipOf(const ToolbarEntry& entry) const;
    bool handleWheel(class QWheelEvent* e);
    // Every text of the window in the current language.
    void retranslate();
    void showLanguageButton();
    bool isFirstKeyReceiver(QWidget* w) const;

    // Declared before the session, whose autosave uses it until it goes.
    QtAutosaveTimer autosaveTimer_;
    Editor editor_;
    Session session_{editor_};
    QWidget* client_ = nullptr;
    QWidget* toolbar_ = nullptr;
    CanvasWidget* canvas_ = nullptr;
    InfoPanelWidget* panel_ = nullptr;
    AnalysisPanel* analysis_ = nullptr;
    bool analysisWidthKept_ = false; // from an earlier run, or sized on its first opening
    QMenu* recentMenu_ = nullptr;
    QScrollBar* hBar_ = nullptr;
    QScrollBar* vBar_ = nullptr;
    std::map<std::string, QToolButton*, std::less<>> buttons_;
    std::vector<int> separators_;
    QToolButton* languageButton_ = nullptr;
    std::function<void()> languageChanged_;
    std::map<std::string, QAction*, std::less<>> editActions_;
    // The keyboard commands with an enabled state, kept in step with it.
    std::vector<std::pair<const ShortcutEntry*, QShortcut*>> shortcuts_;
};

} // namespace zw
