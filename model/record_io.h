// Byte images of the fixed-layout records, as the project file stores them.
//
// Every field is written at its own explicit offset, little-endian, whatever
// the compiler's layout of the structs; padding bytes are written as zeros and
// ignored on reading. A flag byte reads as true when it is non-zero. Values are
// taken as they are: range checks belong to the callers.
#pragma once

#include "model/records.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace zw {

inline constexpr size_t kTemplateHeaderBytes = 12;
inline constexpr size_t kPlayerKindTableBytes = 32;
inline constexpr size_t kPassageRecordBytes = 28;
inline constexpr size_t kZoneRecordBytes = 164;
inline constexpr size_t kConnectionRecordBytes = 236;

// Little-endian integers in a byte buffer.
void appendInt32(std::string& out, int32_t v);
int32_t readInt32(const uint8_t* p);

// Each append writes exactly the record's byte count at the end of `out`.
void appendTemplateHeader(std::string& out, const TemplateHeader& h);
void appendPlayerKinds(std::string& out, const PlayerKindTable& k);
void appendZone(std::string& out, const ZoneRecord& z);
void appendConnection(std::string& out, const ConnectionRecord& c);

// Each read takes exactly the record's byte count starting at `p`.
TemplateHeader readTemplateHeader(const uint8_t* p);
PlayerKindTable readPlayerKinds(const uint8_t* p);
ZoneRecord readZone(const uint8_t* p);
ConnectionRecord readConnection(const uint8_t* p);

} // namespace zw
