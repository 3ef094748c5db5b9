#include "dialogs/duplicate_logic.h"

#include <algorithm>

namespace zw {

std::string duplicateRowCaption(int player) {
    return withArguments(ZW_TR("Dialogs", "Игрок %1 →"), {std::to_string(player)});
}

DuplicateSettings DuplicateForm::settings() const {
    DuplicateSettings s;
    s.owners = identityOwnerMap();
    for (size_t i = 0; i < targets.size(); ++i)
        if (targets[i] >= 0 && targets[i] < kPlayerSlots)
            s.owners[i + 1] = targets[i] + 1;
    s.symmetry = transform >= 0 && transform < static_cast<int>(duplicate_texts::kTransforms.size())
                     ? static_cast<Symmetry>(transform)
                     : Symmetry::MirrorLeftRight;
    return s;
}

std::optional<std::string> DuplicateForm::problem() const {
    for (size_t p = 0; p < copied.size(); ++p) {
        if (!copied[p] || targets[p] < players)
            continue;
        return withArguments(
            ZW_TR("Dialogs", "Игрока %1 в шаблоне нет: копии локаций игрока %2 "
                             "могут принадлежать только игрокам от 1 до %3."),
            {std::to_string(targets[p] + 1), std::to_string(p + 1), std::to_string(players)});
    }
    return std::nullopt;
}

DuplicateForm suggestedDuplicate(const TRmg& t, std::span<const int32_t> selection,
                                 const std::optional<DuplicateForm>& last) {
    DuplicateForm form;
    if (last)
        form.transform = last->transform;
    // A damaged file may hold any player count.
    form.players = static_cast<int>(std::clamp<int64_t>(t.playerCount(), 2, kPlayerSlots));
    // Players owning a zone or chosen as a target, and those the template lacks.
    std::array<bool, kPlayerSlots> taken{};
    for (size_t q = static_cast<size_t>(form.players); q < taken.size(); ++q)
        taken[q] = true;
    for (const ZoneRecord& z : t.zones)
        if (validPlayer(z.owner))
            taken[static_cast<size_t>(z.owner - 1)] = true;
    std::array<bool, kPlayerSlots>& selected = form.copied;
    for (const int32_t k : selection)
        if (k >= 0 && static_cast<size_t>(k) < t.zones.size() &&
            validPlayer(t.zones[static_cast<size_t>(k)].owner))
            selected[static_cast<size_t>(t.zones[static_cast<size_t>(k)].owner - 1)] = true;
    for (size_t p = 0; p < selected.size(); ++p) {
        if (!selected[p])
            continue;
        std::optional<size_t> target;
        if (last) {
            const int remembered = last->targets[p];
            if (remembered >= 0 && remembered < kPlayerSlots &&
                !taken[static_cast<size_t>(remembered)])
                target = static_cast<size_t>(remembered);
        }
        for (size_t q = 0; !target && q < taken.size(); ++q)
            if (!taken[q])
                target = q;
        if (target) {
            form.targets[p] = static_cast<int>(*target);
            taken[*target] = true;
        }
    }
    return form;
}

} // namespace zw
