// generate: a template for any number of players from a pattern, equal for
// every player by construction.
#include "cli/commands.h"
#include "cli/common.h"
#include "model/numbers.h"
#include "model/project_file.h"
#include "model/translation.h"
#include "pattern/generate.h"

#include <algorithm>
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
    return parseInteger(text, kSignedNumber);
}

// Reads a given option's value into `target`; false after reporting a value
// that is no whole number. A number beyond `int` becomes its nearest bound,
// which the range check then refuses.
template <class T> bool readNumber(const CLI::Option* option, const std::string& text, T& target) {
    if (!given(option))
        return true;
    const auto value = wholeNumber(text);
    if (!value) {
        printError(withArguments(ZW_TR("Cli", "%1: ожидается целое число, а не «%2»"),
                                 {option->get_name(), text}));
        return false;
    }
    target = static_cast<T>(
        std::clamp<int64_t>(*value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    return true;
}

int runGenerate(const GenerateOptions& o) {
    const auto pattern = patternFromWord(o.pattern);
    if (!pattern) {
        printError(withArguments(
            ZW_TR("Cli",
                  "--pattern: неизвестный образец «%1», ожидается ring, star или ring-centre"),
            {o.pattern}));
        return kExitBadInput;
    }
    if (!given(o.playersOption)) {
        printError(ZW_TR("Cli", "Не задано число игроков: --players от 2 до 8"));
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
        "generate",
        ZW_TR("Cli", "Записать шаблон по образцу, равный для всех игроков: стартовая локация "
                     "каждого игрока со своими локациями, нейтральные локации между соседями "
                     "и богатый центр"));
    addPathOption(cmd, "OUT", o->out, ZW_TR("Cli", "файл проекта для записи (.tpz)"))->required();
    o->playersOption = cmd->add_option("--players", o->players,
                                       ZW_TR("Cli", "число игроков, от 2 до 8 (обязательно)"));
    cmd->add_option(
           "--pattern", o->pattern,
           ZW_TR("Cli",
                 "ring, star или ring-centre (по умолчанию): игроки по кругу, соединённые через "
                 "нейтральные локации, соединённые только через центр, или и то и другое"))
        ->type_name("PATTERN");
    o->ownOption =
        cmd->add_option("--own", o->own,
                        ZW_TR("Cli", "локаций у каждого игрока помимо стартовой, от 0 до 4 "
                                     "(по умолчанию 1)"));
    o->betweenOption = cmd->add_option(
        "--between", o->between,
        ZW_TR("Cli", "нейтральных локаций на пути между соседними игроками, от 0 до 3 "
                     "(по умолчанию 1; только у образцов с кольцом)"));
    o->centreOption = cmd->add_option(
        "--centre", o->centre,
        ZW_TR("Cli", "локаций в центре, от 0 до 4 (по умолчанию 1 у star и ring-centre, у star не "
                     "меньше 1; у ring центра нет)"));
    o->seedOption = cmd->add_option(
        "--seed", o->seed,
        ZW_TR("Cli", "целое число от 0 до 999999, меняющее размеры и сокровища, одинаково "
                     "для всех игроков (по умолчанию 0)"));
    o->nameOption = cmd->add_option("--name", o->name,
                                    ZW_TR("Cli", "имя шаблона (по умолчанию: образец и число "
                                                 "игроков)"));
    for (CLI::Option* number :
         {o->playersOption, o->ownOption, o->betweenOption, o->centreOption, o->seedOption})
        number->type_name("INT");
    o->nameOption->type_name("NAME");
    cmd->callback([&result, o] { result = runGenerate(*o); });
}

} // namespace zw::cli
