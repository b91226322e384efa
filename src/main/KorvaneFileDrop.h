#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace korvane {

// Takes a matrix file (.kvm) or a workspace file (.kvw) dropped from a file
// manager on the widgets it watches, and tells its path. Other drops are left
// to the widgets.
// Whether path names a workspace file (.kvw) rather than a matrix file.
bool IsWorkspaceFile(const QString& path);

class KorvaneFileDrop : public QObject {
    Q_OBJECT

  public:
    explicit KorvaneFileDrop(QObject* parent = nullptr);

    // Accepts drops on widget (and those that reach it from its children).
    void Watch(QWidget* widget);
    // While refusing() is true, a dragged file is not taken.
    void SetRefusing(std::function<bool()> refusing) { refusing_ = std::move(refusing); }

    // The local path of the .kvm or .kvw file the drag carries, or empty.
    static QString KorvaneFilePath(const QMimeData* data);

  signals:
    void dropped(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool()> refusing_;
};

}  // namespace korvane
