// The windows' icon: every size in resources/icons/ (the ones the package installs), each
// shown as drawn for its size, and the small ones drawn, not the large one scaled down.

#include "ui/program_icon.h"

#include <QDir>
#include <QImage>
#include <QtTest>

class ProgramIconTest : public QObject {
    Q_OBJECT

private slots:
    void everySizeAsDrawn()
    {
        const QIcon icon = brenvik::programIcon();
        const QDir sources(QStringLiteral(BRENVIK_ICON_DIR));
        QList<int> fileSizes;
        for (const QString& name : sources.entryList({QStringLiteral("*.png")}, QDir::Files)) {
            const QImage drawn(sources.filePath(name));
            const int size = QFileInfo(name).completeBaseName().toInt();
            QVERIFY2(size > 0, qPrintable(name));
            QCOMPARE(drawn.size(), QSize(size, size));
            fileSizes.append(size);
            const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
            // Compared premultiplied, as a pixmap holds them.
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        const QList<int> expected{16, 22, 24, 32, 48, 64, 128, 256, 512};
        std::sort(fileSizes.begin(), fileSizes.end());
        QCOMPARE(fileSizes, expected);
        QCOMPARE(icon.availableSizes().size(), expected.size());
    }

    void smallSizesDrawnForTheirSize()
    {
        const QImage large(QStringLiteral(BRENVIK_ICON_DIR "/256.png"));
        for (int size : {16, 22, 24, 32, 48}) {
            const QImage drawn = QImage(QStringLiteral(BRENVIK_ICON_DIR "/%1.png").arg(size))
                                     .convertToFormat(QImage::Format_ARGB32);
            const QImage scaled = large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                      .convertToFormat(QImage::Format_ARGB32);
            // A drawing of its own differs from the scaled-down large icon in many pixels.
            int differing = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    differing += qAbs(qAlpha(drawn.pixel(x, y)) - qAlpha(scaled.pixel(x, y))) > 64 ||
                                 qAbs(qRed(drawn.pixel(x, y)) - qRed(scaled.pixel(x, y))) > 64;
            QVERIFY2(differing > size * size / 20, qPrintable(QStringLiteral("%1 px").arg(size)));
        }
    }
};

QTEST_MAIN(ProgramIconTest)
#include "program_icon_test.moc"
