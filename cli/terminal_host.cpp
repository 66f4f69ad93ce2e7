#include "cli/terminal_host.h"

#include <iostream>
#include <string>

#include "korbit/hosting/component_loader.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::cli {

namespace box = control::box;

std::optional<std::int32_t> parseAnswer(std::string_view word) {
    if (word == "ok") {
        return box::kOk;
    }
    if (word == "yes") {
        return box::kYes;
    }
    if (word == "no") {
        return box::kNo;
    }
    if (word == "cancel") {
        return box::kCancel;
    }
    return std::nullopt;
}

void TerminalHost::reportFailure(const control::Text& method, const control::Text& description) {
    const std::string utf8Method = platform::toUtf8(method);
    const std::string utf8Description = platform::toUtf8(platform::displayText(description));
    failures_.push_back({{"method", utf8Method}, {"description", utf8Description}});
    if (echo_) {
        std::cerr << "korbit: " << utf8Method << ": " << utf8Description << '\n';
    }
}

std::int32_t TerminalHost::messageBox(const control::Text& text, std::int32_t style, const control::Text& title) {
    const std::string utf8Text = platform::toUtf8(platform::displayText(text));
    const std::string utf8Title = platform::toUtf8(platform::displayText(title));
    boxes_.push_back({{"text", utf8Text}, {"style", style}, {"title", utf8Title}});
    if (echo_ || (!answer_ && interactive_)) {
        // The program's own name as the title would only repeat the prefix.
        std::cerr << "korbit: " << (utf8Title.empty() || utf8Title == "korbit" ? "" : utf8Title + ": ") << utf8Text
                  << '\n';
    }
    if (answer_) {
        return *answer_;
    }
    return ask(style);
}

std::int32_t TerminalHost::ask(std::int32_t style) const {
    const std::int32_t buttons = box::buttons(style);
    if (buttons == box::kOkOnly || !interactive_) {
        return box::safeAnswer(style);
    }
    const char* choices = buttons == box::kYesNo ? "[y]es/[n]o" : buttons == box::kYesNoCancel ? "[y]es/[n]o/[c]ancel"
                                                                                                 : "[o]k/[c]ancel";
    for (;;) {
        std::cerr << choices << "? " << std::flush;
        std::string line;
        if (!std::getline(std::cin, line)) {
            return box::safeAnswer(style);
        }
        const char c = line.empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
        if (c == 'y' && (buttons == box::kYesNo || buttons == box::kYesNoCancel)) {
            return box::kYes;
        }
        if (c == 'n' && (buttons == box::kYesNo || buttons == box::kYesNoCancel)) {
            return box::kNo;
        }
        if (c == 'o' && buttons == box::kOkCancel) {
            return box::kOk;
        }
        if (c == 'c' && buttons != box::kYesNo) {
            return box::kCancel;
        }
    }
}

control::Text TerminalHost::browseForFolder(std::int32_t, const control::Text& prompt) {
    if (!interactive_) {
        return {};
    }
    std::cerr << platform::toUtf8(prompt) << " (folder, empty to cancel): " << std::flush;
    std::string line;
    std::getline(std::cin, line);
    return platform::fromUtf8(line);
}

nlohmann::json TerminalHost::takeBoxes() {
    nlohmann::json out = std::move(boxes_);
    boxes_ = nlohmann::json::array();
    return out;
}

nlohmann::json TerminalHost::takeFailures() {
    nlohmann::json out = std::move(failures_);
    failures_ = nlohmann::json::array();
    return out;
}

hosting::ComPtr<com::IDispatch> createObjectTelling(std::string_view progId) {
    std::string notice;
    hosting::ComPtr<com::IDispatch> object = hosting::createObject(progId, &notice);
    if (!notice.empty()) {
        std::cerr << "korbit: " << notice << '\n';
    }
    return object;
}

}  // namespace korbit::cli
