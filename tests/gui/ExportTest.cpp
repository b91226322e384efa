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

#include "GuiTestKit.h"

Q_DECLARE_METATYPE(korvane::LogFileType)

namespace korvane::test {

namespace {

const Rows kInvertible = {{"2", "4"}, {"1", "3"}};

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What a poppler tool says about a PDF; empty when the tool is missing.
QString Poppler(const char* tool, const QString& pdf) {
    QProcess process;
    process.start(QString::fromLatin1(tool), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every prose line of the log comes back from the PDF's text, and its fonts
// are the embedded IPA ones.
void CheckPdf(const QString& pdf, const QStringList& logLines) {
    QVERIFY(Read(pdf).startsWith(QStringLiteral("%PDF")));
    const QString text = Poppler("pdftotext", pdf);
    if (text.isEmpty()) QSKIP("poppler-utils is not installed");
    for (const QString& line : logLines) {
        if (!line.startsWith(QStringLiteral("  (")))
            QVERIFY2(text.contains(line), qPrintable(line));
    }
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    const QStringList rows = QString::fromUtf8(fonts.readAllStandardOutput()).split('\n');
    QVERIFY(rows.size() > 3);
    for (const QString& row : rows.mid(2, rows.size() - 3))
        QVERIFY2(row.contains(QStringLiteral("IPA")) && row.contains(QStringLiteral(" yes ")),
                 qPrintable(row));
}

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void exportsEveryForm_data();
    void exportsEveryForm();
    void refusesAndAsksBeforeWriting();
    void printsTheSameDocument();
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
                                          "\\xrightarrow{R_1 \\to \\frac{1}{2}R_1}"};
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
    QCOMPARE(window.dialogs->exportCalls, 1);
    QVERIFY(window.dialogs->confirmations.empty());  // a new file: nothing asked
    const QString written = Read(path);
    if (type == LogFileType::kText) QCOMPARE(written, window.Log()->toPlainText() + '\n');
    if (type == LogFileType::kPdf) CheckPdf(path, window.LogLines());
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
    QVERIFY(a4);
    CheckPdf(pdf, window.LogLines());
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
