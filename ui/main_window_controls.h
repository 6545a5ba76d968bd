#pragma once
// The main window's controls by what they do. The form (ui/main_window.ui) names them by kind
// and index (Edit3, TrackBar4), as the tests and the controls table in
// docs/architecture.md do; setUp() is the one place where a role meets its form name.

#include <array>
#include <string_view>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;
class QWidget;

namespace brenvik {

class SceneView;

struct MainWindowControls {
    /// Builds the form's controls into `window` and names them by role.
    static MainWindowControls setUp(QWidget& window);

    QLineEdit* qBox;  ///< the point-spread width Q
    QSlider* t1XSlider;
    QSlider* t1YSlider;
    QSlider* t2XSlider;  ///< moved by a position sweep, as is t2YSlider
    QSlider* t2YSlider;
    QLabel* t1XReadOut;  ///< each slider's position, written beside it
    QLabel* t1YReadOut;
    QLabel* t2XReadOut;
    QLabel* t2YReadOut;
    QLineEdit* trialCountBox;       ///< trials per batch
    QLineEdit* thresholdBox;        ///< rewritten by a threshold sweep
    QCheckBox* noiseCheck;          ///< white noise on or off
    QSlider* noiseLevelSlider;      ///< enabled while the noise is on; set by a noise sweep
    QCheckBox* varyPositionCheck;   ///< what a sweep varies: T2's position …
    QCheckBox* varyNoiseCheck;      ///< … the noise level …
    QCheckBox* varyThresholdCheck;  ///< … the threshold
    QPushButton* startButton;       ///< starts and stops a sweep
    QPushButton* exitButton;
    QToolButton* aboutButton;
    QSlider* turnXSlider;  ///< the view's rotation about X, Y and Z
    QSlider* turnYSlider;
    QSlider* turnZSlider;
    QLineEdit* probabilityBox;  ///< read-only: the latest batch's probability
    SceneView* view;
    QFrame* inputPanel;  ///< the model's inputs at the right; no other window covers it
    QFrame* viewPanel;   ///< the view's rotation along the top; nor this

    /// The three number boxes in the order the frame reads them (InputBox).
    std::array<QLineEdit*, 3> numberBoxes() const { return {qBox, trialCountBox, thresholdBox}; }

    /// The model's input control named `role` (a member's name, as "qBox"), or null where
    /// no input has that role: for lists of roles shared with the browser edition.
    QWidget* input(std::string_view role) const;
};

}  // namespace brenvik
