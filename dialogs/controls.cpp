#include "dialogs/controls.h"

#include "model/translation.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace zw {

QString qtr(std::string_view source) {
    return QString::fromStdString(translated("Dialogs", std::string(source).c_str()));
}

// ---- NumberField ----

NumberField::NumberField(const NumberRange& range, QWidget* parent)
    : QAbstractSpinBox(parent), range_(range) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        typing_ = true;
        held_ = readNumberText(text.toStdString(), range_);
        showMark();
        emit valueEdited(held_);
    });
    setHeld(0);
}

void NumberField::showValue(int32_t v) {
    lineEdit()->setText(QString::number(v));
}

void NumberField::setHeld(int32_t v) {
    held_ = v;
    typing_ = false;
    showValue(shownNumber(v, range_));
    showMark();
}

QColor unshownValueColour() {
    return {255, 214, 153};
}

void NumberField::showMark() {
    if (keepsUnshownValue(held_, range_)) {
        QPalette p = palette();
        p.setColor(QPalette::Base, unshownValueColour());
        setPalette(p);
        setToolTip(qs(unshownValueNote(held_, range_)));
    } else if (!toolTip().isEmpty()) {
        // An empty palette gives the field back the one it inherits.
        setPalette(QPalette());
        setToolTip(QString());
    }
}

QSize NumberField::sizeHint() const {
    // Room for the longest number of the range (at least three digits).
    const QFontMetrics fm(font());
    int textWidth = fm.horizontalAdvance(QStringLiteral("888"));
    textWidth = std::max(textWidth, fm.horizontalAdvance(QString::number(range_.lo)));
    textWidth = std::max(textWidth, fm.horizontalAdvance(QString::number(range_.hi)));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize content(textWidth + 8, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QValidator::State NumberField::validate(QString& input, int&) const {
    // Blanks, one sign and digits; the text is read when it is used.
    qsizetype i = 0;
    while (i < input.size() && input[i] == QLatin1Char(' '))
        ++i;
    if (i < input.size() && (input[i] == QLatin1Char('-') || input[i] == QLatin1Char('+')))
        ++i;
    while (i < input.size() && input[i] >= QLatin1Char('0') && input[i] <= QLatin1Char('9'))
        ++i;
    while (i < input.size() && input[i] == QLatin1Char(' '))
        ++i;
    return i == input.size() ? QValidator::Acceptable : QValidator::Invalid;
}

void NumberField::fixup(QString& input) const {
    input = QString::number(readNumberText(input.toStdString(), range_));
}

void NumberField::stepBy(int steps) {
    held_ = stepNumber(held_, steps, range_);
    typing_ = false;
    showValue(held_);
    showMark();
    lineEdit()->selectAll();
    emit valueEdited(held_);
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    const int32_t shown = shownNumber(held_, range_);
    StepEnabled e = StepNone;
    if (shown < range_.hi)
        e |= StepUpEnabled;
    if (shown > range_.lo)
        e |= StepDownEnabled;
    return e;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    if (typing_) {
        typing_ = false;
        showValue(held_);
    }
}

// ---- PresetBox ----

PresetBox::PresetBox(PresetField& field, QWidget* parent) : QComboBox(parent), field_(field) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(static_cast<int>(field_.presets().size()));
    for (const ValuePreset& p : field_.presets())
        addItem(qs(presetEntryText(p)));
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!refreshing_)
            field_.type(text.toStdString());
    });
    connect(this, &QComboBox::activated, this, [this](int index) {
        field_.choose(index);
        refresh();
        emit fieldChanged();
    });
    refresh();
}

void PresetBox::refresh() {
    const QSignalBlocker block(this);
    refreshing_ = true;
    setCurrentIndex(field_.selectedPreset());
    setEditText(qs(field_.text()));
    refreshing_ = false;
}

void PresetBox::commit() {
    if (!field_.typed())
        return;
    field_.leave();
    refresh();
    emit fieldChanged();
}

void PresetBox::keyPressEvent(QKeyEvent* event) {
    // Printable characters other than the digits are discarded. Keys of the
    // special range (Enter, Esc, Delete, arrows...) and control keystrokes
    // such as Ctrl+A or Ctrl+Z are editing commands, not typed characters, and
    // keep their meaning; text that gets in by pasting is read like typed text.
    const QString text = event->text();
    const bool specialKey = event->key() >= Qt::Key_Escape && event->key() < Qt::Key_unknown;
    const auto mods = event->modifiers();
    const bool shortcut = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    if (!specialKey && !shortcut && !text.isEmpty() && text.at(0).isPrint() &&
        !presetBoxAcceptsChar(static_cast<char32_t>(text.at(0).unicode()))) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void PresetBox::focusOutEvent(QFocusEvent* event) {
    // The list popping up or another window taking over is no leaving of the box.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        commit();
    QComboBox::focusOutEvent(event);
}

// ---- CheckColumns ----

CheckColumns::CheckColumns(std::span<const std::string_view> captions, int columns, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    const int n = static_cast<int>(captions.size());
    const int rows = (n + columns - 1) / columns;
    for (int i = 0; i < n; ++i) {
        auto* box = new QCheckBox(qtr(captions[static_cast<size_t>(i)]), this);
        grid->addWidget(box, i % rows, i / rows);
        connect(box, &QCheckBox::clicked, this,
                [this, i](bool checked) { emit clicked(i, checked); });
        boxes_.push_back(box);
    }
}

void CheckColumns::setStates(std::span<const bool> states) {
    for (size_t i = 0; i < boxes_.size() && i < states.size(); ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setChecked(states[i]);
    }
}

// ---- Window helpers ----

void setupDialogWindow(QDialog& dialog, std::string_view caption) {
    dialog.setWindowTitle(qtr(caption));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setModal(true);
}

OkCancelRow makeOkCancelRow(QDialog& dialog, std::string_view ok, std::string_view cancel) {
    OkCancelRow row{new QHBoxLayout, new QPushButton(qtr(ok), &dialog),
                    new QPushButton(qtr(cancel), &dialog)};
    row.ok->setDefault(true);
    row.layout->addStretch(1);
    row.layout->addWidget(row.ok);
    row.layout->addWidget(row.cancel);
    QObject::connect(row.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(row.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return row;
}

namespace {

constexpr const char* kContentName = "dialogContent";
constexpr const char* kScrollName = "dialogContentScroll";

// What the window system adds round a window: its own frame once shown, the
// frame of its parent window when that is known, else room for a title bar
// and thin borders.
QSize frameAllowance(const QWidget& window) {
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    for (const QWidget* w : {&window, parent}) {
        if (w == nullptr || !w->isVisible())
            continue;
        const QSize frame = w->frameGeometry().size() - w->geometry().size();
        if (frame.height() > 0)
            return frame;
    }
    return {16, 40};
}

} // namespace

QVBoxLayout* layOutAboveButtons(QDialog& dialog, QLayout* buttons) {
    auto* content = new QWidget(&dialog);
    content->setObjectName(QLatin1String(kContentName));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    auto* outer = new QVBoxLayout(&dialog);
    outer->addWidget(content, 1);
    outer->addLayout(buttons);
    return contentLayout;
}

QRect availableArea(const QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void placeInArea(QWidget& window, QSize wanted, const QRect& area) {
    const QSize frame = frameAllowance(window);
    const QSize room = (area.size() - frame).expandedTo(QSize(1, 1));
    // Only a minimum larger than the area is set: one set here stays for good,
    // and a layout's own minimum should keep following its content.
    if (window.minimumWidth() > room.width() || window.minimumHeight() > room.height())
        window.setMinimumSize(window.minimumSize().boundedTo(room));
    window.resize(wanted.boundedTo(room));
    // The frame in the middle of the area, its top-left corner inside it. A
    // window's position is its frame's (QWidget::move), so a window as large
    // as the room, placed by its own top-left, would hang out by the title bar.
    const QSize framed = window.size() + frame;
    QPoint topLeft = area.center() - QPoint(framed.width() / 2, framed.height() / 2);
    topLeft.setX(std::max(topLeft.x(), area.left()));
    topLeft.setY(std::max(topLeft.y(), area.top()));
    window.move(topLeft);
}

void fitIntoArea(QDialog& dialog, const QRect& area) {
    auto* content = dialog.findChild<QWidget*>(QLatin1String(kContentName));
    auto* scroll = dialog.findChild<QScrollArea*>(QLatin1String(kScrollName));
    auto* outer = dialog.layout();
    // The natural size is measured with the content in place.
    if (content && scroll && outer && scroll->widget() == content) {
        scroll->takeWidget();
        delete outer->replaceWidget(scroll, content);
        content->show();
        delete scroll;
        scroll = nullptr;
    }
    dialog.adjustSize();
    const QSize natural = dialog.size();
    const QSize room = (area.size() - frameAllowance(dialog)).expandedTo(QSize(1, 1));
    QSize wanted = natural;
    if (content && outer && (natural.width() > room.width() || natural.height() > room.height())) {
        scroll = new QScrollArea(&dialog);
        scroll->setObjectName(QLatin1String(kScrollName));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        delete outer->replaceWidget(content, scroll);
        scroll->setWidget(content);
        // The dialog's minimum size was the whole content's until now.
        outer->activate();
        // Room for a scroll bar beside or below the content when there is
        // room for it in the area.
        const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        wanted = natural + QSize(natural.height() > room.height() ? bar : 0,
                                 natural.width() > room.width() ? bar : 0);
    }
    placeInArea(dialog, wanted, area);
}

void centreOnScreen(QDialog& dialog) {
    const QRect area = availableArea(dialog);
    if (area.isEmpty()) {
        dialog.adjustSize();
        return;
    }
    fitIntoArea(dialog, area);
}

void setListPosition(QComboBox& box, int32_t value) {
    const QSignalBlocker block(&box);
    box.setCurrentIndex(listPosition(value, box.count()));
}

QComboBox* makeList(std::span<const std::string_view> entries, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (std::string_view e : entries)
        box->addItem(qtr(e));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

} // namespace zw
