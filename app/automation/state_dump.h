#pragma once

#include <QJsonObject>

namespace linknode {

class Controls;
class ScriptedDialogs;

// {"controls": [...], "messages": [...], "inputs": [...]}: every control with the keys that
// apply to its kind, then every message box and input box the dialogs recorded.
QJsonObject stateDump(const Controls& controls, const ScriptedDialogs& dialogs);

} // namespace linknode
