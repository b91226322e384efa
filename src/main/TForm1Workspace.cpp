// The named matrices in the window: the panel beside the grid, the
// expression line above both, storing, recalling, renaming and deleting as
// History states, expressions worked out in the worker, and the workspace
// file with the question before unsaved names are left.
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/editing/FileAccess.h"
#include "core/editing/History.h"
#include "core/workspace/Evaluation.h"
#include "core/workspace/WorkspaceFile.h"
#include "main/CellGridView.h"
#include "main/ExpressionLine.h"
#include "main/MatricesPanel.h"
#include "main/TForm1.h"

namespace korvane {

namespace {

const Workspace kNoNames;

QAction* NamedAction(const QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

std::string NameText(char name) {
    return std::string(1, name);
}

}  // namespace

const Workspace& TForm1::NamedMatrices() const {
    const std::shared_ptr<const Workspace>& current = history_->CurrentWorkspace();
    return current ? *current : kNoNames;
}

QWidget* TForm1::BuildMatricesPanel() {
    matricesPanel_ = new MatricesPanel;
    matricesPanel_->UseCommands(
        {NamedAction(*this, "StoreMatrix1"), NamedAction(*this, "RecallMatrix1"),
         NamedAction(*this, "RenameMatrix1"), NamedAction(*this, "DeleteMatrix1")});
    matricesPanel_->List()->installEventFilter(this);  // the window's shortcuts win
    return matricesPanel_;
}

QWidget* TForm1::BuildExpressionBar() {
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("ExpressionBar"));
    auto* label = new QLabel(QStringLiteral("式(&X):"));
    label->setObjectName(QStringLiteral("ExpressionLabel"));
    expressionLine_ = new ExpressionLine;
    expressionLine_->setObjectName(QStringLiteral("ExpressionLine"));
    expressionLine_->setAccessibleName(QStringLiteral("式"));
    expressionLine_->setPlaceholderText(
        QStringLiteral("例：A B - 2C、A^-1B、A^3 - 2A + I、XA = B"));
    expressionLine_->setToolTip(QStringLiteral(
        "式：名前付きの行列の式を計算します。Enter で計算、↑↓ で前に計算した式です。"));
    expressionLine_->installEventFilter(this);  // the window's shortcuts win
    label->setBuddy(expressionLine_);
    // 計算 runs the menu's 式を計算, whose access key is the menu's alone.
    QAction* command = NamedAction(*this, "Evaluate1");
    auto* evaluate = new QPushButton(QStringLiteral("計算"));
    evaluate->setObjectName(QStringLiteral("EvaluateButton"));
    evaluate->setToolTip(command->toolTip());
    evaluate->setFocusPolicy(Qt::NoFocus);  // Enter in the line does the same
    connect(evaluate, &QPushButton::clicked, command, &QAction::trigger);
    connect(command, &QAction::enabledChanged, evaluate, &QPushButton::setEnabled);
    connect(expressionLine_, &ExpressionLine::enterPressed, this, [command] {
        if (command->isEnabled()) command->trigger();
    });
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addWidget(expressionLine_, 1);
    layout->addWidget(evaluate);
    return bar;
}

void TForm1::RefreshWorkspace() {
    matricesPanel_->Show(NamedMatrices());
}

void TForm1::RecordNamedMatrices(Workspace next) {
    history_->RecordSnapshot(grid_, std::make_shared<const Workspace>(std::move(next)));
}

char TForm1::ChosenMatrix() const {
    const char name = matricesPanel_->Chosen();
    if (name == '\0') dialogs_->ShowMessage("一覧から行列を選んでください。");
    return name;
}

// --- storing, recalling, renaming, deleting ---------------------------------

std::optional<char> TForm1::AskName(const std::string& caption, const std::string& prompt,
                                    bool offerStored) {
    const Workspace& names = NamedMatrices();
    std::vector<char> order;
    std::vector<std::string> options;
    for (const char name : Workspace::kNames) {
        if (names.Find(name) != nullptr) continue;
        order.push_back(name);
        options.push_back(NameText(name));
    }
    for (const char name : offerStored ? names.Names() : std::vector<char>()) {
        order.push_back(name);
        options.push_back(NameText(name) + "（いまの " + NameText(name) + " を置き換えます）");
    }
    const std::optional<std::size_t> chosen = dialogs_->ChooseOne(caption, prompt, options);
    if (!chosen || *chosen >= order.size()) return std::nullopt;
    return order[*chosen];
}

void TForm1::RecordNamedMatrices(Workspace next, char chosen) {
    RecordNamedMatrices(std::move(next));
    matricesPanel_->Show(NamedMatrices());
    matricesPanel_->Choose(chosen);
}

void TForm1::StoreMatrix1Click() {
    sgmatrix_->CommitEdit();  // a cell being typed into counts, as in a spreadsheet
    Run([this] {
        const std::optional<char> name =
            AskName("名前を付けて記憶", "グリッドの行列に付ける名前を選んでください。", true);
        if (!name) return;
        Workspace next = NamedMatrices();
        next.Store(*name, grid_);
        RecordNamedMatrices(std::move(next), *name);
    });
}

void TForm1::RecallMatrix1Click() {
    Run([this] {
        const char name = ChosenMatrix();
        if (name == '\0') return;
        CellGrid next = grid_;
        RecallInto(*NamedMatrices().Find(name), next);
        if (next == grid_) return;
        grid_ = std::move(next);
        Record(true);
    });
}

void TForm1::RenameMatrix1Click() {
    Run([this] {
        const char name = ChosenMatrix();
        if (name == '\0') return;
        const std::optional<char> to =
            AskName("名前を変更", NameText(name) + " の新しい名前を選んでください。", false);
        if (!to) return;
        Workspace next = NamedMatrices();
        next.Rename(name, *to);
        RecordNamedMatrices(std::move(next), *to);
    });
}

void TForm1::DeleteMatrix1Click() {
    Run([this] {
        const char name = ChosenMatrix();
        if (name == '\0') return;
        Workspace next = NamedMatrices();
        next.Remove(name);
        RecordNamedMatrices(std::move(next));
    });
}

// --- expressions -------------------------------------------------------------

// The expression's working runs in the worker, over a copy of the named
// matrices; a matrix it comes to goes into the grid as one History state.
void TForm1::Evaluate1Click() {
    const QString text = expressionLine_->text().trimmed();
    if (text.isEmpty()) {
        expressionLine_->setFocus();
        return;
    }
    expressionLine_->Remember(text);
    Compute([names = NamedMatrices(), expression = text.toStdString(), style = logStyle_](
                CellGrid& grid, StepLog& log) {
        const Evaluation evaluation = EvaluateExpression(expression, names, log, style);
        if (!evaluation.matrix) return false;
        CellGrid next = grid;
        RecallInto(*evaluation.matrix, next);
        const bool changed = !(next == grid);
        grid = std::move(next);
        return changed;
    });
}

// --- the workspace file --------------------------------------------------------

bool TForm1::MayLeaveNamedMatrices(const char* question) {
    if (NamedMatrices() == savedNames_) return true;
    return dialogs_->Confirm(std::string("名前付きの行列が保存されていません。\r") + question);
}

void TForm1::NewWorkspace1Click() {
    Run([this] {
        if (!MayLeaveNamedMatrices("保存せずに新しいワークスペースにして宜しいでしょうか？"))
            return;
        if (!NamedMatrices().Empty()) RecordNamedMatrices(Workspace());
        savedNames_ = Workspace();
    });
}

void TForm1::OpenWorkspace1Click() {
    Run([this] {
        if (!MayLeaveNamedMatrices("保存せずに別のワークスペースを開いて宜しいでしょうか？"))
            return;
        const std::optional<std::string> path = dialogs_->OpenWorkspaceName();
        if (path) ReadIntoPanel(*path);
    });
}

void TForm1::OpenWorkspaceFile(const QString& path) {
    if (Computing() || practice_) return;  // as ワークスペースを開く, which they disable
    Run([&] {
        if (MayLeaveNamedMatrices("保存せずに別のワークスペースを開いて宜しいでしょうか？"))
            ReadIntoPanel(path.toStdString());
    });
}

void TForm1::ReadIntoPanel(const std::string& path) {
    Workspace opened = ReadWorkspaceFile(path);
    savedNames_ = opened;
    RecordNamedMatrices(std::move(opened));
}

void TForm1::SaveWorkspace1Click() {
    Run([this] {
        const std::optional<std::string> path = dialogs_->SaveWorkspaceName();
        if (!path) return;
        if (PathExists(*path) &&
            !dialogs_->Confirm("ファイルが既に存在します。\r上書きして宜しいでしょうか？"))
            return;
        WriteWorkspaceFile(*path, NamedMatrices());
        savedNames_ = NamedMatrices();
    });
}

}  // namespace korvane
