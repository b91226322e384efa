#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "main/LogPane.h"
#include "main/TForm1.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTableView;
class QToolButton;

namespace korvane::test {

using Rows = std::vector<std::vector<std::string>>;

// A main window over scripted dialogs, which the window owns.
struct Window {
    ScriptedDialogs* dialogs;
    std::unique_ptr<TForm1> form;

    Window();
    // Like the accessors below, these wait until no computation runs; reach
    // a running window through `form`.
    TForm1& operator*() const {
        WaitIdle();
        return *form;
    }
    TForm1* operator->() const {
        WaitIdle();
        return form.get();
    }

    // Returns once no computation runs (at most a minute), so that a test
    // reads a command's outcome, and triggers the next one, as a user would
    // once the window is idle again. The accessors below wait so first.
    void WaitIdle() const;
    QAction* Action(const char* name) const;
    QToolButton* Button(const char* name) const;
    QSpinBox* Rows() const;
    QSpinBox* Cols() const;
    QTableView* Grid() const;
    LogPane* Log() const;
    QLabel* StatusPanel(int index) const;

    QStringList LogLines() const;
    QString LastLogLine() const;           // empty when the log is
    QString Cell(int col, int row) const;  // as the grid view shows it
    // Sets the counts and types every entry through the cell edit.
    void Enter(const test::Rows& rows) const;
    // Starts putting the log on paper as the PDF file pdf: printed to a PDF
    // printer, or exported. It runs off the event loop.
    void StartPdf(const QString& pdf, bool printed) const;
    // The shown rows of the grid, row by row.
    test::Rows Shown() const;
};

// Runs act on the next modal dialog once it is on the screen (the dialog's
// own event loop is running then); act must close it.
void WhenModalShows(std::function<void(QWidget*)> act);

// 10 × 10 invertible matrices for the long logs: Gaussian integers and
// complex fractions.
test::Rows GaussianMatrix();
test::Rows ComplexFractionMatrix();

}  // namespace korvane::test
