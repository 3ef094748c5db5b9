// new, dump, build and check: project files from the command line.
#include "check/check.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "model/project_file.h"
#include "model/template_json.h"
#include "model/translation.h"

#include <memory>

namespace zw::cli {
namespace {

struct Paths {
    std::string in;
    std::string out;
};

int runNew(const Paths& p) {
    return writeOutput(p.out, encodeProject(makeNewTemplate())) ? kExitOk : kExitBadInput;
}

int runDump(const Paths& p) {
    const auto t = readProject(p.in);
    if (!t)
        return kExitBadInput;
    printText(templateToJsonText(*t));
    return kExitOk;
}

int runBuild(const Paths& p) {
    const auto text = readInput(p.in);
    if (!text)
        return kExitBadInput;
    auto parsed = templateFromJsonText(*text);
    if (const auto* error = std::get_if<TemplateJsonError>(&parsed)) {
        printError(p.in + ": " + error->message);
        return kExitBadInput;
    }
    return writeOutput(p.out, encodeProject(std::get<TRmg>(parsed))) ? kExitOk : kExitBadInput;
}

int runCheck(const Paths& p) {
    const auto t = readProject(p.in);
    if (!t)
        return kExitBadInput;
    if (const auto problem = checkTemplate(*t)) {
        printLine(*problem);
        return kExitRefused;
    }
    printLine(translated("Check", kNoErrorsFound));
    return kExitOk;
}

} // namespace

void addProjectCommands(CLI::App& app, int& result) {
    auto paths = std::make_shared<Paths>();
    auto bind = [&result, paths](int (*run)(const Paths&)) {
        return [&result, paths, run] { result = run(*paths); };
    };

    auto* newCmd = app.add_subcommand("new", ZW_TR("Cli", "Записать новый шаблон в файл проекта"));
    addPathOption(newCmd, "OUT", paths->out, ZW_TR("Cli", "файл проекта для записи (.tpz)"))
        ->required();
    newCmd->callback(bind(runNew));

    auto* dump =
        app.add_subcommand("dump", ZW_TR("Cli", "Вывести шаблон файла проекта в виде JSON"));
    addPathOption(dump, "IN", paths->in, ZW_TR("Cli", "файл проекта для чтения (.tpz)"))
        ->required();
    dump->callback(bind(runDump));

    auto* build = app.add_subcommand(
        "build", ZW_TR("Cli", "Записать файл проекта из JSON (обратно команде dump)"));
    addPathOption(build, "IN", paths->in, ZW_TR("Cli", "файл JSON для чтения"))->required();
    addPathOption(build, "OUT", paths->out, ZW_TR("Cli", "файл проекта для записи (.tpz)"))
        ->required();
    build->callback(bind(runBuild));

    auto* check = app.add_subcommand(
        "check", ZW_TR("Cli", "Проверить шаблон файла проекта на логические ошибки"));
    addPathOption(check, "IN", paths->in, ZW_TR("Cli", "файл проекта для чтения (.tpz)"))
        ->required();
    check->callback(bind(runCheck));
}

} // namespace zw::cli
