#include "support/scripted_services.h"

namespace zw {
namespace {

// The front of `queue`, taken off it, or `none` when it is empty.
template <class T> T nextServiceAnswer(std::deque<T>& queue, T none) {
    if (queue.empty())
        return none;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

} // namespace

MessageResult ScriptedServices::messageBox(std::string_view text, MessageKind kind,
                                           MessageButtons buttons) {
    messages.push_back({std::string(text), kind, buttons});
    const MessageResult none = buttons == MessageButtons::Ok      ? MessageResult::Ok
                               : buttons == MessageButtons::YesNo ? MessageResult::No
                                                                  : MessageResult::Cancel;
    return nextServiceAnswer(messageAnswers, none);
}

std::optional<std::string> ScriptedServices::openFileDialog(FileDialogId id,
                                                            std::string_view filter, bool) {
    openFilters.emplace_back(filter);
    auto r = nextServiceAnswer(openAnswers, {});
    if (r)
        dialogPaths[id] = *r;
    return r;
}

std::optional<std::string> ScriptedServices::saveFileDialog(FileDialogId id,
                                                            std::string_view filter) {
    saveFilters.emplace_back(filter);
    auto r = nextServiceAnswer(saveAnswers, {});
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

std::optional<int> ScriptedServices::askNumber(std::string_view title, std::string_view label,
                                               int min, int max) {
    numberQuestions.push_back({std::string(title), std::string(label), min, max});
    return nextServiceAnswer(numberAnswers, {});
}

std::vector<std::string> ScriptedServices::messageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

void ScriptedServices::setClipboard(std::string_view mimeType, std::string_view text) {
    clipboard = {{std::string(mimeType), std::string(text)}, {"text/plain", std::string(text)}};
}

std::optional<std::string> ScriptedServices::clipboardText(std::string_view mimeType) {
    for (const std::string_view type : {mimeType, std::string_view("text/plain")})
        if (const auto found = clipboard.find(type); found != clipboard.end())
            return found->second;
    return std::nullopt;
}

} // namespace zw
