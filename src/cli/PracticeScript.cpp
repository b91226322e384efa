#include "cli/PracticeScript.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "cli/CliArguments.h"
#include "cli/MatrixInput.h"
#include "core/formats/Numerals.h"
#include "core/formats/StrictNumber.h"

namespace korvane {

namespace {

std::vector<std::string> Words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

int RowNumber(const std::string& word) {
    int row = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), row);
    if (error != std::errc() || end != word.data() + word.size())
        throw UsageError("row number expected, got '" + word + "'");
    return row - 1;
}

// A factor C, which must be one well-formed number: the lenient reading of
// a typed cell would take "x" as 1 and "1/0" as 1.
ComplexFraction StrictFactor(const std::string& word) {
    const NumberReading reading = ReadStrictNumber(word);
    if (reading.value) return *reading.value;
    switch (reading.fault) {
        case NumberFault::kDivisionByZero:
            throw UsageError("factor '" + word + "' divides by zero");
        case NumberFault::kExponentTooLarge:
            throw UsageError("factor '" + word + "' has an exponent beyond " +
                             std::to_string(kMaxExponent));
        case NumberFault::kNotANumber:
            break;
    }
    throw UsageError("factor expected, got '" + word + "'");
}

void ExpectCount(const std::vector<std::string>& words, std::size_t count, const char* form) {
    if (words.size() != count) throw UsageError(std::string("expected '") + form + "'");
}

RowOperation ReadOperation(const std::vector<std::string>& words) {
    const std::string& verb = words.front();
    if (verb == "swap") {
        ExpectCount(words, 3, "swap I J");
        return RowOperation::Swap(RowNumber(words[1]), RowNumber(words[2]));
    }
    if (verb == "scale") {
        ExpectCount(words, 3, "scale I C");
        return RowOperation::Scale(RowNumber(words[1]), StrictFactor(words[2]));
    }
    if (verb == "add") {
        ExpectCount(words, 4, "add I J C");
        return RowOperation::Add(RowNumber(words[1]), RowNumber(words[2]), StrictFactor(words[3]));
    }
    throw UsageError("unknown command '" + verb + "'");
}

bool IsOperationVerb(const std::string& verb) {
    return verb == "swap" || verb == "scale" || verb == "add";
}

// "check FILE [OP; OP; …]".
PracticeCommand ReadCheck(std::string_view rest, const std::filesystem::path& folder) {
    const std::size_t split = std::min(rest.size(), rest.find_first_of(" \t"));
    PracticeCommand command;
    command.kind = PracticeCommand::Kind::kCheck;
    const std::string file(rest.substr(0, split));
    command.typed = std::make_unique<const CellGrid>(ReadMatrixFromFile((folder / file).string()));
    std::string_view named = rest.substr(split);
    while (!named.empty()) {
        const std::size_t end = std::min(named.size(), named.find(';'));
        const std::vector<std::string> words = Words(named.substr(0, end));
        named.remove_prefix(std::min(named.size(), end + 1));
        if (words.empty()) continue;
        if (!IsOperationVerb(words.front()))
            throw UsageError("operation expected after the file, got '" + words.front() + "'");
        command.named.push_back(ReadOperation(words));
    }
    return command;
}

PracticeGoal GoalNamed(const std::vector<std::string>& words) {
    ExpectCount(words, 2, "goal rref|ref|inverse");
    if (words[1] == "rref") return PracticeGoal::kReducedRowEchelon;
    if (words[1] == "ref") return PracticeGoal::kRowEchelon;
    if (words[1] == "inverse") return PracticeGoal::kInverse;
    throw UsageError("unknown goal '" + words[1] + "' (rref, ref or inverse)");
}

PracticeCommand ReadCommand(const std::string& text, const std::vector<std::string>& words,
                            const std::filesystem::path& folder) {
    const std::string& verb = words.front();
    PracticeCommand command;
    if (verb == "check") {
        if (words.size() < 2) throw UsageError("expected 'check FILE'");
        const std::size_t file = text.find(words[1], text.find(verb) + verb.size());
        command = ReadCheck(std::string_view(text).substr(file), folder);
    } else if (verb == "hint" || verb == "undo" || verb == "redo") {
        ExpectCount(words, 1, verb.c_str());
        command.kind = verb == "hint"   ? PracticeCommand::Kind::kHint
                       : verb == "undo" ? PracticeCommand::Kind::kUndo
                                        : PracticeCommand::Kind::kRedo;
    } else {
        command.kind = PracticeCommand::Kind::kOperation;
        command.operation = ReadOperation(words);
    }
    return command;
}

}  // namespace

PracticeScript ReadPracticeScript(std::istream& in, const std::filesystem::path& folder) {
    PracticeScript script;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const std::vector<std::string> words = Words(text);
        if (words.empty() || words.front().starts_with('#')) continue;
        try {
            if (words.front() == "goal") {
                if (!script.commands.empty()) throw UsageError("goal must come before the steps");
                script.goal = GoalNamed(words);
                continue;
            }
            PracticeCommand command = ReadCommand(text, words, folder);
            command.line = line;
            script.commands.push_back(std::move(command));
        } catch (const UsageError& e) {
            throw UsageError("script line " + std::to_string(line) + ": " + e.what());
        }
    }
    if (in.bad()) throw UsageError("cannot read the script");
    return script;
}

}  // namespace korvane
