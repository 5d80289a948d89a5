#pragma once

class QWidget;

namespace linknode {

// A button hides while its sequence runs: the user sees it cannot be pressed twice. Inside a
// sequence that has greyed the whole window (a save), it stays drawn, so nothing blinks
// behind the wait text. Whether its sequence runs is asked here, not of its visibility.
void setBusy(QWidget& button, bool busy);
bool isBusy(const QWidget& button);

} // namespace linknode
