// The "DeviceConfiguration" group of "Product": one "Slot_%d" per slot that holds a module, with
// the module's settings under "Setting" and its resources under "Resource"; slot 0 also carries
// the controller-wide settings. Reading dispatches each "Setting" child by name.
#include "CDataCenter.h"

#include "ChannelElementNames.h"
#include "DeviceConfigurationNames.h"
#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "InternalRegisterNames.h"
#include "ResultCodes.h"
#include "SlotKeyedLookup.h"
#include "TextConversion.h"
#include "TypeIds.h"
#include "XMLAttributeReader.h"

#include <algorithm>

using namespace DeviceFile;

namespace {

constexpr int kCpuSlot = 0;

QString quantityName(const QString& kind)
{
    return kind + Name::RegisterQuantitySuffix;
}

// The list of the written register type of kind i (1510 + i).
int writtenTypeCode(size_t kind)
{
    return DataTypeCode::KindCount + 1 + static_cast<int>(kind);
}

// Every slot but the CPU's gets a "Resource" of its own before each module writer that lists
// resources; the writers fill the first "Resource" of the slot.
void addModuleResource(IXMLElement* slotElement, int slot)
{
    if (slot != kCpuSlot)
        slotElement->AddChild(Name::Resource);
}

template <class Record, class Save>
void saveModule(std::vector<Record>& records, int slot, IXMLElement* slotElement, bool listsResources, Save save)
{
    Record* record = FindRecordBySlot(records, slot);
    if (!record)
        return;
    if (listsResources)
        addModuleResource(slotElement, slot);
    save(*record);
}

template <class Record, class Read>
int loadForSlot(std::vector<Record>& records, int slot, Read read)
{
    if (Record* record = FindRecordBySlot(records, slot))
        read(*record);
    return 0;
}

enum class Dispatch { ElementAndSlot, InternalRegister, Skip, Hart };
using SlotReader = int (CDataCenter::*)(IXMLElement*, int);
struct SettingReader {
    const QString& name;
    Dispatch kind;
    SlotReader reader;
};

// Compared in this order, ignoring case; the first match reads the element.
const std::array<SettingReader, 24>& settingReaders()
{
    static const std::array<SettingReader, 24> readers{{
        {Name::SerialSetting, Dispatch::ElementAndSlot, &CDataCenter::LoadSerialSettingForSlot},
        {Name::CanSetting, Dispatch::ElementAndSlot, &CDataCenter::LoadCanSettingForSlot},
        {Name::PortTrunk, Dispatch::ElementAndSlot, &CDataCenter::LoadPortTrunkForSlot},
        {Name::Switch, Dispatch::ElementAndSlot, &CDataCenter::LoadSwitchForSlot},
        {Name::NetworkSetting, Dispatch::ElementAndSlot, &CDataCenter::LoadNetworkSettingForSlot},
        {Name::InternalRegister, Dispatch::InternalRegister, nullptr},
        {Name::SystemRegister, Dispatch::Skip, nullptr},
        {Name::DI, Dispatch::ElementAndSlot, &CDataCenter::LoadDISettingForSlot},
        {Name::DO, Dispatch::ElementAndSlot, &CDataCenter::LoadDOSettingForSlot},
        {Name::Relay, Dispatch::ElementAndSlot, &CDataCenter::LoadRelaySettingForSlot},
        {Name::DIO, Dispatch::ElementAndSlot, &CDataCenter::LoadDIOSettingForSlot},
        {Name::HARTAI, Dispatch::Hart, nullptr},
        {Name::AI, Dispatch::ElementAndSlot, &CDataCenter::LoadAISettingForSlot},
        {Name::HighSpeedAI, Dispatch::ElementAndSlot, &CDataCenter::LoadHighSpeedAISettingForSlot},
        {Name::AO, Dispatch::ElementAndSlot, &CDataCenter::LoadAOSettingForSlot},
        {Name::TC, Dispatch::ElementAndSlot, &CDataCenter::LoadTCSettingForSlot},
        {Name::RTD, Dispatch::ElementAndSlot, &CDataCenter::LoadRTDSettingForSlot},
        {Name::CellularSetting, Dispatch::ElementAndSlot, &CDataCenter::LoadCellularSettingForSlot},
        {Name::TimeSetting, Dispatch::ElementAndSlot, &CDataCenter::ReadTimeSettingElement},
        {Name::FtpAccount, Dispatch::ElementAndSlot, &CDataCenter::ReadFtpAccountElement},
        {Name::FtpServer, Dispatch::ElementAndSlot, &CDataCenter::ReadFtpServerElement},
        {Name::ToggleSwitchControl, Dispatch::ElementAndSlot, &CDataCenter::ReadToggleSwitchElement},
        {Name::RotarySwitchControl, Dispatch::ElementAndSlot, &CDataCenter::ReadRotarySwitchElement},
        {Name::SystemLog, Dispatch::ElementAndSlot, &CDataCenter::ReadSystemLogElement},
    }};
    return readers;
}

const SettingReader* findSettingReader(const QString& elementName)
{
    for (const SettingReader& reader : settingReaders()) {
        if (elementName.compare(reader.name, Qt::CaseInsensitive) == 0)
            return &reader;
    }
    return nullptr;
}

// No more registers than the file holds for the kind, so a count in the file cannot make the
// model grow beyond the file's own size.
size_t registerCount(IXMLElement* internalRegister, size_t kind, int quantity)
{
    const size_t present = ChildrenOf(internalRegister->FindChild(Name::RegisterKinds[kind])).size();
    return std::min(static_cast<size_t>(std::max(quantity, 0)), present);
}

void addInternalRegisterGroups(const CDataCenter& model, IXMLElement* slotElement)
{
    IXMLElement* setting = slotElement->FindChild(Name::Setting);
    IXMLElement* resource = slotElement->FindChild(Name::Resource);
    if (!resource)
        resource = slotElement->AddChild(Name::Resource);
    IXMLElement* quantities = setting->AddChild(Name::InternalRegister);
    for (size_t kind = 0; kind < Name::RegisterKinds.size(); ++kind)
        AddSigned(quantities, quantityName(Name::RegisterKinds[kind]),
                  model.GetInternalTagCount(writtenTypeCode(kind)));
    resource->AddChild(Name::InternalRegister);
}

// The I/O modules: each lists its channels' resources.
bool saveChannelModule(CDataCenter& model, int typeId, int slot, IXMLElement* slotElement)
{
    constexpr bool kListsResources = true;
    auto save = [&](auto& records, auto write) {
        saveModule(records, slot, slotElement, kListsResources, [&](auto& record) { write(record); });
        return true;
    };
    switch (typeId) {
    case ChannelType::DigitalInput:
        return save(model.DISettings, [&](auto& record) { record.SaveDiChannels(slotElement); });
    case ChannelType::DigitalInputOutput:
        return save(model.DIOSettings, [&](auto& record) { record.SaveDioChannels(slotElement); });
    case ChannelType::DigitalOutput:
        return save(model.DOSettings, [&](auto& record) { record.SaveDoChannels(slotElement); });
    case ChannelType::Relay:
        return save(model.RelaySettings, [&](auto& record) { record.SaveRelayChannels(slotElement); });
    case ChannelType::AnalogInput:
        return save(model.AISettings, [&](auto& record) { record.SaveAiChannels(slotElement); });
    case ChannelType::HartAnalogInput:
        return save(model.HARTAISettings, [&](auto& record) { record.SaveHartAiChannels(slotElement); });
    case ChannelType::HighSpeedAnalogInput:
        return save(model.HighSpeedAISettings, [&](auto& record) { record.SaveHighSpeedAiChannels(slotElement); });
    case ChannelType::AnalogOutput:
        return save(model.AOSettings, [&](auto& record) { record.SaveAoChannels(slotElement); });
    case ChannelType::Thermocouple:
        return save(model.TCSettings, [&](auto& record) { record.SaveTcChannels(slotElement); });
    case ChannelType::Rtd:
        return save(model.RTDSettings, [&](auto& record) { record.SaveRtdChannels(slotElement); });
    default:
        return false;
    }
}

void savePowerResources(CDataCenter& model, int slot, IXMLElement* slotElement)
{
    if (!model.Series4100Flag)
        return;
    for (const ResourceGroupRecord& power : model.ResourceGroups) {
        if (power.SlotIndex != slot)
            continue;
        addModuleResource(slotElement, slot);
        model.SavePowerResource(power, slotElement);
    }
}

// Ports, the cellular modem, port trunk and switch, system registers and power.
void saveCommunicationOrResourceGroup(CDataCenter& model, int typeId, int slot, IXMLElement* slotElement)
{
    constexpr bool kListsResources = true;
    constexpr bool kSettingOnly = false;
    switch (typeId) {
    case ChannelType::Serial:
        return saveModule(model.SerialSettings, slot, slotElement, kSettingOnly,
                          [&](auto& record) { model.SaveSerialSetting(record, slotElement); });
    case ChannelType::Lan:
        return saveModule(model.NetworkSettings, slot, slotElement, kSettingOnly,
                          [&](auto& record) { model.SaveNetworkSetting(record, slotElement); });
    case ChannelType::CanPort:
        return saveModule(model.CanSettings, slot, slotElement, kSettingOnly,
                          [&](auto& record) { model.SaveCanSetting(record, slotElement); });
    case ChannelType::ConnectionStatus:
        return saveModule(model.CellularSettings, slot, slotElement, kListsResources,
                          [&](auto& record) { model.SaveCellularResource(record, slotElement); });
    case ChannelType::PortTrunk:
        return saveModule(model.PortTrunkSettings, slot, slotElement, kSettingOnly,
                          [&](auto& record) { record.SaveSlotPortSetting(slotElement, Name::PortTrunk); });
    case ChannelType::Switch:
        return saveModule(model.SwitchSettings, slot, slotElement, kSettingOnly,
                          [&](auto& record) { record.SaveSlotPortSetting(slotElement, Name::Switch); });
    case ChannelType::SystemVariables:
        if (slot == kCpuSlot)
            model.SaveSystemRegister(model.SystemVariables, slotElement);
        return;
    case ChannelType::ResourceGroup:
        return savePowerResources(model, slot, slotElement);
    default:
        return;
    }
}

void saveChannelGroup(CDataCenter& model, int typeId, int slot, IXMLElement* slotElement)
{
    if (!saveChannelModule(model, typeId, slot, slotElement))
        saveCommunicationOrResourceGroup(model, typeId, slot, slotElement);
}

void saveControllerSettings(const CDataCenter& model, IXMLElement* setting, IXMLElement* slotElement)
{
    for (const ServiceRecord& function : model.FunctionRecords) {
        switch (function.ServiceId) {
        case ServiceId::FtpServer:
            model.SaveFtpServer(setting, model.CPU35Mode != 0);
            break;
        case ServiceId::TimeSync:
            model.SaveTimeSetting(slotElement);
            break;
        case ServiceId::ToggleSwitch:
            model.SaveToggleSwitchControl(slotElement);
            break;
        case ServiceId::SystemLogs:
            model.SaveSystemServiceFlags(slotElement);
            break;
        case ServiceId::RotarySwitch:
            model.SaveRotarySwitchControl(slotElement);
            break;
        default:
            break;
        }
    }
}

} // namespace

// ---- writing ----

void CDataCenter::SaveDeviceConfiguration(IXMLElement* product)
{
    if (!product)
        return;
    IXMLElement* group = product->AddChild(Name::DeviceConfiguration);
    for (size_t index = 0; index < Slots.size(); ++index) {
        const SlotRecord& record = Slots[index];
        if (record.ChannelGroups.empty())
            continue;
        const int slot = static_cast<int>(index);
        IXMLElement* slotElement = group->AddChild(NumberedName(Name::SlotPrefix, slot));
        slotElement->SetAttribute(Name::Result, IntToWString(slot));
        slotElement->SetAttribute(Name::SlotName, record.Name);
        slotElement->SetAttribute(Name::SlotApid, record.APID);
        IXMLElement* setting = slotElement->AddChild(Name::Setting);
        if (slot == kCpuSlot)
            slotElement->AddChild(Name::Resource);
        bool registerGroupsAdded = false;
        for (const ChannelGroupEntry& entry : record.ChannelGroups) {
            if (IsInternalRegisterType(entry.ChannelTypeId)) {
                if (!registerGroupsAdded)
                    addInternalRegisterGroups(*this, slotElement);
                registerGroupsAdded = true;
                InternalRegisters.SaveInternalRegisters(slotElement, entry.ChannelTypeId);
            } else {
                saveChannelGroup(*this, entry.ChannelTypeId, slot, slotElement);
            }
        }
        if (slot == kCpuSlot)
            saveControllerSettings(*this, setting, slotElement);
    }
}

// ---- reading ----

int CDataCenter::LoadDeviceConfiguration(IXMLElement* product)
{
    IXMLElement* group = product ? product->FindChild(Name::DeviceConfiguration) : nullptr;
    if (!group)
        return kE_FAIL;
    for (IXMLElement* slotElement : ChildrenOf(group)) {
        QString number;
        ReadAttributeText(slotElement, Name::Result, 0, 0, number);
        const int slot = ParseLeadingInt(number);
        if (slotElement->GetName() != NumberedName(Name::SlotPrefix, slot))
            continue;
        // A slot the model's slot table does not have changes nothing.
        if (slot < 0 || static_cast<size_t>(slot) >= Slots.size())
            continue;
        if (IXMLElement* setting = slotElement->FindChild(Name::Setting))
            LoadDeviceSetting(setting, slot, slotElement);
    }
    return kS_OK;
}

int CDataCenter::LoadDeviceSetting(IXMLElement* setting, int slot, IXMLElement* slotElement)
{
    for (IXMLElement* child : ChildrenOf(setting)) {
        const SettingReader* reader = findSettingReader(child->GetName());
        if (!reader)
            continue;
        switch (reader->kind) {
        case Dispatch::ElementAndSlot:
            (this->*reader->reader)(child, slot);
            break;
        case Dispatch::InternalRegister:
            LoadInternalRegister(child);
            break;
        case Dispatch::Hart:
            LoadHARTAISettingForSlot(setting, slotElement, slot);
            break;
        case Dispatch::Skip:
            break;
        }
    }
    return 0;
}

int CDataCenter::LoadInternalRegister(IXMLElement* element)
{
    if (!element)
        return 0;
    for (size_t kind = 0; kind < Name::RegisterKinds.size(); ++kind) {
        QString quantity;
        if (!ReadValue(element, quantityName(Name::RegisterKinds[kind]), quantity))
            continue;
        std::vector<InternalVariableRecord>* registers = InternalRegisters.ListForCode(writtenTypeCode(kind));
        registers->resize(registerCount(element, kind, ParseLeadingInt(quantity)));
    }
    for (IXMLElement* kindElement : ChildrenFrom(element, Name::RegisterKinds.front())) {
        QString typeId;
        if (ReadAttributeText(kindElement, Name::Result, 0, 0, typeId))
            InternalRegisters.LoadInternalRegisters(kindElement, ParseLeadingInt(typeId));
    }
    return 0;
}

int CDataCenter::LoadSerialSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(SerialSettings, slot, [element](auto& record) { LoadSerialSetting(record, element); });
}

int CDataCenter::LoadCanSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(CanSettings, slot, [element](auto& record) { LoadCanSetting(record, element); });
}

int CDataCenter::LoadPortTrunkForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(PortTrunkSettings, slot, [element](auto& record) { record.LoadSlotPortSetting(element); });
}

int CDataCenter::LoadSwitchForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(SwitchSettings, slot, [element](auto& record) { record.LoadSlotPortSetting(element); });
}

int CDataCenter::LoadNetworkSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(NetworkSettings, slot, [element](auto& record) { LoadNetworkSetting(record, element); });
}

int CDataCenter::LoadCellularSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(CellularSettings, slot, [this, element](auto& record) { LoadCellularSetting(record, element); });
}

int CDataCenter::LoadDISettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(DISettings, slot, [element](auto& record) { record.LoadDiChannels(element); });
}

int CDataCenter::LoadDOSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(DOSettings, slot, [element](auto& record) { record.LoadDoChannels(element); });
}

int CDataCenter::LoadRelaySettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(RelaySettings, slot, [element](auto& record) { record.LoadRelayChannels(element); });
}

int CDataCenter::LoadDIOSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(DIOSettings, slot, [element](auto& record) { record.LoadDioChannels(element); });
}

int CDataCenter::LoadHARTAISettingForSlot(IXMLElement*, IXMLElement* slotElement, int slot)
{
    return loadForSlot(HARTAISettings, slot, [slotElement](auto& record) { record.LoadHartAiChannels(slotElement); });
}

int CDataCenter::LoadAISettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(AISettings, slot, [element](auto& record) { record.LoadAiChannels(element); });
}

int CDataCenter::LoadHighSpeedAISettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(HighSpeedAISettings, slot, [element](auto& record) { record.LoadHighSpeedAiChannels(element); });
}

int CDataCenter::LoadAOSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(AOSettings, slot, [element](auto& record) { record.LoadAoChannels(element); });
}

int CDataCenter::LoadTCSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(TCSettings, slot, [element](auto& record) { record.LoadTcChannels(element); });
}

int CDataCenter::LoadRTDSettingForSlot(IXMLElement* element, int slot)
{
    return loadForSlot(RTDSettings, slot, [element](auto& record) { record.LoadRtdChannels(element); });
}
