#include "core/standard_descriptors.h"

namespace linknode {

// Windows gives out handles, not the lowest free number: no file the program opens takes the
// place of a missing standard handle, and a write to one fails.
void fillClosedStandardDescriptors() { }

} // namespace linknode
