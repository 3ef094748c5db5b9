#include "dialogs/field_logic.h"

namespace zw {

std::optional<int32_t> parseDecimal(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t firstDigit = i;
    int64_t v = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + (text[i] - '0');
        // Stop before the accumulator could overflow; such text is no 32-bit number.
        if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return std::nullopt;
        ++i;
    }
    if (i == firstDigit)
        return std::nullopt;
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

int32_t clampToRange(int64_t v, const NumberRange& r) {
    if (v < r.lo)
        return r.lo;
    if (v > r.hi)
        return r.hi;
    return static_cast<int32_t>(v);
}

int32_t readNumberText(std::string_view text, const NumberRange& r) {
    return clampToRange(parseDecimal(text).value_or(r.unreadable), r);
}

std::string unshownValueNote(int32_t held, const NumberRange& r) {
    return "Записанное значение " + std::to_string(held) + " лежит вне пределов " +
           std::to_string(r.lo) + ".." + std::to_string(r.hi) +
           " и сохранится, пока поле не изменено";
}

int32_t stepNumber(int32_t held, int steps, const NumberRange& r) {
    return clampToRange(int64_t{shownNumber(held, r)} + steps, r);
}

bool presetBoxAcceptsChar(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == 8 || c == 9;
}

void PresetField::fill(int32_t v) {
    held_ = v;
    text_ = textOf_(v);
    typed_ = false;
}

void PresetField::choose(int position) {
    if (position < 0 || static_cast<size_t>(position) >= presets_.size())
        return;
    const ValuePreset& p = presets_[static_cast<size_t>(position)];
    held_ = p.value;
    text_ = std::string(p.entry);
    typed_ = false;
}

void PresetField::type(std::string text) {
    text_ = std::move(text);
    typed_ = true;
}

void PresetField::leave() {
    if (!typed_)
        return;
    held_ = parseDecimal(text_).value_or(unreadable_);
    text_ = textOf_(held_);
    typed_ = false;
}

int PresetField::selectedPreset() const {
    if (typed_)
        return -1;
    for (size_t i = 0; i < presets_.size(); ++i)
        if (presets_[i].entry == text_)
            return static_cast<int>(i);
    return -1;
}

PresetField makeSizeField() {
    return PresetField(kSizePresets, &sizeText, 14);
}
PresetField makeGuardField() {
    return PresetField(kGuardPresets, &guardText, 6000);
}

} // namespace zw
