// transform: mirrors or rotates zones of a project, in place or as a copy for
// other players, by the same rules as the editor's symmetry commands.
#include "cli/commands.h"
#include "cli/common.h"
#include "model/project_file.h"
#include "model/transform.h"
#include "model/translation.h"

#include <memory>

namespace zw::cli {
namespace {

struct TransformOptions {
    std::string in;
    std::string out;
    std::string zones;
    bool mirrorX = false;
    bool mirrorY = false;
    int rotate = 0;
    std::string duplicate;
    bool rotateGiven = false;
    bool duplicateGiven = false;
};

// The one transform the options name, or nullopt after reporting why not.
std::optional<Symmetry> chosenSymmetry(const TransformOptions& o) {
    const int given = (o.mirrorX ? 1 : 0) + (o.mirrorY ? 1 : 0) + (o.rotateGiven ? 1 : 0);
    if (given != 1) {
        printError(
            ZW_TR("Cli", "нужен ровно один из параметров --mirror-x, --mirror-y и --rotate"));
        return std::nullopt;
    }
    if (o.mirrorX)
        return Symmetry::MirrorLeftRight;
    if (o.mirrorY)
        return Symmetry::MirrorTopBottom;
    switch (o.rotate) {
    case 90:
        return Symmetry::Rotate90;
    case 180:
        return Symmetry::Rotate180;
    case 270:
        return Symmetry::Rotate270;
    default:
        printError(withArguments(ZW_TR("Cli", "--rotate: ожидается 90, 180 или 270, а не %1"),
                                 {std::to_string(o.rotate)}));
        return std::nullopt;
    }
}

int runTransform(const TransformOptions& o) {
    const auto symmetry = chosenSymmetry(o);
    if (!symmetry)
        return kExitBadInput;
    OwnerMap owners = identityOwnerMap();
    if (o.duplicateGiven) {
        auto parsed = parseOwnerMap(o.duplicate);
        if (const auto* error = std::get_if<ArgumentError>(&parsed)) {
            printError("--duplicate: " + error->message);
            return kExitBadInput;
        }
        owners = std::get<OwnerMap>(parsed);
    }
    const auto t = readProject(o.in);
    if (!t)
        return kExitBadInput;
    auto selection = parseZoneList(o.zones, t->zones.size());
    if (const auto* error = std::get_if<ArgumentError>(&selection)) {
        printError("--zones: " + error->message);
        return kExitBadInput;
    }
    const auto& indices = std::get<std::vector<int32_t>>(selection);
    const EditResult result = o.duplicateGiven ? duplicateZones(*t, indices, *symmetry, owners)
                                               : transformZones(*t, indices, *symmetry);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        printError(refusal->message);
        return kExitRefused;
    }
    return writeOutput(o.out, encodeProject(std::get<TRmg>(result))) ? kExitOk : kExitBadInput;
}

} // namespace

void addTransformCommand(CLI::App& app, int& result) {
    auto o = std::make_shared<TransformOptions>();
    auto* cmd = app.add_subcommand(
        "transform",
        ZW_TR("Cli", "Отразить или повернуть локации на месте относительно центра их области "
                     "сетки или скопировать их рядом для других игроков"));
    addPathOption(cmd, "IN", o->in, ZW_TR("Cli", "файл проекта для чтения (.tpz)"))->required();
    addPathOption(cmd, "OUT", o->out, ZW_TR("Cli", "файл проекта для записи (.tpz)"))->required();
    cmd->add_option("--zones", o->zones, ZW_TR("Cli", "номера локаций, например 1,3-5"))
        ->required();
    cmd->add_flag("--mirror-x", o->mirrorX, ZW_TR("Cli", "отразить слева направо"));
    cmd->add_flag("--mirror-y", o->mirrorY, ZW_TR("Cli", "отразить сверху вниз"));
    auto* rotate =
        cmd->add_option("--rotate", o->rotate,
                        ZW_TR("Cli", "повернуть по часовой стрелке на 90, 180 или 270 градусов"));
    auto* duplicate = cmd->add_option(
        "--duplicate", o->duplicate,
        ZW_TR("Cli",
              "вместо этого скопировать локации, владельцы заменяются парами A=B[,C=D...] "
              "игроков 1..8; копия поворачивается вокруг узла сразу за правым нижним углом "
              "локаций и ложится через один свободный столбец или ряд: справа (--mirror-x, "
              "--rotate 90), снизу (--mirror-y, --rotate 270) или справа снизу (--rotate 180)"));
    cmd->callback([&result, o, rotate, duplicate] {
        o->rotateGiven = rotate->count() > 0;
        o->duplicateGiven = duplicate->count() > 0;
        result = runTransform(*o);
    });
}

} // namespace zw::cli
