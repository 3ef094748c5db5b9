// The services of the command line: there is nobody to ask, so every question
// gets its safe answer (No, Cancel, no file), and every message and file error
// goes to stderr. The commands shared with the window run on these.
#pragma once

#include "platform/services.h"

#include <string>
#include <string_view>
#include <vector>

namespace zw::cli {

class CliServices : public Services {
  public:
    // Put before every message on stderr (after "zonewright-cli: "), e.g. the table's path.
    std::string messagePrefix;
    // Questions that begin with one of these are answered Yes (an option said so).
    std::vector<std::string_view> agreeTo;

    MessageResult messageBox(std::string_view text, MessageKind kind,
                             MessageButtons buttons) override;
    std::optional<std::string> openFileDialog(FileDialogId, std::string_view, bool) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFileDialog(FileDialogId, std::string_view) override {
        return std::nullopt;
    }
    void setDialogPath(FileDialogId, const std::string&) override {}
    void fileError(std::string_view reason) override;
    bool shellOpen(const std::string&) override { return false; }
    void showTextWindow(std::string_view, std::string_view) override {}
    void writeFileAssociation() override {}
    std::vector<std::string> arguments() const override { return {}; }
    std::string executablePath() const override;
    std::string executableDir() const override;
};

} // namespace zw::cli
