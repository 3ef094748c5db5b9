#include "rmg/template_list.h"

namespace zw {

std::vector<TTemplateInside> splitTable(std::string_view) { return {}; }

std::optional<int32_t> parseTableNumber(std::string_view) { return std::nullopt; }

TemplateListSession::TemplateListSession(std::string buffer, ListMode mode,
                                         std::string initialName, Services& services)
    : nameField(std::move(initialName)), buffer_(std::move(buffer)), mode_(mode),
      services_(services) {
    entries_ = splitTable(buffer_);
}

void TemplateListSession::click(std::optional<int> item) { selected = item; }
void TemplateListSession::doubleClick() {}
void TemplateListSession::deleteSelected() {}
void TemplateListSession::deleteAll() {}
std::optional<ListOutcome> TemplateListSession::addTemplate() { return ListOutcome::Proceed; }
ListOutcome TemplateListSession::importTemplate() { return ListOutcome::Proceed; }
ListOutcome TemplateListSession::cancel() { return ListOutcome::Abandon; }

} // namespace zw
