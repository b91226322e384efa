#include "cli/PracticeRunner.h"

#include <deque>
#include <exception>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/InputFile.h"
#include "cli/MatrixInput.h"
#include "cli/PracticeScript.h"
#include "cli/StreamStepLog.h"
#include "core/editing/History.h"
#include "core/practice/PracticeSession.h"

namespace korvane {

namespace {

constexpr std::string_view kPracticeUsage =
    "Usage: korvane-cli practice FILE [SCRIPT]\n"
    "Replays a student's row operations on the matrix in FILE and checks every\n"
    "step exactly, printing the practice log.\n"
    "\n"
    "  FILE      a matrix file (.kvm), or a text file holding a matrix in any form\n"
    "            korvane-cli reads on standard input (rows of numbers, CSV, ...)\n"
    "  SCRIPT    the steps, one a line (standard input without it):\n"
    "              goal rref | ref | inverse | det   first; rref when left out\n"
    "              swap I J                    exchange rows I and J\n"
    "              scale I C                   multiply row I by C\n"
    "              add I J C                   add C times row J to row I\n"
    "              check FILE [OP; OP; ...]    a matrix worked by hand, with the\n"
    "                                          operations it should follow by\n"
    "              hint | undo | redo\n"
    "            with goal det the matrix is brought to upper triangular form, and\n"
    "            every operation and check line ends with det K: the determinant\n"
    "            before the step is K times the one after (-1 for a swap, 1/C for\n"
    "            scale I C, 1 for add; for a check, the product over its steps),\n"
    "            e.g. \"scale 2 1/2 det 2\", \"swap 1 2 det -1\",\n"
    "            \"check step.txt add 2 1 -3 det 1\"\n"
    "            rows count from 1, C and K are one number each (1/2, -3i, 1e-2);\n"
    "            # starts a comment;\n"
    "            a relative FILE is taken from the script's folder\n"
    "            FILE, SCRIPT and every check FILE: regular files of 16 MiB at most\n"
    "  --addition-wording, --notation  word the operations as korvane-cli's\n"
    "            other commands do with these options\n"
    "\n"
    "Exit status: 0 every step right and the goal reached, 1 an error while\n"
    "computing, 2 bad usage or unreadable input, 3 a step refused or wrong,\n"
    "4 every step right but the goal not reached.\n";

// The window's History in small: the grids the practice has shown, as many
// as the History can reach, so that undo and redo reach the session the way
// the window reports them, and a long script keeps no more than a short one.
class Replay {
  public:
    Replay(PracticeSession& session, StepLog& log)
        : session_(session), log_(log), grids_{session.Shown()} {}

    // Runs one command; false when it was refused or wrong.
    bool Run(const PracticeCommand& command) {
        switch (command.kind) {
            case PracticeCommand::Kind::kOperation:
                return Record(session_.Apply(command.operation, log_, command.detAnswer));
            case PracticeCommand::Kind::kCheck:
                return Record(
                    session_.Check(*command.typed, log_, command.named, command.detAnswer));
            case PracticeCommand::Kind::kHint:
                session_.Hint(log_);
                return true;
            case PracticeCommand::Kind::kUndo:
                return Move(-1);
            case PracticeCommand::Kind::kRedo:
                return Move(+1);
        }
        return true;
    }

  private:
    bool Record(const PracticeResult& result) {
        if (result.outcome != PracticeResult::Outcome::kAccepted) return false;
        grids_.resize(at_ + 1);
        grids_.push_back(result.grid);
        if (grids_.size() > History::kReachableStates) grids_.pop_front();
        at_ = grids_.size() - 1;
        return true;
    }

    bool Move(int by) {
        const bool back = by < 0;
        if (back ? at_ == 0 : at_ + 1 == grids_.size()) {
            // The window's messages at either end of its History.
            log_.AppendStepLog(back ? "これ以上は戻せません。" : "今のが最後の動作です。");
            return true;
        }
        at_ = back ? at_ - 1 : at_ + 1;
        session_.Follow(grids_[at_], back ? GridChange::kUndone : GridChange::kRedone, log_);
        return true;
    }

    PracticeSession& session_;
    StepLog& log_;
    std::deque<CellGrid> grids_;
    std::size_t at_ = 0;
};

struct PracticeInput {
    CellGrid matrix;
    PracticeScript script;
};

PracticeInput ReadInput(std::span<const std::string_view> args, std::istream& in) {
    if (args.empty()) throw UsageError("practice needs a matrix FILE");
    if (args.size() > 2) throw UsageError("unexpected argument '" + std::string(args[2]) + "'");
    PracticeInput input;
    input.matrix = ReadMatrixFromFile(std::string(args[0]));
    if (args.size() == 1) {
        input.script = ReadPracticeScript(in, ".");
        return input;
    }
    const std::filesystem::path scriptPath{std::string(args[1])};
    std::istringstream script(ReadInputFile(scriptPath.string()));
    input.script = ReadPracticeScript(script, scriptPath.parent_path());
    return input;
}

// Replays the script on a practice started on the matrix; the exit status.
int Replayed(const PracticeInput& input, const LogStyle& style, StepLog& log) {
    std::optional<PracticeSession> session =
        PracticeSession::Start(input.matrix, input.script.goal, log, style);
    if (!session) return kPracticeWrongStep;
    Replay replay(*session, log);
    bool allRight = true;
    for (const PracticeCommand& command : input.script.commands)
        allRight = replay.Run(command) && allRight;
    if (!allRight) return kPracticeWrongStep;
    return session->Progress().goalReached ? kPracticeDone : kPracticeUnfinished;
}

}  // namespace

int RunPractice(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                std::ostream& err) {
    LogStyle style;
    std::vector<std::string_view> positional;
    for (const std::string_view arg : args) {
        if (arg == "--help") {
            out << kPracticeUsage;
            return kPracticeDone;
        }
        if (arg == "--addition-wording") {
            style.additionWording = true;
        } else if (arg == "--notation") {
            style.notation = true;
        } else {
            positional.push_back(arg);
        }
    }
    PracticeInput input;
    try {
        input = ReadInput(positional, in);
    } catch (const UsageError& e) {
        err << "korvane-cli: " << e.what() << '\n';
        return kPracticeBadUsage;
    }

    StreamStepLog log(out);
    try {
        const int status = Replayed(input, style, log);
        log.Flush();
        return status;
    } catch (const OutputError& e) {
        err << "korvane-cli: " << e.what() << '\n';
    } catch (const std::exception& e) {
        // The lines logged so far show how far the replay got.
        try {
            log.Flush();
        } catch (const OutputError& failed) {
            err << "korvane-cli: " << failed.what() << '\n';
        }
        err << "korvane-cli: " << e.what() << '\n';
    }
    return kPracticeError;
}

}  // namespace korvane
