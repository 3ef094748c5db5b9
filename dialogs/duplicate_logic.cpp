#include "dialogs/duplicate_logic.h"

namespace zw {

std::string duplicateRowCaption(int player) {
    return "Игрок " + std::to_string(player) + " →";
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

} // namespace zw
