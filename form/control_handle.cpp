#include "form/control_handle.h"

#include <QtGlobal>

namespace linknode::handle_detail {

void missingElement(const char* array, int index)
{
    qFatal("F_MAIN has no control %s(%d)", array, index);
}

} // namespace linknode::handle_detail
