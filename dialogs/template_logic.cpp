#include "dialogs/template_logic.h"

#include "model/name_rules.h"
#include "model/text.h"
#include "platform/services.h"

namespace zw {

void TemplateForm::fill(const TRmg& t) {
    name = cp1251ToUtf8(t.name);
    checkSizeRange(t.header.minSize, t.header.maxSize);
    playerCountIndex = t.header.playerCountIndex;
    kinds = t.kinds.playerKind;
    kept.fill(t.kept.cells);
}

void TemplateForm::checkSizeRange(int32_t lo, int32_t hi) {
    for (int i = 0; i < kMapSizeCount; ++i)
        checked_[static_cast<size_t>(i)] = lo <= mapSizeValue(i) && mapSizeValue(i) <= hi;
    lo_ = lo;
    hi_ = hi;
}

void TemplateForm::rangeFromChecks() {
    bool any = false;
    lo_ = 0;
    hi_ = 0;
    for (int i = 0; i < kMapSizeCount; ++i) {
        if (!checked_[static_cast<size_t>(i)])
            continue;
        const int32_t v = mapSizeValue(i);
        if (!any || v < lo_)
            lo_ = v;
        if (!any || v > hi_)
            hi_ = v;
        any = true;
    }
}

void TemplateForm::clickSize(int k, bool nowChecked) {
    if (k < 0 || k >= kMapSizeCount)
        return;
    checked_[static_cast<size_t>(k)] = nowChecked;
    rangeFromChecks();
    if (!nowChecked) {
        // Cut the range at the unchecked size and keep the part that agrees
        // with more of the present checks (the upper part on a tie).
        const int32_t c = mapSizeValue(k);
        int below = 0;
        int above = 0;
        for (int i = 0; i < kMapSizeCount; ++i) {
            const int32_t v = mapSizeValue(i);
            const bool isChecked = checked_[static_cast<size_t>(i)];
            if (isChecked == (v < c && v >= lo_))
                ++below;
            if (isChecked == (v > c && v <= hi_))
                ++above;
        }
        if (below > above)
            hi_ = c - 1;
        else
            lo_ = c + 1;
    }
    for (int i = 0; i < kMapSizeCount; ++i)
        checked_[static_cast<size_t>(i)] = lo_ <= mapSizeValue(i) && mapSizeValue(i) <= hi_;
    if (!nowChecked)
        rangeFromChecks();
}

std::string TemplateForm::rangeLabel() const {
    return translated("Dialogs", template_texts::kRangePrefix.data()) + std::to_string(lo_) + "," +
           std::to_string(hi_) + "]";
}

bool TemplateForm::playerRowVisible(int p) const {
    if (p < 1 || p > kPlayerSlots)
        return false;
    return p <= 2 || int64_t{playerCountIndex} + 2 >= p;
}

std::optional<TemplateSettings> TemplateForm::accept(Services& services) const {
    bool human = false;
    for (int p = 1; p <= kPlayerSlots; ++p)
        if (playerRowVisible(p) && kinds[static_cast<size_t>(p - 1)] == PlayerKind::HumanOrComputer)
            human = true;
    if (!human) {
        services.messageBox(template_texts::kNoHuman, MessageKind::Information, MessageButtons::Ok);
        return std::nullopt;
    }
    // A name that rmg.txt could not hold is refused here rather than broken
    // later: the table's rows would split at a TAB or line break, and letters
    // outside Windows-1251 would be lost.
    if (const auto problem = typedTemplateNameProblem(name)) {
        services.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return std::nullopt;
    }
    TemplateSettings s;
    s.name = utf8ToCp1251(name);
    s.minSize = lo_;
    s.maxSize = hi_;
    s.playerCountIndex = playerCountIndex;
    s.kinds.playerKind = kinds;
    s.keptCells = kept.readBack();
    return s;
}

} // namespace zw
