// The whole-template check of the player structure.
#pragma once

#include "model/records.h"
#include "model/translation.h"

#include <optional>
#include <string>

namespace zw {

// The message of the first violation (UTF-8, CR line breaks), or nullopt when the template passes.
std::optional<std::string> checkTemplate(const TRmg& t);

// Shown through translated("Check", kNoErrorsFound).
inline constexpr std::string_view kNoErrorsFound = ZW_TR_NOOP("Check", "Ошибок не обнаружено");

} // namespace zw
