#pragma once
// The program's icon for its windows: the same drawings, size for size, that the package
// installs for the desktop.

#include <QIcon>

namespace brenvik {

/// Every size of the icon embedded in the program, each as drawn for that size.
QIcon programIcon();

}  // namespace brenvik
