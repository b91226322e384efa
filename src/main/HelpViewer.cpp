#include "main/HelpViewer.h"

#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <memory>

namespace korvane {

namespace {

constexpr int kReadingWidth = 640;  // narrower would wrap the text uncomfortably
constexpr int kMinimumHeight = 480;

}  // namespace

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
    resize(kReadingWidth, kMinimumHeight);
}

void HelpViewer::ShowContents() {
    const bool firstShowing = source().isEmpty();
    setSource(HelpFile());
    scrollToAnchor(QStringLiteral("contents"));
    if (firstShowing && parentWidget() != nullptr) PlaceBeside(*parentWidget());
    show();
    raise();
    activateWindow();
}

int HelpViewer::PageWidth() const {
    // Laid out as narrow as it goes, the page is as wide as its widest table
    // or preformatted block.
    const std::unique_ptr<QTextDocument> probe(document()->clone());
    probe->setTextWidth(1);
    const int content = static_cast<int>(probe->idealWidth() + 1);
    const int chrome = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    return std::max(kReadingWidth, content + chrome);
}

void HelpViewer::PlaceBeside(const QWidget& mainWindow) {
    const QScreen* screen = mainWindow.screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QRect main = mainWindow.frameGeometry();
    const QSize size(std::min(PageWidth(), area.width()),
                     std::min(std::max(kMinimumHeight, main.height()), area.height()));
    // To the right of the main window where the screen has room, else over
    // it; never past the screen's edges.
    QPoint at(main.right() + 1, main.top());
    if (at.x() + size.width() > area.right() + 1) at.setX(main.left());
    at.setX(std::clamp(at.x(), area.left(), area.right() + 1 - size.width()));
    at.setY(std::clamp(at.y(), area.top(), area.bottom() + 1 - size.height()));
    resize(size);
    move(at);
}

}  // namespace korvane
