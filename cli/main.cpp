// zonewright-cli: the editor's core without a window, for scripting and batch work.
#include "cli/commands.h"

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"Zonewright: random-map template tool"};
    app.require_subcommand(1);
    int result = 0;
    zw::cli::addProjectCommands(app, result);
    zw::cli::addRmgCommands(app, result);
    zw::cli::addRenderCommand(app, result);
    zw::cli::addAnalyzeCommand(app, result);
    zw::cli::addTransformCommand(app, result);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    return result;
}
