// The "template from a pattern" dialog without its window: its texts, which
// fields the chosen pattern uses, the preview template with the figures the
// analysis gives of it, and the check on "ОК".
#pragma once

#include "model/pattern_settings.h"
#include "model/records.h"
#include "model/translation.h"
#include "pattern/generate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

class Services;

namespace pattern_texts {
inline constexpr std::string_view kCaption = ZW_TR_NOOP("Dialogs", "Шаблон по образцу");
inline constexpr std::string_view kPattern = ZW_TR_NOOP("Dialogs", "Образец");
// The pattern list, in the order of kPatternOrder.
inline constexpr std::array<std::string_view, 3> kPatterns = {
    ZW_TR_NOOP("Dialogs", "Кольцо с центром"), ZW_TR_NOOP("Dialogs", "Кольцо"),
    ZW_TR_NOOP("Dialogs", "Звезда")};
inline constexpr std::string_view kPlayers = ZW_TR_NOOP("Dialogs", "Игроков");
inline constexpr std::string_view kOwn = ZW_TR_NOOP("Dialogs", "Своих локаций у игрока");
inline constexpr std::string_view kBetween = ZW_TR_NOOP("Dialogs", "Локаций между соседями");
inline constexpr std::string_view kCentre = ZW_TR_NOOP("Dialogs", "Локаций в центре");
inline constexpr std::string_view kSeed = ZW_TR_NOOP("Dialogs", "Вариант");
inline constexpr std::string_view kName = ZW_TR_NOOP("Dialogs", "Название");
inline constexpr std::string_view kPreview = ZW_TR_NOOP("Dialogs", "Что получится");
inline constexpr std::string_view kOk = ZW_TR_NOOP("Dialogs", "ОК");
inline constexpr std::string_view kCancel = ZW_TR_NOOP("Dialogs", "Отмена");
} // namespace pattern_texts

inline constexpr std::array<PatternKind, 3> kPatternOrder = {PatternKind::RingCentre,
                                                             PatternKind::Ring, PatternKind::Star};

// The largest variant the dialog's field offers, as the command line.
inline constexpr int kMaxPatternVariant = kPatternMaxSeed;

// A field's allowed values for the chosen pattern; a field whose range is a
// single value is shown disabled.
struct FieldRange {
    int min = 0;
    int max = 0;
    bool enabled() const { return min < max; }
    bool operator==(const FieldRange&) const = default;
};

// The dialog's state.
class PatternForm {
  public:
    PatternSettings settings;
    std::string name; // UTF-8, as typed; empty: the default name

    // Another pattern chosen from the list (a position in kPatternOrder): the
    // fields it does not use go to the values it needs, the others stay.
    void choosePattern(int position);
    int patternPosition() const;

    FieldRange playersRange() const;
    FieldRange ownRange() const;
    FieldRange betweenRange() const;
    FieldRange centreRange() const;

    // The default name of the present pattern and players, shown in the
    // empty name field.
    std::string defaultName() const;
    // The settings with the typed name (none when the field is empty).
    PatternSettings chosen() const;

    // "ОК": the settings, or nullopt after showing why not in an error box.
    std::optional<PatternSettings> accept(Services& services) const;
};

// The template the present settings give and the lines that sum it up: zones
// in all and per player, what each start holds within two connections and how
// far the nearest opponent is, as the analysis finds them.
struct PatternPreview {
    TRmg rmg;
    std::vector<std::string> figures;
};
PatternPreview previewPattern(const PatternSettings& s);

} // namespace zw
