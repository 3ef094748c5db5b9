// generate: a template for any number of players from a pattern, equal for
// every player by construction.
#include "cli/commands.h"
#include "cli/common.h"
#include "model/project_file.h"
#include "pattern/generate.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <memory>

namespace zw::cli {
namespace {

// Every value is taken as text and read here, so that a bad one gets a
// Russian message like a value out of range does.
struct GenerateOptions {
    std::string out;
    std::string pattern = std::string(patternWord(PatternKind::RingCentre));
    std::string players, own, between, centre, seed, name;
    CLI::Option* playersOption = nullptr;
    CLI::Option* ownOption = nullptr;
    CLI::Option* betweenOption = nullptr;
    CLI::Option* centreOption = nullptr;
    CLI::Option* seedOption = nullptr;
    CLI::Option* nameOption = nullptr;
};

bool given(const CLI::Option* option) {
    return option && option->count() > 0;
}

std::optional<int64_t> wholeNumber(const std::string& text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// Reads a given option's value into `target`; false after reporting a value
// that is no whole number. A number beyond `int` becomes its nearest bound,
// which the range check then refuses.
template <class T> bool readNumber(const CLI::Option* option, const std::string& text, T& target) {
    if (!given(option))
        return true;
    const auto value = wholeNumber(text);
    if (!value) {
        printError(option->get_name() + ": ожидается целое число, а не «" + text + "»");
        return false;
    }
    target = static_cast<T>(
        std::clamp<int64_t>(*value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    return true;
}

int runGenerate(const GenerateOptions& o) {
    const auto pattern = patternFromWord(o.pattern);
    if (!pattern) {
        printError("--pattern: неизвестный образец «" + o.pattern +
                   "», ожидается ring, star или ring-centre");
        return kExitBadInput;
    }
    if (!given(o.playersOption)) {
        printError("Не задано число игроков: --players от 2 до 8");
        return kExitBadInput;
    }
    PatternSettings s = patternDefaults(*pattern, 0);
    if (!readNumber(o.playersOption, o.players, s.players) ||
        !readNumber(o.ownOption, o.own, s.own) ||
        !readNumber(o.betweenOption, o.between, s.between) ||
        !readNumber(o.centreOption, o.centre, s.centre) ||
        !readNumber(o.seedOption, o.seed, s.seed))
        return kExitBadInput;
    if (given(o.nameOption))
        s.name = o.name;
    if (const auto problem = patternProblem(s)) {
        printError(*problem);
        return kExitBadInput;
    }
    return writeOutput(o.out, encodeProject(generateTemplate(s))) ? kExitOk : kExitBadInput;
}

} // namespace

void addGenerateCommand(CLI::App& app, int& result) {
    auto o = std::make_shared<GenerateOptions>();
    auto* cmd = app.add_subcommand(
        "generate", "Write a template made from a pattern, equal for every player: a start "
                    "zone per player with zones of its own, neutral zones between neighbours "
                    "and a rich middle");
    cmd->add_option("OUT", o->out, "project file to write (.tpz)")->required();
    o->playersOption =
        cmd->add_option("--players", o->players, "number of players, 2 to 8 (required)");
    cmd->add_option("--pattern", o->pattern,
                    "ring, star or ring-centre (default): players in a circle joined through "
                    "neutral zones, joined only through the middle, or both")
        ->type_name("PATTERN");
    o->ownOption = cmd->add_option("--own", o->own,
                                   "zones of each player besides its start zone, 0 to 4 "
                                   "(default 1)");
    o->betweenOption =
        cmd->add_option("--between", o->between,
                        "neutral zones on the way between neighbouring players, 0 to 3 (default 1; "
                        "ring patterns only)");
    o->centreOption = cmd->add_option(
        "--centre", o->centre,
        "zones in the middle, 0 to 4 (default 1 for star and ring-centre, at least 1 "
        "for star; ring has none)");
    o->seedOption =
        cmd->add_option("--seed", o->seed,
                        "an integer from 0 to 999999 that varies sizes and treasure, the same way "
                        "for every player (default 0)");
    o->nameOption = cmd->add_option("--name", o->name,
                                    "the template's name (default: the pattern and the number of "
                                    "players, in Russian)");
    for (CLI::Option* number :
         {o->playersOption, o->ownOption, o->betweenOption, o->centreOption, o->seedOption})
        number->type_name("INT");
    o->nameOption->type_name("NAME");
    cmd->callback([&result, o] { result = runGenerate(*o); });
}

} // namespace zw::cli
