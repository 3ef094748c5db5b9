// zonewright-cli: the editor's core without a window, for scripting and batch work.
#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app{"Zonewright template tool"};
    app.require_subcommand(1);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
