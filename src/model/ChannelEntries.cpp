#include "ChannelEntries.h"

namespace {

template <typename Entry>
std::vector<Entry> makeDefaultEntries(quint32 count)
{
    return std::vector<Entry>(count);
}

} // namespace

std::vector<DIChannel> MakeDIChannels(quint32 count)
{
    return makeDefaultEntries<DIChannel>(count);
}

std::vector<DOChannel> MakeDOChannels(quint32 count)
{
    return makeDefaultEntries<DOChannel>(count);
}

std::vector<DIOChannel> MakeDIOChannels(quint32 count)
{
    return makeDefaultEntries<DIOChannel>(count);
}

std::vector<HARTAIChannel> MakeHARTAIChannels(quint32 count)
{
    return makeDefaultEntries<HARTAIChannel>(count);
}

std::vector<AIChannel> MakeAIChannels(quint32 count)
{
    return makeDefaultEntries<AIChannel>(count);
}

std::vector<HighSpeedAIChannel> MakeHighSpeedAIChannels(quint32 count)
{
    return makeDefaultEntries<HighSpeedAIChannel>(count);
}

std::vector<AOChannel> MakeAOChannels(quint32 count)
{
    return makeDefaultEntries<AOChannel>(count);
}

std::vector<TemperatureChannel> MakeTemperatureChannels(quint32 count)
{
    return makeDefaultEntries<TemperatureChannel>(count);
}

std::vector<SerialPort> MakeSerialPorts(quint32 count)
{
    return makeDefaultEntries<SerialPort>(count);
}

std::vector<CANPort> MakeCANPorts(quint32 count)
{
    return makeDefaultEntries<CANPort>(count);
}

std::vector<LANPort> MakeLANPorts(quint32 count)
{
    return makeDefaultEntries<LANPort>(count);
}
