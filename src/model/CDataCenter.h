#pragma once
// The one in-memory project: slots and modules, per-module channel records, the tag table, the
// service table and the settings of the communication services. The main frame owns the one
// instance; the device tree and every property page work on it through its pointer. Members are
// public: pages edit several settings blocks in place.

#include "ALARM_MAIL_SETTINGS.h"
#include "ALARM_SMS_SETTINGS.h"
#include "ALARM_SNMP_TRAP_SETTINGS.h"
#include "CONDITION_SETTINGS.h"
#include "DATA_LOG_SETTINGS.h"
#include "DNP3_OUTSTATION_SETTINGS.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"
#include "InternalRegisters.h"
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "MODBUS_SLAVE_SETTINGS.h"
#include "ModuleRecords.h"
#include "ProjectRecords.h"
#include "SMTP_SERVER_SETTINGS.h"
#include "SNMP_AGENT_SETTINGS.h"
#include "SYSTEM_LOG_SETTINGS.h"
#include "ServiceRecord.h"
#include "ServiceStatusTags.h"
#include "SlotRecord.h"
#include "TAVO_SETTINGS.h"
#include "TIME_SETTINGS.h"
#include "TagDefinition.h"
#include "TagRecord.h"
#include "TagTable.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <array>
#include <map>
#include <optional>
#include <vector>

class CAutoResource;

class CDataCenter {
public:
    static constexpr int kDnp3GroupCount = 5;
    static constexpr int kDefaultSwitchTimeout = 20; // seconds
    static constexpr int kSeries4100SlotCount = 16;

    CDataCenter();
    virtual ~CDataCenter();
    CDataCenter(const CDataCenter&) = delete;
    CDataCenter& operator=(const CDataCenter&) = delete;

    // Returns the project part of the model to its defaults; what belongs to the program run
    // (settings path, service texts, status-tag definitions, product attributes but the IEC
    // flag) stays.
    void ResetProjectData();
    // The product attributes that the reset keeps for the running project; a new project and an
    // opened file set them again from their product template.
    void ResetProductAttributes();

    // ---- the changed flag ----
    // Set by the setters and by every change of the tags and their service uses; the frame
    // clears it once a project is new, opened or saved. Menus, toolbar and page switches ask it;
    // the save question still compares a fresh save with the file.
    int IsModified() const { return Modified; }
    void SetModified(int value) { Modified = value ? 1 : 0; }
    void MarkModified() { Modified = 1; }

    // ---- project attributes ----
    QString GetProjectName() const { return ProjectName; }
    void SetModType(QString modType) { ModType = std::move(modType); }
    int IsIECMode() const { return IsIEC; }
    void SetIECMode(int value) { IsIEC = value; }
    int HasHSPA() const { return HSPAFlag; }
    void SetHSPA(int value) { HSPAFlag = value; }
    int IsSeries4100() const { return Series4100Flag; }
    void SetSeries4100(int value) { Series4100Flag = value; }
    int GetCPU35Mode() const { return CPU35Mode; }
    void SetCPU35Mode(int value) { CPU35Mode = value; }
    int IsDnp3Supported() const { return Dnp3Supported; }
    void SetDnp3Supported(int value) { Dnp3Supported = value; }
    int IsRESTfulSupported() const { return RESTfulSupported; }
    void SetRESTfulSupported(int value) { RESTfulSupported = value; }
    int SetRESTfulEnable(int value);
    ModuleInfoPair GetModuleInfo() const { return ModuleInfo; }
    void SetModuleInfo(ModuleInfoPair info)
    {
        if (!(info == ModuleInfo))
            MarkModified();
        ModuleInfo = std::move(info);
    }
    // The time-zone list shows zones 35 and 36 in the other order than the device numbers them;
    // the time-zone accessors exchange the two on the way in and out.
    static int ExchangeTimeZone35And36(int zoneIndex);
    int GetTimeZone() const;
    void SetTimeZone(int zoneIndex);

    // ---- service settings ----
    // Overwrites point `index` of the group of that object type; an unknown type or a position
    // outside the group changes nothing. Always 1.
    int SetDnp3Point(int objectType, int index, DNP3_POINT_SETTINGS point);
    void AddModbusMasterDevice(MODBUS_EXTERNAL_DEVICE_SETTINGS device);
    int NextModbusMasterDeviceId() const; // last device's id plus 1; 0 without devices
    // Position of the item whose own id is itemId in the item list of service 105, 114/124, 116, 117, 137,
    // 138 or 143 (127: always 0); -1 when none.
    int GetResourceIndex(int serviceId, int itemId) const;
    // The name of the item a (service, item) pair designates, else the service's resource name or empty.
    QString GetServiceUseName(int serviceId, int itemIndex) const;

    // ---- slot table ----
    void SetMaxSlotCount(int count);
    // The last slot number a loop over the slots visits: MaxSlotCount, kept inside the slot mask.
    int LastSlotInMask() const;
    int IsSlotUsed(int slot) const;
    void SetSlotUsed(int slot, int on);
    quint16 GetSlotMask() const { return SlotMask; }
    void SetSlotName(int slot, QString name);
    QString GetSlotName(int slot) const;
    void SetSlotApid(int slot, QString apid);
    QString GetSlotApid(int slot) const; // "NULL" when the table has no such slot
    void ClearSlotModuleName(int slot);  // slot 0: every slot
    void ClearSlotModuleText(int slot);  // slot 0: every slot
    int SlotHasModule(int slot) const;
    QString GetSlotTagPrefix(int slot, int channelTypeId) const;
    void AppendSlotChannelGroup(int slot, QString abbreviation, int channelTypeId);
    int GetSlotChannelGroups(int slot, std::vector<ChannelGroupEntry>& out) const;

    // ---- resources ----
    QString GetResourceName(int resourceId) const;
    void AddResourceName(int resourceId, QString name); // an id that has a name keeps it
    int GetResourceCount(int slot, int typeId) const;
    int GetInternalTagCount(int code) const;
    void GetResourceTypeList(int code, std::vector<InternalVariableRecord>& out) const;
    int RemoveInternalRegisterItem(int code, int resourceId);
    int ContainsTag(TagRecord tag, std::vector<int> resourceTypes) const;

    // ---- service table ----
    void AddServiceRecord(ServiceRecord record);
    void AddFunctionRecord(ServiceRecord record);
    int GetServiceValue(int serviceId) const;
    void SetServiceResult(int serviceId, int value);
    void SetServiceValue(int serviceId, int value);
    std::vector<ServiceRecord> GetServiceList() const { return Services; }
    int GetServiceTagList(int serviceId, TagDefinition& out) const;

    // ---- DNP3 point groups ----
    int SetDnp3GroupSetting(int objectType, int staticVariation, int eventVariation, int frozenVariation,
                            int frozenEventVariation);
    void GetDnp3PointGroup(int objectType, Dnp3PointGroup& out) const;
    // The outstation and its masters, edited in place by the DNP3 pages.
    DNP3_OUTSTATION_SETTINGS& GetDnp3Outstation() { return Dnp3Outstation; }
    const DNP3_OUTSTATION_SETTINGS& GetDnp3Outstation() const { return Dnp3Outstation; }
    // 1 when a DNP3 point of the tag may report events: the definition it was made from is
    // flagged for events. A tag without such a definition reports none.
    int CanTagCarryDnp3Events(const TagRecord& tag) const;

    // ---- per-slot module records: adding ----
    void AddDIRecord(int slot, int count, int resSize, QString alias, std::vector<DIChannel> channels);
    void AddDIORecord(int slot, int count, int resSize, QString alias, std::vector<DIOChannel> channels);
    void AddDORecord(int slot, int count, int resSize, QString alias, std::vector<DOChannel> channels);
    void AddRelayRecord(int slot, int count, int resSize, QString alias, std::vector<DOChannel> channels);
    void AddHARTAIRecord(int slot, int count, int resSize, QString alias, std::vector<HARTAIChannel> channels);
    void AddAIRecord(int slot, int count, int resSize, QString alias, std::vector<AIChannel> channels);
    void AddHighSpeedAIRecord(int slot, int count, int resSize, QString alias,
                              std::vector<HighSpeedAIChannel> channels);
    void AddAORecord(int slot, int count, int resSize, QString alias, std::vector<AOChannel> channels);
    void AddTCRecord(int slot, int count, int resSize, QString alias, std::vector<TemperatureChannel> channels);
    void AddRTDRecord(int slot, int count, int resSize, QString alias, std::vector<TemperatureChannel> channels);
    void AddSerialRecord(int slot, int count, int resSize, QString alias, std::vector<SerialPort> ports);
    void AddCanRecord(int slot, int count, int resSize, QString alias, std::vector<CANPort> ports);
    void AddNetworkRecord(int slot, int count, int resSize, QString alias, std::vector<LANPort> interfaces);
    void AddCellularRecord(int slot, int count, int resSize, QString alias, std::vector<TagDefinition> definitions,
                           CellularConfig config);
    void AddPortTrunkRecord(int slot);
    void AddSwitchRecord(int slot);
    void AddResourceGroupRecord(QString alias, int resSize, int iecFlag, std::vector<TagDefinition> definitions,
                                int series4100Flag, int slot);

    // ---- per-slot module records: copies (1 found; 0 and out untouched when not) ----
    int GetDISetting(int slot, ModuleSlotRecord& out) const;
    int GetDIOSetting(int slot, DIOModuleSlotRecord& out) const;
    int GetDOSetting(int slot, OutputModuleSlotRecord& out) const;
    int GetRelaySetting(int slot, OutputModuleSlotRecord& out) const;
    int GetHARTAISetting(int slot, HARTAISetting& out) const;
    int GetAISetting(int slot, AISetting& out) const;
    int GetHighSpeedAISetting(int slot, HighSpeedAISetting& out) const;
    int GetAOSetting(int slot, AOSetting& out) const;
    int GetTCSetting(int slot, TemperatureSetting& out) const;
    int GetRTDSetting(int slot, TemperatureSetting& out) const;
    int GetSerialSetting(int slot, PortModuleSlotRecord& out) const;
    int GetCanSetting(int slot, CanModuleSlotRecord& out) const;
    int GetNetworkSetting(int slot, LanModuleSlotRecord& out) const;
    int GetCellularSetting(int slot, CellularRecord& out) const;
    int GetPortTrunkSetting(int slot, SlotPortRecord& out) const;
    int GetSwitchSetting(int slot, SlotPortRecord& out) const;

    // ---- per-slot module records: setters. A slot without such a record, or a channel, port
    // or interface index past the record's list, changes nothing. ----
    void SetDIModuleText(int slot, QString filterUnit);
    void SetDIOModuleText(int slot, QString filterUnit);
    void SetDIChannelData(int slot, std::vector<quint32> filterRange);
    void SetDIOChannelData(int slot, std::vector<quint32> filterRange);
    void SetHighSpeedAIChannelData(int slot, std::vector<quint32> samplingNumbers);
    void SetHARTAIChannelData(int slot, int channel, std::vector<HARTSensorEntry> sensors);
    void SetDISetting(int slot, int channel, DISettingBlock block);
    void SetDIOSetting(int slot, int channel, int ioDirection, DIOSettingBlock block);
    void SetDOChannelSetting(int slot, int channel, OutputSettingBlock block);
    void SetRelayChannelSetting(int slot, int channel, OutputSettingBlock block);
    // The analog and temperature setters: when the block's range (sensor-type) code differs from
    // the stored one, the channel's tag limits follow the block's range first.
    void SetHARTChannelSetting(int slot, int channel, HARTAISettingBlock block);
    void SetAIChannelSetting(int slot, int channel, AISettingBlock block);
    void SetHighSpeedAIChannelSetting(int slot, int channel, quint32 samplingRate, HighSpeedAISettingBlock block);
    void SetHighSpeedAIAllChannels(int slot, quint32 foreInterval, quint32 backInterval);
    void SetAOChannelSetting(int slot, int channel, AOSettingBlock block);
    void SetTCChannelSetting(int slot, int channel, TemperatureSettingBlock block);
    void SetRTDChannelSetting(int slot, int channel, TemperatureSettingBlock block);
    int SetSerialPortServiceUse(int slot, int port, int isUsedByService, int usedServiceType);
    void SetSerialSetting(int slot, int port, SerialPortSettingBlock block);
    void SetCanPortSetting(int slot, int port, CanPortSettingBlock block);
    void SetNetworkSetting(int slot, int interfaceIndex, const LanModuleSlotRecord& in);
    void SetCellularConfig(int slot, CellularConfig config);

    // ---- system variables and system registers ----
    ResourceGroupRecord GetSystemVariables() const { return SystemVariables; }
    void SetSystemVariables(QString name, int resSize, int iecFlag, std::vector<TagDefinition> definitions,
                            int series4100Flag);
    void GetSlotSystemRegister(ResourceGroupRecord& out, int slot) const;
    int FindTagDefinitionIndex(const QString& resourceText) const;

    // ---- internal variables the user makes ----
    // The index after the last variable of the data-type code (0 for the first), and the
    // resource id "0.%d.2.%d.0" of that index and the type's position in the page's list.
    int NextInternalVariableIndex(int code) const;
    static QString InternalVariableResourceId(int index, int typeIndex);
    // The name of slot 0's channel group of the code's register type (1500 + code, else
    // 1509 + code); empty when there is none.
    QString InternalVariableGroupName(int code) const;
    // Appends the variable made from the record (its code, direction) with the name and the next
    // resource id, and its tag. The resource id made.
    QString AddInternalVariable(InternalVariableRecord record, int typeIndex, const QString& name);
    // Removes the variable of the resource id and its tags. False, with nothing removed, when a
    // service uses its tag.
    bool DeleteInternalVariable(int code, const QString& resourceId);

    // ---- tag exports ----
    // Writes one C define per tag into a new or emptied file; false when it cannot be written.
    bool ExportTagDefines(const QString& path) const;

    // ---- tag table (tag engine) ----
    // Tags are keyed by their dotted address (ResID). Every change of the table goes with AddTag:
    // mode 1 after a tag was added, mode 0 before it leaves or is overwritten, so the definition
    // behind each tag keeps TagUseFlag and BoundTagName in step.

    // Look-ups. Names compare without regard to case, addresses exactly, unless said otherwise.
    int IsTagNameFree(QString name) const;
    int IsTagAddressFree(QString address) const;
    int IsTagAddressUsed(QString address) const;             // case-insensitive; 0 for an empty text
    QString GetTagNameByAddress(QString address) const;      // case-insensitive; empty when none
    int LookupTagByName(QString name, TagRecord& out) const; // exact name
    int TagAddressExists(QString address) const;
    // By dotted address, whatever the names say; 1 and a copy of the first such tag.
    int GetTagByName(QString address, TagRecord& out) const;
    int FindTagByAddress(QString address, TagRecord& out) const;
    int FindTagByName(QString address, TagRecord& out) const { return FindTagByAddress(std::move(address), out); }
    // 1 and out = the range code of the analog channel the tag sits on (0 for a tag of another kind);
    // 0 and out untouched without such a tag, or when its module or channel is gone.
    int GetTagChannelRange(QString address, int& out) const;
    int TagOrChannelExists(QString address, int& out) const { return GetTagChannelRange(std::move(address), out); }
    // Replace out; return its size.
    int GetTagList(std::vector<TagRecord>& out, int all, int typeId) const;
    int GetTagsByDataType(std::vector<TagRecord>& out, int code) const;
    int GetTagsOfTypeIndex(int index) const; // tags of the type index's two data-type codes

    // Changes of the table.
    int AppendTag(TagRecord tag); // always 1
    // The create-tag dialog's add from a definition: a tag named tagName under the group's text
    // and type id, at the definition's address. 0 and nothing added when the name is empty or
    // either the name or the address is taken.
    int AddTagFromDefinition(ChannelGroupEntry group, TagDefinition definition, QString tagName);
    void AddTag(int mode, TagRecord tag);
    int UpdateTag(QString oldAddress, TagRecord tag); // always 1
    int UpdateTagRecord(QString oldAddress, TagRecord tag) { return UpdateTag(std::move(oldAddress), std::move(tag)); }
    void SetLinkedTagsText(QString name);
    void RenameTagInServiceLists(QString address, QString name);
    void RenameTagInTagMap(QString address, QString name); // the SNMP agent's tag map
    // Every tag of the address goes; a non-zero flag also takes the address out of the service lists.
    void DeleteTagsByAddress(QString address, int flag);
    void DeleteTagsOfEntries(std::vector<TagDefinition> definitions, int flag);
    // Position-numbered services only: item numbers above the removed one move down by one.
    void ShiftResourceIndices(int serviceId, int removedItem);
    void ShiftServiceTagIndices(int type, int removedIndex);
    void RenameMailServerReference(QString oldName, QString newName);
    void ClearMailServerReference(QString name);

    // ---- tags the pages create and remove with entries and channel modes ----
    // A tag the model created or removed: what the page's log line names.
    struct TagChange {
        QString Name;
        QString Address;
        friend bool operator==(const TagChange&, const TagChange&) = default;
    };
    // The automatic tags of item `itemIndex` of the service (CAutoResource): their definitions
    // are appended to `definitions`, each becomes a tag under the service's resource name, and
    // each tag gets the use (serviceId, itemIndex). 1 and the created tags in `created`; 0 and
    // nothing changed when a name or an address is taken. `use`, when given, is the use the tags get
    // in place of (serviceId, itemIndex): services that number uses by list position, or whose
    // items carry a use of their own.
    int RegisterServiceItemTags(int serviceId, int itemIndex, QVector<TagDefinition>& definitions,
                                std::vector<TagChange>& created, int aliasFlag = 0,
                                std::optional<TagServiceLink> use = std::nullopt);
    // Releases the use from the tags at the addresses, then removes those tags (with their
    // service-list entries). The removed tags, in address order; an address without a tag is skipped.
    std::vector<TagChange> ReleaseServiceItemTags(TagServiceLink use, std::vector<QString> addresses);
    static std::vector<QString> DefinitionAddresses(const QVector<TagDefinition>& definitions);
    // A channel leaving mode key `oldKey` for `newKey`: the tags of the definitions of the old key
    // go, then each definition of the new key gets its tag "S%d_%s%d_%s" (slot, the slot's prefix
    // for the channel type, channel, definition name) unless its address already has one.
    struct ChannelTagRebuild {
        std::vector<TagChange> Removed;
        std::vector<TagChange> Created;
    };
    ChannelTagRebuild RebuildChannelTags(int slot, int channelTypeId, int channel,
                                         const std::vector<TagDefinition>& definitions, int oldKey, int newKey);
    // 1 when a tag of a definition of that mode key is used by some service.
    int IsModeKeyTagInUse(const std::vector<TagDefinition>& definitions, int key) const;

    // Service uses of tags: (service resource id, item number) pairs.
    void AddTagServiceUse(QString address, TagServiceLink link); // to every tag of the address
    void AddTagServiceUse(QString address, int serviceId, int itemIndex)
    {
        AddTagServiceUse(std::move(address), MakeIntPair(serviceId, itemIndex));
    }
    void RemoveTagServiceUse(QString address, TagServiceLink link); // one pair, first tag holding it
    // Old address first.
    void MoveTagServiceUse(QString oldAddress, QString newAddress, TagServiceLink link);
    void ReplaceTagServiceUses(QVector<MODBUS_COMMAND_RESOURCE> oldResources,
                               QVector<MODBUS_COMMAND_RESOURCE> newResources, TagServiceLink link);
    // The item now uses the tags at `after` instead of those at `before`: only the uses that differ
    // are taken or added, so a tag the item keeps keeps its use where it stands.
    void ReplaceServiceItemUses(const std::vector<QString>& before, const std::vector<QString>& after,
                                TagServiceLink link);
    // Takes the pair from each listed tag, then renumbers the service (nothing for an empty list).
    void ReleaseTagsOfServiceItem(std::vector<QString> addresses, TagServiceLink link);
    void ReleaseTagsOfServiceItem(TagServiceLink link, std::vector<QString> addresses)
    {
        ReleaseTagsOfServiceItem(std::move(addresses), link);
    }
    void RemoveTagFromServiceLists(QString address); // every occurrence in every list
    // The largest item number a use of the service may carry: the last entry of its item list (its
    // own number or position, item 0 always), any number for a service without such a list.
    qint64 HighestServiceItem(int serviceId) const;
    // Takes every use whose item number is negative or past its service's list; each is traced.
    // A file read gives them; they would name no entry. The count of uses taken.
    int DropServiceUsesOutsideLists();
    int AddTavoTagUses(QString address, TagRecordExtra extra);
    void ReleaseTavoItemTagUse(QString address);
    // The listed tags (address and settings) become the pushed tags: every other tag's push settings
    // and every TAVO use, stale ones included, go first. Entries naming no tag are passed over.
    void ReplaceTavoPushedTags(const std::vector<TagRecord>& pushed);
    void AddDnp3PointTagUses(int objectType, DNP3_POINT_SETTINGS point);
    // 1 after the point at index of that type, named name (any letter case), left its group.
    int ReleaseDnp3PointTagUse(int objectType, int index, QString name);
    int ReleaseDnp3PointTagUse(DNP3_POINT_SETTINGS point, int objectType, int index)
    {
        return ReleaseDnp3PointTagUse(objectType, index, point.Name);
    }
    int GetDnp3PointTotal() const;
    void GetTagsForDnp3PointType(int objectType, std::vector<TagRecord>& out) const; // appends
    void AddServiceTagReference(QString key, TagServiceLink link);
    void RemoveServiceTagReference(QString key, TagServiceLink link);
    void MoveServiceTagReference(QString oldKey, QString newKey, TagServiceLink link);
    void ReleaseServiceTagReferences(std::vector<QString> keys, TagServiceLink link);
    void ReleaseServiceTagReferences(TagServiceLink link, std::vector<QString> keys)
    {
        ReleaseServiceTagReferences(std::move(keys), link);
    }

    // Modbus master devices; positions out of range change nothing.
    std::vector<MODBUS_EXTERNAL_DEVICE_SETTINGS> GetModbusMasterDevices() const { return ModbusMasterDevices; }
    void DeleteModbusMasterDevice(quint32 index);
    int AddModbusDeviceTagDefinition(int deviceId, TagDefinition definition);
    int UpdateModbusCommandTagUse(int device, int command, MODBUS_COMMAND_SETTINGS newCommand);
    void DeleteModbusMasterCommand(int device, int command);
    void SetModbusMasterDevice(int row, MODBUS_EXTERNAL_DEVICE_SETTINGS device); // replaces it, nothing else
    // Appends the command and gives each resource's tag the use (105, device id); 0 without the device.
    int AddModbusMasterCommand(int device, MODBUS_COMMAND_SETTINGS command);
    // Appends a new device: the next device id, its status and error tags created with the use
    // (105, id), that use on the tags of its commands, its serial port marked. 0 and nothing
    // added when an automatic tag's name or address is taken.
    int CreateModbusMasterDevice(MODBUS_EXTERNAL_DEVICE_SETTINGS device, std::vector<TagChange>& created);
    // Replaces the device at the row; its old serial port is released unless another device uses it.
    int ModifyModbusMasterDevice(int row, MODBUS_EXTERNAL_DEVICE_SETTINGS device);
    // Deletes the devices at the rows with their tags and ports; the automatic tags removed.
    std::vector<TagChange> DeleteModbusMasterDevices(std::vector<int> rows);
    // Marks the serial port of every device as used by the master.
    void MarkModbusMasterPorts();

    // The Modbus slave's tag sets: a new set takes the last set's Index + 1, and never a number
    // given before while the project is open; the items carry the set's name; every item's tag carries the use (117,
    // Index).
    int AddModbusSlaveTagSet(MODBUS_SLAVE_TAG_SET set);          // the new set's Index
    int SetModbusSlaveTagSet(int row, MODBUS_SLAVE_TAG_SET set); // keeps the stored Index
    void DeleteModbusSlaveTagSets(std::vector<int> rows);
    // The slave's serial port key ("S_%d-P_%d", or empty for none): the old port's mark taken
    // back, the new one marked; serial on exactly when a port is named.
    void SetModbusSlaveSerialPort(const QString& key);
    // Serial port marks by "S_%d-P_%d" key; other keys change nothing.
    bool IsSerialPortMarkedBy(const QString& key, int serviceType) const;
    void MarkSerialPortKey(const QString& key, int used, int serviceType);

    // The definitions behind tags. A miss leaves the outs as the caller preset them.
    void LookupTagDefinitionFields(QString address, int kind, int& dataTypeCode, int& dnp3TagType,
                                   int& direction) const;
    int GetTagDefinitionValue(TagRecord tag, int& out) const;
    int GetTagIntegerRange(TagRecord tag, qint64& minimum, qint64& maximum) const;
    int GetTagFloatRange(TagRecord tag, float& minimum, float& maximum) const;
    int FindSlotRegisterDefinitionIndex(QString resourceText, int slot) const;
    int FindSlotRegisterDefinitionIndex(int slot, QString resourceText) const
    {
        return FindSlotRegisterDefinitionIndex(std::move(resourceText), slot);
    }
    int GetResourceTypeItem(int code, int resourceId, InternalVariableRecord& out) const; // 0 or kE_FAIL
    int RemoveResourceTypeItem(int code, int resourceId) { return RemoveInternalRegisterItem(code, resourceId); }
    void AddResourceTypeItem(int code, InternalVariableRecord item); // as given
    // To the list of its data-type code, with the DNP3 type and limits of its value kind.
    void AddResourceTypeItem(InternalVariableRecord item);

    // The tag-selection dialogs: slots, groups and definitions that fit a data-type code (1..18)
    // or a DNP3 object type (1..5). Collectors append and return the list's new size.
    int SlotHasChannelsForSelector18(int slot, int code) const;
    int SlotHasChannelsForSelector5(int slot, int objectType) const;
    int CollectSlotGroupsForSelector18(int slot, int code, std::vector<ChannelGroupEntry>& groups) const;
    int CollectSlotGroupsForSelector5(int slot, int objectType, std::vector<ChannelGroupEntry>& groups) const;
    std::vector<TagDefinition> CollectResourceTags(int slot, int resourceType, int item) const;
    void CollectResourceTags(std::vector<TagDefinition>& out, int slot, int resourceType, int item) const
    {
        out = CollectResourceTags(slot, resourceType, item);
    }
    int CollectResourceTagsByDataType(int slot, int resourceType, int item, int code,
                                      std::vector<TagDefinition>& definitions) const;
    int CollectResourceTagsByDnp3Type(int slot, int resourceType, int item, int objectType,
                                      std::vector<TagDefinition>& definitions) const;

    // Module-level definitions and their names: 1, or 0 when the slot has no such record.
    int SetDITagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetDOTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetRelayTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetDIOTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetHartAITagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetAITagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetHighSpeedAITagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetAOTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetTCTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    int SetRTDTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);
    void SetHartAIChannelDefinitions(int slot, int channel, std::vector<TagDefinition> definitions); // sensor tags
    void SetHartAIRecordDefinitions(int slot, std::vector<TagDefinition> definitions, int sensorTagCount);

    // Tag generation from the definitions of placed modules; generators only add.
    int RegenerateSlotTags(int slot); // always 1
    void GenerateDITags(int slot, int selector);
    void GenerateDOTags(int slot, int selector);
    void GenerateRelayTags(int slot, int selector);
    void GenerateAITags(int slot, int selector);
    void GenerateAOTags(int slot, int selector);
    void GenerateTCTags(int slot, int selector);
    void GenerateRTDTags(int slot, int selector);
    void GenerateHighSpeedAITags(int slot, int selector);
    void GenerateHARTAITags(int slot, int selector);
    void GenerateDIOTags(int slot, int channelKind, int selector);
    void GenerateCellularTags(int slot);
    void GenerateSystemVariableTags(int slot);
    void GenerateSystemRegisterTags(int slot);
    void AddConnectionTags();
    void MergePendingTags();
    void QueueTagFromDefinition(TagDefinition definition, QString ownerText, int typeId, int serviceId, int itemIndex);

    // The services as channel groups of slot 0, and their status tags.
    void AddServiceResources();
    // Fills the source's status definition; with create 1 also makes its tag. 0 when that failed.
    int SetupServiceStatusTag(StatusTagSource source, int create);
    int CreateStatusTags(int flag);

    // Modules leaving their slot.
    void ClearSlotChannelLists(int slot, int flag); // slot 0: only every slot's groups
    int RemoveSlotModule(int slot, int flag);       // always 0
    int SetSlotModule(int slot, int flag) { return RemoveSlotModule(slot, flag); }
    // 0 removable; 2 a Modbus master device, 3 another service uses a serial port of the slot;
    // 1 a tag of the slot is used by a service; 4 port-trunk pair; 5 switch after a port trunk.
    int CheckSerialAndSwitchModules(int slot) const;
    void LoadInternalRegisterQuantities(class IXMLElement* element);

    // ---- project file: frame, system information, tags, device configuration ----
    // Groups of "Product": the writers add their element to the product element; the readers
    // give 0 or kE_FAIL (a missing group, or a value the group cannot do without).
    void SaveSystemInformation(IXMLElement* product) const;
    int LoadSystemInformation(IXMLElement* product);
    void SaveModuleInfo(IXMLElement* group) const;
    int LoadModuleInfo(IXMLElement* group);
    void SaveTagConfiguration(IXMLElement* product) const;
    int LoadTagConfiguration(IXMLElement* product);
    // The channel writers refresh their records' abbreviation lists, hence not const.
    void SaveDeviceConfiguration(IXMLElement* product);
    int LoadDeviceConfiguration(IXMLElement* product);
    // Dispatches every child of a slot's "Setting" by name (compared ignoring case); 0.
    int LoadDeviceSetting(IXMLElement* setting, int slot, IXMLElement* slotElement);

    // Writers of a slot's communication, resource and system groups.
    void SaveSerialSetting(const PortModuleSlotRecord& record, IXMLElement* slotElement) const;
    void SaveNetworkSetting(const LanModuleSlotRecord& record, IXMLElement* slotElement) const;
    void SaveCanSetting(const CanModuleSlotRecord& record, IXMLElement* slotElement) const;
    void SaveCellularResource(const CellularRecord& record, IXMLElement* slotElement) const;
    void SaveSystemRegister(const ResourceGroupRecord& record, IXMLElement* slotElement) const;
    void SavePowerResource(const ResourceGroupRecord& record, IXMLElement* slotElement) const;
    void SaveFtpServer(IXMLElement* setting, bool withServerElement) const;
    void SaveTimeSetting(IXMLElement* slotElement) const;
    void SaveToggleSwitchControl(IXMLElement* slotElement) const;
    void SaveRotarySwitchControl(IXMLElement* slotElement) const;
    void SaveSystemServiceFlags(IXMLElement* slotElement) const;
    // "Enable" with the value in "Result" (also the RESTful API service's enable).
    static void SaveEnableElement(int value, IXMLElement* parent);
    // The "Enable" child's value when it is 0 or 1, else 0.
    static void LoadEnableElement(int& out, IXMLElement* element);

    // The load-for-slot family: finds the slot's record of that kind and reads the element into
    // it; nothing when the slot has none. Always 0.
    int LoadSerialSettingForSlot(IXMLElement* element, int slot);
    int LoadCanSettingForSlot(IXMLElement* element, int slot);
    int LoadPortTrunkForSlot(IXMLElement* element, int slot);
    int LoadSwitchForSlot(IXMLElement* element, int slot);
    int LoadNetworkSettingForSlot(IXMLElement* element, int slot);
    int LoadCellularSettingForSlot(IXMLElement* element, int slot);
    int LoadDISettingForSlot(IXMLElement* element, int slot);
    int LoadDOSettingForSlot(IXMLElement* element, int slot);
    int LoadRelaySettingForSlot(IXMLElement* element, int slot);
    int LoadDIOSettingForSlot(IXMLElement* element, int slot);
    int LoadHARTAISettingForSlot(IXMLElement* setting, IXMLElement* slotElement, int slot);
    int LoadAISettingForSlot(IXMLElement* element, int slot);
    int LoadHighSpeedAISettingForSlot(IXMLElement* element, int slot);
    int LoadAOSettingForSlot(IXMLElement* element, int slot);
    int LoadTCSettingForSlot(IXMLElement* element, int slot);
    int LoadRTDSettingForSlot(IXMLElement* element, int slot);
    // The "InternalRegister" child of a slot's "Setting": list lengths, then the register groups.
    int LoadInternalRegister(IXMLElement* element);
    int ReadTimeSettingElement(IXMLElement* element, int slot);
    int ReadFtpAccountElement(IXMLElement* element, int slot);
    int ReadFtpServerElement(IXMLElement* element, int slot);
    int ReadToggleSwitchElement(IXMLElement* element, int slot);
    int ReadRotarySwitchElement(IXMLElement* element, int slot);
    int ReadSystemLogElement(IXMLElement* element, int slot);

    // Element readers of one record.
    static void LoadSerialSetting(PortModuleSlotRecord& record, IXMLElement* element);
    static void LoadNetworkSetting(LanModuleSlotRecord& record, IXMLElement* element);
    static void LoadCanSetting(CanModuleSlotRecord& record, IXMLElement* element);
    // Also queues the cellular connection tag of the record.
    void LoadCellularSetting(CellularRecord& record, IXMLElement* element);
    static void LoadCellularConfig(CellularConfig& config, IXMLElement* element);
    static void LoadAutoCheckSetting(CELLULAR_SETTINGS& settings, IXMLElement* element);
    int ParseTimeSetting(IXMLElement* element);
    int ParseFtpAccounts(IXMLElement* element, int flag); // flag 1 "FtpAccount", 0 "FtpServer"
    int LoadSystemServiceFlags(IXMLElement* element);

    // The whole file: root "Project" (project name, configuration version, slot count) holding
    // "Product" with its four groups. The file is replaced only once the new document is
    // completely written; false when it was not (the old file is then unchanged).
    bool SaveProject(const QString& path);
    // The groups of the root's "Product" into a model whose templates are placed: system
    // information, device configuration, services, tags, then the TAVO tag lists. Each runs even
    // when an earlier one failed; 0, or kE_FAIL when "Product" or any group failed.
    int ReadProduct(IXMLElement* root);
    // After a file with the flat Modbus slave list: each item takes the data-type code of the tag
    // at its address (0 without such a tag), and a set without a type index takes its first
    // found tag's. Runs only while the tag sets are not grouped, and groups them.
    void SyncModbusSlaveTagTypes();

    // ---- project file: service configuration ----
    // The "ServiceConfiguration" element under "Product": every service element in the file's
    // order, then "ServiceManagement" (written for the controller, never read back).
    void SaveServiceConfiguration(class IXMLElement* product) const;
    // Reads the service elements into the model; 0, or E_FAIL without "ServiceConfiguration".
    // Tags are queued for older files that lack a service's element. The TAVO tag lists need the
    // tag table: LoadTavoTagSettings runs once the tags are read.
    int ReadServiceConfiguration(class IXMLElement* product);
    // The tag lists of the "TAVO" element (a null element reads nothing) into the tag table.
    void LoadTavoTagSettings(class IXMLElement* tavo);
    // The service elements, each appended to "ServiceConfiguration".
    void SaveTavoService(class IXMLElement* serviceConfiguration) const;
    void SaveAlarmServices(class IXMLElement* serviceConfiguration) const;
    void SaveDnp3OutstationService(class IXMLElement* serviceConfiguration) const;
    void SaveModbusSlaveService(class IXMLElement* serviceConfiguration) const;
    void SaveModbusMasterService(class IXMLElement* serviceConfiguration) const;
    void SaveDataLoggingService(class IXMLElement* serviceConfiguration) const;
    // Written only when there are high-speed profiles, so projects without them keep their bytes.
    void SaveHsDataLoggingService(class IXMLElement* serviceConfiguration) const;
    void SaveSnmpAgentService(class IXMLElement* serviceConfiguration) const;
    void SaveRestfulApiService(class IXMLElement* serviceConfiguration) const;
    void SaveServiceManagement(class IXMLElement* serviceConfiguration) const;
    // Inside "DNP3_Outstation": the outstation settings and masters, and one point group.
    void SaveDnp3Outstation(class IXMLElement* outstation) const;
    void LoadDnp3Outstation(class IXMLElement* outstation);
    void SaveDnp3PointSettings(const Dnp3PointGroup& group, class IXMLElement* outstation,
                               const QString& groupName) const;
    // The five point groups; a missing group element leaves its group as it was. Always 0.
    int LoadDnp3Points(class IXMLElement* outstation);
    // Marks every serial port of the used slots whose name "S_%d-P_%d" equals the text.
    void MarkSerialPortUsed(const QString& portText, int used);

    // ---- members, in the model's order ----
    int SwitchTimeout = kDefaultSwitchTimeout; // firmware update: seconds to wait for the boot loader
    QString ProjectName;
    QString ModType;
    quint16 SlotMask = 0; // bit n: slot n in use
    int MaxSlotCount = 0; // highest slot number of the device model
    ModuleInfoPair ModuleInfo;
    std::vector<ModuleSlotRecord> DISettings;
    std::vector<DIOModuleSlotRecord> DIOSettings;
    ResourceGroupRecord SystemVariables;
    std::vector<ResourceGroupRecord> ResourceGroups;
    InternalRegisterTable InternalRegisters;
    std::vector<CellularRecord> CellularSettings;
    QString DefaultsPath;
    std::array<ServiceResourceText, kStatusTagSourceCount> ServiceResourceTexts;
    std::vector<SlotRecord> Slots;
    TagTable Tags;
    std::vector<SlotTagRecord> PendingSlotTags;
    std::array<Dnp3PointGroup, kDnp3GroupCount> Dnp3Groups; // BI, BO, AI, AO, counter
    std::vector<ServiceRecord> Services;
    std::vector<ServiceRecord> FunctionRecords;
    std::vector<ServiceTagRecord> ServiceTagLists;
    FtpServerSettings FtpServer;
    std::vector<HARTAISetting> HARTAISettings;
    std::vector<AISetting> AISettings;
    std::vector<HighSpeedAISetting> HighSpeedAISettings;
    std::vector<AOSetting> AOSettings;
    std::vector<TemperatureSetting> TCSettings;
    std::vector<TemperatureSetting> RTDSettings;
    std::vector<SMTP_SERVER_SETTINGS> SmtpServers;
    ALARM_SMS_SETTINGS AlarmSms;
    ALARM_MAIL_SETTINGS AlarmMail;
    ALARM_SNMP_TRAP_SETTINGS AlarmSnmpTrap;
    CONDITION_SETTINGS Condition;
    std::vector<MailAlarmRecord> MailAlarmRecords;
    TAVO_SETTINGS Tavo;
    MODBUS_SLAVE_SETTINGS ModbusSlave;
    // Set numbers given while the project is open: a deleted set's number is not given again.
    int NextModbusSlaveSetIndex = 0;
    DNP3_OUTSTATION_SETTINGS Dnp3Outstation;
    DATA_LOG_SETTINGS DataLogging;
    std::vector<HighSpeedLogProfile> HighSpeedLogProfiles;
    SYSTEM_LOG_SETTINGS SystemLog;
    SNMP_AGENT_SETTINGS SnmpAgent;
    int RESTfulEnable = 0;
    std::vector<OutputModuleSlotRecord> DOSettings;
    std::vector<PortModuleSlotRecord> SerialSettings;
    std::vector<LanModuleSlotRecord> NetworkSettings;
    std::vector<MODBUS_EXTERNAL_DEVICE_SETTINGS> ModbusMasterDevices;
    std::vector<CanModuleSlotRecord> CanSettings;
    std::vector<SlotPortRecord> PortTrunkSettings;
    std::vector<SlotPortRecord> SwitchSettings;
    TIME_SETTINGS Time;
    int ToggleSwitchEnable = 0;
    int RotarySwitchEnable = 0;
    LogEnableTable LogEnable;
    std::vector<OutputModuleSlotRecord> RelaySettings;
    CAutoResource* AutoResource = nullptr;
    std::array<TagDefinition, kStatusTagSourceCount> ServiceStatusTags; // by StatusTagSource
    std::map<int, QString> ResourceNames;
    int IsIEC = 0;
    int HSPAFlag = 0;       // product attribute HSPA
    int Series4100Flag = 0; // product of the 4100 series: 16 slots
    int CPU35Mode = 0;
    int Dnp3Supported = 0;
    int RESTfulSupported = 0;
    QString ConfigVersion;
    QString CfgToolVersion;
    int CurrentConfigVersion = 1;
    int PortTrunkMode = 0;    // the two-port serial module runs in 2-wire trunk mode
    int LoginVerified = 0;    // 1 after a successful device login, kept for the next tool dialog
    QByteArray LoginUserName; // set by the device login, at most 64 bytes
    QByteArray LoginPassword;
    int Modified = 0;

private:
    void LoadServiceResourceIds();
    void ResetDnp3Groups();
    void ClearAllSlotChannelGroups();
    Dnp3PointGroup* Dnp3GroupOfType(int objectType);
    const Dnp3PointGroup* Dnp3GroupOfType(int objectType) const;
};
