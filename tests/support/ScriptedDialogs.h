#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/editing/Dialogs.h"

namespace korvane {

// Dialogs that answer from queues and record what they were asked. An empty
// queue answers as a user pressing Esc would: the input box returns its
// default, the confirmation says no, the file dialogs are cancelled.
class ScriptedDialogs : public Dialogs {
  public:
    struct InputCall {
        std::string caption;
        std::string prompt;
        std::string defaultText;
    };

    // Answers for the input box; nothing stands for キャンセル.
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    // Answers for the choice; nothing stands for キャンセル.
    std::deque<std::optional<std::size_t>> choiceAnswers;
    std::deque<std::optional<LogFileChoice>> exportAnswers;

    std::vector<InputCall> inputs;
    std::vector<std::string> messages;
    std::vector<std::string> confirmations;
    std::vector<std::vector<std::string>> choices;  // the options of every choice
    int openCalls = 0;
    int saveCalls = 0;
    int exportCalls = 0;
    std::string failWith;  // when set, the next input box throws this

    std::string InputBox(std::string_view caption, std::string_view prompt,
                         std::string_view defaultText) override {
        inputs.push_back({std::string(caption), std::string(prompt), std::string(defaultText)});
        if (!failWith.empty()) throw std::runtime_error(std::exchange(failWith, {}));
        std::optional<std::string> answer = Next(inputAnswers);
        return answer ? *answer : std::string(defaultText);
    }

    void ShowMessage(std::string_view message) override { messages.emplace_back(message); }

    bool Confirm(std::string_view message) override {
        confirmations.emplace_back(message);
        if (confirmAnswers.empty()) return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

    std::optional<std::string> OpenFileName() override {
        ++openCalls;
        return Next(openAnswers);
    }

    std::optional<std::string> SaveFileName() override {
        ++saveCalls;
        return Next(saveAnswers);
    }

    std::optional<std::size_t> ChooseOne(std::string_view, std::string_view,
                                         const std::vector<std::string>& options) override {
        choices.push_back(options);
        return Next(choiceAnswers);
    }

    std::optional<LogFileChoice> ExportFileName() override {
        ++exportCalls;
        return Next(exportAnswers);
    }

  private:
    template <typename Answer>
    static std::optional<Answer> Next(std::deque<std::optional<Answer>>& queue) {
        if (queue.empty()) return std::nullopt;
        std::optional<Answer> answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

}  // namespace korvane
