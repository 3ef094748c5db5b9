// The rule a template name must keep to be written into rmg.txt and found there
// again: at most 64 bytes, and no TAB, CR or LF (which would split or merge rows).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zw {

inline constexpr size_t kMaxTemplateNameLength = 64;

// The message refusing a Windows-1251 name, or nullopt when the name is fine.
std::optional<std::string> templateNameProblem(std::string_view cp1251Name);

// The same for a name typed on screen (UTF-8), which must also fit Windows-1251.
std::optional<std::string> typedTemplateNameProblem(std::string_view utf8Name);

} // namespace zw
