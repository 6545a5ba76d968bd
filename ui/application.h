#pragma once
// Start-up: the program's once-only state and its windows, created in order.

#include "ui/about_box.h"
#include "ui/decimal_separator.h"
#include "ui/failure_report.h"
#include "ui/graph_window.h"
#include "ui/interface_language.h"
#include "ui/main_window.h"
#include "ui/map/probability_map_window.h"
#include "ui/sound_service.h"

namespace brenvik {

/// Application-wide settings that must be in force before any window is created:
/// the floating-point environment, the fonts and their substitutes.
void prepareApplication();

/// Connects the windows to one another: the main window shows the About box and drives
/// the graph window, which keeps clear of its inputs; the main window's shortcut and view
/// menu and the graph window's menu open the map for the main window's inputs, and an open
/// map follows those inputs and the sweep's path. The one place where a window learns of
/// another.
void connectWindows(MainWindow& mainWindow, AboutBox& aboutBox, GraphWindow& graphWindow,
                    ProbabilityMapWindow& mapWindow);

/// Moves the main window, not yet shown, where the screen has room, so that the graph
/// window keeps its corner without covering the main window's inputs.
void keepGraphCornerClear(MainWindow& mainWindow, const GraphWindow& graphWindow);

/// Everything the program has once. Construction installs the translations of the
/// interface language, then creates the main window, the About box, the graph window and
/// the map window, all hidden, and connects them; start() then decides whether the
/// program can run.
struct Program {
    InterfaceTranslations translations{systemInterfaceLanguage()};
    DecimalSeparator separator;
    FailureReport report;
    QtSoundService sound;
    MainWindow mainWindow{report, separator};
    AboutBox aboutBox{sound};
    GraphWindow graphWindow{report};
    ProbabilityMapWindow mapWindow{report, &graphWindow};

    Program();
    /// Start-up's one decision, before any window shows: when the window system cannot
    /// give the 3-D view a usable OpenGL context, the user is told why in a modal box and
    /// the answer is false (the program ends); otherwise the main window draws its first
    /// frame and its frame timer starts.
    bool start();
    /// Shows the main window centred on the screen, moved out of the graph's corner where
    /// the screen has room.
    void show();
};

}  // namespace brenvik
