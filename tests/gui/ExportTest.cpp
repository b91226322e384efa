// The log leaving the window: the export in every form, the printer, and
// the wording options, with the scripted dialogs.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <fstream>
#include <sstream>

#include "GuiTestKit.h"
#include "PaperLogs.h"

Q_DECLARE_METATYPE(korvane::LogFileType)

namespace korvane::test {

namespace {

const Rows kInvertible = {{"2", "4"}, {"1", "3"}};

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

Rows RowsOf(std::string_view text) {
    Rows rows;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        rows.emplace_back();
        for (std::string cell; cells >> cell;)
            rows.back().push_back(cell);
    }
    return rows;
}

// The page judge's faults with a PDF of the window's log; the test is
// skipped without the judge.
QString Faults(const QString& pdf, const TForm1& form) {
    const std::string log = pdf.toStdString() + ".log";
    std::ofstream out(log, std::ios::binary);
    form.StepLogStore().Replay([&out](std::string_view line) { out << line << '\n'; });
    out.close();
    return QString::fromStdString(PageFaults(pdf.toStdString(), log));
}

#define CHECK_PAGES(pdf, form)                                              \
    do {                                                                    \
        QVERIFY(Read(pdf).startsWith(QStringLiteral("%PDF")));              \
        const QString faults = Faults(pdf, form);                           \
        if (faults == QStringLiteral("no judge")) QSKIP("poppler is missing"); \
        QVERIFY2(faults.isEmpty(), qPrintable(faults));                     \
    } while (false)

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void exportsEveryForm_data();
    void exportsEveryForm();
    void refusesAndAsksBeforeWriting();
    void printsTheSameDocument();
    void pdfPagesRead_data();
    void pdfPagesRead();
    void wordingOptionsChangeTheNextLog();
};

void ExportTest::exportsEveryForm_data() {
    QTest::addColumn<LogFileType>("chosen");  // by the dialog's filter
    QTest::addColumn<QString>("name");        // as typed
    QTest::addColumn<LogFileType>("type");    // the form written
    QTest::addColumn<bool>("notation");
    QTest::addColumn<QStringList>("holds");  // what the file holds; "!" before what it must not
    using T = LogFileType;
    QTest::newRow("text") << T::kText << "log" << T::kText << true << QStringList{};
    QTest::newRow("markdown") << T::kMarkdown << "log" << T::kMarkdown << true
                              << QStringList{"$$", "\\begin{array}{cc|cc}", "\\frac{1}{2}"};
    QTest::newRow("latex") << T::kLatex << "log" << T::kLatex << true
                           << QStringList{"\\documentclass",
                                          "\\xrightarrow{\\textstyle R_1 \\to \\frac{1}{2}R_1}"};
    QTest::newRow("latex fragment, no notation")
        << T::kLatexFragment << "log" << T::kLatexFragment << false
        << QStringList{"\\begin{array}{cc|cc}", "!\\documentclass", "!\\xrightarrow"};
    QTest::newRow("html") << T::kHtml << "log" << T::kHtml << true
                          << QStringList{"<math", "<mfrac>"};
    QTest::newRow("pdf") << T::kPdf << "log" << T::kPdf << true << QStringList{};
    // A typed extension that names a form chooses it over the filter.
    QTest::newRow(".pdf typed with the text filter")
        << T::kText << "typed.pdf" << T::kPdf << true << QStringList{};
    QTest::newRow(".MD typed with the HTML filter")
        << T::kHtml << "typed.MD" << T::kMarkdown << true << QStringList{"$$", "!<math"};
}

void ExportTest::exportsEveryForm() {
    QFETCH(LogFileType, chosen);
    QFETCH(QString, name);
    QFETCH(LogFileType, type);
    QFETCH(bool, notation);
    QFETCH(QStringList, holds);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    Window window;
    window.Enter(kInvertible);
    window.Action("N13")->trigger();
    window.dialogs->exportAnswers.push_back(LogFileChoice{path.toStdString(), chosen, notation});
    window.Action("Export1")->trigger();
    window.WaitIdle();  // a PDF is made off the event loop
    QCOMPARE(window.dialogs->exportCalls, 1);
    QVERIFY(window.dialogs->confirmations.empty());  // a new file: nothing asked
    const QString written = Read(path);
    if (type == LogFileType::kText) QCOMPARE(written, window.Log()->PlainText() + '\n');
    if (type == LogFileType::kPdf) CHECK_PAGES(path, *window);
    for (const QString& held : holds) {
        if (held.startsWith('!')) {
            QVERIFY2(!written.contains(held.mid(1)), qPrintable(held));
        } else {
            QVERIFY2(written.contains(held), qPrintable(held));
        }
    }
    if (type == LogFileType::kHtml) {
        QXmlStreamReader xml(written);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
}

void ExportTest::refusesAndAsksBeforeWriting() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.md"));
    Window window;
    window.Action("Export1")->trigger();  // nothing computed yet: said, nothing asked
    window.Action("Print1")->trigger();
    QCOMPARE(window.dialogs->messages.size(), 2u);
    QCOMPARE(window.dialogs->exportCalls, 0);

    window.Enter(kInvertible);
    window.Action("N13")->trigger();
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    for (const bool overwrite : {false, true}) {
        window.dialogs->exportAnswers.push_back(
            LogFileChoice{path.toStdString(), LogFileType::kMarkdown, true});
        window.dialogs->confirmAnswers.push_back(overwrite);
        window.Action("Export1")->trigger();
        QCOMPARE(Read(path).startsWith(QStringLiteral("old")), !overwrite);
    }
    QCOMPARE(window.dialogs->confirmations.back(),
             std::string("ファイルが既に存在します。\r上書きして宜しいでしょうか？"));

    // A folder cannot be written over: the error box, and the folder stays.
    QString error;
    WhenModalShows([&error](QWidget* box) {
        error = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        box->close();
    });
    window.dialogs->exportAnswers.push_back(
        LogFileChoice{folder.path().toStdString(), LogFileType::kText, true});
    window.dialogs->confirmAnswers.push_back(true);
    window.Action("Export1")->trigger();
    QCOMPARE(error, folder.path() + QStringLiteral(" に書き込めません"));
}

void ExportTest::printsTheSameDocument() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("printed.pdf"));
    Window window;
    window.Enter(kInvertible);
    window.Action("N13")->trigger();
    bool a4 = false;
    window.form->SetPrinterSetup([pdf, &a4](QPrinter& printer) {
        a4 = printer.pageLayout().pageSize().id() == QPageSize::A4;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    window.Action("Print1")->trigger();
    window.WaitIdle();
    QVERIFY(a4);
    CHECK_PAGES(pdf, *window);
}

// The window's pages are held to the checks of korvane-cli's
// (CliFormats.PdfPagesRead), exported and printed.
void ExportTest::pdfPagesRead_data() {
    QTest::addColumn<int>("log");
    QTest::addColumn<bool>("printed");
    for (int k = 0; k < static_cast<int>(std::size(kPaperLogs)); ++k) {
        const QByteArray name(kPaperLogs[k].action);
        QTest::newRow(name + " exported") << k << false;
        QTest::newRow(name + " printed") << k << true;
    }
}

void ExportTest::pdfPagesRead() {
    QFETCH(int, log);
    QFETCH(bool, printed);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("log.pdf"));
    Window window;
    window.Enter(RowsOf(kPaperLogs[log].matrix));
    window.Action(kPaperLogs[log].action)->trigger();
    window.WaitIdle();
    window.StartPdf(pdf, printed);
    window.WaitIdle();
    CHECK_PAGES(pdf, *window);
}

// Both options are off at first, so the log reads as it always has; each
// changes the log of the command that follows.
void ExportTest::wordingOptionsChangeTheNextLog() {
    Window window;
    window.Enter({{"1", "2"}, {"-1", "3"}});
    window.Action("N14")->trigger();
    QVERIFY(window.LogLines().contains(QStringLiteral("2行目から1行目の-1倍を引きます。")));
    window.Action("N4")->trigger();
    window.Enter({{"1", "2"}, {"-1", "3"}});
    window.Action("Notation1")->trigger();
    window.Action("AdditionWording1")->trigger();
    window.Action("N14")->trigger();
    QVERIFY(
        window.LogLines().contains(QStringLiteral("2行目に1行目の1倍を足します。  R₂ → R₂ + R₁")));
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::ExportTest)
#include "ExportTest.moc"
