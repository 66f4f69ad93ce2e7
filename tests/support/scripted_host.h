// A host for tests: records every message box and answers each from a queue
// (OK, or the box's safe answer, when the queue is empty); counts event
// pumps; reports input when told to.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "korbit/control/values/host.h"

namespace korbit::testing {

struct ShownBox {
    control::Text text;
    std::int32_t style;
    control::Text title;
    bool operator==(const ShownBox&) const = default;
};

class ScriptedHost final : public control::Host {
public:
    std::int32_t messageBox(const control::Text& text, std::int32_t style, const control::Text& title) override {
        boxes.push_back({text, style, title});
        if (answers.empty()) {
            return control::box::safeAnswer(style);
        }
        const std::int32_t answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void pumpEvents() override {
        ++pumps;
        if (onPump) {
            onPump();
        }
    }
    bool inputPending() override {
        if (pendingInput > 0) {
            --pendingInput;
            return true;
        }
        return false;
    }
    control::Text browseForFolder(std::int32_t, const control::Text&) override { return nextFolder; }
    bool freezeWindow(std::int32_t window, bool freeze) override {
        frozen.emplace_back(window, freeze);
        return true;
    }
    bool drawFileIcon(std::int32_t, const control::Text& file, bool, std::int32_t) override {
        drawnIcons.push_back(file);
        return true;
    }
    void reportFailure(const control::Text& method, const control::Text& description) override {
        failures.emplace_back(method, description);
    }

    std::vector<ShownBox> boxes;
    std::deque<std::int32_t> answers;
    int pumps = 0;
    std::function<void()> onPump;
    int pendingInput = 0;
    control::Text nextFolder;
    std::vector<std::pair<std::int32_t, bool>> frozen;
    std::vector<control::Text> drawnIcons;
    std::vector<std::pair<control::Text, control::Text>> failures;  // method, description
};

}  // namespace korbit::testing
