#include "support/scratch_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace zw::test {

std::filesystem::path fsPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Path(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

// A random name, created exclusively: mkdtemp is not there on Windows.
ScratchDir::ScratchDir(const std::string& parent) {
    const std::filesystem::path where =
        parent.empty() ? std::filesystem::temp_directory_path() : fsPath(parent);
    std::random_device rd;
    for (;;) {
        const auto candidate = where / ("zw-test-" + std::to_string(rd()) + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = utf8Path(candidate);
            break;
        }
    }
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(fsPath(path_), ec);
}

std::string ScratchDir::listing() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(fsPath(path_)))
        names.push_back(utf8Path(e.path().filename()));
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& n : names)
        out += n + "\n";
    return out;
}

std::string slurp(const std::string& path) {
    std::ifstream in(fsPath(path), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void spit(const std::string& path, std::string_view bytes) {
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void setAge(const std::string& path, std::chrono::seconds age) {
    std::filesystem::last_write_time(fsPath(path),
                                     std::filesystem::file_time_type::clock::now() - age);
}

} // namespace zw::test
