#include "cli/parser_messages.h"

#include "model/translation.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace zw::cli {
namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}
bool endsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// The text between `prefix` and `suffix` of `s`, or nullopt when `s` has neither.
std::optional<std::string> between(std::string_view s, std::string_view prefix,
                                   std::string_view suffix) {
    if (!startsWith(s, prefix) || !endsWith(s, suffix) || s.size() < prefix.size() + suffix.size())
        return std::nullopt;
    return std::string(s.substr(prefix.size(), s.size() - prefix.size() - suffix.size()));
}

// The deepest subcommand given on the command line, or the program itself.
const CLI::App& givenCommand(const CLI::App& app) {
    const CLI::App* at = &app;
    for (;;) {
        const CLI::App* deeper = nullptr;
        for (const CLI::App* sub :
             at->get_subcommands([](const CLI::App* s) { return s->parsed(); }))
            deeper = sub;
        if (deeper == nullptr)
            return *at;
        at = deeper;
    }
}

// "IN — файл проекта для чтения (.tpz)": an argument with what it is for.
std::string described(const CLI::App& command, const std::string& name) {
    const CLI::Option* option = command.get_option_no_throw(name);
    if (option == nullptr || option->get_description().empty())
        return name;
    return name + " — " + option->get_description();
}

// The parser's English text of `e` told in the interface's language (its own
// words even in English, so that every message reads alike); the names of commands,
// options and the values given stay as they were. (The parser names some
// errors after the command they happened in, so they are told by their type.)
std::string interfaceText(const CLI::App& app, const CLI::Error& e) {
    const std::string what = e.what();
    const CLI::App& command = givenCommand(app);
    if (dynamic_cast<const CLI::RequiredError*>(&e)) {
        if (startsWith(what, "A subcommand") || startsWith(what, "Requires at least")) {
            std::string names;
            for (const CLI::App* sub : command.get_subcommands({}))
                names += (names.empty() ? "" : ", ") + sub->get_name();
            const std::vector<std::string> rest = command.remaining();
            if (!rest.empty())
                return withArguments(ZW_TR("Cli", "неизвестная команда «%1»; команды: %2"),
                                     {rest.front(), names});
            return withArguments(ZW_TR("Cli", "не задана команда; команды: %1"), {names});
        }
        if (const auto option = between(what, "", " is required"))
            return withArguments(ZW_TR("Cli", "не задан %1"), {described(command, *option)});
        return ZW_TR("Cli", "заданы не те параметры");
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
        if (const auto extra = between(what, "The following argument was not expected: ", ""))
            return withArguments(ZW_TR("Cli", "лишний аргумент: %1"), {*extra});
        if (const auto extras = between(what, "The following arguments were not expected: ", ""))
            return withArguments(ZW_TR("Cli", "лишние аргументы: %1"), {*extras});
        return ZW_TR("Cli", "лишние аргументы");
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
        const size_t colon = what.find(": ");
        if (colon != std::string::npos && endsWith(what, " missing"))
            return withArguments(ZW_TR("Cli", "%1: не задано значение"), {what.substr(0, colon)});
        if (colon != std::string::npos && what.find(' ') > colon)
            return withArguments(ZW_TR("Cli", "%1: не то число значений"), {what.substr(0, colon)});
        return ZW_TR("Cli", "у параметра не то число значений");
    }
    if (dynamic_cast<const CLI::ConversionError*>(&e)) {
        constexpr std::string_view kNotAllowed = " is not an allowed value for ";
        if (const auto rest = between(what, "The value ", "")) {
            const size_t at = rest->rfind(kNotAllowed);
            if (at != std::string::npos)
                return withArguments(ZW_TR("Cli", "%1: недопустимое значение «%2»"),
                                     {rest->substr(at + kNotAllowed.size()), rest->substr(0, at)});
        }
        if (const auto rest = between(what, "Could not convert: ", "")) {
            const size_t at = rest->find(" = ");
            if (at != std::string::npos)
                return withArguments(ZW_TR("Cli", "%1: недопустимое значение «%2»"),
                                     {rest->substr(0, at), rest->substr(at + 3)});
        }
        if (const auto flag = between(what, "", ": too many inputs for a flag"))
            return withArguments(ZW_TR("Cli", "%1: у флага не бывает значения"), {*flag});
        if (const auto flag = between(what, "", ": Should be true/false or a number"))
            return withArguments(ZW_TR("Cli", "%1: ожидается true, false или число"), {*flag});
        return ZW_TR("Cli", "недопустимое значение параметра");
    }
    if (dynamic_cast<const CLI::RequiresError*>(&e)) {
        const size_t at = what.find(" requires ");
        if (at != std::string::npos)
            return withArguments(ZW_TR("Cli", "%1 требует %2"),
                                 {what.substr(0, at), what.substr(at + 10)});
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&e)) {
        const size_t at = what.find(" excludes ");
        if (at != std::string::npos)
            return withArguments(ZW_TR("Cli", "%1 нельзя вместе с %2"),
                                 {what.substr(0, at), what.substr(at + 10)});
    }
    // The program's own checks (ValidationError) speak the interface's language already.
    if (dynamic_cast<const CLI::ValidationError*>(&e))
        return what;
    return ZW_TR("Cli", "неверная командная строка");
}

// Every command of the tree and their options in the interface's language.
void translateTree(CLI::App& app, const std::shared_ptr<CLI::Formatter>& formatter) {
    app.formatter(formatter);
    for (CLI::Option* option : app.get_options({})) {
        if (option == app.get_help_ptr())
            option->description(ZW_TR("Cli", "показать эту справку и выйти"));
        if (option->get_group() == "Options")
            option->group(ZW_TR("Cli", "Параметры"));
    }
    for (CLI::App* sub : app.get_subcommands(std::function<bool(CLI::App*)>())) {
        sub->group(ZW_TR("Cli", "Команды"));
        translateTree(*sub, formatter);
    }
}

} // namespace

std::string parseFailureMessage(const CLI::App& app, const CLI::Error& e) {
    const CLI::App& command = givenCommand(app);
    std::string help = "zonewright-cli";
    if (&command != &app)
        help += " " + command.get_name();
    return "zonewright-cli: " + interfaceText(app, e) +
           withArguments(ZW_TR("Cli", "\nСправка: %1 --help\n"), {help});
}

void useInterfaceLanguage(CLI::App& app) {
    auto formatter = std::make_shared<CLI::Formatter>();
    const std::pair<const char*, const char*> labels[] = {
        {"Usage", ZW_TR_NOOP("Cli", "Запуск")},
        {"OPTIONS", ZW_TR_NOOP("Cli", "ПАРАМЕТРЫ")},
        {"SUBCOMMAND", ZW_TR_NOOP("Cli", "КОМАНДА")},
        {"SUBCOMMANDS", ZW_TR_NOOP("Cli", "КОМАНДЫ")},
        {"Positionals", ZW_TR_NOOP("Cli", "Аргументы")},
        {"REQUIRED", ZW_TR_NOOP("Cli", "обязательно")},
        {"Needs", ZW_TR_NOOP("Cli", "Требует")},
        {"Excludes", ZW_TR_NOOP("Cli", "Исключает")},
        {"Env", ZW_TR_NOOP("Cli", "Переменная")},
        {"TEXT", ZW_TR_NOOP("Cli", "ТЕКСТ")},
        {"INT", ZW_TR_NOOP("Cli", "ЧИСЛО")},
        {"PATTERN", ZW_TR_NOOP("Cli", "ОБРАЗЕЦ")},
        {"NAME", ZW_TR_NOOP("Cli", "ИМЯ")}};
    for (const auto& [key, text] : labels)
        formatter->label(key, translated("Cli", text));
    translateTree(app, formatter);
    app.failure_message([](const CLI::App* parsed, const CLI::Error& e) {
        return parseFailureMessage(*parsed, e);
    });
}

} // namespace zw::cli
