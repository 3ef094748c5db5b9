// The whole-template check of the player structure.
#pragma once

#include "model/records.h"

#include <optional>
#include <string>

namespace zw {

// The message of the first violation (UTF-8, CR line breaks), or nullopt when the template passes.
std::optional<std::string> checkTemplate(const TRmg& t);

inline constexpr std::string_view kNoErrorsFound = "Ошибок не обнаружено";

} // namespace zw
