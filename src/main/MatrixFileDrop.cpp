#include "main/MatrixFileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace korvane {

MatrixFileDrop::MatrixFileDrop(QObject* parent) : QObject(parent) {}

void MatrixFileDrop::Watch(QWidget* widget) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

QString MatrixFileDrop::MatrixFilePath(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    // One file at a time: the grid holds one matrix.
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String("kvm"), Qt::CaseInsensitive) == 0
               ? path
               : QString();
}

bool MatrixFileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = MatrixFilePath(drop->mimeData());
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
