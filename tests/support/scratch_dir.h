// A temporary folder for one test, removed with everything in it when the test
// ends, and whole-file helpers that fail the test on error.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace zw::test {

// A UTF-8 path as the standard library's path (which on Windows would read a
// narrow string in the ANSI code page), and back.
std::filesystem::path fsPath(std::string_view utf8);
std::string utf8Path(const std::filesystem::path& path);

// A fresh folder under the system's temporary folder (or under `parent`),
// removed on destruction.
class ScratchDir {
  public:
    ScratchDir() : ScratchDir(std::string()) {}
    explicit ScratchDir(const std::string& parent);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
    // Names of the entries in the folder, sorted.
    std::string listing() const;

  private:
    std::string path_;
};

// The whole of a file, and a file made of `bytes`; both throw on error.
std::string slurp(const std::string& path);
void spit(const std::string& path, std::string_view bytes);
// Sets a file's modification time to `age` before now.
void setAge(const std::string& path, std::chrono::seconds age);

} // namespace zw::test
