// Extended tables: any bytes either read as a table in the extended layout or
// are refused with a message. A table that reads gives templates whose
// connections name existing zones; writing each template back into the table
// and reading it again gives the same template, and writing that once more
// gives the same bytes (nothing is torn or lost on the way).
#include "rmg/extended_table.h"
#include "rmg/table.h"

#include <cstdlib>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view buffer(reinterpret_cast<const char*>(data), size);
    if (!zw::claimsExtendedLayout(buffer))
        return 0;
    auto read = zw::ExtendedTable::read(buffer);
    if (const auto* message = std::get_if<std::string>(&read)) {
        check(!message->empty());
        return 0;
    }
    const auto& table = std::get<zw::ExtendedTable>(read);
    check(!table.packCells().empty());
    const size_t count = std::min<size_t>(table.templates().size(), 4);
    for (size_t k = 0; k < count; ++k) {
        zw::TRmg t = table.readTemplate(k);
        const auto zones = static_cast<int32_t>(t.zones.size());
        check(zones > 0);
        for (const auto& c : t.connections)
            check(c.zoneA >= 0 && c.zoneA < zones && c.zoneB >= 0 && c.zoneB < zones &&
                  c.passageCount >= 1 && c.passageCount <= 8);
        zw::refreshConditions(t);
        const std::string name = table.templates()[k].name;
        const std::string once = table.replaced(k, t, name);

        auto again = zw::ExtendedTable::read(once);
        const auto* reread = std::get_if<zw::ExtendedTable>(&again);
        check(reread && reread->templates().size() == table.templates().size());
        zw::TRmg back = reread->readTemplate(k);
        zw::refreshConditions(back);
        check(back == t);
        check(reread->replaced(k, back, name) == once);

        // A deletion keeps the table readable, with one template less.
        const std::string shorter = table.without(k); // the table reads in place
        auto without = zw::ExtendedTable::read(shorter);
        const auto* rest = std::get_if<zw::ExtendedTable>(&without);
        check(rest && rest->templates().size() + 1 == table.templates().size());
    }
    return 0;
}
