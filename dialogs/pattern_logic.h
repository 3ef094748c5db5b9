// The "template from a pattern" dialog without its window: its texts, which
// fields the chosen pattern uses, the preview template with the figures the
// analysis gives of it, and the check on "ОК".
#pragma once

#include "model/pattern_settings.h"
#include "model/records.h"
#include "pattern/generate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

class Services;

namespace pattern_texts {
inline constexpr std::string_view kCaption = "Шаблон по образцу";
inline constexpr std::string_view kPattern = "Образец";
// The pattern list, in the order of kPatternOrder.
inline constexpr std::array<std::string_view, 3> kPatterns = {"Кольцо с центром", "Кольцо",
                                                              "Звезда"};
inline constexpr std::string_view kPlayers = "Игроков";
inline constexpr std::string_view kOwn = "Своих локаций у игрока";
inline constexpr std::string_view kBetween = "Локаций между соседями";
inline constexpr std::string_view kCentre = "Локаций в центре";
inline constexpr std::string_view kSeed = "Вариант";
inline constexpr std::string_view kName = "Название";
inline constexpr std::string_view kPreview = "Что получится";
inline constexpr std::string_view kOk = "ОК";
inline constexpr std::string_view kCancel = "Отмена";
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
