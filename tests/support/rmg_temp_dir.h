// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace zw::testing {

class RmgTempDir {
  public:
    RmgTempDir() {
        std::random_device rd;
        for (;;) {
            path_ = std::filesystem::temp_directory_path() /
                    ("zw-rmg-" + std::to_string(rd()) + std::to_string(rd()));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~RmgTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    RmgTempDir(const RmgTempDir&) = delete;
    RmgTempDir& operator=(const RmgTempDir&) = delete;

    std::string file(std::string_view name) const { return (path_ / name).string(); }
    std::string dir() const { return path_.string(); }

    static void write(const std::string& path, std::string_view bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    std::filesystem::path path_;
};

} // namespace zw::testing
