#include "editor/recent_files.h"

#include "model/translation.h"
#include "platform/files.h"
#include "platform/native_path.h"

#include <algorithm>

namespace zw {

std::string missingRecentFileMessage(std::string_view path) {
    return withArguments(ZW_TR("Editor", "Файл не найден и удален из списка последних файлов:\r%1"),
                         {path});
}

bool RecentFiles::defaultExists(const std::string& path) {
    return fileExists(path);
}

void RecentFiles::erase(const std::string& path) {
    std::erase_if(paths_, [&](const std::string& p) { return samePath(p, path); });
}

void RecentFiles::add(const std::string& path) {
    if (path.empty())
        return;
    erase(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMaxRecentFiles)
        paths_.resize(kMaxRecentFiles);
}

std::optional<std::string>
RecentFiles::dropIfMissing(const std::string& path,
                           const std::function<bool(const std::string&)>& exists) {
    if (exists(path))
        return std::nullopt;
    erase(path);
    return missingRecentFileMessage(path);
}

RecentFiles RecentFiles::fromStrings(const std::vector<std::string>& stored) {
    RecentFiles list;
    for (const std::string& path : stored) {
        if (list.paths_.size() == kMaxRecentFiles)
            break;
        if (path.empty() || path.size() > kMaxRecentPathBytes ||
            std::any_of(list.paths_.begin(), list.paths_.end(),
                        [&](const std::string& p) { return samePath(p, path); }))
            continue;
        list.paths_.push_back(path);
    }
    return list;
}

} // namespace zw
