// zonewright-cli: the editor's core without a window, for scripting and batch work.
#include "cli/commands.h"

#include "platform/process.h"

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
    zw::useBinaryStandardStreams();
    CLI::App app{"Zonewright: random-map template tool"};
    app.require_subcommand(1);
    int result = 0;
    zw::cli::addProjectCommands(app, result);
    zw::cli::addRmgCommands(app, result);
    zw::cli::addRenderCommand(app, result);
    zw::cli::addAnalyzeCommand(app, result);
    zw::cli::addTransformCommand(app, result);
    zw::cli::addGenerateCommand(app, result);
    try {
        // Arguments as UTF-8 on every system (on Windows from the UTF-16 command
        // line); CLI11 takes them last first.
        std::vector<std::string> args = zw::utf8Arguments(argc, argv);
        std::reverse(args.begin(), args.end());
        app.parse(args);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    return result;
}
