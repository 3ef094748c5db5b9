#include "cli/parser_messages.h"

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

// The parser's English text of `e` told in Russian; the names of commands,
// options and the values given stay as they were. (The parser names some
// errors after the command they happened in, so they are told by their type.)
std::string russianText(const CLI::App& app, const CLI::Error& e) {
    const std::string what = e.what();
    const CLI::App& command = givenCommand(app);
    if (dynamic_cast<const CLI::RequiredError*>(&e)) {
        if (startsWith(what, "A subcommand") || startsWith(what, "Requires at least")) {
            std::string names;
            for (const CLI::App* sub : command.get_subcommands({}))
                names += (names.empty() ? "" : ", ") + sub->get_name();
            const std::vector<std::string> rest = command.remaining();
            if (!rest.empty())
                return "неизвестная команда «" + rest.front() + "»; команды: " + names;
            return "не задана команда; команды: " + names;
        }
        if (const auto option = between(what, "", " is required"))
            return "не задан " + described(command, *option);
        return "заданы не те параметры";
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
        if (const auto extra = between(what, "The following argument was not expected: ", ""))
            return "лишний аргумент: " + *extra;
        if (const auto extras = between(what, "The following arguments were not expected: ", ""))
            return "лишние аргументы: " + *extras;
        return "лишние аргументы";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
        const size_t colon = what.find(": ");
        if (colon != std::string::npos && endsWith(what, " missing"))
            return what.substr(0, colon) + ": не задано значение";
        if (colon != std::string::npos && what.find(' ') > colon)
            return what.substr(0, colon) + ": не то число значений";
        return "у параметра не то число значений";
    }
    if (dynamic_cast<const CLI::ConversionError*>(&e)) {
        constexpr std::string_view kNotAllowed = " is not an allowed value for ";
        if (const auto rest = between(what, "The value ", "")) {
            const size_t at = rest->rfind(kNotAllowed);
            if (at != std::string::npos)
                return rest->substr(at + kNotAllowed.size()) + ": недопустимое значение «" +
                       rest->substr(0, at) + "»";
        }
        if (const auto rest = between(what, "Could not convert: ", "")) {
            const size_t at = rest->find(" = ");
            if (at != std::string::npos)
                return rest->substr(0, at) + ": недопустимое значение «" + rest->substr(at + 3) +
                       "»";
        }
        if (const auto flag = between(what, "", ": too many inputs for a flag"))
            return *flag + ": у флага не бывает значения";
        if (const auto flag = between(what, "", ": Should be true/false or a number"))
            return *flag + ": ожидается true, false или число";
        return "недопустимое значение параметра";
    }
    if (dynamic_cast<const CLI::RequiresError*>(&e)) {
        const size_t at = what.find(" requires ");
        if (at != std::string::npos)
            return what.substr(0, at) + " требует " + what.substr(at + 10);
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&e)) {
        const size_t at = what.find(" excludes ");
        if (at != std::string::npos)
            return what.substr(0, at) + " нельзя вместе с " + what.substr(at + 10);
    }
    // The program's own checks (ValidationError) speak Russian already.
    if (dynamic_cast<const CLI::ValidationError*>(&e))
        return what;
    return "неверная командная строка";
}

// Every command of the tree and their options in Russian.
void translateTree(CLI::App& app, const std::shared_ptr<CLI::Formatter>& formatter) {
    app.formatter(formatter);
    for (CLI::Option* option : app.get_options({})) {
        if (option == app.get_help_ptr())
            option->description("показать эту справку и выйти");
        if (option->get_group() == "Options")
            option->group("Параметры");
    }
    for (CLI::App* sub : app.get_subcommands(std::function<bool(CLI::App*)>())) {
        sub->group("Команды");
        translateTree(*sub, formatter);
    }
}

} // namespace

std::string parseFailureMessage(const CLI::App& app, const CLI::Error& e) {
    const CLI::App& command = givenCommand(app);
    std::string help = "zonewright-cli";
    if (&command != &app)
        help += " " + command.get_name();
    return "zonewright-cli: " + russianText(app, e) + "\nСправка: " + help + " --help\n";
}

void useRussian(CLI::App& app) {
    auto formatter = std::make_shared<CLI::Formatter>();
    const std::pair<const char*, const char*> labels[] = {{"Usage", "Запуск"},
                                                          {"OPTIONS", "ПАРАМЕТРЫ"},
                                                          {"SUBCOMMAND", "КОМАНДА"},
                                                          {"SUBCOMMANDS", "КОМАНДЫ"},
                                                          {"Positionals", "Аргументы"},
                                                          {"REQUIRED", "обязательно"},
                                                          {"Needs", "Требует"},
                                                          {"Excludes", "Исключает"},
                                                          {"Env", "Переменная"},
                                                          {"TEXT", "ТЕКСТ"},
                                                          {"INT", "ЧИСЛО"},
                                                          {"PATTERN", "ОБРАЗЕЦ"},
                                                          {"NAME", "ИМЯ"}};
    for (const auto& [key, text] : labels)
        formatter->label(key, text);
    translateTree(app, formatter);
    app.failure_message([](const CLI::App* parsed, const CLI::Error& e) {
        return parseFailureMessage(*parsed, e);
    });
}

} // namespace zw::cli
