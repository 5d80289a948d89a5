#pragma once

#include "sim/command.h"

#include <QJsonObject>

namespace linknode::sim {

// The decoded part of a journal line: "kind" and the fields of that kind. Texts are written
// with their bytes as code points 0..255.
QJsonObject describeCommand(const Command& command);

} // namespace linknode::sim
