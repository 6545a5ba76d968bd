#pragma once
// Why a file could not be written, in the interface's language: the system's own
// description would come in the system's language, whatever the interface speaks.

#include <QString>

namespace brenvik {

/// One sentence for the system error number `errorNumber` (errno); 0 when the system
/// gave none.
QString fileErrorReason(int errorNumber);

}  // namespace brenvik
