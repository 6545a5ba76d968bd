#pragma once
// The About box: description, scrolling credits and looped music.

#include <QWidget>

namespace brenvik {

class TAboutBox : public QWidget {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace brenvik
