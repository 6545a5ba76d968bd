// The save dialogs as a new user meets them: on the screen, whatever its pixel density,
// with every column and the side bar wide enough for their texts, in the interface's
// language. Run at the normal density and once more with two device pixels a pixel.

#include "form_fixture.h"
#include "ui/save_dialog/file_size_column.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QTreeView>

using namespace brenvik;
using brenvik::testing::FormFixture;

class SaveDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        // Qt's file dialog restores its columns from the user's settings: none here.
        QVERIFY(m_settings.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.path()));
    }

    void dialogFitsTheScreen_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::newRow("picture") << true;
        QTest::newRow("data") << false;
    }

    void dialogFitsTheScreen()
    {
        QFETCH(bool, picture);
        FormFixture f;
        f.graph.startGraph();
        auto dialog = picture ? f.graph.makeSavePictureDialog() : f.graph.makeSaveDataDialog();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QRect screen = f.graph.screen()->availableGeometry();
        QVERIFY2(screen.contains(dialog->frameGeometry()),
                 qPrintable(QStringLiteral("%1 × %2 at %3, %4 on %5 × %6")
                                .arg(dialog->frameGeometry().width())
                                .arg(dialog->frameGeometry().height())
                                .arg(dialog->frameGeometry().x())
                                .arg(dialog->frameGeometry().y())
                                .arg(screen.width())
                                .arg(screen.height())));
        dialog->reject();
        f.graph.hide();
    }

    void columnsAndSideBarShowTheirTexts()
    {
        FormFixture f;
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("ScrShot.bmp")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(528968, 'B'));  // 516.57 KiB: a long figure
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

        auto dialog = f.graph.makeSavePictureDialog();
        dialog->setViewMode(QFileDialog::Detail);
        dialog->setDirectory(dir.path());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(details && details->isVisible());
        const QModelIndex root = details->rootIndex();
        QTRY_COMPARE(details->model()->rowCount(root), 2);
        QModelIndex picture;
        for (int row = 0; row < 2; ++row)
            if (details->model()->index(row, 0, root).data() == QStringLiteral("ScrShot.bmp"))
                picture = details->model()->index(row, 1, root);
        QVERIFY(picture.isValid());
        auto* sizes = qobject_cast<FileSizeColumn*>(details->itemDelegateForColumn(1));
        QVERIFY(sizes);
        QTRY_COMPARE(sizes->text(picture), QStringLiteral("516") + f.sep() + QStringLiteral("57 КиБ"));

        // Each column as wide as its widest text, header included, once the details came.
        QHeaderView* header = details->header();
        const QAbstractItemView& view = *details;
        for (int column = 1; column <= 3; ++column)
            QTRY_VERIFY2(header->sectionSize(column) >= view.sizeHintForColumn(column) &&
                             header->sectionSize(column) >= header->sectionSizeHint(column),
                         qPrintable(QString::number(column)));
        auto* sidebar = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
        QVERIFY(sidebar);
        QVERIFY2(sidebar->viewport()->width() >= sidebar->sizeHintForColumn(0),
                 qPrintable(QStringLiteral("%1 < %2")
                                .arg(sidebar->viewport()->width())
                                .arg(sidebar->sizeHintForColumn(0))));
        dialog->reject();
    }

    void sizeTexts_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << qint64(0) << "0 байт";
        QTest::newRow("1023") << qint64(1023) << "1023 байт";
        QTest::newRow("1 KiB") << qint64(1024) << "1.00 КиБ";
        QTest::newRow("1.5 GiB") << (qint64(3) << 29) << "1.50 ГиБ";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "8192.00 ПиБ";
    }

    void sizeTexts()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, shown);
        QCOMPARE(fileSizeText(bytes, QLocale(QLocale::C)), shown);
    }
};

QTEST_MAIN(SaveDialogTest)
#include "save_dialog_test.moc"
