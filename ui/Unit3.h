#pragma once
// The graph window that a sweep draws its probability curve on.

#include <QWidget>

namespace brenvik {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

} // namespace brenvik
