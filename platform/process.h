// Facts about the running program that the core needs without Qt.
#pragma once

#include <string>
#include <vector>

namespace zw {

// The folder of the running executable (for header.txt and the help text),
// without a trailing separator; "." when it cannot be found.
std::string executableFolder();

// The command-line arguments after the program name, as UTF-8. On Windows they
// are read from the UTF-16 command line, so a file with a Cyrillic name that
// Explorer hands over arrives intact; elsewhere they are argv as given.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Makes standard output and error write bytes as given: on Windows they would
// otherwise turn every LF into CR LF.
void useBinaryStandardStreams();

} // namespace zw
