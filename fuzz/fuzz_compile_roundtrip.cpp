// Import then compile: a template imported from any table and compiled into a
// new table is found there again, as one template holding exactly the rows the
// compile wrote, under the same name.
#include "rmg/import.h"
#include "rmg/table.h"
#include "rmg/template_list.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view buffer(reinterpret_cast<const char*>(data), size);
    const auto entries = zw::splitTable(buffer);
    if (entries.empty())
        return 0;
    const auto& e = entries.front();
    zw::TRmg t =
        zw::readTemplate(buffer.substr(static_cast<size_t>(e.start), static_cast<size_t>(e.length)));

    std::string table = "header line\r\n";
    const size_t headerSize = table.size();
    zw::refreshConditions(t);
    const std::string block = zw::buildBlock(t, t.name);
    zw::appendBlock(table, block);

    const auto found = zw::splitTable(table);
    if (found.size() != 1)
        std::abort();
    if (static_cast<size_t>(found[0].start) != headerSize || found[0].name != t.name)
        std::abort();
    if (table.substr(static_cast<size_t>(found[0].start)) != block)
        std::abort();

    return 0;
}
