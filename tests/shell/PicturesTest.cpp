#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

#include "PictureNames.h"

namespace {

using korvane::test::kToolbarPictures;

QImage Render(const QString& resource, QSize size) {
    QSvgRenderer renderer(resource);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    }
    return count;
}

QString Source(const QString& resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPictureIsAValidSvgOfItsSize_data();
    void everyPictureIsAValidSvgOfItsSize();
    void toolbarPicturesDifferAt16Pixels();
    void titlePictureUsesAtMostSixteenFlatColours();
};

void PicturesTest::everyPictureIsAValidSvgOfItsSize_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    for (const QString& name : kToolbarPictures) {
        QTest::newRow(qPrintable(name))
            << QStringLiteral(":/icons/%1.svg").arg(name) << QSize(16, 16);
    }
    QTest::newRow("window") << QStringLiteral(":/icons/window.svg") << QSize(16, 16);
    QTest::newRow("program") << QStringLiteral(":/korvane.svg") << QSize(32, 32);
    QTest::newRow("title") << QStringLiteral(":/title.svg") << QSize(250, 150);
}

void PicturesTest::everyPictureIsAValidSvgOfItsSize() {
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QSvgRenderer renderer(resource);
    QVERIFY2(renderer.isValid(), qPrintable(resource));
    QCOMPARE(renderer.defaultSize(), size);
    // Something must show, and a picture must not be one solid block either.
    const int opaque = OpaquePixels(Render(resource, size));
    QVERIFY(opaque > size.width() * size.height() / 20);
    if (size != QSize(250, 150)) QVERIFY(opaque < size.width() * size.height());
}

void PicturesTest::toolbarPicturesDifferAt16Pixels() {
    QList<QImage> images;
    for (const QString& name : kToolbarPictures) {
        images << Render(QStringLiteral(":/icons/%1.svg").arg(name), {16, 16});
    }
    for (int a = 0; a < images.size(); ++a) {
        for (int b = a + 1; b < images.size(); ++b) {
            int differing = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x)
                    differing += images[a].pixel(x, y) != images[b].pixel(x, y);
            }
            // A handful of pixels would be too little to tell them apart.
            QVERIFY2(differing >= 12,
                     qPrintable(kToolbarPictures[a] + " looks like " + kToolbarPictures[b]));
        }
    }
}

void PicturesTest::titlePictureUsesAtMostSixteenFlatColours() {
    const QString svg = Source(QStringLiteral(":/title.svg"));
    QVERIFY(!svg.isEmpty());
    QVERIFY(!svg.contains(QStringLiteral("Gradient")));
    QVERIFY(!svg.contains(QStringLiteral("opacity")));
    QSet<QString> colours;
    const QRegularExpression colour(QStringLiteral("#[0-9a-fA-F]{6}\\b"));
    for (const auto& match : colour.globalMatch(svg))
        colours.insert(match.captured().toLower());
    QVERIFY(!colours.isEmpty());
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
}

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
