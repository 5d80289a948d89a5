#include "discovery/device_store.h"

namespace linknode {

DeviceStore::DeviceStore()
    : slots_(capacity, std::string("0"))
{
}

} // namespace linknode
