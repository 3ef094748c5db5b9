// The "duplicate for players" dialog without its window: its texts, and the
// owner pairs and transform it hands back.
#pragma once

#include "model/translation.h"
#include "platform/dialogs.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zw {

namespace duplicate_texts {
inline constexpr std::string_view kCaption = ZW_TR_NOOP("Dialogs", "Дублировать для игроков");
inline constexpr std::string_view kOwners = ZW_TR_NOOP("Dialogs", "Владелец копии");
inline constexpr std::string_view kPlacement = ZW_TR_NOOP("Dialogs", "Размещение копии");
// The entries of each player's list: the player the copy of its zones gets.
inline constexpr std::array<std::string_view, kPlayerSlots> kPlayers = {
    ZW_TR_NOOP("Dialogs", "Игрок 1"), ZW_TR_NOOP("Dialogs", "Игрок 2"),
    ZW_TR_NOOP("Dialogs", "Игрок 3"), ZW_TR_NOOP("Dialogs", "Игрок 4"),
    ZW_TR_NOOP("Dialogs", "Игрок 5"), ZW_TR_NOOP("Dialogs", "Игрок 6"),
    ZW_TR_NOOP("Dialogs", "Игрок 7"), ZW_TR_NOOP("Dialogs", "Игрок 8")};
// In the order of the Symmetry values, each with the side of the selected
// zones where its copy lands (model/transform.h, duplicateNode).
inline constexpr std::array<std::string_view, 5> kTransforms = {
    ZW_TR_NOOP("Dialogs", "Отразить слева направо (копия справа)"),
    ZW_TR_NOOP("Dialogs", "Отразить сверху вниз (копия снизу)"),
    ZW_TR_NOOP("Dialogs", "Повернуть на 90° (копия справа)"),
    ZW_TR_NOOP("Dialogs", "Повернуть на 180° (копия справа снизу)"),
    ZW_TR_NOOP("Dialogs", "Повернуть на 270° (копия снизу)")};
inline constexpr std::string_view kOk = ZW_TR_NOOP("Dialogs", "ОК");
inline constexpr std::string_view kCancel = ZW_TR_NOOP("Dialogs", "Отмена");
} // namespace duplicate_texts

// "Игрок 1 →": the caption of player `player`'s row (1..8).
std::string duplicateRowCaption(int player);

// The dialog's state: the list position (0..7: player 1..8) chosen for each
// player, and the transform. It starts as every player keeping its zones,
// mirrored left to right.
struct DuplicateForm {
    std::array<int, kPlayerSlots> targets{0, 1, 2, 3, 4, 5, 6, 7};
    int transform = 0;
    // The players of the template (2..8), and those owning a copied zone:
    // only their rows matter, and they may go only to players the template has.
    int players = kPlayerSlots;
    std::array<bool, kPlayerSlots> copied{};

    // Owners 1..8 mapped as chosen, neutral zones stay neutral; a list
    // position outside 0..7 keeps the player, a transform outside the list is
    // the first.
    DuplicateSettings settings() const;
    // Why "ОК" cannot take the form (a copy going to a player the template
    // does not have), as a Russian message; nullopt when it can.
    std::optional<std::string> problem() const;
    bool operator==(const DuplicateForm&) const = default;
};

// The form a duplicate of zones `selection` (0-based indices) of `t` opens
// with: each player owning a selected zone, in ascending order, goes to the
// lowest player of the template owning no zone of it and not taken by an
// earlier pair (to itself when there is none left); the other players keep
// theirs. The last choice of the session, when given, keeps its transform and
// those of its pairs whose target is still free and a player of the template.
DuplicateForm suggestedDuplicate(const TRmg& t, std::span<const int32_t> selection,
                                 const std::optional<DuplicateForm>& last);

} // namespace zw
