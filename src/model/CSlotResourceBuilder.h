#pragma once
// Turns the resource elements of a template being placed into model data for one slot: the slot's
// channel group, the module record with one entry per channel and the tag definitions of every
// channel, the module-level, HART sensor, power, system-variable and cellular definitions, and the
// internal-register groups.
//
// The tag definitions of a resource element are its "Resource_ID" children; "ResSize" consecutive
// ones describe the tags of the channel their "Index" names. "High_Voltage" (module-level tags)
// and "HART_SensorTag" (the tags of each HART sensor) are containers read on their own. Whatever
// lies outside the lists a template declares (a channel past the count, a tag past "ResSize") is
// skipped with a trace line; the template is never refused as a whole.

#include "IXMLParser.h"
#include "ModuleRecords.h"
#include "TagDefinition.h"

#include <QString>

#include <vector>

class CDataCenter;

class CSlotResourceBuilder {
public:
    // templateName: the template being placed, the key of its DefaultSettings.ini lines.
    CSlotResourceBuilder(CDataCenter& model, int slot, QString templateName);

    // Dispatches one resource element by its name.
    void BuildSlotResources(IXMLElement* element);
    // Set by a cellular element, cleared by every other resource element.
    bool CellularFlag() const { return cellularFlag_; }

    // A resource element's head.
    struct ResourceHead {
        QString name;
        QString alias;   // the channel group's name, the tag-name prefix
        int count = 0;   // "Result": channels, ports or interfaces
        int typeId = 0;  // "FormId": the channel type id
        int resSize = 0; // "ResSize": tags per channel
    };
    using Builder = void (CSlotResourceBuilder::*)(IXMLElement*, const ResourceHead&);

private:
    // Module builders: the module record with its channels, then the module's DefaultSettings.ini defaults.
    void BuildDIModule(IXMLElement* element, const ResourceHead& head);
    void BuildDOModule(IXMLElement* element, const ResourceHead& head);
    void BuildRelayModule(IXMLElement* element, const ResourceHead& head);
    void BuildDIOModule(IXMLElement* element, const ResourceHead& head);
    void BuildHARTModule(IXMLElement* element, const ResourceHead& head);
    void BuildAIModule(IXMLElement* element, const ResourceHead& head);
    void BuildHSAIModule(IXMLElement* element, const ResourceHead& head);
    void BuildAOModule(IXMLElement* element, const ResourceHead& head);
    void BuildTCModule(IXMLElement* element, const ResourceHead& head);
    void BuildRTDModule(IXMLElement* element, const ResourceHead& head);
    void BuildSerialModule(IXMLElement* element, const ResourceHead& head);
    void BuildCANBusModule(IXMLElement* element, const ResourceHead& head);
    void BuildLANModule(IXMLElement* element, const ResourceHead& head);
    void AddPortTrunk(IXMLElement* element, const ResourceHead& head);
    void AddSwitch(IXMLElement* element, const ResourceHead& head);

    // Tag definition builders.
    void BuildChannelTagTemplate(IXMLElement* element, int typeId);
    void BuildHARTSensorTags(IXMLElement* element, const ResourceHead& head);
    void BuildPowerTagDefinitions(IXMLElement* element, const ResourceHead& head);
    void BuildSystemVariableDefinitions(IXMLElement* element, const ResourceHead& head);
    void BuildCellularRecord(IXMLElement* element, const ResourceHead& head);
    // A DI module with module-level tags is the high-voltage kind; those tags are its external power.
    void MarkHighVoltage(IXMLElement* element, const ResourceHead& head);
    void BuildInternalVariables(IXMLElement* element);

    // The definitions of a power, system-variable or cellular element: one group of at most
    // "ResSize", shortened to the descriptions present. groupComplete tells whether it filled up.
    enum class ResourceTypeFrom { LastNumber, Position };
    std::vector<TagDefinition> ReadFlatDefinitions(IXMLElement* element, const ResourceHead& head,
                                                   ResourceTypeFrom resourceType, bool& groupComplete) const;
    void StoreChannelTemplate(int typeId, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names);

    CDataCenter& model_;
    int slot_;
    QString templateName_;
    bool cellularFlag_ = false;
};
