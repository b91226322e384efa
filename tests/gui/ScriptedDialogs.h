#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/editing/Dialogs.h"

namespace korvane::test {

// Dialogs answering from queues and remembering what they were asked. An
// empty queue answers as a cancel would.
class ScriptedDialogs : public Dialogs {
  public:
    struct Input {
        std::string caption, prompt, defaultText;
    };

    std::deque<std::optional<std::string>> inputs;  // nullopt: cancel
    std::deque<bool> confirmations;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> savePaths;
    std::string failWith;  // when set, the next input box throws this

    std::vector<Input> asked;
    std::vector<std::string> messages;
    std::vector<std::string> confirmQuestions;

    std::string InputBox(std::string_view caption, std::string_view prompt,
                         std::string_view defaultText) override {
        asked.push_back({std::string(caption), std::string(prompt), std::string(defaultText)});
        if (!failWith.empty()) {
            throw std::runtime_error(std::exchange(failWith, {}));
        }
        std::optional<std::string> answer = Take(inputs);
        return answer ? *answer : std::string(defaultText);
    }
    void ShowMessage(std::string_view message) override { messages.emplace_back(message); }
    bool Confirm(std::string_view message) override {
        confirmQuestions.emplace_back(message);
        if (confirmations.empty()) {
            return false;
        }
        bool answer = confirmations.front();
        confirmations.pop_front();
        return answer;
    }
    std::optional<std::string> OpenFileName() override { return Take(openPaths); }
    std::optional<std::string> SaveFileName() override { return Take(savePaths); }

  private:
    static std::optional<std::string> Take(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace korvane::test
