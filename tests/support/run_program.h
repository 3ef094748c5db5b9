// Runs a program as a user runs it from a terminal, with its two output streams
// captured in files, and returns its exit status.
#pragma once

#include <string>
#include <vector>

namespace zw::test {

// -1 when the program could not be started or did not exit normally.
int runProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& outFile, const std::string& errFile);

} // namespace zw::test
