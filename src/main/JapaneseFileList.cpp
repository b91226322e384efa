#include "main/JapaneseFileList.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace korvane {

namespace {

// The file system model's columns.
enum Column { kName, kSize, kType, kModified };

QString TypeText(const QFileInfo& info, const QVariant& given) {
    if (info.isRoot()) return QStringLiteral("ドライブ");
    if (info.isDir()) return QStringLiteral("フォルダー");
    return given.toString();  // a file's type by name, as Qt finds it in Japanese
}

}  // namespace

QVariant JapaneseFileList::data(const QModelIndex& index, int role) const {
    const QVariant given = QIdentityProxyModel::data(index, role);
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr || index.column() == kName) return given;
    const QFileInfo info = files->fileInfo(mapToSource(index));
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    switch (index.column()) {
        case kSize:
            if (info.isDir()) return given;
            return japanese.formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
        case kType:
            return TypeText(info, given);
        case kModified:
            return japanese.toString(info.lastModified(), QLocale::ShortFormat);
        default:
            return given;
    }
}

QVariant JapaneseFileList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QIdentityProxyModel::headerData(section, orientation, role);
    switch (section) {
        case kName:
            return QStringLiteral("名前");
        case kSize:
            return QStringLiteral("サイズ");
        case kType:
            return QStringLiteral("種類");
        case kModified:
            return QStringLiteral("更新日時");
        default:
            return QIdentityProxyModel::headerData(section, orientation, role);
    }
}

void ListFilesInJapanese(QFileDialog& dialog) {
    dialog.setProxyModel(new JapaneseFileList(&dialog));
}

}  // namespace korvane
