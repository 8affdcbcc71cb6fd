#pragma once
// One tag of the project's tag table, the services that use it and its TAVO publishing settings.

#include <QString>
#include <QtGlobal>

#include <vector>

class IXMLElement;

// A use of a tag by a service item: the service resource id and the item's number.
struct TagServiceLink {
    qint32 ServiceId = 0;
    qint32 ItemIndex = 0;
    friend bool operator==(const TagServiceLink&, const TagServiceLink&) = default;
};

TagServiceLink MakeIntPair(int serviceId, int itemIndex);

// The TAVO update settings of one tag.
struct TagRecordExtra {
    qint32 IntervalUpdate = 0;
    quint32 Interval = 0;
    qint32 Unit = 0;
    qint32 OnChangeUpdate = 0;
    qint32 ControlTagUpdate = 0;
    qint32 Access = 1;
    QString ControlTagName; // name of the tag that Control names; filled when the file is read
    QString Control;        // resource id of the control tag of a control-tag update

    // Back to the settings of a tag that is not published.
    void Init();
    friend bool operator==(const TagRecordExtra&, const TagRecordExtra&) = default;
};

struct TagRecord {
    QString TagName;          // unique in the table without regard to case
    QString SecondText;       // carried with the record, not stored in the project file
    QString ChannelTypeAlias; // display name of the tag's channel type
    qint32 ChannelTypeId = 0;
    qint32 SlotIndex = -1;    // first number of ResID
    qint32 ChannelIndex = -1; // second number of ResID; 65535 for types without a channel
    qint32 ResourceType = -1; // last number of ResID
    QString ResID;            // "slot.channel.type": the key pages and services use
    std::vector<TagServiceLink> RelatedServices;
    qint32 DataTypeCode = 0;
    qint32 Dnp3PointType = 0;
    qint32 Direction = 0;
    qint32 PublishToTavo = 0;
    TagRecordExtra Tavo;

    // Builds the record from its texts and numbers; the three address numbers come from resId.
    void Construct(QString tagName, QString secondText, QString channelTypeAlias, int channelTypeId, QString resId,
                   int direction, int dataTypeCode, int dnp3PointType);

    // project file
    // Fills a "Tag_%d" element of "TagConfiguration" with the tag's values and service links.
    void SaveTagElement(IXMLElement* tagElement) const;

    friend bool operator==(const TagRecord&, const TagRecord&) = default;
};

// A tag waiting in the per-channel-type generation, with the service use it is to get.
struct SlotTagRecord {
    TagRecord Tag;
    TagServiceLink ServiceUse;
};

// Splits the record's ResID at "." into its first, second and last number (C-runtime conversion).
// A text without "." gives its value three times; one "." gives the first part, then the second twice.
void ParseTagAddress(const TagRecord& record, int& first, int& second, int& third);
// The number between the second and the third "." of a dotted text (to the end without a third);
// 0 when the text has fewer than two ".".
int ParseResourceTypeField(QString text);
