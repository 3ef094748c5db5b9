// Names read from the recovery folder and the recent-file list read from the
// settings store: any bytes give a bounded, clean result.
#include "editor/recent_files.h"
#include "editor/recovery.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= bytes.size()) {
        const size_t nl = std::min(bytes.find('\n', start), bytes.size());
        lines.emplace_back(bytes.substr(start, nl - start));
        start = nl + 1;
    }

    for (const std::string& line : lines) {
        // A recovery file name is exactly the name made for its process id.
        if (const auto pid = zw::recoveryFilePid(line))
            if (*pid <= 0 || zw::recoveryFileName(*pid) != line)
                std::abort();
        // The question keeps its three lines whatever the name holds.
        const std::string q = zw::recoveryQuestion(line, std::tm{});
        if (std::count(q.begin(), q.end(), '\r') != 2 || q.find('\n') != std::string::npos)
            std::abort();
    }

    zw::RecentFiles recent = zw::RecentFiles::fromStrings(lines);
    for (const std::string& line : lines)
        recent.add(line);
    const auto& paths = recent.paths();
    if (paths.size() > zw::kMaxRecentFiles)
        std::abort();
    for (size_t i = 0; i < paths.size(); ++i)
        if (paths[i].empty() || std::count(paths.begin(), paths.end(), paths[i]) != 1)
            std::abort();
    return 0;
}
