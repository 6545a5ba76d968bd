#pragma once
// The CSV columns that name the parameters a sweep varies, shared by the graph window's
// data export and the command-line tool's sweep.

#include "model/model_parameters.h"

#include <string>

namespace brenvik {

/// "t2x,t2y,noise,threshold": T2's position, the noise level or "off", and the threshold
/// as the shortest text that reads back to it, "." as decimal point.
std::string sweptParameterColumns(const ModelParameters& parameters);

}  // namespace brenvik
