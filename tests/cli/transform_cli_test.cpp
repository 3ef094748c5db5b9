// transform of zonewright-cli: the result is the core's, refusals exit 1 and
// bad input exits 2, and neither writes anything.
#include "model/project_file.h"
#include "model/transform.h"
#include "support/cli_fixtures.h"
#include "support/group_samples.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zw {
namespace {

using test::templateOf;
using test::zoneAt;

class TransformCli : public test::CliTest {
  protected:
    TransformCli() {
        // Player 1's start zone and a treasure zone; player 2's start zone apart.
        project(templateOf({zoneAt(0, 0, 1, 0), zoneAt(2, 4, 1), zoneAt(4, 1, 2, 0)}, {{0, 1}}),
                "in.tpz");
    }
    test::CliRun transform(std::vector<std::string> args) {
        args.insert(args.begin(), {"transform", in, out});
        return cli(args);
    }
    TRmg input() const { return std::get<TRmg>(decodeProject(test::slurp(in))); }

    std::string in = dir.file("in.tpz");
    std::string out = dir.file("out.tpz");
};

TEST_F(TransformCli, WritesWhatTheCoreComputes) {
    const std::vector<int32_t> sel = {0, 1};
    OwnerMap owners = identityOwnerMap();
    owners[1] = 3;
    const std::string rotated =
        encodeProject(std::get<TRmg>(transformZones(input(), sel, Symmetry::Rotate180)));
    const std::string copied = encodeProject(
        std::get<TRmg>(duplicateZones(input(), sel, Symmetry::MirrorTopBottom, owners)));

    auto r = transform({"--zones", "1-2", "--rotate", "180"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::slurp(out), rotated);
    r = transform({"--zones", "2,1", "--mirror-y", "--duplicate", "1=3"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::slurp(out), copied);
}

TEST_F(TransformCli, RefusalsAndBadInputWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"--zones", "1,2", "--rotate", "90"}, 1, std::string(kNodeTakenMessage)},
        {{"--zones", "4", "--mirror-x"}, 2, "--zones: нет локации 4 (локаций в шаблоне: 3)"},
        {{"--zones", "1", "--rotate", "45"}, 2, "--rotate: ожидается 90, 180 или 270, а не 45"},
        {{"--zones", "1", "--mirror-x", "--rotate", "90"}, 2, "нужен ровно один из"},
        {{"--zones", "1"}, 2, "нужен ровно один из"},
        {{"--zones", "1", "--mirror-x", "--duplicate", "1=9"}, 2, "--duplicate: владелец 9"},
    };
    for (const Case& c : cases) {
        const test::CliRun r = transform(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.message;
    }
}

} // namespace
} // namespace zw
