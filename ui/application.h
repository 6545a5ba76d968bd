#pragma once
// Start-up: the program's once-only state and its three windows, created in order.

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/decimal_separator.h"
#include "ui/failure_report.h"
#include "ui/interface_language.h"
#include "ui/sound_service.h"

namespace brenvik {

/// Application-wide settings that must be in force before any window is created:
/// the floating-point environment, the fonts and their substitutes.
void prepareApplication();

/// Everything the program has once. Construction installs the translations of the
/// interface language, then creates the main window, the About box and the graph window,
/// all hidden; start() then decides whether the program can run.
struct Program {
    InterfaceTranslations translations{systemInterfaceLanguage()};
    DecimalSeparator separator;
    FailureReport report;
    QtSoundService sound;
    TForm1 Form1{report, separator};
    TAboutBox AboutBox{sound};
    TForm3 Form3{report};

    Program();
    /// Start-up's one decision, before any window shows: when the window system cannot
    /// give the 3-D view a usable OpenGL context, the user is told why in a modal box and
    /// the answer is false (the program ends); otherwise the main window draws its first
    /// frame and its frame timer starts.
    bool start();
    /// Shows the main window centred on the screen.
    void show();
};

}  // namespace brenvik
