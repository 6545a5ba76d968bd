#include "ui/main_window_controls.h"

#include "ui_main_window.h"

#include <utility>

namespace brenvik {

MainWindowControls MainWindowControls::setUp(QWidget& window)
{
    Ui::TForm1 form;  // pointers only: the controls belong to the window
    form.setupUi(&window);
    return {
        .qBox = form.Edit1,
        .t1XSlider = form.TrackBar1,
        .t1YSlider = form.TrackBar2,
        .t2XSlider = form.TrackBar3,
        .t2YSlider = form.TrackBar4,
        .t1XReadOut = form.Label9,
        .t1YReadOut = form.Label11,
        .t2XReadOut = form.Label12,
        .t2YReadOut = form.Label13,
        .trialCountBox = form.Edit2,
        .thresholdBox = form.Edit3,
        .noiseCheck = form.CheckBox1,
        .noiseLevelSlider = form.TrackBar5,
        .varyPositionCheck = form.CheckBox2,
        .varyNoiseCheck = form.CheckBox3,
        .varyThresholdCheck = form.CheckBox4,
        .startButton = form.Button1,
        .exitButton = form.BitBtn1,
        .aboutButton = form.SpeedButton1,
        .turnXSlider = form.TrackBar6,
        .turnYSlider = form.TrackBar7,
        .turnZSlider = form.TrackBar8,
        .probabilityBox = form.Edit4,
        .view = form.View3D,
        .inputPanel = form.Panel1,
        .viewPanel = form.Panel2,
    };
}

QWidget* MainWindowControls::input(std::string_view role) const
{
    const std::pair<std::string_view, QWidget*> inputs[] = {
        {"qBox", qBox},
        {"t1XSlider", t1XSlider},
        {"t1YSlider", t1YSlider},
        {"t2XSlider", t2XSlider},
        {"t2YSlider", t2YSlider},
        {"trialCountBox", trialCountBox},
        {"thresholdBox", thresholdBox},
        {"noiseCheck", noiseCheck},
        {"noiseLevelSlider", noiseLevelSlider},
        {"varyPositionCheck", varyPositionCheck},
        {"varyNoiseCheck", varyNoiseCheck},
        {"varyThresholdCheck", varyThresholdCheck},
    };
    for (const auto& [name, control] : inputs)
        if (name == role)
            return control;
    return nullptr;
}

}  // namespace brenvik
