// The service table and the function records of the module templates.
#include "CDataCenter.h"

#include <algorithm>

namespace {

// The answer for a service the product does not offer.
constexpr int kServiceNotOffered = 2;

} // namespace

void CDataCenter::AddServiceRecord(ServiceRecord record)
{
    Services.push_back(std::move(record));
}

void CDataCenter::AddFunctionRecord(ServiceRecord record)
{
    FunctionRecords.push_back(std::move(record));
}

int CDataCenter::GetServiceValue(int serviceId) const
{
    const auto found = std::find_if(Services.begin(), Services.end(),
                                    [serviceId](const ServiceRecord& record) { return record.ServiceId == serviceId; });
    if (found == Services.end() || !found->Present)
        return kServiceNotOffered;
    return found->Value;
}

void CDataCenter::SetServiceResult(int serviceId, int value)
{
    MarkModified();
    for (ServiceRecord& record : Services) {
        if (record.ServiceId == serviceId)
            record.Value = value;
    }
}

void CDataCenter::SetServiceValue(int serviceId, int value)
{
    MarkModified();
    const auto found = std::find_if(FunctionRecords.begin(), FunctionRecords.end(),
                                    [serviceId](const ServiceRecord& record) { return record.ServiceId == serviceId; });
    if (found != FunctionRecords.end())
        found->Value = value;
}
