#pragma once

#include "form/main_form.h"

namespace linknode {

// The device list's tag is "1" while the configuration view is being filled from a record.
inline bool viewBeingFilled(const MainForm& form)
{
    return form.get<QWidget>("LST_KRT").property("tag").toString() == QLatin1String("1");
}

// A device is shown: the configuration frame is up.
inline bool deviceShown(const MainForm& form)
{
    return !form.get<QWidget>("FR_CFG").isHidden();
}

} // namespace linknode
