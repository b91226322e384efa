// The Jordan workings in the window: each runs in the worker like the other
// computations and leaves the grid as it is; the recurrence is typed first.
#include "core/jordan/JordanCommands.h"
#include "core/jordan/RecurrenceReader.h"
#include "core/jordan/RecurrenceWorking.h"
#include "main/TForm1.h"

namespace korvane {

void TForm1::Jordan1Click() {
    Compute([](CellGrid& grid, StepLog& log) {
        JordanNormalForm(grid, log);
        return false;
    });
}

void TForm1::Power1Click() {
    Compute([](CellGrid& grid, StepLog& log) {
        PowerClosedForm(grid, log);
        return false;
    });
}

void TForm1::Exponential1Click() {
    Compute([](CellGrid& grid, StepLog& log) {
        MatrixExponential(grid, std::nullopt, log);
        return false;
    });
}

void TForm1::MinPoly1Click() {
    Compute([](CellGrid& grid, StepLog& log) {
        MinimalPolynomial(grid, log);
        return false;
    });
}

void TForm1::Recurrence1Click() {
    if (Computing()) return;
    // A text that is no recurrence is refused with its place before
    // anything is computed; an empty one asks for nothing.
    Run([this] {
        const std::string typed = dialogs_->InputBox(
            "Korvane", "漸化式と初期値を ; で区切って入力してください。例：a(n+2)=a(n+1)+a(n); a(0)=0; a(1)=1",
            "");
        if (typed.find_first_not_of(" \t") == std::string::npos) return;
        const Recurrence recurrence = ReadRecurrence(typed);
        Compute([recurrence](CellGrid&, StepLog& log) {
            LinearRecurrence(recurrence, log);
            return false;
        });
    });
}

}  // namespace korvane
