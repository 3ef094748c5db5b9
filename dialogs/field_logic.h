// Behaviour shared by the controls of the property dialogs, without a window:
// number fields (bounded or not), drop-down lists that may be filled with a
// value outside their list, and the editable preset boxes of the zone size and
// the passage guard.
//
// Every control holds the value it was filled with until the user changes that
// control, so a record with values outside a control's range reads back
// unchanged from a dialog nobody touched.
#pragma once

#include "model/presets.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zw {

// Range of a number field and what unreadable text reads as.
struct NumberRange {
    int32_t lo;
    int32_t hi;
    int32_t unreadable;
};

inline constexpr NumberRange kUnboundedRange{std::numeric_limits<int32_t>::min(),
                                             std::numeric_limits<int32_t>::max(), 0};
// Player limits and the passage count.
inline constexpr NumberRange kOneToEightRange{1, 8, 1};

int32_t clampToRange(int64_t v, const NumberRange& r);

// The value a number field's text reads as: out-of-range numbers become the
// nearer bound, text that is no integer the range's `unreadable` value.
int32_t readNumberText(std::string_view text, const NumberRange& r);

// What a field filled with `held` shows.
inline int32_t shownNumber(int32_t held, const NumberRange& r) {
    return clampToRange(held, r);
}

// A field filled with a value outside its range (a hand-edited table) shows the
// nearer bound but keeps the stored value until the user edits the field. Such
// a field is marked, so that what is shown is not taken for what is saved.
inline bool keepsUnshownValue(int32_t held, const NumberRange& r) {
    return shownNumber(held, r) != held;
}

// The tooltip of a marked field: the stored value and that it stays.
std::string unshownValueNote(int32_t held, const NumberRange& r);

// The value after the arrows stepped the shown value by `steps`.
int32_t stepNumber(int32_t held, int steps, const NumberRange& r);

// List position a drop-down list shows for a value: the value itself when the
// list has that position, otherwise -1 (no entry shown, value kept).
inline int listPosition(int32_t value, int count) {
    return value >= 0 && value < count ? static_cast<int>(value) : -1;
}

// Characters the size and guard boxes accept from the keyboard: the digits,
// backspace and tab. Every other character is discarded.
bool presetBoxAcceptsChar(char32_t c);

// The editable box of the zone size or the passage guard: a held value, the
// text shown, and whether that text was typed by the user since it was last
// set. Only typed text is read back as a number, so a box that shows the text
// it was filled with (say "Большой (21)", which names no preset) keeps its value.
class PresetField {
  public:
    using TextOf = std::string (*)(int32_t);

    PresetField(std::span<const ValuePreset> presets, TextOf textOf, int32_t unreadable)
        : presets_(presets), textOf_(textOf), unreadable_(unreadable) {}

    // Held value := v, text := its text.
    void fill(int32_t v);
    // A preset entry was chosen from the list; positions outside it are ignored.
    void choose(int position);
    // The user edited the text.
    void type(std::string text);
    // The box lost the focus: typed text is read as a decimal integer (or the
    // box's default when it is none), then shown as that value's text.
    void leave();

    int32_t held() const { return held_; }
    const std::string& text() const { return text_; }
    bool typed() const { return typed_; }
    // The preset entry whose text is shown, or -1.
    int selectedPreset() const;
    std::span<const ValuePreset> presets() const { return presets_; }

  private:
    std::span<const ValuePreset> presets_;
    TextOf textOf_;
    int32_t unreadable_;
    int32_t held_ = 0;
    std::string text_;
    bool typed_ = false;
};

// A preset's list entry in the current language (the entries are marked in
// model/presets.h).
std::string presetEntryText(const ValuePreset& preset);

// The zone size box (unreadable text gives 14) and the guard box (6000).
PresetField makeSizeField();
PresetField makeGuardField();

} // namespace zw
