// The static Windows build of zonewright-cli has no Qt to paint with: its
// render command says so instead of drawing.
#include "cli/commands.h"
#include "cli/common.h"

namespace zw::cli {

void addRenderCommand(CLI::App& app, int& result) {
    auto* cmd = app.add_subcommand("render", "Нарисовать проект в PNG (нет в этой сборке)");
    cmd->allow_extras();
    cmd->callback([&result] {
        printError("команды render нет в этой сборке: ей нужна библиотека Qt");
        result = 1;
    });
}

} // namespace zw::cli
