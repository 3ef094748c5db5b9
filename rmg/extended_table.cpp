#include "rmg/extended_table.h"

#include "model/numbers.h"
#include "model/text.h"
#include "model/translation.h"
#include "rmg/import.h"
#include "rmg/table.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <unordered_map>

namespace zw {

namespace {

constexpr std::string_view kSectionNames[4] = {"Pack", "Map", "Zone", "Connections"};

// The start of every refusal: what the table was taken for.
std::string refusal(std::string_view detail) {
    return withArguments(ZW_TR("Rmg", "Таблица в расширенном формате не читается: %1"), {detail});
}

std::string fieldCountMismatch(int32_t length, std::string_view sectionName) {
    return withArguments(
        ZW_TR("Rmg", "число полей в строке данных (%1) не сходится с заголовком раздела %2"),
        {std::to_string(length), sectionName});
}

std::string lowered(std::string_view s) {
    return asciiLowercase(trimCell(s));
}

// One step of finding the classic columns of a section: a column of a given
// field name at or after the cursor, or a run of columns right after it.
struct Step {
    std::string_view field; // empty: a run
    int count = 0;          // a run's length: a fixed number, or minus the field count's number
    int classic = -1;       // classic cell of the column or of the run's first column
    int classicTake = 0;    // how many of the run's columns are classic
};

// Field counts by number, for the steps' negative counts.
enum CountRef { kTown = 1, kTerrain, kZoneType, kPackNew, kMapNew, kZoneNew, kConnectionNew };

int32_t countOf(const FieldCounts& c, int ref) {
    switch (ref) {
    case kTown:
        return c.town;
    case kTerrain:
        return c.terrain;
    case kZoneType:
        return c.zoneType;
    case kPackNew:
        return c.packNew;
    case kMapNew:
        return c.mapNew;
    case kZoneNew:
        return c.zoneNew;
    default:
        return c.connectionNew;
    }
}

const std::vector<Step>& stepsOf(TableSection s) {
    static const std::vector<Step> map = {
        {"Name", 0, col::Name, 0},
        {"Minimum Size", 0, col::MinSize, 0},
        {"Maximum Size", 0, col::MaxSize, 0},
    };
    static const std::vector<Step> zone = {
        {"Id", 0, col::Zone, 0},
        {{}, -kZoneType, col::HumanStart, 4},
        {"Base Size", 0, col::Size, 0},
        {{}, 4, col::MinHumans, 4},
        {"Ownership", 0, col::Owner, 0},
        {{}, 8, col::PlayerTowns, 8},
        {"Towns are of same type", 0, col::SameTownType, 0},
        {{}, -kTown, col::TownTypes, kTownTypeCount},
        {"Wood", 0, col::Mines, 0},
        {{}, 13, col::Mines + 1, 13},
        {"Match to town", 0, col::TerrainMatchesTown, 0},
        {{}, -kTerrain, col::Terrains, kTerrainCount},
        {"Strength", 0, col::MonsterStrength, 0},
        {"Match to town", 0, col::MonstersMatchTown, 0},
        {"Neutral", 0, col::MonsterTypes, 0},
        {{}, -kTown, col::MonsterTypes + 1, kMonsterTypeCount - 1},
        {"Low", 0, col::Treasure1, 0},
        {{}, 8, col::Treasure1 + 1, 8},
    };
    static const std::vector<Step> connections = {
        {"Zone 1", 0, col::PassageLow, 0},
        {"Zone 2", 0, col::PassageHigh, 0},
        {"Value", 0, col::Guard, 0},
        {"Wide", 0, col::Wide, 0},
        {"Border Guard", 0, col::BorderGuard, 0},
        {{}, -kConnectionNew, -1, 0},
        {{}, 4, col::PassageMinHumans, 4},
    };
    static const std::vector<Step> none;
    switch (s) {
    case TableSection::Map:
        return map;
    case TableSection::Zone:
        return zone;
    case TableSection::Connections:
        return connections;
    default:
        return none;
    }
}

// Finds the classic columns of the section [first, end) by its steps.
std::optional<std::string> mapSection(std::vector<TableColumn>& columns, size_t first, size_t end,
                                      TableSection section, const FieldCounts& counts) {
    const std::vector<Step>& steps = stepsOf(section);
    size_t cursor = first;
    const std::string sectionName(kSectionNames[static_cast<int>(section)]);
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (!step.field.empty()) {
            const std::string wanted = asciiLowercase(step.field);
            size_t at = cursor;
            while (at < end && lowered(columns[at].field) != wanted)
                ++at;
            if (at == end)
                return refusal(withArguments(ZW_TR("Rmg", "в разделе %1 нет столбца «%2»"),
                                             {sectionName, step.field}));
            columns[at].classic = step.classic;
            cursor = at + 1;
            continue;
        }
        const int32_t length = step.count < 0 ? countOf(counts, -step.count) : step.count;
        if (length < step.classicTake || cursor + static_cast<size_t>(length) > end)
            return refusal(fieldCountMismatch(length, sectionName));
        // The run must not swallow the column the next step names.
        if (i + 1 < steps.size() && !steps[i + 1].field.empty()) {
            const std::string next = asciiLowercase(steps[i + 1].field);
            for (size_t c = cursor; c < cursor + static_cast<size_t>(length); ++c)
                if (lowered(columns[c].field) == next)
                    return refusal(fieldCountMismatch(length, sectionName));
        }
        for (int k = 0; k < step.classicTake; ++k)
            columns[cursor + static_cast<size_t>(k)].classic = step.classic + k;
        cursor += static_cast<size_t>(length);
    }
    return std::nullopt;
}

// The number of a trimmed cell, when it is one.
std::optional<int32_t> numberIn(std::string_view raw) {
    return parseInt32(trimCell(cellText(raw)), kTableNumber);
}

std::string_view cellAt(const std::vector<std::string_view>& cells, size_t c) {
    return c < cells.size() ? cells[c] : std::string_view{};
}

// The Ids the table gives the zones: each zone's own while it is unique, the
// smallest free number for the others.
std::vector<int64_t> zoneIds(const TRmg& t) {
    std::vector<int64_t> ids(t.zones.size(), 0);
    std::set<int64_t> used;
    for (size_t i = 0; i < t.zones.size(); ++i) {
        const int32_t id = t.zones[i].kept.id;
        if (id != 0 && used.insert(id).second)
            ids[i] = id;
    }
    int64_t fresh = 1;
    for (int64_t& id : ids) {
        if (id != 0)
            continue;
        while (used.count(fresh))
            ++fresh;
        id = fresh;
        used.insert(fresh);
    }
    return ids;
}

// A template's name as the classic projection reads it back (CR and TAB
// become spaces, line breaks go, the ends are trimmed): a name given as the
// list shows it then finds the kept cell it was read from.
std::string nameAsRead(std::string_view name) {
    std::string text(name);
    std::replace_if(
        text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\t'; }, ' ');
    text = std::string(trimCell(text));
    std::erase(text, '\n');
    return text;
}

const KeptCell* findKept(const std::vector<KeptCell>& cells, std::string_view key) {
    for (const KeptCell& c : cells)
        if (c.name == key)
            return &c;
    return nullptr;
}

// What goes into a classic column: the kept text while the record still
// writes what it wrote when it was read, the record's value otherwise.
std::string classicCell(const std::vector<KeptCell>& kept, std::string_view key,
                        const std::string& value) {
    if (const KeptCell* k = findKept(kept, key); k && k->readAs && *k->readAs == value)
        return writtenCell(k->text, k->quoted);
    return writtenCell(value, false);
}

std::string sectionKey(TableSection s, std::string_view key) {
    return std::string(kSectionNames[static_cast<int>(s)]) + ": " + std::string(key);
}

struct PassageRef {
    const ConnectionRecord* connection = nullptr;
    const PassageRecord* passage = nullptr;
};

} // namespace

bool cutRow(std::string_view buffer, size_t begin, TableRow& row,
            std::vector<std::string_view>& cells) {
    cells.clear();
    row.begin = begin;
    const size_t n = buffer.size();
    const char* data = buffer.data();
    size_t pos = begin;
    for (;;) {
        const size_t cellStart = pos;
        if (pos < n && data[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= n) {
                    row.end = row.next = n;
                    cells.push_back(buffer.substr(cellStart));
                    return false;
                }
                if (data[pos] == '"') {
                    if (pos + 1 < n && data[pos + 1] == '"') {
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                ++pos;
            }
        }
        while (pos < n && data[pos] != '\t' && data[pos] != '\n')
            ++pos;
        if (pos < n && data[pos] == '\t') {
            cells.push_back(buffer.substr(cellStart, pos - cellStart));
            ++pos;
            continue;
        }
        // The end of the row: a CR before the LF belongs to the line end.
        size_t cellEnd = pos;
        if (pos < n && cellEnd > cellStart && data[cellEnd - 1] == '\r')
            --cellEnd;
        cells.push_back(buffer.substr(cellStart, cellEnd - cellStart));
        row.end = cellEnd;
        row.next = pos < n ? pos + 1 : n;
        return true;
    }
}

std::string cellText(std::string_view raw) {
    if (raw.empty() || raw.front() != '"')
        return std::string(raw);
    std::string text;
    size_t i = 1;
    while (i < raw.size()) {
        if (raw[i] == '"') {
            if (i + 1 < raw.size() && raw[i + 1] == '"') {
                text += '"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        text += raw[i++];
    }
    // Anything after the closing quote belongs to the cell as it stands.
    text.append(raw.substr(std::min(i, raw.size())));
    return text;
}

std::string writtenCell(std::string_view text, bool quoted) {
    // A CR is read as a line end only right before the LF that ends a row:
    // the row's last cell takes care of that (joinRow).
    const bool needs = text.find_first_of("\t\n") != std::string_view::npos ||
                       (!text.empty() && text.front() == '"');
    if (!quoted && !needs)
        return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

bool claimsExtendedLayout(std::string_view buffer) {
    TableRow row;
    std::vector<std::string_view> cells;
    // Only the first row's first cell counts; a long first row is cut once.
    cutRow(buffer.substr(0, std::min<size_t>(buffer.size(), 4096)), 0, row, cells);
    return !cells.empty() && cellText(cells.front()) == "Pack";
}

std::variant<ExtendedTable, std::string> ExtendedTable::read(std::string_view buffer) {
    ExtendedTable t;
    t.buffer_ = buffer;
    std::vector<std::string_view> cells;
    std::array<std::vector<std::string_view>, 4> head;

    // The rows: the three header rows are kept cut, the others are checked
    // against the header as they are cut and then only their places kept.
    size_t pos = 0;
    while (pos < buffer.size()) {
        TableRow row;
        if (!cutRow(buffer, pos, row, cells))
            return refusal(
                withArguments(ZW_TR("Rmg", "кавычка в строке %1 не закрыта до конца таблицы"),
                              {std::to_string(t.rows_.size() + 1)}));
        if (t.rows_.empty())
            t.lineEnd_ = row.end < row.next && buffer[row.end] == '\r' ? "\r\n" : "\n";
        if (t.rows_.size() <= kExtendedHeaderRows)
            head[t.rows_.size()] = cells;
        if (t.rows_.size() == kExtendedHeaderRows) {
            // The header and the first data row are in: the columns.
            if (auto problem = t.readHeader(head))
                return *problem;
        }
        if (t.rows_.size() >= kExtendedHeaderRows && cells.size() > t.columns_.size()) {
            for (size_t c = t.columns_.size(); c < cells.size(); ++c)
                if (!cells[c].empty())
                    return refusal(withArguments(
                        ZW_TR("Rmg", "в строке %1 больше ячеек, чем столбцов в заголовке (%2)"),
                        {std::to_string(t.rows_.size() + 1), std::to_string(t.columns_.size())}));
        }
        t.rows_.push_back(row);
        pos = row.next;
    }
    if (t.rows_.size() <= kExtendedHeaderRows)
        return refusal(ZW_TR("Rmg", "нужны три строки заголовка (Pack, Map, Zone, Connections) и "
                                    "строка данных с числами полей"));

    // The templates: each begins at a row whose Map name is filled.
    for (size_t r = kExtendedHeaderRows; r < t.rows_.size(); ++r) {
        TableRow row;
        cutRow(buffer, t.rows_[r].begin, row, cells);
        // As the template's own reader takes it (without its line breaks), so
        // that a compile under this name writes the kept cell as it was.
        std::string name(trimCell(cellText(cellAt(cells, t.mapName_))));
        std::erase(name, '\n');
        if (name.empty()) {
            if (!t.spans_.empty())
                t.spans_.back().end = r + 1;
            continue;
        }
        t.spans_.push_back({r, r + 1});
        t.entries_.push_back({name, static_cast<int32_t>(t.rows_[r].begin), 0});
    }
    for (size_t k = 0; k < t.spans_.size(); ++k) {
        const Span& s = t.spans_[k];
        const size_t end = t.rows_[s.end - 1].next;
        t.entries_[k].length = static_cast<int32_t>(end - t.rows_[s.first].begin);
        bool hasZone = false;
        for (size_t r = s.first; r < s.end && !hasZone; ++r) {
            TableRow row;
            cutRow(buffer, t.rows_[r].begin, row, cells);
            hasZone = numberIn(cellAt(cells, t.zoneId_)).has_value();
        }
        if (!hasZone)
            return refusal(
                withArguments(ZW_TR("Rmg", "у шаблона «%1» (строка %2) нет ни одной локации"),
                              {cp1251ToUtf8(t.entries_[k].name), std::to_string(s.first + 1)}));
    }
    if (buffer.size() > static_cast<size_t>(INT32_MAX))
        return refusal(ZW_TR("Rmg", "таблица больше 2 ГБ"));
    return t;
}

std::optional<std::string>
ExtendedTable::readHeader(const std::array<std::vector<std::string_view>, 4>& head) {
    const auto& sections = head[0];
    const auto& fields = head[2];
    size_t width = std::max(sections.size(), fields.size());
    // A trailing empty cell of the field row names no column.
    while (width > 0 && cellAt(fields, width - 1).empty() && cellAt(sections, width - 1).empty())
        --width;
    columns_.resize(width);
    std::array<size_t, 5> starts{};
    int current = -1;
    for (size_t c = 0; c < width; ++c) {
        const std::string name(trimCell(cellText(cellAt(sections, c))));
        if (!name.empty()) {
            const int next = current + 1;
            if (next > 3 || name != kSectionNames[next])
                return refusal(withArguments(
                    ZW_TR("Rmg", "в первой строке заголовка ожидался раздел «%1», а стоит «%2» "
                                 "(разделы: Pack, Map, Zone, Connections)"),
                    {next > 3 ? "" : kSectionNames[next], cp1251ToUtf8(name)}));
            current = next;
            starts[static_cast<size_t>(current)] = c;
        }
        if (current < 0)
            return refusal(
                ZW_TR("Rmg", "первая строка заголовка должна начинаться с раздела «Pack»"));
        columns_[c].section = static_cast<TableSection>(current);
        columns_[c].field = std::string(trimCell(cellText(cellAt(fields, c))));
    }
    if (current != 3)
        return refusal(withArguments(ZW_TR("Rmg", "в первой строке заголовка нет раздела «%1»"),
                                     {kSectionNames[current + 1]}));
    starts[4] = width;

    // Keys: a field name that occurs again within its section carries its number.
    std::map<std::pair<int, std::string>, int> seen;
    for (size_t c = 0; c < width; ++c) {
        TableColumn& col = columns_[c];
        std::string base = col.field.empty() ? "(" + std::to_string(c + 1) + ")" : col.field;
        const int n = ++seen[{static_cast<int>(col.section), base}];
        col.key = n == 1 ? base : base + " #" + std::to_string(n);
    }

    // The field counts: the first seven cells of the pack on the first data row.
    const auto& data = head[3];
    std::array<int32_t, 7> n{};
    if (starts[1] < 7)
        return refusal(ZW_TR("Rmg", "в разделе Pack нет семи столбцов чисел полей (Field count)"));
    for (size_t k = 0; k < 7; ++k) {
        const auto v = numberIn(cellAt(data, k));
        if (!v || *v < 0 || *v > 4096)
            return refusal(ZW_TR("Rmg", "первая строка данных не начинается с семи чисел полей "
                                        "(Field count: Town, Terrain, Zone type, Pack new, Map "
                                        "new, Zone new, Connection new)"));
        n[k] = *v;
    }
    counts_ = {n[0], n[1], n[2], n[3], n[4], n[5], n[6]};

    for (int s = 1; s <= 3; ++s)
        if (auto problem = mapSection(columns_, starts[static_cast<size_t>(s)],
                                      starts[static_cast<size_t>(s) + 1],
                                      static_cast<TableSection>(s), counts_))
            return problem;
    for (size_t c = 0; c < width; ++c) {
        if (columns_[c].classic == col::Name)
            mapName_ = c;
        else if (columns_[c].classic == col::Zone)
            zoneId_ = c;
        else if (columns_[c].classic == col::PassageLow)
            zone1_ = c;
        else if (columns_[c].classic == col::PassageHigh)
            zone2_ = c;
    }
    return std::nullopt;
}

std::vector<std::string_view> ExtendedTable::cellsOf(size_t r) const {
    std::vector<std::string_view> cells;
    TableRow row;
    cutRow(buffer_, rows_[r].begin, row, cells);
    if (row.end == row.begin && cells.size() == 1 && cells[0].empty())
        cells.clear();
    return cells;
}

std::string_view ExtendedTable::header() const {
    const size_t end = spans_.empty() ? buffer_.size() : rows_[spans_.front().first].begin;
    return buffer_.substr(0, end);
}

std::vector<std::pair<std::string, std::string>> ExtendedTable::packCells() const {
    std::vector<std::pair<std::string, std::string>> out;
    const auto cells = cellsOf(kExtendedHeaderRows);
    for (size_t c = 0; c < columns_.size() && c < cells.size(); ++c)
        if (columns_[c].section == TableSection::Pack && !cells[c].empty())
            out.emplace_back(columns_[c].key, cellText(cells[c]));
    return out;
}

TRmg ExtendedTable::readTemplate(size_t k) const {
    const Span span = spans_.at(k);
    const size_t count = span.end - span.first;
    std::vector<std::vector<std::string_view>> rows(count);
    for (size_t i = 0; i < count; ++i)
        rows[i] = cellsOf(span.first + i);

    // Zones: the rows whose Id is a number, in row order.
    std::vector<int32_t> zoneOfRow(count, -1);
    std::unordered_map<int32_t, int32_t> ordinalOfId; // the first zone of an Id
    std::vector<int32_t> idOfZone;
    for (size_t i = 0; i < count; ++i) {
        const auto id = numberIn(cellAt(rows[i], zoneId_));
        if (!id || idOfZone.size() >= 65535)
            continue;
        zoneOfRow[i] = static_cast<int32_t>(idOfZone.size());
        idOfZone.push_back(*id);
        ordinalOfId.emplace(*id, static_cast<int32_t>(idOfZone.size()));
    }
    auto ordinal = [&](std::string_view piece) -> int32_t {
        const auto id = parseInt32(piece, kTableNumber);
        if (!id)
            return 0;
        const auto it = ordinalOfId.find(*id);
        return it == ordinalOfId.end() ? 0 : it->second;
    };

    // The classic projection: the classic cells of every row, the zones
    // numbered by their order and the connections naming them so, read by
    // the classic rules.
    std::string block;
    for (size_t i = 0; i < count; ++i) {
        ClassicRow classic;
        for (size_t c = 0; c < columns_.size() && c < rows[i].size(); ++c) {
            const int k2 = columns_[c].classic;
            if (k2 < 0)
                continue;
            std::string text = cellText(rows[i][c]);
            // The classic rows end at CR and cut at TAB.
            std::replace_if(
                text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\t'; }, ' ');
            classic[static_cast<size_t>(k2)] = std::move(text);
        }
        classic[col::Zone] = zoneOfRow[i] >= 0 ? std::to_string(zoneOfRow[i] + 1) : "";
        if (const int32_t b = ordinal(trimCell(classic[col::PassageHigh])); b > 0) {
            std::string pieces;
            std::string_view rest = trimCell(classic[col::PassageLow]);
            for (;;) {
                const size_t comma = rest.find(',');
                if (!pieces.empty() || comma != 0)
                    pieces += std::to_string(ordinal(rest.substr(0, comma)));
                if (comma == std::string_view::npos)
                    break;
                pieces += ',';
                rest.remove_prefix(comma + 1);
            }
            classic[col::PassageLow] = pieces;
            classic[col::PassageHigh] = std::to_string(b);
        } else {
            classic[col::PassageLow].clear();
            classic[col::PassageHigh].clear();
        }
        for (size_t c = 0; c < classic.size(); ++c) {
            if (c > 0)
                block += '\t';
            block += classic[c];
        }
        block += "\r\n";
    }
    TRmg t = zw::readTemplate(block);
    for (size_t z = 0; z < t.zones.size() && z < idOfZone.size(); ++z)
        t.zones[z].kept.id = idOfZone[z];

    // Which passage each row's connection became, as the classic rules
    // collect them: a pair's passages fill its last connection, eight at most.
    std::vector<std::optional<std::pair<size_t, size_t>>> passageOfRow(count);
    {
        std::map<std::pair<int32_t, int32_t>, size_t> open;
        std::vector<int> used;
        const auto zones = static_cast<int32_t>(t.zones.size());
        for (size_t i = 0; i < count; ++i) {
            const int32_t b = ordinal(trimCell(cellText(cellAt(rows[i], zone2_))));
            if (b <= 0 || b > zones)
                continue;
            const std::string firstZones = cellText(cellAt(rows[i], zone1_));
            std::string_view rest = trimCell(firstZones);
            bool first = true;
            for (;;) {
                const size_t comma = rest.find(',');
                const int32_t a = ordinal(rest.substr(0, comma));
                if (a > 0 && a <= zones) {
                    const auto key = std::minmax(a, b);
                    auto it = open.find(key);
                    size_t c;
                    if (it != open.end() && used[it->second] < kPassageSlots) {
                        c = it->second;
                    } else {
                        c = used.size();
                        used.push_back(0);
                        open[key] = c;
                    }
                    const auto slot = static_cast<size_t>(used[c]++);
                    if (first)
                        passageOfRow[i] = std::pair{c, slot};
                    first = false;
                }
                if (comma == std::string_view::npos)
                    break;
                rest.remove_prefix(comma + 1);
            }
        }
    }

    // What the records write, for telling the cells they hold as written
    // from those they don't: the template as a compile writes it.
    TRmg written = t;
    refreshConditions(written);
    const std::vector<int64_t> ids = zoneIds(written);

    for (size_t i = 0; i < count; ++i) {
        const auto& cells = rows[i];
        const bool first = i == 0;
        const bool tableFirst = span.first + i == kExtendedHeaderRows;
        ZoneRecord* zone = zoneOfRow[i] >= 0 && static_cast<size_t>(zoneOfRow[i]) < t.zones.size()
                               ? &t.zones[static_cast<size_t>(zoneOfRow[i])]
                               : nullptr;
        PassageRecord* passage = nullptr;
        ClassicRow classic;
        if (first)
            fillTemplateCells(classic, written, t.name);
        if (zone) {
            const auto z = static_cast<size_t>(zoneOfRow[i]);
            zone->kept.row = static_cast<int32_t>(i);
            fillZoneCells(classic, written, z, ids[z]);
        }
        if (passageOfRow[i] && passageOfRow[i]->first < t.connections.size()) {
            ConnectionRecord& c = t.connections[passageOfRow[i]->first];
            passage = &c.passages[passageOfRow[i]->second];
            passage->kept.row = static_cast<int32_t>(i);
            const ConnectionRecord& w = written.connections[passageOfRow[i]->first];
            fillPassageCells(classic, ids[static_cast<size_t>(w.zoneA)],
                             ids[static_cast<size_t>(w.zoneB)],
                             w.passages[passageOfRow[i]->second]);
        }
        KeptRow rest;
        rest.row = static_cast<int32_t>(i);
        if (cells.size() != columns_.size())
            rest.cellCount = static_cast<int32_t>(cells.size());
        for (size_t c = 0; c < columns_.size(); ++c) {
            const TableColumn& column = columns_[c];
            const std::string_view raw = cellAt(cells, c);
            std::vector<KeptCell>* owner = nullptr;
            switch (column.section) {
            case TableSection::Pack:
                if (tableFirst)
                    continue; // the table's own cells
                break;
            case TableSection::Map:
                if (first)
                    owner = &t.kept.cells;
                break;
            case TableSection::Zone:
                if (zone)
                    owner = &zone->kept.cells;
                break;
            case TableSection::Connections:
                if (passage)
                    owner = &passage->kept.cells;
                break;
            }
            const bool quoted = !raw.empty() && raw.front() == '"';
            if (owner && column.classic >= 0) {
                const std::string& value = classic[static_cast<size_t>(column.classic)];
                if (raw != value)
                    owner->push_back({column.key, cellText(raw), value, quoted});
            } else if (!raw.empty()) {
                if (owner)
                    owner->push_back({column.key, cellText(raw), std::nullopt, quoted});
                else
                    rest.cells.push_back({sectionKey(column.section, column.key), cellText(raw),
                                          std::nullopt, quoted});
            }
        }
        // A row no record holds is kept as a row, empty or not, so that it
        // goes back where it was.
        if (!rest.cells.empty() || rest.cellCount >= 0 || (!first && !zone && !passage))
            t.kept.rows.push_back(std::move(rest));
    }
    return t;
}

std::string ExtendedTable::joinRow(const std::vector<std::string>& cells) const {
    std::string out;
    for (size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out += '\t';
        out += cells[c];
    }
    // A CR right before the LF is read as part of the line end, so a last
    // cell ending in CR (read from a row that ended in CR LF) keeps its CRs
    // with a CR LF after it: the row reads back the same and its bytes stay
    // as they were, where quoting the cell would change both.
    const bool lastEndsInCr = !cells.empty() && !cells.back().empty() &&
                              cells.back().back() == '\r' && cells.back().front() != '"';
    out += lastEndsInCr ? std::string_view("\r\n") : std::string_view(lineEnd_);
    return out;
}

std::string ExtendedTable::writeTemplate(const TRmg& t, std::string_view name,
                                         bool withPack) const {
    const std::vector<int64_t> ids = zoneIds(t);

    // Rows of the zones: each where it was read while the order allows.
    std::vector<int32_t> zoneRow(t.zones.size());
    int32_t last = -1;
    for (size_t i = 0; i < t.zones.size(); ++i) {
        const int32_t want = t.zones[i].kept.row;
        last = want > last ? want : last + 1;
        zoneRow[i] = last;
    }
    // Rows of the passages: where they were read when that row is free, the
    // others after every row a passage or a kept connection holds.
    std::vector<PassageRef> passages;
    for (const ConnectionRecord& c : t.connections)
        for (int s = 0; s < passagesInUse(c); ++s)
            passages.push_back({&c, &c.passages[static_cast<size_t>(s)]});
    std::vector<int32_t> passageRow(passages.size(), -1);
    std::set<int32_t> taken;
    for (const KeptRow& r : t.kept.rows)
        for (const KeptCell& c : r.cells)
            if (c.name.rfind("Connections: ", 0) == 0)
                taken.insert(r.row);
    for (size_t j = 0; j < passages.size(); ++j) {
        const int32_t want = passages[j].passage->kept.row;
        if (want >= 0 && taken.insert(want).second)
            passageRow[j] = want;
    }
    int32_t free = taken.empty() ? 0 : *taken.rbegin() + 1;
    for (size_t j = 0; j < passages.size(); ++j)
        if (passageRow[j] < 0)
            passageRow[j] = free++;

    // The rows in use, in order: a row that lost every record it held goes.
    std::map<int32_t, std::pair<int, int>> plan; // row: zone, passage (-1 none)
    plan.try_emplace(0, -1, -1);
    for (size_t i = 0; i < zoneRow.size(); ++i)
        plan.try_emplace(zoneRow[i], -1, -1).first->second.first = static_cast<int>(i);
    for (size_t j = 0; j < passageRow.size(); ++j) {
        auto [it, inserted] = plan.try_emplace(passageRow[j], -1, -1);
        it->second.second = static_cast<int>(j);
    }
    std::map<int32_t, const KeptRow*> keptRows;
    for (const KeptRow& r : t.kept.rows) {
        keptRows[r.row] = &r;
        plan.try_emplace(r.row, -1, -1);
    }

    std::vector<std::string_view> pack;
    if (withPack)
        pack = cellsOf(kExtendedHeaderRows);
    std::string out;
    std::vector<std::string> cells;
    for (const auto& [r, held] : plan) {
        cells.assign(columns_.size(), std::string());
        ClassicRow classic;
        const ZoneRecord* zone =
            held.first >= 0 ? &t.zones[static_cast<size_t>(held.first)] : nullptr;
        const PassageRecord* passage = nullptr;
        if (r == 0)
            fillTemplateCells(classic, t, nameAsRead(name));
        if (zone)
            fillZoneCells(classic, t, static_cast<size_t>(held.first),
                          ids[static_cast<size_t>(held.first)]);
        if (held.second >= 0) {
            const PassageRef& p = passages[static_cast<size_t>(held.second)];
            passage = p.passage;
            const auto a = static_cast<size_t>(p.connection->zoneA);
            const auto b = static_cast<size_t>(p.connection->zoneB);
            fillPassageCells(classic, a < ids.size() ? ids[a] : 0, b < ids.size() ? ids[b] : 0,
                             *passage);
        }
        for (size_t c = 0; c < columns_.size(); ++c) {
            const TableColumn& column = columns_[c];
            const std::vector<KeptCell>* kept = nullptr;
            bool owned = false;
            switch (column.section) {
            case TableSection::Pack:
                if (r == 0 && withPack && c < pack.size())
                    cells[c] = std::string(pack[c]);
                continue;
            case TableSection::Map:
                owned = r == 0;
                kept = owned ? &t.kept.cells : nullptr;
                break;
            case TableSection::Zone:
                owned = zone != nullptr;
                kept = zone ? &zone->kept.cells : nullptr;
                break;
            case TableSection::Connections:
                owned = passage != nullptr;
                kept = passage ? &passage->kept.cells : nullptr;
                break;
            }
            if (!owned)
                continue;
            if (column.classic >= 0)
                cells[c] =
                    classicCell(*kept, column.key, classic[static_cast<size_t>(column.classic)]);
            else if (const KeptCell* k = findKept(*kept, column.key))
                cells[c] = writtenCell(k->text, k->quoted);
        }
        size_t width = columns_.size();
        if (const auto it = keptRows.find(r); it != keptRows.end()) {
            for (const KeptCell& k : it->second->cells)
                for (size_t c = 0; c < columns_.size(); ++c)
                    if (cells[c].empty() &&
                        sectionKey(columns_[c].section, columns_[c].key) == k.name) {
                        cells[c] = writtenCell(k.text, k.quoted);
                        break;
                    }
            if (it->second->cellCount >= 0) {
                size_t used = cells.size();
                while (used > 0 && cells[used - 1].empty())
                    --used;
                width = std::max(used, static_cast<size_t>(it->second->cellCount));
            }
        }
        cells.resize(width);
        if (width == 0)
            out += lineEnd_;
        else
            out += joinRow(cells);
    }
    return out;
}

std::string ExtendedTable::packRow() const {
    const auto first = cellsOf(kExtendedHeaderRows);
    std::vector<std::string> cells(columns_.size());
    for (size_t c = 0; c < columns_.size() && c < first.size(); ++c)
        if (columns_[c].section == TableSection::Pack)
            cells[c] = std::string(first[c]);
    return joinRow(cells);
}

std::string ExtendedTable::rowWithPack(size_t r) const {
    const auto first = cellsOf(kExtendedHeaderRows);
    const auto row = cellsOf(r);
    std::vector<std::string> cells(std::max(row.size(), columns_.size()));
    for (size_t c = 0; c < cells.size(); ++c) {
        const bool pack = c < columns_.size() && columns_[c].section == TableSection::Pack;
        cells[c] = std::string(pack ? cellAt(first, c) : cellAt(row, c));
    }
    return joinRow(cells);
}

std::string ExtendedTable::without(size_t k) const {
    const Span span = spans_.at(k);
    const size_t from = rows_[span.first].begin;
    const size_t to = rows_[span.end - 1].next;
    std::string out(buffer_.substr(0, from));
    if (span.first == kExtendedHeaderRows) {
        // The pack's cells go onto the row that is now the first.
        if (span.end < rows_.size()) {
            out += rowWithPack(span.end);
            out.append(buffer_.substr(rows_[span.end].next));
        } else {
            out += packRow();
        }
        return out;
    }
    out.append(buffer_.substr(to));
    return out;
}

std::string ExtendedTable::withoutAll() const {
    if (spans_.empty())
        return std::string(buffer_);
    if (spans_.front().first > kExtendedHeaderRows)
        return std::string(header());
    return std::string(buffer_.substr(0, rows_[kExtendedHeaderRows].begin)) + packRow();
}

std::string ExtendedTable::replaced(size_t k, const TRmg& t, std::string_view name) const {
    const Span span = spans_.at(k);
    const size_t from = rows_[span.first].begin;
    const size_t to = rows_[span.end - 1].next;
    std::string rows = writeTemplate(t, name, span.first == kExtendedHeaderRows);
    // A last row without a line end stays without one. Its line end as
    // written is CR LF where the last cell ends in CR (joinRow), even in a
    // table of LF line ends.
    if (to == buffer_.size() && rows_[span.end - 1].end == to) {
        const size_t written = rows.ends_with("\r\n") ? 2 : rows.ends_with('\n') ? 1 : 0;
        rows.resize(rows.size() - written);
    }
    return std::string(buffer_.substr(0, from)) + rows + std::string(buffer_.substr(to));
}

std::string ExtendedTable::appended(const TRmg& t, std::string_view name) const {
    if (spans_.empty()) {
        // The pack's row alone: the template's first row takes its cells.
        std::string out(buffer_.substr(0, rows_[kExtendedHeaderRows].begin));
        out += writeTemplate(t, name, true);
        out.append(buffer_.substr(rows_[kExtendedHeaderRows].next));
        return out;
    }
    std::string out(buffer_);
    // The last row gets its line end; after a cell ending in CR that is a CR
    // LF, so the cell keeps its CR (joinRow).
    if (!out.empty() && out.back() != '\n')
        out += out.back() == '\r' ? std::string_view("\r\n") : std::string_view(lineEnd_);
    out += writeTemplate(t, name, false);
    return out;
}

} // namespace zw
