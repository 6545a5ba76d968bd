#pragma once
// A fresh main window for each test, with the program's once-only state of its own and
// its first frame drawn, but no frame timer: tests drive ticks by calling the handler.

#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/decimal_separator.h"
#include "ui/failure_report.h"
#include "ui/graph_window.h"
#include "ui/main_window.h"
#include "ui/sound_service.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace brenvik::testing {

/// Closes every message box still open: a report left by a failed check must not leak into
/// the next test.
inline void closeOpenReports()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w))
            box->close();
}

/// A sound service that plays nothing and remembers what it was asked.
struct SilentSound : SoundService {
    bool device = true;
    int plays = 0;
    int stops = 0;
    bool playing = false;
    bool hasOutputDevice() override { return device; }
    void playLooped() override
    {
        ++plays;
        playing = true;
    }
    void stop() override
    {
        ++stops;
        playing = false;
    }
};

/// Program-wide settings, as start-up makes them, before the first window.
struct Prepared {
    Prepared() { prepareApplication(); }
};

struct FormFixture {
    Prepared prepared;
    InterfaceTranslations translations{systemInterfaceLanguage()};
    DecimalSeparator separator;
    FailureReport report;
    std::unique_ptr<MainWindow> form = std::make_unique<MainWindow>(report, separator);
    SilentSound sound;
    AboutBox aboutBox{sound};
    GraphWindow graph{report};
    ProbabilityMapWindow mapWindow{report, &graph};

    FormFixture()
    {
        form->drawFirstFrame();
        connectWindows(*form, aboutBox, graph, mapWindow);
    }

    template <class T>
    T* child(const char* name) const
    {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    QSlider* slider(const char* name) const { return child<QSlider>(name); }
    QCheckBox* checkBox(const char* name) const { return child<QCheckBox>(name); }
    QLabel* label(const char* name) const { return child<QLabel>(name); }

    void showExposed()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    /// Shows the window and makes it the active one (there may be no window manager).
    void showActive()
    {
        showExposed();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            form->tick();
    }

    /// Text of the open failure report, closing it; empty when none is open.
    QString takeReport()
    {
        QMessageBox* box = report.openBox();
        if (!box)
            return {};
        const QString text = box->text();
        box->close();
        return text;
    }

    QChar sep() const { return QChar(separator.value()); }
    /// A text written with "," as separator, in the locale's separator.
    QString local(QString text) const { return text.replace(QLatin1Char(','), sep()); }
};

}  // namespace brenvik::testing
