// The ".tpz" project file: the signature "TMPLv099" followed by one zlib stream
// holding the template's fields and raw records. A template that keeps cells
// of an extended table has them in a tagged section after that stream, which
// readers that know only the stream pass over; a template without any is
// written exactly as before there were kept cells.
#pragma once

#include "model/records.h"
#include "model/translation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace zw {

inline constexpr std::string_view kProjectSignature = "TMPLv099";
// The message of a file that is no project file, and the head of every refusal.
inline constexpr std::string_view kProjectLoadFailed =
    ZW_TR_NOOP("Model", "Не удалось загрузить файл шаблона!");

// Limits a loaded file must keep. Nothing the editor makes comes near them; they
// bound the memory a damaged or hostile file can make the reader spend.
inline constexpr int32_t kMaxProjectRecords = 65535;     // zones, and connections
inline constexpr int32_t kMaxProjectNameBytes = 4 << 20; // the stored form of the name
// The kept cells: cells and kept rows of all records together, and the bytes
// of their section unpacked. A table of 130 columns reaches the first with
// some 7700 zones.
inline constexpr int32_t kMaxProjectKeptCells = 1'000'000;
inline constexpr int32_t kMaxProjectKeptBytes = 64 << 20;

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
// The whole file: signature and a zlib stream at level 9, and the kept cells'
// section when the template keeps anything (a cell, a kept row, a record's row
// or Id).
std::string encodeProject(const TRmg& t);
// Reads a whole file image into a separate template, returned only when the
// whole body has been read and checked. Refuses (Corrupt) a truncated body, a
// damaged stream, an unknown name tag, negative or oversized counts, a
// connection whose zones are not in the zone list or whose passage count is
// outside 1..8, and bytes after the last connection inside the body. After the
// end of the compressed stream, the kept cells' section is read when its tag
// begins what follows (refused when it is cut short, damaged, of an unknown
// version, beyond the limits, names a record twice or one that isn't there,
// or a record's cell twice); any other bytes there are ignored. Other values inside the records
// are kept as they are.
std::variant<TRmg, ProjectLoadFailure> decodeProject(std::string_view fileBytes);

// True when the name's stored form stays within kMaxProjectNameBytes, so that
// a file written with it can be loaded again.
bool nameFitsProject(std::string_view cp1251Name);
// The same for the template's kept cells and the limits on them.
bool keptFitsProject(const TRmg& t);

inline constexpr std::string_view kProjectExtension = ".tpz";

} // namespace zw
