#include "GuiTestKit.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace korvane::test {

Window::Window() {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    form = std::make_unique<TForm1>(std::move(scripted));
}

void Window::WaitIdle() const {
    QElapsedTimer waited;
    waited.start();
    while (form->Computing() && waited.elapsed() < 60000)
        QTest::qWait(5);
}

QAction* Window::Action(const char* name) const {
    WaitIdle();
    return form->findChild<QAction*>(QString::fromLatin1(name));
}

QToolButton* Window::Button(const char* name) const {
    WaitIdle();
    return form->findChild<QToolButton*>(QString::fromLatin1(name));
}

QSpinBox* Window::Rows() const {
    WaitIdle();
    return form->findChild<QSpinBox*>(QStringLiteral("se_rows"));
}

QSpinBox* Window::Cols() const {
    WaitIdle();
    return form->findChild<QSpinBox*>(QStringLiteral("se_cols"));
}

QTableView* Window::Grid() const {
    WaitIdle();
    return form->findChild<QTableView*>(QStringLiteral("sgmatrix"));
}

LogPane* Window::Log() const {
    WaitIdle();
    return form->findChild<LogPane*>(QStringLiteral("memoutput"));
}

QLabel* Window::StatusPanel(int index) const {
    WaitIdle();
    return form->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(index));
}

QStringList Window::LogLines() const {
    const QString text = Log()->PlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QString Window::LastLogLine() const {
    const QStringList lines = LogLines();
    return lines.isEmpty() ? QString() : lines.constLast();
}

QString Window::Cell(int col, int row) const {
    const QAbstractItemModel* model = Grid()->model();
    return model->data(model->index(row, col)).toString();
}

void Window::StartPdf(const QString& pdf, bool printed) const {
    if (printed) {
        form->SetPrinterSetup([pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
    } else {
        dialogs->exportAnswers.push_back(LogFileChoice{pdf.toStdString(), LogFileType::kPdf, true});
    }
    Action(printed ? "Print1" : "Export1")->trigger();
}

void Window::Enter(const test::Rows& rows) const {
    Rows()->setValue(static_cast<int>(rows.size()));
    Cols()->setValue(static_cast<int>(rows.front().size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            Grid()->setCurrentIndex(
                Grid()->model()->index(static_cast<int>(r), static_cast<int>(c)));
            dialogs->inputAnswers.push_back(rows[r][c]);
            form->sgmatrixDblClick();
        }
    }
}

test::Rows Window::Shown() const {
    test::Rows shown(static_cast<std::size_t>(Grid()->model()->rowCount()));
    for (std::size_t r = 0; r < shown.size(); ++r) {
        for (int c = 0; c < Grid()->model()->columnCount(); ++c) {
            shown[r].push_back(Cell(c, static_cast<int>(r)).toStdString());
        }
    }
    return shown;
}

void WhenModalShows(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

namespace {

// A small fixed linear congruential sequence, so every run sees the same matrices.
class Sequence {
  public:
    int Next(int lo, int hi) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return lo + static_cast<int>((state_ >> 33) % static_cast<unsigned long long>(hi - lo + 1));
    }

  private:
    unsigned long long state_ = 20040315;
};

std::string Signed(int value, bool first) {
    return (value >= 0 && !first ? "+" : "") + std::to_string(value);
}

}  // namespace

test::Rows GaussianMatrix() {
    Sequence seq;
    test::Rows rows(10);
    for (auto& row : rows) {
        for (int c = 0; c < 10; ++c) {
            row.push_back(std::to_string(seq.Next(-9, 9)) + Signed(seq.Next(-9, 9), false) + "i");
        }
    }
    return rows;
}

test::Rows ComplexFractionMatrix() {
    Sequence seq;
    test::Rows rows(10);
    for (auto& row : rows) {
        for (int c = 0; c < 10; ++c) {
            row.push_back(Signed(seq.Next(-9, 9), true) + "/" + std::to_string(seq.Next(1, 9)) +
                          Signed(seq.Next(-9, 9), false) + "i/" + std::to_string(seq.Next(1, 9)));
        }
    }
    return rows;
}

}  // namespace korvane::test
