// analyze: the template analysis of a project file, readable or as JSON.
#include "analysis/analysis.h"
#include "analysis/report.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "model/translation.h"

#include <memory>

namespace zw::cli {
namespace {

struct AnalyzeOptions {
    std::string in;
    bool json = false;
};

int runAnalyze(const AnalyzeOptions& o) {
    const auto t = readProject(o.in);
    if (!t)
        return kExitBadInput;
    const TemplateAnalysis a = analyzeTemplate(*t);
    if (o.json)
        printText(analysisToJson(a).dump(2) + '\n');
    else
        printText(readableReport(a));
    return a.hasFindings() ? kExitRefused : kExitOk;
}

} // namespace

void addAnalyzeCommand(CLI::App& app, int& result) {
    auto options = std::make_shared<AnalyzeOptions>();
    auto* analyze = app.add_subcommand(
        "analyze",
        ZW_TR("Cli", "Разбор шаблона файла проекта: достижимость при каждом наборе игроков, "
                     "предупреждения, равенство игроков"));
    addPathOption(analyze, "IN", options->in, ZW_TR("Cli", "файл проекта для чтения (.tpz)"))
        ->required();
    analyze->add_flag("--json", options->json, ZW_TR("Cli", "вывести разбор в виде JSON"));
    analyze->callback([&result, options] { result = runAnalyze(*options); });
}

} // namespace zw::cli
