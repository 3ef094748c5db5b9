#include "app/main_window.h"

#include "app/analysis_panel.h"
#include "app/canvas_widget.h"
#include "app/icons.h"
#include "app/info_panel_widget.h"
#include "app/language.h"
#include "app/settings.h"
#include "dialogs/controls.h"
#include "editor/commands/close_request.h"
#include "editor/commands/load_project.h"
#include "model/translation.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QPointingDevice>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <functional>

namespace zw {
namespace {

constexpr int kButtonSize = 24;
constexpr int kButtonTop = 2;
constexpr int kSeparatorWidth = 8;
constexpr int kScrollButtonGap = 32;

// The controls' face: the classic 11-pixel dialog face where it is installed,
// else the nearest sans-serif face of this desktop. The first installed family
// of the list is taken when the font is first used, so that reading the
// system's fonts waits until the window is on screen.
QFont controlFont() {
    QFont f = QApplication::font();
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
                   QStringLiteral("DejaVu Sans"), f.family()});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}

// A text of the core's tables (toolbar hints, menu entries), marked
// ZW_TR_NOOP(context, ...) where it is written, in the current language.
QString coreText(const char* context, std::string_view source) {
    return QString::fromStdString(translated(context, std::string(source).c_str()));
}

// The client area: lays its children out whenever its size changes.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(std::function<void()> onResize) : onResize_(std::move(onResize)) {}

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        onResize_();
    }

  private:
    std::function<void()> onResize_;
};

} // namespace

namespace {
constexpr auto kWindowStateKey = "windowState";
} // namespace

MainWindow::MainWindow(Services& services, PropertyDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), editor_(services, dialogs) {
    // The toolkit's name of the program: the window class the desktop matches
    // with the desktop entry (StartupWMClass), which shows the application's
    // title. It must be ASCII, since the window system stores the class as
    // Latin-1. (No display name is set: it would be appended to every window
    // caption by some desktops; message boxes carry the title themselves.)
    QCoreApplication::setApplicationName(QStringLiteral("zonewright"));
    // The icon's pictures are decoded once the window is on screen.
    QTimer::singleShot(0, this, [this] { setWindowIcon(applicationIcon()); });
    setFont(controlFont());

    client_ = new ClientArea([this] { layoutClient(); });
    setCentralWidget(client_);
    buildToolbar();
    buildEditActions();
    buildShortcuts();

    canvas_ = new CanvasWidget(editor_, client_);

    hBar_ = new QScrollBar(Qt::Horizontal, client_);
    vBar_ = new QScrollBar(Qt::Vertical, client_);
    for (QScrollBar* bar : {hBar_, vBar_}) {
        bar->setRange(0, 0);
        bar->setSingleStep(1);
        bar->setPageStep(5);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    connect(hBar_, &QScrollBar::valueChanged, this,
            [this](int v) { editor_.viewController().scrollBarMoved(true, v); });
    connect(vBar_, &QScrollBar::valueChanged, this,
            [this](int v) { editor_.viewController().scrollBarMoved(false, v); });

    panel_ = new InfoPanelWidget(client_);
    // Pointer events over the panel belong to the canvas below it. The window
    // system delivers them straight to the canvas: a press on the panel would
    // otherwise leave the grab with the panel, and the panel hides as soon as
    // the pointer leaves the item, so the drag's release would reach no widget.
    panel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Events sent to the panel itself are translated and passed on as well.
    const auto toCanvas = [this](QPoint clientPos) { return clientPos - canvas_->pos(); };
    connect(panel_, &InfoPanelWidget::pointerMoved, this, [this, toCanvas](QPoint p) {
        const QPoint c = toCanvas(p);
        editor_.mouseMove(c.x(), c.y());
    });
    connect(panel_, &InfoPanelWidget::pointerPressed, this,
            [this, toCanvas](Qt::MouseButton b, QPoint p) {
                const QPoint c = toCanvas(p);
                if (b == Qt::LeftButton)
                    editor_.leftPress(c.x(), c.y());
                else if (b == Qt::RightButton)
                    editor_.rightPress(c.x(), c.y());
            });
    // A drag begun on the panel ends on the canvas's terms too, so that no drag
    // is left half done.
    connect(panel_, &InfoPanelWidget::pointerReleased, this,
            [this, toCanvas](Qt::MouseButton b, QPoint p) {
                const QPoint c = toCanvas(p);
                if (b == Qt::LeftButton)
                    editor_.leftRelease(c.x(), c.y());
            });

    // The analysis panel starts hidden; it is built once the window is on
    // screen, or when first asked for: its table is what would first read the
    // system's fonts. Its width and place from the last run wait for it.
    analysisWidthKept_ = restoreState(openSettings()->value(kWindowStateKey).toByteArray());
    QTimer::singleShot(0, this, [this] { analysisPanel(); });
    buildRecentFiles();

    // As large as the screen allows at any scale, in its middle.
    setMinimumSize(680, 300);
    placeInArea(*this, QSize(724, 545), availableArea(*this));

    // Typed characters are seen here before any control gets them; the wheel
    // zooms wherever it turns over the window.
    qApp->installEventFilter(this);

    editor_.setView(this);
    session_.setView(this);
    layoutClient();
    buttonsChanged();
    scrollBarsChanged();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    editor_.setView(nullptr);
    session_.setView(nullptr);
    // The dock goes after the toolbar; its last hide must not reach the button.
    if (analysis_)
        QObject::disconnect(analysis_->toggleViewAction(), nullptr, this, nullptr);
    // The widgets call into the editor: they go before it does.
    delete takeCentralWidget();
}

QToolButton* MainWindow::button(ToolbarId id) const {
    const auto found = buttons_.find(id);
    return found == buttons_.end() ? nullptr : found->second;
}

void MainWindow::buildToolbar() {
    toolbar_ = new QWidget(client_);
    int x = 0;
    for (const ToolbarEntry& entry : toolbarEntries()) {
        auto* b = new QToolButton(toolbar_);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, kButtonTop, kButtonSize, kButtonSize);
        b->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
        const QString id = QString::fromUtf8(entry.id.data(), qsizetype(entry.id.size()));
        b->setIcon(toolbarIcon(id));
        b->setToolTip(toolTipOf(entry));
        b->setCheckable(entry.isTool() || entry.checkable);
        if (entry.enabled)
            b->setEnabled(entry.enabled(editor_));
        connect(b, &QToolButton::clicked, this, [this, &entry] { runButton(entry); });
        for (const std::string_view keys : entry.keys) {
            QShortcut* sc = windowShortcut(keys);
            // A tool's shortcut puts the tool down; it never puts it up.
            connect(sc, &QShortcut::activated, this, [this, &entry] {
                if (!entry.isTool() || editor_.tool() != entry.id)
                    runButton(entry);
            });
        }
        buttons_.emplace(std::string(entry.id), b);
        x += kButtonSize;

        if (entry.after == ToolbarSpace::Gap) {
            x += kScrollButtonGap;
        } else if (entry.after == ToolbarSpace::Separator) {
            auto* line = new QFrame(toolbar_);
            line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
            line->setGeometry(x, kButtonTop, kSeparatorWidth, kButtonSize);
            separators_.push_back(x);
            x += kSeparatorWidth;
        }
    }
    // The language button names the language it switches to, in that language.
    languageButton_ = new QToolButton(toolbar_);
    languageButton_->setAutoRaise(true);
    languageButton_->setFocusPolicy(Qt::NoFocus);
    languageButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    languageButton_->move(x + kSeparatorWidth, kButtonTop);
    connect(languageButton_, &QToolButton::clicked, this,
            [this] { switchLanguage(otherLanguage(currentLanguage())); });
    showLanguageButton();
}

void MainWindow::showLanguageButton() {
    languageButton_->setText(
        QString::fromStdString(languageName(otherLanguage(currentLanguage()))));
    languageButton_->setToolTip(
        QString::fromStdString(ZW_TR("MainWindow", "Язык редактора: English или русский")));
    languageButton_->resize(std::max(kButtonSize, languageButton_->sizeHint().width()),
                            kButtonSize);
}

bool MainWindow::switchLanguage(Language language) {
    if (!applyLanguage(language))
        return false;
    storeLanguage(language);
    retranslate();
    if (languageChanged_)
        languageChanged_();
    return true;
}

void MainWindow::retranslate() {
    for (const ToolbarEntry& entry : toolbarEntries())
        button(entry.id)->setToolTip(toolTipOf(entry));
    for (const auto* table : {&clipboardActions(), &symmetryActions()})
        for (const EditAction& action : *table)
            if (QAction* a = editAction(action.id))
                a->setText(coreText("Editor", action.text));
    showLanguageButton();
    panel_->retranslate();
    infoPanelChanged();
    if (analysis_) {
        analysis_->retranslate();
        templateChanged();
    }
    fillRecentMenu();
    captionChanged();
}

QString MainWindow::toolTipOf(const ToolbarEntry& entry) const {
    QString tip = coreText("Editor", entry.hint);
    if (entry.detail) {
        const std::string detail = entry.detail(editor_);
        if (!detail.empty())
            tip += QStringLiteral(": ") + QString::fromStdString(detail);
    }
    if (!entry.keysText.empty())
        tip += QStringLiteral(" (") +
               QString::fromUtf8(entry.keysText.data(), qsizetype(entry.keysText.size())) +
               QLatin1Char(')');
    return tip;
}

AnalysisPanel* MainWindow::analysisPanel() {
    if (!analysis_)
        buildAnalysisPanel();
    return analysis_;
}

void MainWindow::buildAnalysisPanel() {
    analysis_ = new AnalysisPanel(this);
    // In the place the last run left it, else on the right; hidden all the same.
    if (!restoreDockWidget(analysis_))
        addDockWidget(Qt::RightDockWidgetArea, analysis_);
    analysis_->hide();
    QToolButton* b = button("analysis");
    // The button follows the dock, however it was shown or closed; a shown
    // panel starts from the template as it is now.
    connect(analysis_->toggleViewAction(), &QAction::toggled, this, [this, b](bool shown) {
        const QSignalBlocker block(b);
        b->setChecked(shown);
        if (shown)
            analysis_->setTemplate(editor_.document().rmg());
        // Wide enough to read a finding in one line, the first time it opens
        // without a width kept from an earlier run.
        if (shown && !analysisWidthKept_) {
            analysisWidthKept_ = true;
            resizeDocks({analysis_}, {analysis_->openingWidth(width())}, Qt::Horizontal);
        }
    });
    connect(analysis_, &AnalysisPanel::zonesActivated, this,
            [this](std::vector<int> zones) { editor_.showZones(zones); });
}

namespace {
constexpr auto kRecentFilesKey = "recentFiles";
} // namespace

void MainWindow::buildRecentFiles() {
    // Paths are kept as their bytes: a name that is no valid UTF-8 still opens.
    std::vector<std::string> stored;
    for (const QVariant& v : openSettings()->value(kRecentFilesKey).toList())
        stored.push_back(v.toByteArray().toStdString());
    session_.setRecentFiles(RecentFiles::fromStrings(stored));

    recentMenu_ = new QMenu(this);
    QToolButton* load = button("open");
    load->setMenu(recentMenu_);
    // A click loads through the open dialog as before; holding the button down
    // shows the list.
    load->setPopupMode(QToolButton::DelayedPopup);
    auto* sc = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+O")), this);
    sc->setContext(Qt::WindowShortcut);
    connect(sc, &QShortcut::activated, this,
            [this, load] { recentMenu_->popup(load->mapToGlobal(QPoint(0, load->height()))); });
    fillRecentMenu();
}

void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string>& paths = session_.recentFiles().paths();
    if (paths.empty()) {
        recentMenu_->addAction(QString::fromStdString(ZW_TR("MainWindow", "Нет последних файлов")))
            ->setEnabled(false);
        return;
    }
    for (const std::string& path : paths) {
        QAction* a = recentMenu_->addAction(QString::fromUtf8(path.data(), qsizetype(path.size())));
        connect(a, &QAction::triggered, this, [this, path] { openRecent(session_, path); });
    }
}

void MainWindow::recentFilesChanged() {
    QVariantList stored;
    for (const std::string& path : session_.recentFiles().toStrings())
        stored.push_back(QByteArray(path.data(), qsizetype(path.size())));
    openSettings()->setValue(kRecentFilesKey, stored);
    fillRecentMenu();
}

QAction* MainWindow::addEditAction(const EditAction& action) {
    auto* a = new QAction(coreText("Editor", action.text), this);
    QList<QKeySequence> keys;
    for (const std::string_view k : action.keys)
        keys.append(QKeySequence(QString::fromUtf8(k.data(), qsizetype(k.size())),
                                 QKeySequence::PortableText));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    if (action.enabled)
        a->setEnabled(action.enabled(editor_));
    connect(a, &QAction::triggered, this, [this, &action] {
        // A shortcut may come before the window saw the selection change.
        if (!action.enabled || action.enabled(editor_))
            action.run(editor_);
    });
    editActions_.emplace(std::string(action.id), a);
    return a;
}

void MainWindow::buildEditActions() {
    // The clipboard keys act on the window; they have no button.
    for (const EditAction& action : clipboardActions())
        addAction(addEditAction(action));
    // Menu buttons open their menu at once.
    for (const ToolbarEntry& entry : toolbarEntries()) {
        if (!entry.menu)
            continue;
        QToolButton* b = button(entry.id);
        auto* menu = new QMenu(b);
        for (const EditAction& action : entry.menu()) {
            QAction* a = addEditAction(action);
            menu->addAction(a);
            addAction(a); // its shortcut works while the menu is closed
        }
        b->setMenu(menu);
        b->setPopupMode(QToolButton::InstantPopup);
    }
}

QAction* MainWindow::editAction(std::string_view id) const {
    const auto found = editActions_.find(id);
    return found == editActions_.end() ? nullptr : found->second;
}

QShortcut* MainWindow::windowShortcut(std::string_view keys) {
    auto* sc = new QShortcut(QKeySequence(QString::fromUtf8(keys.data(), qsizetype(keys.size())),
                                          QKeySequence::PortableText),
                             this);
    sc->setContext(Qt::WindowShortcut);
    return sc;
}

void MainWindow::buildShortcuts() {
    for (const ShortcutEntry& entry : shortcutEntries()) {
        for (const std::string_view keys : entry.keys) {
            QShortcut* sc = windowShortcut(keys);
            connect(sc, &QShortcut::activated, this, [this, &entry] {
                if (!entry.enabled || entry.enabled(editor_))
                    entry.run(editor_);
            });
            if (entry.enabled) {
                sc->setEnabled(entry.enabled(editor_));
                shortcuts_.emplace_back(&entry, sc);
            }
        }
    }
}

void MainWindow::layoutClient() {
    const int w = client_->width();
    const int h = client_->height();
    const int cw = std::max(0, w - kScrollStrip);
    const int ch = std::max(0, h - kToolbarHeight - kScrollStrip);
    toolbar_->setGeometry(0, 0, w, kToolbarHeight);
    canvas_->setGeometry(0, kToolbarHeight, cw, ch);
    vBar_->setGeometry(cw, kToolbarHeight, kScrollStrip, ch);
    hBar_->setGeometry(0, kToolbarHeight + ch, cw, kScrollStrip);
    panel_->raise();
}

void MainWindow::runButton(const ToolbarEntry& entry) {
    if (entry.isTool()) {
        editor_.toolClicked(entry.id);
        // The group shows the editor's tool, whatever the button did by itself.
        buttonsChanged();
        return;
    }
    if (entry.run)
        entry.run(session_);
}

// ---- EditorView ----

void MainWindow::redraw() {
    canvas_->redraw();
}

void MainWindow::captionChanged() {
    // The toolkit shows "*" at the placeholder while the template is modified.
    setWindowTitle(QString::fromStdString(editor_.document().caption()) + QStringLiteral("[*]"));
    setWindowModified(editor_.document().modified());
}

void MainWindow::buttonsChanged() {
    for (const ToolbarEntry& entry : toolbarEntries()) {
        QToolButton* b = button(entry.id);
        if (entry.enabled)
            b->setEnabled(entry.enabled(editor_));
        if (entry.detail)
            b->setToolTip(toolTipOf(entry));
        if (entry.isTool()) {
            const QSignalBlocker block(b);
            b->setChecked(editor_.tool() == entry.id);
        }
    }
    for (const auto* table : {&clipboardActions(), &symmetryActions()})
        for (const EditAction& action : *table)
            if (QAction* a = editAction(action.id); a && action.enabled)
                a->setEnabled(action.enabled(editor_));
    for (const auto& [entry, sc] : shortcuts_)
        sc->setEnabled(entry->enabled(editor_));
}

void MainWindow::scrollBarsChanged() {
    const auto mirror = [](QScrollBar* bar, const ScrollBarState& s) {
        // Values set here are the editor's own: they must not come back as moves.
        const QSignalBlocker block(bar);
        bar->setRange(s.min, s.max);
        bar->setValue(s.pos);
    };
    mirror(hBar_, editor_.viewController().hBar());
    mirror(vBar_, editor_.viewController().vBar());
}

void MainWindow::infoPanelChanged() {
    panel_->setState(editor_.infoPanel());
}

void MainWindow::templateChanged() {
    // The analysis follows only while it is shown; showing it catches up.
    if (analysis_ && !analysis_->isHidden())
        analysis_->setTemplate(editor_.document().rmg());
}

// ---- SessionView ----

void MainWindow::toggleAnalysisPanel() {
    analysisPanel()->toggleViewAction()->trigger();
}

// ---- Window events ----

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closeRequest(session_)) {
        analysisPanel(); // the dock's place is part of the state kept
        openSettings()->setValue(kWindowStateKey, saveState());
        e->accept();
    } else {
        e->ignore();
    }
}

bool MainWindow::isFirstKeyReceiver(QWidget* w) const {
    // A key event travels from the focus widget (or the window itself when
    // nothing has the focus) up through its parents; only its first stop counts.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this)
        return w == focus;
    return w == this;
}

bool MainWindow::handleWheel(QWheelEvent* e) {
    const QPoint angle = e->angleDelta();
    // A sideways tilt, or the start or end marker of a touchpad gesture, is no
    // turn of the wheel.
    if (angle.y() == 0 && (angle.x() != 0 || e->phase() != Qt::NoScrollPhase))
        return true;
    // A touchpad reports a gesture in many small parts of a notch: they add up
    // to whole steps. A mouse wheel's notification is one step, whatever its size.
    const QPointingDevice* device = e->pointingDevice();
    const bool touchpad = e->phase() != Qt::NoScrollPhase || !e->pixelDelta().isNull() ||
                          (device && device->type() == QInputDevice::DeviceType::TouchPad);
    // The zoom keeps the node under the pointer when it turns over the canvas.
    std::optional<PixelPoint> pointer;
    const QPoint at = canvas_->mapFromGlobal(e->globalPosition()).toPoint();
    if (canvas_->rect().contains(at))
        pointer = PixelPoint{at.x(), at.y()};
    if (touchpad)
        editor_.viewController().smoothWheel(angle.y(), pointer);
    else
        editor_.viewController().wheel(angle.y(), pointer);
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::Wheel)
        return QMainWindow::eventFilter(watched, e);
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this)
        return QMainWindow::eventFilter(watched, e);
    if (e->type() == QEvent::Wheel)
        return handleWheel(static_cast<QWheelEvent*>(e));

    auto* key = static_cast<QKeyEvent*>(e);
    // Characters typed with Ctrl or Alt are commands, not typed characters.
    if (isFirstKeyReceiver(w) && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (const char32_t c : key->text().toUcs4())
            editor_.viewController().keyChar(c);
    }
    return false; // the character goes on to its control
}

} // namespace zw
