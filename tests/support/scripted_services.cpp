#include "support/scripted_services.h"

namespace zw {

MessageResult ScriptedServices::messageBox(std::string_view text, MessageKind kind,
                                           MessageButtons buttons) {
    messages.push_back({std::string(text), kind, buttons});
    if (!messageAnswers.empty()) {
        const MessageResult r = messageAnswers.front();
        messageAnswers.pop_front();
        return r;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageResult::Ok;
    case MessageButtons::YesNo:
        return MessageResult::No;
    case MessageButtons::YesNoCancel:
        return MessageResult::Cancel;
    }
    return MessageResult::Cancel;
}

std::optional<std::string> ScriptedServices::openFileDialog(FileDialogId id,
                                                            std::string_view filter, bool) {
    openFilters.emplace_back(filter);
    if (openAnswers.empty())
        return std::nullopt;
    auto r = openAnswers.front();
    openAnswers.pop_front();
    if (r)
        dialogPaths[id] = *r;
    return r;
}

std::optional<std::string> ScriptedServices::saveFileDialog(FileDialogId id,
                                                            std::string_view filter) {
    saveFilters.emplace_back(filter);
    if (saveAnswers.empty())
        return std::nullopt;
    auto r = saveAnswers.front();
    saveAnswers.pop_front();
    if (r)
        dialogPaths[id] = *r;
    return r;
}

void ScriptedServices::setDialogPath(FileDialogId id, const std::string& path) {
    dialogPaths[id] = path;
}

void ScriptedServices::fileError(std::string_view reason) {
    fileErrors.emplace_back(reason);
}

bool ScriptedServices::shellOpen(const std::string& path) {
    shellOpened.push_back(path);
    return shellOpenSucceeds;
}

void ScriptedServices::showTextWindow(std::string_view title, std::string_view utf8Text) {
    textWindows.emplace_back(title, utf8Text);
}

void ScriptedServices::writeFileAssociation() {
    ++associationWrites;
}

std::vector<std::string> ScriptedServices::messageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

void ScriptedServices::setClipboard(std::string_view mimeType, std::string_view text) {
    clipboard.clear();
    clipboard[std::string(mimeType)] = text;
    clipboard["text/plain"] = text;
}

std::optional<std::string> ScriptedServices::clipboardText(std::string_view mimeType) {
    for (const std::string_view type : {mimeType, std::string_view("text/plain")})
        if (const auto found = clipboard.find(type); found != clipboard.end())
            return found->second;
    return std::nullopt;
}

} // namespace zw
