#include "editor/step_names.h"

#include "model/translation.h"

namespace zw {

// The genitive after a number: singular after 1, 21, 31 … (not 11), plural
// otherwise ("few" takes the plural here).
std::string zonesCount(size_t n) {
    return countedText("Editor", static_cast<int64_t>(n), ZW_TR_NOOP("Editor", "%1 локации"),
                       ZW_TR_NOOP("Editor", "%1 локаций"), ZW_TR_NOOP("Editor", "%1 локаций"));
}

std::string connectionsCount(size_t n) {
    return countedText("Editor", static_cast<int64_t>(n), ZW_TR_NOOP("Editor", "%1 перехода"),
                       ZW_TR_NOOP("Editor", "%1 переходов"), ZW_TR_NOOP("Editor", "%1 переходов"));
}

std::string zoneStep(std::string_view action, int zoneIndex) {
    return withArguments(ZW_TR("Editor", "%1 локации %2"),
                         {translated("Editor", action), std::to_string(int64_t{zoneIndex} + 1)});
}

std::string connectionStep(std::string_view action, int zoneA, int zoneB) {
    return withArguments(ZW_TR("Editor", "%1 перехода %2–%3"),
                         {translated("Editor", action), std::to_string(int64_t{zoneA} + 1),
                          std::to_string(int64_t{zoneB} + 1)});
}

} // namespace zw
