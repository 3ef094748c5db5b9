#include "dialogs/field_logic.h"

#include "model/numbers.h"
#include "model/translation.h"

namespace zw {

int32_t clampToRange(int64_t v, const NumberRange& r) {
    if (v < r.lo)
        return r.lo;
    if (v > r.hi)
        return r.hi;
    return static_cast<int32_t>(v);
}

int32_t readNumberText(std::string_view text, const NumberRange& r) {
    return clampToRange(parseInt32(text, kTypedNumber).value_or(r.unreadable), r);
}

std::string unshownValueNote(int32_t held, const NumberRange& r) {
    return withArguments(ZW_TR("Dialogs", "Записанное значение %1 лежит вне пределов %2..%3 и "
                                          "сохранится, пока поле не изменено"),
                         {std::to_string(held), std::to_string(r.lo), std::to_string(r.hi)});
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
    text_ = presetEntryText(p);
    typed_ = false;
}

void PresetField::type(std::string text) {
    text_ = std::move(text);
    typed_ = true;
}

void PresetField::leave() {
    if (!typed_)
        return;
    held_ = parseInt32(text_, kTypedNumber).value_or(unreadable_);
    text_ = textOf_(held_);
    typed_ = false;
}

int PresetField::selectedPreset() const {
    if (typed_)
        return -1;
    for (size_t i = 0; i < presets_.size(); ++i)
        if (presetEntryText(presets_[i]) == text_)
            return static_cast<int>(i);
    return -1;
}

std::string presetEntryText(const ValuePreset& preset) {
    return translated("Model", std::string(preset.entry).c_str());
}

PresetField makeSizeField() {
    return PresetField(kSizePresets, &sizeText, 14);
}
PresetField makeGuardField() {
    return PresetField(kGuardPresets, &guardText, 6000);
}

} // namespace zw
