#include "main/HelpViewer.h"

namespace korvane {

const QUrl& HelpViewer::HelpFile() {
    static const QUrl url(QStringLiteral("qrc:/help/kvgui.html"));
    return url;
}

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Korvane 説明書"));
    setAccessibleName(QStringLiteral("説明書"));
    setOpenExternalLinks(true);
    resize(640, 480);
}

void HelpViewer::ShowContents() {
    setSource(HelpFile());
    scrollToAnchor(QStringLiteral("contents"));
    show();
    raise();
    activateWindow();
}

}  // namespace korvane
