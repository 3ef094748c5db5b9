// Table splitter: the entries found lie inside the buffer, in order, and cover
// it from the first template's start to its end without gaps. A table without
// templates gets the "no template found" message, with at most one more line.
// Its encoding: a table taken for UTF-8 converts back to the bytes read (the
// mark dropped); any other is left as it is or refused with a message.
#include "model/text.h"
#include "rmg/import.h"
#include "rmg/table_encoding.h"
#include "rmg/table_hints.h"
#include "rmg/template_list.h"

#include <algorithm>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view buffer(reinterpret_cast<const char*>(data), size);
    const auto encoded = zw::tableAsCp1251(std::string(buffer));
    if (const auto* table = std::get_if<zw::Cp1251Table>(&encoded)) {
        std::string_view text = buffer;
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        if (table->fromUtf8 ? zw::cp1251ToUtf8(table->bytes) != text : table->bytes != buffer)
            std::abort();
    } else if (std::get<zw::TableRefusal>(encoded).message.empty()) {
        std::abort();
    }
    const auto entries = zw::splitTable(buffer);
    int64_t expectedStart = entries.empty() ? 0 : entries.front().start;
    for (const auto& e : entries) {
        if (e.start != expectedStart || e.length <= 0 || e.name.size() > 64)
            std::abort();
        if (static_cast<size_t>(e.start) + static_cast<size_t>(e.length) > size)
            std::abort();
        expectedStart = static_cast<int64_t>(e.start) + e.length;
    }
    if (!entries.empty() && static_cast<size_t>(expectedStart) != size)
        std::abort();
    if (entries.empty()) {
        const std::string message = zw::noTemplateFoundMessage(buffer);
        if (message.compare(0, zw::kNoTemplateFound.size(), zw::kNoTemplateFound) != 0 ||
            std::count(message.begin(), message.end(), '\r') > 1)
            std::abort();
    }
    return 0;
}
