#include "main/KorvaneFileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace korvane {

bool IsWorkspaceFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("kvw"), Qt::CaseInsensitive) == 0;
}

KorvaneFileDrop::KorvaneFileDrop(QObject* parent) : QObject(parent) {}

void KorvaneFileDrop::Watch(QWidget* widget) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

QString KorvaneFileDrop::KorvaneFilePath(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    // One file at a time: the grid holds one matrix, the panel one workspace.
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    const QString path = urls.front().toLocalFile();
    const bool matrixFile =
        QFileInfo(path).suffix().compare(QLatin1String("kvm"), Qt::CaseInsensitive) == 0;
    return matrixFile || IsWorkspaceFile(path) ? path : QString();
}

bool KorvaneFileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = KorvaneFilePath(drop->mimeData());
    if (path.isEmpty()) return QObject::eventFilter(watched, event);
    if (refusing_ && refusing_()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) emit dropped(path);
    return true;
}

}  // namespace korvane
