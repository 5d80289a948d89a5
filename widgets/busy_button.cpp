#include "widgets/busy_button.h"

#include <QVariant>
#include <QWidget>

namespace linknode {

namespace {
    constexpr char busyProperty[] = "busy";
}

void setBusy(QWidget& button, bool busy)
{
    button.setProperty(busyProperty, busy);
    // A button that cannot be clicked already shows it; hiding it would only blink.
    if (!busy || button.isEnabled())
        button.setVisible(!busy);
}

bool isBusy(const QWidget& button)
{
    return button.property(busyProperty).toBool();
}

} // namespace linknode
