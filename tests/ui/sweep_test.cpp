// The parameter sweep and the graph window, driven by calling the tick handler.

#include "form_fixture.h"
#include "model/sweep_steps.h"
#include "model/trials.h"
#include "ui/bmp_file.h"
#include "ui/save_dialog/picture_preview.h"
#include "ui/sweep_points.h"
#include "ui/window_placement.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <sys/inotify.h>
#include <unistd.h>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

struct SweepFixture : FormFixture {
    SweepState& state() { return form->sweep(); }
    QPushButton* button() { return child<QPushButton>("Button1"); }

    /// Ticks until the sweep ends, at most `limit`; the number of ticks it took.
    int runToEnd(int limit)
    {
        int ticks = 0;
        while (state().active && ticks < limit) {
            form->tick();
            ++ticks;
        }
        return ticks;
    }

    bool isLime(QPoint p) const { return graph.canvas().image().pixelColor(p) == QColor(0, 255, 0); }
    int limePixels() const
    {
        const QImage& image = graph.canvas().image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(0, 255, 0);
        return count;
    }
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le32(const QByteArray& b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 |
           quint32(quint8(b[at + 3])) << 24;
}

/// Run by under_openbox.sh: windows have frames and the window manager stacks them.
bool underWindowManager() { return qEnvironmentVariableIsSet("BRENVIK_TEST_WINDOW_MANAGER"); }

quint16 le16(const QByteArray& b, int at) { return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8); }

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// The names of the files in `folder` that were opened since the watch began.
class OpenedFiles {
public:
    explicit OpenedFiles(const QString& folder)
        : m_fd(inotify_init1(IN_NONBLOCK)),
          m_watch(inotify_add_watch(m_fd, QFile::encodeName(folder), IN_OPEN))
    {
    }
    ~OpenedFiles() { close(m_fd); }
    bool watching() const { return m_fd >= 0 && m_watch >= 0; }

    QStringList names() const
    {
        QStringList result;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (!(event->mask & IN_ISDIR) && event->len > 0)
                    result << QFile::decodeName(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return result;
    }

private:
    int m_fd;
    int m_watch;
};

/// The file list the dialog shows, as a list or in detail.
QAbstractItemView* fileList(QFileDialog& dialog)
{
    for (auto* view : dialog.findChildren<QAbstractItemView*>())
        if (view->isVisible() && (view->objectName() == QLatin1String("listView") ||
                                  view->objectName() == QLatin1String("treeView")))
            return view;
    return nullptr;
}

/// Shows `dialog` on `folder` and waits until its file list holds `rows` entries; the
/// list, or null when it does not come.
QAbstractItemView* showOn(QFileDialog& dialog, const QString& folder, int rows)
{
    dialog.setDirectory(folder);
    dialog.show();
    QAbstractItemView* list = fileList(dialog);
    const bool listed =
        list && QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == rows; });
    return listed ? list : nullptr;
}

}  // namespace

class SweepTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void batchOfOneNeverAdvances()
    {
        SweepFixture f;
        f.edit("Edit2")->setText(QStringLiteral("1"));
        QTest::mouseClick(f.button(), Qt::LeftButton);
        QVERIFY(f.state().active);
        f.ticks(40);
        QCOMPARE(int(f.state().step), 0);
        QCOMPARE(f.slider("TrackBar3")->value(), -60);
        QCOMPARE(f.label("Label13")->text(), QStringLiteral("-60"));
        QVERIFY(f.graph.points().empty());
        QVERIFY(f.state().active);
    }

    void batchesOfTwoAndFiveAdvanceOncePerBatch_data()
    {
        QTest::addColumn<int>("batch");
        QTest::newRow("2") << 2;
        QTest::newRow("5") << 5;
    }

    void batchesOfTwoAndFiveAdvanceOncePerBatch()
    {
        QFETCH(int, batch);
        SweepFixture f;
        f.edit("Edit2")->setText(QString::number(batch));
        f.form->startSweep();
        int advances = 0;
        int ticks = 0;
        while (f.state().active && ticks < 200 * batch) {
            const int before = f.state().step;
            f.form->tick();
            ++ticks;
            advances += f.state().step != before;
            QVERIFY(f.state().step - before <= 1);
        }
        QVERIFY2(ticks >= 120 * batch + 1 && ticks <= 121 * batch, QByteArray::number(ticks));
        QCOMPARE(advances, 121);
        QCOMPARE(int(f.state().step), kSweepEndStep);
        QCOMPARE(f.button()->text(), QStringLiteral("Старт!"));
        // The parameters stay at their step-120 values; the last point stands at x = 494.
        QCOMPARE(f.slider("TrackBar3")->value(), 60);
        QCOMPARE(f.graph.canvas().penPos().x(), 494);
        QVERIFY(f.graph.isVisible());
    }

    void parametersOfChosenSteps_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("noise");
        QTest::addColumn<QString>("threshold");
        QTest::newRow("0") << 0 << -60 << 0 << "0";
        QTest::newRow("1") << 1 << -59 << 0 << "0";
        QTest::newRow("17") << 17 << -43 << 4 << "0,14";
        QTest::newRow("18") << 18 << -42 << 4 << "0,14";
        QTest::newRow("60") << 60 << 0 << 15 << "0,49";
        QTest::newRow("120") << 120 << 60 << 30 << "0,99";
    }

    void parametersOfChosenSteps()
    {
        QFETCH(int, step);
        QFETCH(int, position);
        QFETCH(int, noise);
        QFETCH(QString, threshold);
        SweepFixture f;
        for (const char* name : {"CheckBox3", "CheckBox4"})
            f.checkBox(name)->setChecked(true);
        f.form->startSweep();
        QVERIFY(f.checkBox("CheckBox1")->isChecked());  // a noise sweep switches the noise on
        QVERIFY(f.slider("TrackBar5")->isEnabled());    // switching the noise on enabled its level again
        f.state().step = static_cast<std::uint8_t>(step);
        f.form->sweepStep();
        QCOMPARE(f.slider("TrackBar3")->value(), position);
        QCOMPARE(f.slider("TrackBar4")->value(), position);
        QCOMPARE(f.label("Label12")->text(), QString::number(position));
        QCOMPARE(f.slider("TrackBar5")->value(), noise);
        QCOMPARE(f.edit("Edit3")->text(), f.local(threshold));
    }

    void noBoxTickedStillRuns()
    {
        SweepFixture f;
        f.checkBox("CheckBox2")->setChecked(false);
        f.slider("TrackBar3")->setValue(7);
        f.form->startSweep();
        f.ticks(30);
        QVERIFY(f.state().step >= 5);
        QCOMPARE(f.slider("TrackBar3")->value(), 7);
        QCOMPARE(f.edit("Edit3")->text(), f.local("0,27"));
        QVERIFY(!f.graph.points().empty());
    }

    void controlsAreLockedAndUnlocked()
    {
        SweepFixture f;
        const char* locked[] = {"CheckBox1", "CheckBox2", "CheckBox3", "TrackBar1", "TrackBar2", "TrackBar3",
                                "TrackBar4", "TrackBar5", "Edit1",     "Edit2",     "Edit3",     "CheckBox4"};
        QTest::mouseClick(f.button(), Qt::LeftButton);
        QCOMPARE(f.button()->text(), QStringLiteral("Стоп"));
        for (const char* name : locked)
            QVERIFY2(!f.form->findChild<QWidget*>(name)->isEnabled(), name);
        for (const char* name : {"Button1", "TrackBar6", "TrackBar7", "TrackBar8", "BitBtn1", "SpeedButton1"})
            QVERIFY2(f.form->findChild<QWidget*>(name)->isEnabled(), name);

        QTest::mouseClick(f.button(), Qt::LeftButton);
        QVERIFY(!f.state().active);
        QCOMPARE(f.button()->text(), QStringLiteral("Старт!"));
        for (const char* name : locked)
            QVERIFY2(f.form->findChild<QWidget*>(name)->isEnabled(), name);
        // The noise level stays enabled after a sweep although the noise is off.
        QVERIFY(!f.checkBox("CheckBox1")->isChecked());
        QVERIFY(f.slider("TrackBar5")->isEnabled());
    }

    void curveStandsWhereTheStepsAndProbabilitiesSay()
    {
        SweepFixture f;
        f.form->startSweep();
        const int base = f.graph.graphBaseY();
        QCOMPARE(base, f.graph.frameGeometry().height() - 40);
        QCOMPARE(f.graph.canvas().penPos(), QPoint(10, base - 200));
        f.ticks(5 * 40);
        QVERIFY(f.graph.points().size() > 30);
        for (const SweepPoint& p : f.graph.points()) {
            const QPoint at(4 * p.step + 10, base - curveHeight(p.probability));
            QVERIFY2(f.isLime(at), QByteArray::number(p.step));
        }
        // The graph window sits at the top right of the desktop.
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        QCOMPARE(f.graph.frameGeometry().right(), desktop.right());
        QCOMPARE(f.graph.frameGeometry().top(), desktop.top());
    }

    void graphTakesItsOuterSizeFromTheFirstStart()
    {
        SweepFixture f;
        // Where the program puts it: the graph's corner clear of its inputs.
        centreOnScreen(*f.form);
        keepGraphCornerClear(*f.form, f.graph);
        f.showExposed();
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        for (const char* start : {"first", "second"}) {
            f.form->startSweep();
            const int base = f.graph.graphBaseY();
            const QPoint pen = f.graph.canvas().penPos();
            QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
            QTest::qWait(100);  // the window manager's last word on the frame
            const QRect outer = f.graph.frameGeometry();
            if (underWindowManager())
                QVERIFY2(outer.height() > f.graph.height(), start);
            QCOMPARE(base, outer.height() - 40);
            QCOMPARE(pen, QPoint(10, outer.height() - 40 - 200));
            QCOMPARE(outer.topRight(), desktop.topRight());
            f.form->stopSweep();
            f.graph.close();
        }
    }

    void graphStaysAboveAndKeepsItsPicture()
    {
        if (!underWindowManager())
            QSKIP("no window manager: nothing keeps a window on top");
        SweepFixture f;
        f.showExposed();
        f.form->startSweep();
        f.ticks(5 * 20);
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        // The main window over the graph's place, active, raised; then the graph minimised
        // and restored.
        f.form->move(f.graph.frameGeometry().topLeft() - QPoint(100, 0));
        f.form->raise();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        f.graph.showMinimized();
        QTRY_VERIFY(!f.graph.windowHandle()->isExposed());  // the window manager took it away
        f.graph.showNormal();
        QTRY_VERIFY(f.graph.windowHandle()->isExposed() && !f.graph.isMinimized());
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QTest::qWait(200);
        const QPoint client = f.graph.mapToGlobal(QPoint(0, 0));
        const QImage screen =
            QGuiApplication::primaryScreen()->grabWindow(0, client.x(), client.y(), 400, 300).toImage();
        const QImage& canvas = f.graph.canvas().image();
        int differing = 0;
        for (int y = 60; y < 300; y += 3)
            for (int x = 0; x < 400; x += 3)
                differing += screen.pixel(x, y) != canvas.pixel(x, y);
        QCOMPARE(differing, 0);
    }

    void stopLeavesTheCurveAndStartClearsIt()
    {
        SweepFixture f;
        f.form->startSweep();
        f.ticks(60);
        QTest::mouseClick(f.button(), Qt::LeftButton);
        const QImage stopped = f.graph.canvas().image();
        QVERIFY(f.limePixels() > 0);
        f.ticks(20);
        QCOMPARE(f.graph.canvas().image(), stopped);

        f.graph.close();
        QTest::mouseClick(f.button(), Qt::LeftButton);
        QVERIFY(f.graph.isVisible());
        QCOMPARE(int(f.state().step), 0);
        QCOMPARE(f.limePixels(), 0);
        QVERIFY(f.graph.points().empty());
        QCOMPARE(f.graph.canvas().penPos(), QPoint(10, f.graph.graphBaseY() - 200));
    }

    void pictureSurvivesHideAndShow()
    {
        SweepFixture f;
        f.form->startSweep();
        f.ticks(60);
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        f.graph.hide();
        f.graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        const QImage shown = f.graph.grab().toImage();
        const QImage& canvas = f.graph.canvas().image();
        // Outside the button panel the window shows the canvas pixel for pixel.
        for (int y = 60; y < canvas.height(); y += 7)
            for (int x = 0; x < canvas.width(); x += 5)
                QCOMPARE(shown.pixel(x, y), canvas.pixel(x, y));
    }

    void sweepWaitsForAProbability()
    {
        SweepFixture f;
        f.ticks(1);  // one trial of the first batch: TestCount 1, the box still shows "---"
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("---"));
        f.edit("Edit1")->clear();
        f.form->startSweep();
        f.ticks(10);
        QVERIFY(f.state().step >= 10);  // every tick advances: the count stays 1
        QVERIFY(f.graph.points().empty());
        QCOMPARE(f.takeReport(), QStringLiteral("'' is not a valid floating point value."));
        f.ticks(3);
        QVERIFY(!f.report.isOpen());  // the sweep itself reports nothing
        QTest::mouseClick(f.button(), Qt::LeftButton);
        QVERIFY(!f.state().active);
    }

    void screenshotIsA24BitBmpOfTheOuterSize()
    {
        SweepFixture f;
        f.form->startSweep();
        f.ticks(40);
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        QTemporaryDir dir;
        QString proposed;
        f.graph.setFileNameAsker([&](QFileDialog& dialog) {
            proposed = dialog.selectedFiles().value(0);
            dialog.selectFile(dir.filePath(QStringLiteral("graph")));  // typed without extension
            return dialog.selectedFiles().value(0);
        });
        const QImage expected = f.graph.screenshot();
        QTest::mouseClick(f.graph.findChild<QToolButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
        QVERIFY(proposed.endsWith(QStringLiteral("ScrShot.bmp")));

        const QByteArray bmp = readFile(dir.filePath(QStringLiteral("graph.bmp")));
        const QSize outer = f.graph.frameGeometry().size();
        const int rowBytes = (outer.width() * 3 + 3) / 4 * 4;
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(le32(bmp, 2), quint32(54 + rowBytes * outer.height()));
        QCOMPARE(le32(bmp, 6), 0u);
        QCOMPARE(le32(bmp, 10), 54u);
        QCOMPARE(le32(bmp, 14), 40u);
        QCOMPARE(int(le32(bmp, 18)), outer.width());
        QCOMPARE(int(le32(bmp, 22)), outer.height());
        QCOMPARE(le16(bmp, 26), quint16(1));
        QCOMPARE(le16(bmp, 28), quint16(24));
        QCOMPARE(le32(bmp, 30), 0u);
        QCOMPARE(bmp.size(), 54 + rowBytes * outer.height());

        const QImage read = QImage::fromData(bmp, "BMP");
        QCOMPARE(read.size(), outer);
        const QImage& canvas = f.graph.canvas().image();
        for (const SweepPoint& p : f.graph.points()) {
            const QPoint at(4 * p.step + 10, f.graph.graphBaseY() - curveHeight(p.probability));
            QCOMPARE(read.pixelColor(at), QColor(0, 255, 0));
        }
        QCOMPARE(read.pixel(100, 200), canvas.pixel(100, 200));
        QCOMPARE(read.pixel(5, 5), expected.pixel(5, 5));
        // Whatever the frame adds to the client size is white.
        if (underWindowManager())
            QVERIFY(outer.width() > f.graph.width() && outer.height() > f.graph.height());
        if (outer.width() > f.graph.width())
            QCOMPARE(read.pixelColor(outer.width() - 1, 100), QColor(Qt::white));
        if (outer.height() > f.graph.height())
            QCOMPARE(read.pixelColor(100, outer.height() - 1), QColor(Qt::white));

        // The next screenshot proposes the name used last.
        f.graph.savePicture();
        QCOMPARE(proposed, dir.filePath(QStringLiteral("graph.bmp")));
    }

    void screenshotDialogAsTheUserSeesIt()
    {
        SweepFixture f;
        auto dialog = f.graph.makeSavePictureDialog();
        QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("BMP-хи (*.bmp)")});
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("bmp"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog->selectedFiles().value(0).endsWith(QStringLiteral("ScrShot.bmp")));
    }

    void dialogRefusesAFolderThatDoesNotExist_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::newRow("screenshot") << true;
        QTest::newRow("data") << false;
    }

    void dialogRefusesAFolderThatDoesNotExist()
    {
        QFETCH(bool, picture);
        SweepFixture f;
        QString warning;
        bool inFrontOfTheOpenDialog = false;
        QFileDialog* asked = nullptr;
        bool sameDialog = false;
        int dialogs = 0;
        // The real dialog, answered as a user would: a name in a missing folder, then Cancel.
        std::function<void()> answer = [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                if (++dialogs == 1) {
                    asked = dialog;
                    // Typed into the dialog's name box, which takes any path.
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                        ->setText(QStringLiteral("/no/such/folder/shot"));
                    // As the Save button does, from the dialog's own event loop.
                    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                } else {
                    sameDialog = dialog == asked;  // never closed meanwhile
                    dialog->reject();
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                warning = box->text();
                // The window system puts it above its transient parent, which must be showing.
                inFrontOfTheOpenDialog = asked && asked->isVisible() && box->parentWidget() == asked &&
                                         box->windowHandle()->transientParent() == asked->windowHandle();
                box->accept();
            }
            if (dialogs < 2)
                QTimer::singleShot(50, answer);
        };
        QTimer::singleShot(50, answer);
        if (picture)
            f.graph.savePicture();
        else
            f.graph.saveData();
        QCOMPARE(dialogs, 2);
        QCOMPARE(warning, QStringLiteral("Папка «/no/such/folder» не существует."));
        QVERIFY(inFrontOfTheOpenDialog);
        QVERIFY(sameDialog);
        QVERIFY(!f.report.isOpen());
        QVERIFY(!QDir(QStringLiteral("/no/such/folder")).exists());
    }

    void previewShowsTheSelectedPicture_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("shown");
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(QColor(0, 255, 0));
        QTest::newRow("picture") << bmpImage(picture) << QSize(60, 40);
        QImage large(700, 350, QImage::Format_RGB32);
        large.fill(Qt::black);
        QTest::newRow("larger than the pane") << bmpImage(large) << QSize(700, 350);
        QTest::newRow("no picture") << QByteArray("step,probability\n") << QSize(0, 0);
        QTest::newRow("empty") << QByteArray() << QSize(0, 0);
    }

    void previewShowsTheSelectedPicture()
    {
        QFETCH(QByteArray, content);
        QFETCH(QSize, shown);
        SweepFixture f;
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("shot.bmp")), content);
        auto dialog = f.graph.makeSavePictureDialog();
        auto* preview = dialog->findChild<PicturePreview*>();
        QVERIFY(preview);
        QAbstractItemView* list = showOn(*dialog, dir.path(), 1);
        QVERIFY(list);
        // Beside the file list.
        QVERIFY(preview->isVisible());
        QVERIFY(preview->mapTo(dialog.get(), QPoint()).x() >=
                list->mapTo(dialog.get(), QPoint(list->width(), 0)).x());

        const OpenedFiles opened(dir.path());
        const QModelIndex item = list->model()->index(0, 0, list->rootIndex());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        QCOMPARE(preview->picture().size(), shown);
        // A file that reports no size, as the kernel's files do, is not even opened.
        QCOMPARE(opened.names().isEmpty(), content.isEmpty());
        QCOMPARE(preview->sizeText(), !shown.isEmpty()
                                          ? QStringLiteral("%1 × %2").arg(shown.width()).arg(shown.height())
                                          : QString());
        const QPixmap onScreen = preview->findChild<QLabel*>()->pixmap();
        QVERIFY(onScreen.width() <= preview->width() && onScreen.height() <= preview->height());
        if (shown == QSize(60, 40))
            QCOMPARE(onScreen.toImage().pixelColor(30, 20), QColor(0, 255, 0));
        dialog->reject();
    }

    void fileListReadsNoFileToShowIt_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::newRow("picture") << true;
        QTest::newRow("data") << false;
    }

    void fileListReadsNoFileToShowIt()
    {
        QFETCH(bool, picture);
        SweepFixture f;
        QTemporaryDir dir;
        // Names that say nothing of the content: a kernel file such as /proc/kmsg is one.
        for (const char* name : {"kmsg", "notes", "shot.bmp"})
            writeFile(dir.filePath(QString::fromLatin1(name)), "BM not quite a picture");
        const OpenedFiles opened(dir.path());
        QVERIFY(opened.watching());
        auto dialog = picture ? f.graph.makeSavePictureDialog() : f.graph.makeSaveDataDialog();
        dialog->setNameFilter(QStringLiteral("* (*)"));  // as a user who types "*" sees them
        QVERIFY(showOn(*dialog, dir.path(), 3));
        auto* model = dialog->findChild<QFileSystemModel*>();
        const QModelIndex folder = model->index(dir.path());
        for (int row = 0; row < model->rowCount(folder); ++row) {
            QVERIFY(!model->data(model->index(row, 0, folder), Qt::DecorationRole).isNull());
            QVERIFY(!model->data(model->index(row, 2, folder)).toString().isEmpty());  // the type column
        }
        QTest::qWait(200);
        QCOMPARE(opened.names(), QStringList());
        dialog->reject();
    }

    void ticksGoOnWhileTheDialogShowsProc()
    {
        SweepFixture f;
        QSignalSpy ticks(&f.form->frameTimer(), &QTimer::timeout);
        f.form->frameTimer().start();
        // The rate without the dialog first: where a frame takes longer than the tick
        // (software OpenGL under emulation, a busy machine) fewer ticks come, dialog or not.
        QTest::qWait(500);
        const int before = ticks.count();
        if (before < 2)
            QSKIP("Frames take longer than a quarter of a second here: too few ticks to count");
        int during = -1;
        QTimer::singleShot(1500, [&] {
            during = ticks.count() - before;
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        f.graph.setFileNameAsker([](QFileDialog& dialog) {
            dialog.setDirectory(QStringLiteral("/proc"));
            dialog.setNameFilter(QStringLiteral("* (*)"));
            dialog.exec();
            return QString();
        });
        f.graph.savePicture();
        // About 43 at 35 ms; three times the half second's count at any rate.
        QVERIFY2(during >= std::min(15, 2 * before), QByteArray::number(during));
        f.form->frameTimer().stop();
    }

    void cancelledDialogWritesNothing()
    {
        SweepFixture f;
        QTemporaryDir dir;
        f.graph.setFileNameAsker([](QFileDialog&) { return QString(); });
        QDir::setCurrent(dir.path());
        f.graph.savePicture();
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(!f.report.isOpen());
    }

    void unwritableFolderIsReportedAndLeavesNoFile()
    {
        SweepFixture f;
        const QString path = QStringLiteral("/proc/brenvik-screenshot.bmp");
        f.graph.setFileNameAsker([&](QFileDialog&) { return path; });
        f.graph.savePicture();
        const QString report = f.takeReport();
        const QString head =
            QCoreApplication::translate("FileError", "Не удалось создать файл «%1». %2").arg(path, QString());
        QVERIFY2(report.startsWith(head) && report.size() > head.size(), qPrintable(report));
        QVERIFY(!QFile::exists(path));
    }

    void exportedRowsNameTheParametersOfTheirTrials_data()
    {
        QTest::addColumn<int>("batch");
        QTest::addColumn<int>("trialsAtLast");
        // Two trials per batch are made at one step; of five, the first two at the step before.
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("5") << 5 << 3;
    }

    void exportedRowsNameTheParametersOfTheirTrials()
    {
        QFETCH(int, batch);
        QFETCH(int, trialsAtLast);
        SweepFixture f;
        f.edit("Edit2")->setText(QString::number(batch));
        f.form->startSweep();
        f.runToEnd(125 * batch);
        QTemporaryDir dir;
        f.graph.setFileNameAsker([&](QFileDialog& dialog) {
            [&] { QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("CSV (*.csv)")}); }();
            return dir.filePath(QStringLiteral("data.csv"));
        });
        f.graph.saveData();
        const QStringList lines = QString::fromUtf8(readFile(dir.filePath(QStringLiteral("data.csv"))))
                                      .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.front(),
                 QStringLiteral("step,probability,trials,first_t2x,first_t2y,first_noise,first_threshold,"
                                "last_t2x,last_t2y,last_noise,last_threshold,last_trials,p_expected"));
        QCOMPARE(lines.size() - 1, 120);  // steps 2 … 121

        // Noise off: a trial's verdict depends on its parameters alone.
        NoiseGenerator unused;
        FrameEvaluator evaluator;
        const auto verdict = [&](const QStringList& row, int at) {
            ModelParameters inputs;
            inputs.t2x = static_cast<std::int8_t>(row[at].toInt());
            inputs.t2y = static_cast<std::int8_t>(row[at + 1].toInt());
            inputs.threshold = row[at + 3].toFloat();
            return evaluator.evaluate(inputs, unused).resolved ? 1 : 0;
        };
        for (int i = 1; i < lines.size(); ++i) {
            const QStringList row = lines[i].split(',');
            QCOMPARE(row.size(), 13);
            QCOMPARE(row[2].toInt(), batch);
            QCOMPARE(row[11].toInt(), trialsAtLast);
            QCOMPARE(row[5], QStringLiteral("off"));
            QCOMPARE(row[6], QStringLiteral("0.27"));
            QCOMPARE(row[3] == row[7], trialsAtLast == batch);
            const int resolved = verdict(row, 3) * (batch - trialsAtLast) + verdict(row, 7) * trialsAtLast;
            // The level is the share as the probability box shows it.
            const float share = toSingle(static_cast<Extended>(resolved) / batch);
            QCOMPARE(row[1], QString::fromStdString(probabilityText(share, '.')));
            // Without noise every trial is certain: the batch is expected to give what it gave.
            QCOMPARE(row[12].toDouble(), double(resolved) / batch);
        }
    }

    void exportedRowKeepsT2sXAndYApart()
    {
        // T2 off the diagonal, as it stays when no position sweep moves it.
        ModelParameters first, last;
        first.t2x = 10;
        first.t2y = 5;
        last.t2x = -7;
        last.t2y = 20;
        SweepPoint point;
        point.step = 9;
        point.trials.add(first);
        point.trials.add(last);
        const QStringList rows = QString::fromStdString(sweepCsv({point})).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 2);
        const QStringList row = rows[1].split(',');
        QCOMPARE(row.size(), 13);
        QCOMPARE(row.mid(3, 2), (QStringList{QStringLiteral("10"), QStringLiteral("5")}));
        QCOMPARE(row.mid(7, 2), (QStringList{QStringLiteral("-7"), QStringLiteral("20")}));
    }
};

QTEST_MAIN(SweepTest)
#include "sweep_test.moc"
