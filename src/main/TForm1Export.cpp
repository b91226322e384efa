// Taking the working away from the window: the whole log saved in the form
// the export dialog names or printed, and the wording of the logs to come.
#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <ostream>

#include "core/editing/FileAccess.h"
#include "core/editing/LogFileNames.h"
#include "main/LogDocument.h"
#include "main/LogPrinting.h"
#include "main/TForm1.h"

namespace korvane {

namespace {

LogFormat MarkedUpFormat(LogFileType type) {
    switch (type) {
        case LogFileType::kMarkdown:
            return LogFormat::kMarkdown;
        case LogFileType::kLatex:
            return LogFormat::kLatex;
        case LogFileType::kLatexFragment:
            return LogFormat::kLatexFragment;
        case LogFileType::kHtml:
            return LogFormat::kHtml;
        case LogFileType::kText:
        case LogFileType::kPdf:
            break;
    }
    return LogFormat::kText;
}

// The busy cursor while a long log is written or printed in place.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool AskPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setWindowTitle(QStringLiteral("印刷"));
    return dialog.exec() == QDialog::Accepted;
}

bool IsChecked(const QObject& window, const char* name) {
    const auto* option = window.findChild<QAction*>(QString::fromLatin1(name));
    return option != nullptr && option->isChecked();
}

}  // namespace

ExportOptions TForm1::LogExportOptions(bool notation) const {
    ExportOptions options;
    options.notation = notation;
    options.augmented = logShape_;
    return options;
}

bool TForm1::RefuseEmptyLog(const char* message) {
    if (logStore_.LineCount() > 0) return false;
    dialogs_->ShowMessage(message);
    return true;
}

void TForm1::Export1Click() {
    Run([this] {
        if (RefuseEmptyLog("保存する途中の計算がありません。先に計算をしてください。")) return;
        std::optional<LogFileChoice> choice = dialogs_->ExportFileName();
        if (!choice) return;
        choice->type = LogFileTypeFor(choice->path, choice->type);
        if (PathExists(choice->path) &&
            !dialogs_->Confirm("ファイルが既に存在します。\r上書きして宜しいでしょうか？"))
            return;
        const ExportOptions options = LogExportOptions(choice->notation);
        const BusyCursor busy;
        if (choice->type == LogFileType::kPdf) {
            // Typeset first: a log too long for paper touches no file.
            const std::unique_ptr<QTextDocument> document = TypesetLog(logStore_, options);
            ReplaceFileAtomically(choice->path, [&](std::ostream& out) {
                WriteLogPdf(*document, QString::fromStdString(options.title), out);
            });
            return;
        }
        ReplaceFileAtomically(choice->path, [&](std::ostream& out) {
            LogExport exported(MarkedUpFormat(choice->type), options, out);
            logStore_.Replay([&exported](std::string_view line) { exported.Line(line); });
            exported.Finish();
        });
    });
}

void TForm1::Print1Click() {
    Run([this] {
        if (RefuseEmptyLog("印刷する途中の計算がありません。先に計算をしてください。")) return;
        RequireTypesettable(logStore_);
        const ExportOptions options = LogExportOptions(true);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setDocName(QString::fromStdString(options.title));
        const bool print = printerSetup_ ? printerSetup_(printer) : AskPrinter(printer, this);
        if (!print) return;
        // Typesetting a long log takes seconds: after the dialog, under the
        // busy cursor.
        const BusyCursor busy;
        PrintLog(*TypesetLog(logStore_, options), printer);
    });
}

void TForm1::Notation1Click() {
    logStyle_.notation = IsChecked(*this, "Notation1");
    engine_.SetLogStyle(logStyle_);
    if (practice_) practice_->SetLogStyle(logStyle_);
}

void TForm1::AdditionWording1Click() {
    logStyle_.additionWording = IsChecked(*this, "AdditionWording1");
    engine_.SetLogStyle(logStyle_);
    if (practice_) practice_->SetLogStyle(logStyle_);
}

}  // namespace korvane
