// compile, list, delete and import: rmg.txt tables from the command line. The
// compile and the import are those of the editor's commands (rmg/compile.h,
// rmg/import_table.h), run on the command line's services with the options
// answering the template list window.
#include "check/check.h"
#include "cli/cli_services.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "model/name_rules.h"
#include "model/project_file.h"
#include "model/text.h"
#include "model/translation.h"
#include "rmg/compile.h"
#include "rmg/import_table.h"
#include "rmg/table.h"
#include "rmg/table_encoding.h"
#include "rmg/table_hints.h"
#include "rmg/template_list.h"

#include <memory>

namespace zw::cli {
namespace {

struct RmgArgs {
    std::string project; // IN.tpz or OUT.tpz
    std::string table;   // RMG
    std::string name;    // UTF-8, as typed
    std::string header;
    int index = 0; // from 1
    bool all = false;
    bool force = false;        // compile despite a finding of the check
    bool dropExtended = false; // compile a template's kept cells away into a classic table
};

// A table that claims the extended layout and does not read: said, exit 2.
bool layoutRefused(const std::string& path, std::string_view buffer) {
    const auto problem = tableLayoutProblem(buffer);
    if (problem)
        printError(path + ": " + *problem);
    return problem.has_value();
}

// The entry chosen by --name (first match, A to Z folded) or --index (from 1).
std::optional<size_t> chooseEntry(const std::vector<TTemplateInside>& entries, const RmgArgs& a,
                                  bool byName) {
    if (byName) {
        const auto found = findTemplateByName(entries, utf8ToCp1251(a.name));
        if (!found)
            printError(
                withArguments(ZW_TR("Cli", "%1: нет шаблона с именем «%2»"), {a.table, a.name}));
        return found;
    }
    if (a.index < 1 || static_cast<size_t>(a.index) > entries.size()) {
        printError(
            withArguments(ZW_TR("Cli", "%1: нет шаблона номер %2 (шаблонов в таблице: %3)"),
                          {a.table, std::to_string(a.index), std::to_string(entries.size())}));
        return std::nullopt;
    }
    return static_cast<size_t>(a.index - 1);
}

// The template list window as the options answer it: adding goes on when the
// window's own "Добавить шаблон" accepts the name; import takes the template
// chosen by --name or --index.
class OptionAnswers : public TemplateListRunner {
  public:
    OptionAnswers(const RmgArgs& args, bool byName) : args_(args), byName_(byName) {}

    ListOutcome runTemplateList(TemplateListSession& session) override {
        if (session.mode() == ListMode::Adding)
            return session.addTemplate().value_or(ListOutcome::Abandon);
        const auto chosen = chooseEntry(session.entries(), args_, byName_);
        if (!chosen)
            return ListOutcome::Abandon;
        session.chosenIndex = static_cast<int>(*chosen);
        return ListOutcome::Proceed;
    }

  private:
    const RmgArgs& args_;
    bool byName_;
};

// The table in Windows-1251: one saved as UTF-8 is converted, which is said on
// stderr, or refused there; nullopt after a refusal or a failed read.
std::optional<std::string> readTable(const std::string& path) {
    auto bytes = readInput(path);
    if (!bytes)
        return std::nullopt;
    CliServices services;
    services.messagePrefix = path + ": ";
    auto table = tableForUse(std::move(*bytes), TableUse::Read, services);
    if (std::holds_alternative<TableStop>(table))
        return std::nullopt;
    return std::move(std::get<std::string>(table));
}

int runCompile(const RmgArgs& a, bool nameGiven, bool headerGiven) {
    auto t = readProject(a.project);
    if (!t)
        return kExitBadInput;
    if (const auto problem = checkTemplate(*t)) {
        printError(*problem);
        if (!a.force)
            return kExitRefused;
    }
    std::string name = t->name;
    if (nameGiven) {
        if (const auto problem = typedTemplateNameProblem(a.name)) {
            printError(*problem);
            return kExitRefused;
        }
        name = utf8ToCp1251(a.name);
    }
    CliServices services;
    if (a.dropExtended)
        services.agreeTo.push_back(translatedView("Rmg", kDropKeptCellsStart));
    OptionAnswers answers(a, false);
    const std::string header = headerGiven ? a.header : services.executableDir() + "/header.txt";
    // As "Добавить шаблон" of the list window: a refused name stops here, the
    // first template of the same name is deleted.
    switch (compileIntoTable(*t, name, a.table, header, services, answers)) {
    case CompileOutcome::Written:
        return kExitOk;
    case CompileOutcome::FileFailed:
    case CompileOutcome::TableRefused:
        return kExitBadInput;
    case CompileOutcome::ListSaved:
    case CompileOutcome::Abandoned:
    case CompileOutcome::NameRefused:
        break;
    }
    return kExitRefused;
}

int runList(const RmgArgs& a) {
    const auto buffer = readTable(a.table);
    if (!buffer)
        return kExitBadInput;
    if (layoutRefused(a.table, *buffer))
        return kExitBadInput;
    const auto entries = splitTable(*buffer);
    // As the import and the window: no template is an error, with the hint
    // when the table looks saved by a spreadsheet.
    if (entries.empty()) {
        printError(a.table + ": " + noTemplateFoundMessage(*buffer));
        return kExitBadInput;
    }
    for (size_t i = 0; i < entries.size(); ++i)
        printLine(std::to_string(i + 1) + '\t' + std::to_string(entries[i].start) + '\t' +
                  std::to_string(entries[i].length) + '\t' + cp1251ToUtf8(entries[i].name));
    return kExitOk;
}

int runDelete(const RmgArgs& a, bool byName) {
    const auto buffer = readTable(a.table);
    if (!buffer)
        return kExitBadInput;
    if (layoutRefused(a.table, *buffer))
        return kExitBadInput;
    const auto entries = splitTable(*buffer);
    if (a.all) {
        if (entries.empty())
            return kExitOk; // nothing to delete, nothing written
        return writeOutput(a.table, withoutTemplates(*buffer, entries)) ? kExitOk : kExitBadInput;
    }
    const auto chosen = chooseEntry(entries, a, byName);
    if (!chosen)
        return kExitBadInput;
    return writeOutput(a.table, withoutTemplate(*buffer, entries[*chosen])) ? kExitOk
                                                                            : kExitBadInput;
}

int runImport(const RmgArgs& a, bool byName) {
    CliServices services;
    OptionAnswers answers(a, byName);
    services.messagePrefix = a.table + ": ";
    auto t = importFromTable(a.table, services, answers);
    services.messagePrefix.clear();
    if (!t)
        return kExitBadInput;
    LayoutRandom random; // as the first import after a start
    layOutImported(*t, random, services);
    return writeOutput(a.project, encodeProject(*t)) ? kExitOk : kExitBadInput;
}

// Exactly one of the options that choose templates: a usage error otherwise.
void requireOne(std::initializer_list<const CLI::Option*> options) {
    size_t given = 0;
    std::string names;
    for (const auto* o : options) {
        given += o->count() > 0 ? 1 : 0;
        names += (names.empty() ? "" : ", ") + o->get_name();
    }
    if (given != 1)
        throw CLI::ValidationError(
            withArguments(ZW_TR("Cli", "нужен ровно один из параметров %1"), {names}));
}

} // namespace

void addRmgCommands(CLI::App& app, int& result) {
    auto args = std::make_shared<RmgArgs>();

    auto* compile = app.add_subcommand(
        "compile",
        ZW_TR("Cli", "Добавить шаблон проекта в таблицу rmg.txt вместо шаблона с тем же именем"));
    addPathOption(compile, "IN", args->project, ZW_TR("Cli", "файл проекта для чтения (.tpz)"))
        ->required();
    addPathOption(compile, "RMG", args->table,
                  ZW_TR("Cli", "таблица для записи; новая начинается с header.txt"))
        ->required();
    auto* compileName = compile->add_option(
        "--name", args->name, ZW_TR("Cli", "имя в таблице (по умолчанию: имя шаблона)"));
    auto* header = addPathOption(
        compile, "--header", args->header,
        ZW_TR("Cli", "заголовок новой таблицы (по умолчанию: header.txt рядом с программой)"));
    compile->add_flag("--force", args->force,
                      ZW_TR("Cli", "записать, даже если проверка шаблона нашла ошибку"));
    compile->add_flag("--drop-extended", args->dropExtended,
                      ZW_TR("Cli", "записать шаблон из расширенной таблицы в классическую "
                                   "без ячеек, которых она не вмещает"));
    compile->callback([&result, args, compileName, header] {
        result = runCompile(*args, compileName->count() > 0, header->count() > 0);
    });

    auto* list = app.add_subcommand("list", ZW_TR("Cli", "Перечислить шаблоны таблицы rmg.txt"));
    addPathOption(list, "RMG", args->table, ZW_TR("Cli", "таблица для чтения"))->required();
    list->callback([&result, args] { result = runList(*args); });

    auto* del = app.add_subcommand("delete", ZW_TR("Cli", "Удалить шаблоны из таблицы rmg.txt"));
    addPathOption(del, "RMG", args->table, ZW_TR("Cli", "изменяемая таблица"))->required();
    auto* delName =
        del->add_option("--name", args->name, ZW_TR("Cli", "первый шаблон с этим именем"));
    auto* delIndex =
        del->add_option("--index", args->index, ZW_TR("Cli", "шаблон на этом месте, считая с 1"));
    auto* delAll =
        del->add_flag("--all", args->all, ZW_TR("Cli", "все шаблоны; заголовок остаётся"));
    del->callback([&result, args, delName, delIndex, delAll] {
        requireOne({delName, delIndex, delAll});
        result = runDelete(*args, delName->count() > 0);
    });

    auto* imp = app.add_subcommand(
        "import",
        ZW_TR("Cli", "Перенести шаблон из таблицы rmg.txt, расставив локации, в файл проекта"));
    addPathOption(imp, "RMG", args->table, ZW_TR("Cli", "таблица для чтения"))->required();
    addPathOption(imp, "OUT", args->project, ZW_TR("Cli", "файл проекта для записи (.tpz)"))
        ->required();
    auto* impName =
        imp->add_option("--name", args->name, ZW_TR("Cli", "первый шаблон с этим именем"));
    auto* impIndex =
        imp->add_option("--index", args->index, ZW_TR("Cli", "шаблон на этом месте, считая с 1"));
    imp->callback([&result, args, impName, impIndex] {
        requireOne({impName, impIndex});
        result = runImport(*args, impName->count() > 0);
    });
}

} // namespace zw::cli
