#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

namespace korvane {

// The file dialogs' list in Japanese: the file system model reads sizes and
// dates in the system's locale (often C, so "8 Dec 2026 14:38:09") and
// names a folder "Folder" even with Qt's Japanese translations; this shows
// them as the rest of the program does ("2026/12/08 14:38", "フォルダー").
class JapaneseFileList : public QIdentityProxyModel {
    Q_OBJECT

  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

// Puts a JapaneseFileList, owned by dialog, between the non-native dialog
// and its file system model.
void ListFilesInJapanese(QFileDialog& dialog);

}  // namespace korvane
