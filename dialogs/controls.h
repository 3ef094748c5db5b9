// Controls shared by the property dialogs: the number field with arrows, the
// editable preset box of the zone size and the passage guard, the list of
// check boxes in columns, and the common window setup.
#pragma once

#include "dialogs/field_logic.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <span>
#include <string_view>
#include <vector>

class QGridLayout;

namespace zw {

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A text of the dialogs (marked ZW_TR_NOOP("Dialogs", ...) where it is
// written) in the current language.
QString qtr(std::string_view source);

// A 32-bit integer typed as text, with arrows that step the value by 1. The
// field shows a filled value held to its range but keeps the value itself until
// the user edits the field; after an edit the value is what the text reads as
// (out-of-range numbers as the nearer bound, other text as the range's
// `unreadable` value), and leaving the field shows that value. While the kept
// value lies outside the range, the field is tinted with unshownValueColour()
// and its tooltip names the value.
class NumberField : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit NumberField(const NumberRange& range, QWidget* parent = nullptr);

    // Fills the field: holds `v`, shows it held to the range.
    void setHeld(int32_t v);
    int32_t value() const { return held_; }
    const NumberRange& range() const { return range_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  signals:
    // The user typed or stepped; `v` is the field's new value.
    void valueEdited(int32_t v);

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void showValue(int32_t v);
    // Marks the field while it keeps a value it does not show, or clears the mark.
    void showMark();

    NumberRange range_;
    int32_t held_ = 0;
    bool typing_ = false;
};

// Background of a number field that keeps a value outside its range.
QColor unshownValueColour();

// An editable combo box over a PresetField: choosing an entry sets the value,
// typing accepts only digits, backspace and tab, and leaving the box reads
// typed text. The field's state is the logic's; the box mirrors it.
class PresetBox : public QComboBox {
    Q_OBJECT
  public:
    PresetBox(PresetField& field, QWidget* parent = nullptr);
    // Shows the field's present state.
    void refresh();
    // Finishes typing as leaving the box does.
    void commit();

  signals:
    // The held value may have changed (entry chosen or typed text read).
    void fieldChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    PresetField& field_;
    bool refreshing_ = false;
};

// A list of check boxes laid out in columns, filled top to bottom and then
// left to right.
class CheckColumns : public QWidget {
    Q_OBJECT
  public:
    CheckColumns(std::span<const std::string_view> captions, int columns,
                 QWidget* parent = nullptr);
    QCheckBox* box(int i) const { return boxes_.at(static_cast<size_t>(i)); }
    int count() const { return static_cast<int>(boxes_.size()); }
    // Sets the boxes without emitting anything.
    void setStates(std::span<const bool> states);

  signals:
    // Box i was clicked by the user and now has `checked`.
    void clicked(int i, bool checked);

  private:
    std::vector<QCheckBox*> boxes_;
};

// Window setup shared by the four dialogs: caption, title bar without close
// button, modal.
void setupDialogWindow(QDialog& dialog, std::string_view caption);
// The "ОК" and "Отмена" buttons at the right of a dialog's bottom row: OK is
// the default button and accepts the dialog, Cancel rejects it.
struct OkCancelRow {
    QHBoxLayout* layout;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelRow makeOkCancelRow(QDialog& dialog, std::string_view ok, std::string_view cancel);

// Keeps the place of `w` in its layout while it is hidden, so that showing and
// hiding it doesn't move the controls around it.
void keepPlaceWhenHidden(QWidget* w);
// Lays a dialog out as its content above its bottom row of buttons and
// returns the layout the content goes into. The content lies on a widget of
// its own, so that fitIntoArea can let it scroll while the buttons stay.
QVBoxLayout* layOutAboveButtons(QDialog& dialog, QLayout* buttons);
// Fitting top-level windows to the screen, shared by the dialogs and the main
// window. The area is in screen coordinates (logical pixels, whatever the
// scale), and room is left in it for the frame the window system adds.
//
// The area a window may take: its screen's available area (the task bar
// left out), or the primary screen's before the window has a screen.
QRect availableArea(const QWidget& window);
// Gives the window `wanted` as far as it fits `area`, its minimum size giving
// way where the area is smaller, and places it in the middle of the area with
// its title bar inside.
void placeInArea(QWidget& window, QSize wanted, const QRect& area);
// Gives the dialog its natural size where that fits `area` and places it in
// the middle. Where it doesn't fit, the content scrolls inside a window as
// large as the area allows, and the buttons below it stay in view.
void fitIntoArea(QDialog& dialog, const QRect& area);
// fitIntoArea with the available area of the dialog's screen.
void centreOnScreen(QDialog& dialog);
// Sets a drop-down list to a stored value (no entry when the list lacks it)
// without emitting anything.
void setListPosition(QComboBox& box, int32_t value);
// A drop-down list with fixed entries.
QComboBox* makeList(std::span<const std::string_view> entries, QWidget* parent = nullptr);

} // namespace zw
