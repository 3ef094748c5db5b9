// The ".tpz" project file: the signature "TMPLv099" followed by one zlib stream
// holding the template's fields and raw records.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace zw {

inline constexpr std::string_view kProjectSignature = "TMPLv099";
// The message of a file that is no project file, and the head of every refusal.
inline constexpr std::string_view kProjectLoadFailed = "Не удалось загрузить файл шаблона!";

// Limits a loaded file must keep. Nothing the editor makes comes near them; they
// bound the memory a damaged or hostile file can make the reader spend.
inline constexpr int32_t kMaxProjectRecords = 65535;     // zones, and connections
inline constexpr int32_t kMaxProjectNameBytes = 4 << 20; // the stored form of the name

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
// Reads a whole file image into a separate template, returned only when the
// whole body has been read and checked. Refuses (Corrupt) a truncated body, a
// damaged stream, an unknown name tag, negative or oversized counts, a
// connection whose zones are not in the zone list or whose passage count is
// outside 1..8, and bytes after the last connection inside the body. Bytes
// after the end of the compressed stream are ignored. Other values inside the
// records are kept as they are.
std::variant<TRmg, ProjectLoadFailure> decodeProject(std::string_view fileBytes);

// True when the name's stored form stays within kMaxProjectNameBytes, so that
// a file written with it can be loaded again.
bool nameFitsProject(std::string_view cp1251Name);

inline constexpr std::string_view kProjectExtension = ".tpz";

} // namespace zw
