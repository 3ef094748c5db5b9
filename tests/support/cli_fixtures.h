// The fixture of the command-line suites: the tool run with its streams
// captured in a scratch folder of their own, and the files it reads and
// writes in another.
#pragma once

#include "model/project_file.h"
#include "support/cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace zw::test {

// `args` followed by `more`.
inline std::vector<std::string> joined(std::vector<std::string> args,
                                       const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// `path` with '/' for every '\\'.
inline std::string withSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// `path` from the root of its drive: with '/' and without "C:".
inline std::string rootedPath(const std::string& path) {
    const std::string slashed = withSlashes(path);
    return slashed.size() > 1 && slashed[1] == ':' ? slashed.substr(2) : slashed;
}

class CliTest : public ::testing::Test {
  protected:
    CliRun cli(const std::vector<std::string>& args) { return runCli(ZW_CLI, args, io); }
    // Writes `bytes` as the file `name` of dir; returns its path.
    std::string write(const std::string& name, const std::string& bytes) {
        spit(dir.file(name), bytes);
        return dir.file(name);
    }
    std::string project(const TRmg& t, const std::string& name) {
        return write(name, encodeProject(t));
    }

    ScratchDir dir; // inputs and outputs
    ScratchDir io;  // captured terminal streams
};

} // namespace zw::test
