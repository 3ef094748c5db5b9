// zonewright-cli: the editor's core without a window, for scripting and batch work.
#include "cli/commands.h"
#include "cli/language_option.h"
#include "cli/parser_messages.h"
#include "model/translation.h"
#include "platform/native_console.h"
#include "platform/process.h"

#include <algorithm>
#include <sstream>

int main(int argc, char** argv) {
    zw::useBinaryStandardStreams();
    // Arguments as UTF-8 on every system (on Windows from the UTF-16 command
    // line). The language comes first: every text below is written in it.
    std::vector<std::string> args = zw::utf8Arguments(argc, argv);
    if (!zw::cli::useChosenLanguage(zw::cli::takeLanguageOption(args),
                                    zw::translationsFolder(zw::executableFolder())))
        return 2;
    // Named here rather than after argv[0], so the help shows the same name on
    // every system and however the program was started.
    CLI::App app{ZW_TR("Cli", "Zonewright: шаблоны случайных карт из командной строки"),
                 "zonewright-cli"};
    // Options are "-x" and "--name" on every system: an argument that starts
    // with '/' is a path, never an option in the Windows style. Set before the
    // subcommands are added, which take it over.
    app.allow_windows_style_options(false);
    app.require_subcommand(1);
    int result = 0;
    zw::cli::addProjectCommands(app, result);
    zw::cli::addRmgCommands(app, result);
    zw::cli::addRenderCommand(app, result);
    zw::cli::addAnalyzeCommand(app, result);
    zw::cli::addTransformCommand(app, result);
    zw::cli::addGenerateCommand(app, result);
    // Listed in the help; the option itself was taken out of the arguments above.
    std::string language;
    app.add_option("--language", language,
                   ZW_TR("Cli", "язык сообщений и справки: en (английский) или ru (русский, по "
                                "умолчанию)"))
        ->type_name("en|ru");
    zw::cli::useInterfaceLanguage(app);
    try {
        // CLI11 takes the arguments last first.
        std::reverse(args.begin(), args.end());
        app.parse(args);
    } catch (const CLI::ParseError& e) {
        // The help and usage errors (zw::cli::useInterfaceLanguage) may
        // quote a file name: they reach the terminal the way every other
        // text does.
        std::ostringstream out;
        std::ostringstream err;
        const int code = app.exit(e, out, err);
        zw::writeStandard(zw::StandardStream::Output, out.str());
        zw::writeStandard(zw::StandardStream::Error, err.str());
        return code == 0 ? 0 : 2;
    }
    return result;
}
