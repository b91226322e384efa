// Editing the grid as people do today: typing into its cells, clearing a
// selection, pasting a matrix copied from elsewhere, copying the matrix out
// in other programs' forms, and opening a matrix file handed over by the
// desktop (the command line, a drop).
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStatusBar>
#include <algorithm>

#include "core/editing/CellTyping.h"
#include "core/editing/History.h"
#include "core/editing/MatrixFile.h"
#include "core/formats/GridPaste.h"
#include "main/CellGridModel.h"
#include "main/CellGridView.h"
#include "main/LogPane.h"
#include "main/KorvaneFileDrop.h"
#include "main/NotePanel.h"
#include "main/TForm1.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

// The clipboard's text; throws Error with the reason when it holds none.
std::string ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data != nullptr && data->hasText()) return data->text().toStdString();
    if (data != nullptr && data->hasImage())
        throw Error("クリップボードにあるのは画像です。行列は文字として貼り付けてください。");
    throw Error("クリップボードに貼り付けられる文字がありません。");
}

}  // namespace

void TForm1::BuildEditing() {
    connect(model_, &CellGridModel::cellTyped, this, &TForm1::sgmatrixCellTyped);
    connect(sgmatrix_, &CellGridView::clearRequested, this, &TForm1::sgmatrixClear);
    readingNote_ = new NotePanel("ReadingNote", QStringLiteral("読み取りの知らせ"));
    statusBar()->addWidget(readingNote_);
    auto* drop = new KorvaneFileDrop(this);
    drop->Watch(this);
    drop->Watch(memoutput_->viewport());  // the log pane would take a file's name as text
    connect(drop, &KorvaneFileDrop::dropped, this, &TForm1::OpenDesktopFile);
    drop->SetRefusing([this] { return Computing() || practice_.has_value(); });
}

// --- typing into the grid ------------------------------------------------------

void TForm1::sgmatrixCellTyped(int col, int row, const QString& text) {
    if (Computing()) return;  // editing is off meanwhile; the outcome would overwrite it
    QString note;
    Run([&] {
        const TypedCell typed = TypeIntoCell(grid_, col, row, text.toStdString());
        Record(typed.changed);
        FollowPractice(GridChange::kEdited);
        note = QString::fromStdString(typed.note);
    });
    readingNote_->Say(note);
}

void TForm1::sgmatrixClear() {
    if (Computing()) return;
    const CellRect cells = SelectedCells();
    Run([&] {
        Record(ClearCells(grid_, cells));
        FollowPractice(GridChange::kEdited);
    });
}

CellRect TForm1::SelectedCells() const {
    const QModelIndexList selected = sgmatrix_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        const QModelIndex current = sgmatrix_->currentIndex();
        return current.isValid() ? CellRect{current.column(), current.row(), 1, 1} : CellRect{};
    }
    int left = CellGrid::kMaxSize, top = CellGrid::kMaxSize, right = -1, bottom = -1;
    for (const QModelIndex& index : selected) {
        left = std::min(left, index.column());
        top = std::min(top, index.row());
        right = std::max(right, index.column());
        bottom = std::max(bottom, index.row());
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

// --- copy and paste ------------------------------------------------------------

CellRect TForm1::CopiedCells() const {
    const CellRect whole{0, 0, grid_.Cols(), grid_.Rows()};
    if (!sgmatrix_->selectionModel()->hasSelection()) return whole;
    const CellRect selected = SelectedCells();
    return selected.cols * selected.rows >= whole.cols * whole.rows ? whole : selected;
}

void TForm1::Copy1Click() {
    // In the log pane the keys copy what is selected there.
    if (memoutput_->hasFocus()) {
        memoutput_->copy();
        return;
    }
    Run([this] {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(CopyCells(grid_, CopiedCells())));
    });
}

void TForm1::CopyMatrixAs(CopyFormat form) {
    Run([this, form] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(CopyMatrix(grid_, form)));
    });
}

void TForm1::CopyAsLatex1Click() {
    CopyMatrixAs(CopyFormat::kLatex);
}

void TForm1::CopyAsMatlab1Click() {
    CopyMatrixAs(CopyFormat::kMatlab);
}

void TForm1::CopyAsPython1Click() {
    CopyMatrixAs(CopyFormat::kPython);
}

void TForm1::CopyAsMathematica1Click() {
    CopyMatrixAs(CopyFormat::kMathematica);
}

void TForm1::CopyAsMarkdown1Click() {
    CopyMatrixAs(CopyFormat::kMarkdown);
}

void TForm1::Paste1Click() {
    if (memoutput_->hasFocus()) {
        memoutput_->paste();  // the log pane takes text as any text box does
        return;
    }
    if (Computing()) return;
    sgmatrix_->CommitEdit();
    const CellRect at = SelectedCells();
    const PasteTarget target{at.col, at.row, WholeGridSelected(), practice_.has_value()};
    QString note;
    PasteLanding landing;
    Run([&] {
        const PastedMatrix block = ReadPastedMatrix(ClipboardText());
        landing = LandPaste(grid_, target, block);
        RefuseResizeInPractice(landing.grid);
        const bool changed = landing.grid != grid_;
        grid_ = landing.grid;
        Record(changed);
        FollowPractice(GridChange::kEdited);
        note = QString::fromStdString(PasteNote(landing, block));
    });
    if (note.isEmpty()) return;  // refused: the box said why, and nothing changed
    sgmatrix_->SelectBlock(landing.block.col, landing.block.row, landing.block.cols,
                           landing.block.rows);
    readingNote_->Say(note);
}

bool TForm1::WholeGridSelected() const {
    const CellRect selected = SelectedCells();
    return sgmatrix_->selectionModel()->hasSelection() && selected.col == 0 && selected.row == 0 &&
           selected.cols == grid_.Cols() && selected.rows == grid_.Rows();
}

// --- matrix files from the desktop -------------------------------------------------

void TForm1::OpenDesktopFile(const QString& path) {
    if (IsWorkspaceFile(path)) {
        OpenWorkspaceFile(path);
    } else {
        OpenMatrixFile(path);
    }
}

void TForm1::OpenMatrixFile(const QString& path) {
    if (Computing() || practice_) return;  // as 開く, which the practice mode disables
    sgmatrix_->CommitEdit();
    Run([&] {
        ReadMatrixFile(path.toStdString(), grid_);
        Record(true);
    });
}

}  // namespace korvane
