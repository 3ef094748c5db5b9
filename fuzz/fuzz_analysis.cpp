// Template analysis of whatever a project file can hold: any bytes that load
// are analysed without a crash, the same way twice, leaving the template as it
// was, and every setup's components divide exactly its existing zones.
#include "analysis/analysis.h"
#include "analysis/report.h"
#include "model/project_file.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto result = zw::decodeProject(bytes);
    auto* t = std::get_if<zw::TRmg>(&result);
    if (t == nullptr)
        return 0;
    const zw::TRmg before = *t;
    const zw::TemplateAnalysis a = zw::analyzeTemplate(*t);
    if (!(*t == before))
        std::abort();
    const std::string json = zw::analysisToJson(a).dump();
    if (zw::analysisToJson(zw::analyzeTemplate(*t)).dump() != json)
        std::abort();
    for (const zw::SetupAnalysis& s : a.setups) {
        std::vector<int> all;
        for (const auto& c : s.components)
            all.insert(all.end(), c.begin(), c.end());
        std::sort(all.begin(), all.end());
        if (all != s.zones)
            std::abort();
    }
    const std::string report = zw::readableReport(a);
    if (report.empty())
        std::abort();
    return 0;
}
