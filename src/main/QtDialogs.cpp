#include "main/QtDialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>

#include "main/JapaneseFileList.h"

namespace korvane {

namespace {

const QString kTitle = QStringLiteral("Korvane");
const QString kMatrixFilter = QStringLiteral("Korvaneの行列データ[*.kvm] (*.kvm)");
const QString kWorkspaceFilter = QStringLiteral("Korvaneのワークスペース[*.kvw] (*.kvw)");

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A lone carriage return breaks a message into lines, as a line feed does.
QString MessageText(std::string_view message) {
    QString text = FromUtf8(message);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The file list's columns fit their contents (long names, the type and the
// date in Japanese) each time a folder has been read, which happens in the
// background after the dialog shows.
void FitColumnsOnceRead(QFileDialog& dialog) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (model == nullptr || view == nullptr) return;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [view] {
        for (int column = 0; column < view->header()->count(); ++column)
            view->resizeColumnToContents(column);
    });
}

// The export dialog's filters, each with the extension it gives a name
// typed without one.
struct ExportFilter {
    LogFileType type;
    const char* filter;
    const char* suffix;
};

const ExportFilter kExportFilters[] = {
    {LogFileType::kText, "テキスト (*.txt)", "txt"},
    {LogFileType::kMarkdown, "Markdown (*.md)", "md"},
    {LogFileType::kLatex, "LaTeX 文書 (*.tex)", "tex"},
    {LogFileType::kLatexFragment, "LaTeX 断片（\\input 用） (*.tex)", "tex"},
    {LogFileType::kHtml, "HTML (*.html *.htm)", "html"},
    {LogFileType::kPdf, "PDF (*.pdf)", "pdf"},
};

// A label shows its access key, and passes it on, only with a buddy; the
// dialog gives one to the file name's label alone.
void GiveBuddy(const QFileDialog& dialog, const char* label, const char* buddy) {
    auto* shown = dialog.findChild<QLabel*>(QLatin1String(label));
    auto* control = dialog.findChild<QWidget*>(QLatin1String(buddy));
    if (shown != nullptr && control != nullptr) shown->setBuddy(control);
}

void LabelInJapanese(QFileDialog& dialog, const QString& accept) {
    GiveBuddy(dialog, "lookInLabel", "lookInCombo");
    GiveBuddy(dialog, "fileTypeLabel", "fileTypeCombo");
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("ファイルの場所(&I):"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名(&N):"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類(&T):"));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
}

void ShowOkBox(QWidget* parent, QMessageBox::Icon icon, const QString& message) {
    QMessageBox box(icon, kTitle, message, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace

std::string QtDialogs::InputBox(std::string_view caption, std::string_view prompt,
                                std::string_view defaultText) {
    QInputDialog dialog(parent_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(FromUtf8(caption));
    dialog.setLabelText(FromUtf8(prompt));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    const QString defaultValue = FromUtf8(defaultText);
    auto* edit = dialog.findChild<QLineEdit*>();
    // The limit is for typing: a longer default (a computed cell) stands
    // whole, and the line edit would cut it to its limit when set.
    if (edit) edit->setMaxLength(std::max<int>(kMaxInputLength, defaultValue.size()));
    dialog.setTextValue(defaultValue);
    if (edit) edit->selectAll();
    if (dialog.exec() != QDialog::Accepted) {
        return std::string(defaultText);
    }
    return dialog.textValue().toStdString();
}

void QtDialogs::ShowMessage(std::string_view message) {
    ShowOkBox(parent_, QMessageBox::NoIcon, MessageText(message));
}

bool QtDialogs::Confirm(std::string_view message) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), MessageText(message),
                    QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> QtDialogs::OpenFileName() {
    return AskFileName(false, kMatrixFilter, QStringLiteral("kvm"));
}

std::optional<std::string> QtDialogs::SaveFileName() {
    return AskFileName(true, kMatrixFilter, QStringLiteral("kvm"));
}

std::optional<std::string> QtDialogs::OpenWorkspaceName() {
    return AskFileName(false, kWorkspaceFilter, QStringLiteral("kvw"));
}

std::optional<std::string> QtDialogs::SaveWorkspaceName() {
    return AskFileName(true, kWorkspaceFilter, QStringLiteral("kvw"));
}

std::optional<std::size_t> QtDialogs::ChooseOne(std::string_view caption, std::string_view prompt,
                                                const std::vector<std::string>& options) {
    QStringList items;
    for (const std::string& option : options)
        items << FromUtf8(option);
    QInputDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("ChoiceDialog"));
    dialog.setWindowTitle(FromUtf8(caption));
    dialog.setLabelText(FromUtf8(prompt));
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const auto chosen = items.indexOf(dialog.textValue());
    if (chosen < 0) return std::nullopt;
    return static_cast<std::size_t>(chosen);
}

std::optional<std::string> QtDialogs::AskFileName(bool save, const QString& filter,
                                                  const QString& suffix) {
    QFileDialog dialog(parent_);
    dialog.setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    dialog.setWindowTitle(save ? QStringLiteral("名前を付けて保存") : QStringLiteral("開く"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // The save command asks about overwriting itself; opening a missing file
    // is allowed and reads as the defaults.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    LabelInJapanese(dialog, save ? QStringLiteral("保存(&S)") : QStringLiteral("開く(&O)"));
    ListFilesInJapanese(dialog);
    FitColumnsOnceRead(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<LogFileChoice> QtDialogs::ExportFileName() {
    QFileDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("ExportDialog1"));
    dialog.setWindowTitle(QStringLiteral("途中の計算を保存"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the command asks itself
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const ExportFilter& filter : kExportFilters)
        filters << QString::fromUtf8(filter.filter);
    dialog.setNameFilters(filters);
    const auto chosen = [&dialog, filters] {
        return kExportFilters[std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))];
    };
    dialog.setDefaultSuffix(QString::fromLatin1(chosen().suffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, chosen] {
        dialog.setDefaultSuffix(QString::fromLatin1(chosen().suffix));
    });
    LabelInJapanese(dialog, QStringLiteral("保存(&S)"));
    // The non-native dialog lays itself out on a grid; the choice goes under it.
    auto* withoutNotation =
        new QCheckBox(QStringLiteral("行基本変形の記号（R₂ → R₂ − 3R₁）を省く(&W)"));
    withoutNotation->setObjectName(QStringLiteral("WithoutNotation1"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(withoutNotation, grid->rowCount(), 0, 1, -1);
    ListFilesInJapanese(dialog);
    FitColumnsOnceRead(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return LogFileChoice{dialog.selectedFiles().constFirst().toStdString(), chosen().type,
                         !withoutNotation->isChecked()};
}

void QtDialogs::ShowError(QWidget* parent, const QString& message) {
    ShowOkBox(parent, QMessageBox::Critical, message);
}

}  // namespace korvane
