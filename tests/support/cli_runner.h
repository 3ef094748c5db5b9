// Runs zonewright-cli as a user runs it, capturing its exit status and both
// terminal streams. For the command-line test suites (ZW_CLI names the tool).
#pragma once

#include "support/model_samples.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zw::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CliRunner {
  public:
    CliRun run(const std::vector<std::string>& args) {
        std::string cmd = shellQuoted(ZW_CLI);
        for (const auto& a : args)
            cmd += " " + shellQuoted(a);
        cmd += " >" + shellQuoted(io_.file("out")) + " 2>" + shellQuoted(io_.file("err"));
        const int raw = std::system(cmd.c_str());
        CliRun r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(io_.file("out"));
        r.err = slurp(io_.file("err"));
        return r;
    }

  private:
    ScratchDir io_;
};

} // namespace zw::test
