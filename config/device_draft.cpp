#include "config/device_draft.h"

#include "config/device_record.h"

namespace linknode {

void DeviceDraft::prepare(std::string_view mac)
{
    std::string record = std::string(mac) + ",0.0.0.0,255.255.0.0,0.0.0.0,57600,0,0,1.6E";
    if (!recordField(record_, FLD_MODE).empty())
        for (const RecordField field : { FLD_MODE, FLD_HOST_IP, FLD_HOST_PORT, FLD_OPTIONS })
            record += ',' + recordField(record_, field);
    record_ = std::move(record);
}

} // namespace linknode
