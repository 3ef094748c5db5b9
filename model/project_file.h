// The ".tpz" project file: the signature "TMPLv099" followed by one zlib stream
// holding the template's fields and raw records.
#pragma once

#include "model/records.h"

#include <string>
#include <string_view>
#include <variant>

namespace zw {

inline constexpr std::string_view kProjectSignature = "TMPLv099";

// Why a file was refused.
enum class ProjectError {
    BadSignature, // "Не удалось загрузить файл шаблона!"
    Corrupt,      // truncated, not a valid stream, unknown tag, counts or indices out of range
};

struct ProjectLoadFailure {
    ProjectError error;
    std::string message; // UTF-8, for the user: names the reason
};

// The decompressed body of a template (fields 1 to 7).
std::string encodeProjectBody(const TRmg& t);
// The whole file: signature and a zlib stream at level 9.
std::string encodeProject(const TRmg& t);
// Reads a whole file image into a separate template; nothing is half-read.
std::variant<TRmg, ProjectLoadFailure> decodeProject(std::string_view fileBytes);

// ".tpz" appended unless the extension, with A-Z lowered, already is ".tpz".
std::string withProjectExtension(const std::string& path);

} // namespace zw
