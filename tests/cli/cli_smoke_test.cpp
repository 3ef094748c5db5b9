#include "support/model_samples.h"
#include "support/run_program.h"

#include <gtest/gtest.h>
#include <string>

TEST(Cli, HelpRuns) {
    zw::test::ScratchDir io;
    EXPECT_EQ(zw::test::runProgram(ZW_CLI, {"--help"}, io.file("out"), io.file("err")), 0);
}
