#include "model/record_io.h"

#include "model/record_fields.h"

#include <array>

namespace zw {
namespace {

// Writes each value at the start of `p`, which the image has room for.
void store(uint8_t* p, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (size_t k = 0; k < 4; ++k)
        p[k] = static_cast<uint8_t>(u >> (8 * k));
}
void store(uint8_t* p, bool v) {
    *p = v ? 1 : 0;
}
template <LaidOutRecord Record> void store(uint8_t* p, const Record& r);
template <class Element, size_t N> void store(uint8_t* p, const std::array<Element, N>& values) {
    for (size_t k = 0; k < N; ++k)
        store(p + k * StoredWidth<Element>::bytes, values[k]);
}
template <LaidOutRecord Record> void store(uint8_t* p, const Record& r) {
    forEachField<Record>([&](const auto& f) { store(p + f.offset, r.*(f.member)); });
}

// Reads each value from the start of `p`.
void load(const uint8_t* p, int32_t& v) {
    v = readInt32(p);
}
void load(const uint8_t* p, bool& v) {
    v = *p != 0;
}
template <LaidOutRecord Record> void load(const uint8_t* p, Record& r);
template <class Element, size_t N> void load(const uint8_t* p, std::array<Element, N>& values) {
    for (size_t k = 0; k < N; ++k)
        load(p + k * StoredWidth<Element>::bytes, values[k]);
}
template <LaidOutRecord Record> void load(const uint8_t* p, Record& r) {
    forEachField<Record>([&](const auto& f) { load(p + f.offset, r.*(f.member)); });
}

// The record's image, zero-filled first so that padding stays zero.
template <class Record> void appendRecord(std::string& out, const Record& r) {
    std::array<uint8_t, RecordLayout<Record>::bytes> image{};
    store(image.data(), r);
    out.append(reinterpret_cast<const char*>(image.data()), image.size());
}

// Every field is overwritten, so the starting values do not matter.
template <class Record> Record readRecord(const uint8_t* p) {
    Record r{};
    load(p, r);
    return r;
}

} // namespace

void appendInt32(std::string& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k)
        out += static_cast<char>(static_cast<uint8_t>(u >> (8 * k)));
}

int32_t readInt32(const uint8_t* p) {
    const uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(u);
}

void appendTemplateHeader(std::string& out, const TemplateHeader& h) {
    appendRecord(out, h);
}

void appendPlayerKinds(std::string& out, const PlayerKindTable& k) {
    appendRecord(out, k);
}

void appendZone(std::string& out, const ZoneRecord& z) {
    appendRecord(out, z);
}

void appendConnection(std::string& out, const ConnectionRecord& c) {
    appendRecord(out, c);
}

TemplateHeader readTemplateHeader(const uint8_t* p) {
    return readRecord<TemplateHeader>(p);
}

PlayerKindTable readPlayerKinds(const uint8_t* p) {
    return readRecord<PlayerKindTable>(p);
}

ZoneRecord readZone(const uint8_t* p) {
    return readRecord<ZoneRecord>(p);
}

ConnectionRecord readConnection(const uint8_t* p) {
    return readRecord<ConnectionRecord>(p);
}

} // namespace zw
