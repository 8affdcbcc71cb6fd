#include "TagRecord.h"

#include "TextConversion.h"
#include "TypeIds.h"

namespace {

constexpr QChar kAddressSeparator = u'.';

} // namespace

TagServiceLink MakeIntPair(int serviceId, int itemIndex)
{
    return {serviceId, itemIndex};
}

void TagRecordExtra::Init()
{
    *this = TagRecordExtra{};
}

void TagRecord::Construct(QString tagName, QString secondText, QString channelTypeAlias, int channelTypeId,
                          QString resId, int direction, int dataTypeCode, int dnp3PointType)
{
    TagName = std::move(tagName);
    SecondText = std::move(secondText);
    ChannelTypeAlias = std::move(channelTypeAlias);
    ChannelTypeId = channelTypeId;
    ResID = std::move(resId);
    RelatedServices.clear();
    DataTypeCode = dataTypeCode;
    Dnp3PointType = dnp3PointType;
    Direction = direction;
    PublishToTavo = 0;
    Tavo.Init();
    ParseTagAddress(*this, SlotIndex, ChannelIndex, ResourceType);
    if (HasNoChannelIndex(ChannelTypeId))
        ChannelIndex = kNoChannelIndex;
}

void ParseTagAddress(const TagRecord& record, int& first, int& second, int& third)
{
    const QString& text = record.ResID;
    const qsizetype firstDot = text.indexOf(kAddressSeparator);
    if (firstDot < 0) {
        first = second = third = ParseLeadingInt(text);
        return;
    }
    first = ParseLeadingInt(QStringView(text).left(firstDot));
    const QStringView rest = QStringView(text).mid(firstDot + 1);
    const qsizetype secondDot = rest.indexOf(kAddressSeparator);
    second = ParseLeadingInt(secondDot < 0 ? rest : rest.left(secondDot));
    third = ParseLeadingInt(QStringView(text).mid(text.lastIndexOf(kAddressSeparator) + 1));
}

int ParseResourceTypeField(QString text)
{
    const qsizetype firstDot = text.indexOf(kAddressSeparator);
    const qsizetype secondDot = firstDot < 0 ? -1 : text.indexOf(kAddressSeparator, firstDot + 1);
    if (secondDot < 0)
        return 0;
    const qsizetype thirdDot = text.indexOf(kAddressSeparator, secondDot + 1);
    const qsizetype length = thirdDot < 0 ? -1 : thirdDot - secondDot - 1;
    return ParseLeadingInt(QStringView(text).mid(secondDot + 1, length));
}
