#include "editor/step_names.h"

namespace zw {

namespace {

// The genitive after a number: singular after 1, 21, 31 … (not 11), plural otherwise.
bool singularAfter(size_t n) {
    return n % 10 == 1 && n % 100 != 11;
}

} // namespace

std::string zonesCount(size_t n) {
    return std::to_string(n) + (singularAfter(n) ? " локации" : " локаций");
}

std::string connectionsCount(size_t n) {
    return std::to_string(n) + (singularAfter(n) ? " перехода" : " переходов");
}

std::string zoneStep(std::string_view action, int zoneIndex) {
    return std::string(action) + " локации " + std::to_string(int64_t{zoneIndex} + 1);
}

std::string connectionStep(std::string_view action, int zoneA, int zoneB) {
    return std::string(action) + " перехода " + std::to_string(int64_t{zoneA} + 1) + "–" +
           std::to_string(int64_t{zoneB} + 1);
}

} // namespace zw
