#include "canvas/info_panel.h"

namespace zw {

InfoPanelContent zoneInfo(const ZoneRecord&) { return {}; }

InfoPanelContent connectionInfo(const ConnectionRecord&) { return {}; }

} // namespace zw
