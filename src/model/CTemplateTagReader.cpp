#include "CTemplateTagReader.h"

#include "TemplateAttributes.h"
#include "TemplateVocabulary.h"
#include "TextConversion.h"

namespace {

namespace Attribute = TemplateAttribute;

void keepOrRead(IXMLElement* element, const QString& name, qint32& field)
{
    if (const std::optional<int> value = TemplateAttributes::Int(element, name))
        field = *value;
}

} // namespace

CTemplateTagReader::CTemplateTagReader(int slot, Direction direction) : slot_(slot), direction_(direction)
{}

void CTemplateTagReader::Read(IXMLElement* description)
{
    using TemplateAttributes::Int;
    using TemplateAttributes::Text;
    working_.Name = Text(description, Attribute::Type).value_or(working_.Name);
    keepOrRead(description, Attribute::TagType, working_.TagType);
    keepOrRead(description, Attribute::DNP3TagType, working_.DNP3TagType);
    keepOrRead(description, Attribute::IsInput, working_.IsInput);
    resId_ = Text(description, Attribute::ResID).value_or(resId_);
    working_.ChMode = Int(description, Attribute::ChMode).value_or(0);
    working_.DNP3Event = Int(description, Attribute::DNP3Event).value_or(0);
    working_.Min = 0;
    working_.Max = 0;
    if (const std::optional<QString> minimum = Text(description, Attribute::Min)) {
        working_.Min = ParseLeadingInt64(*minimum);
        working_.Max = ParseLeadingInt64(Text(description, Attribute::Max).value_or(QString()));
    }
    keepOrRead(description, Attribute::Index, index_);
    if (direction_ == Direction::Read)
        keepOrRead(description, Attribute::IODirection, working_.IoDirection);
    tagName_ = Text(description, Attribute::TagName).value_or(QString());
}

QString CTemplateTagReader::SlotResourceText() const
{
    return QString::number(slot_) + QLatin1Char('.') + resId_;
}

TagDefinition CTemplateTagReader::SlotDefinition(int resourceType) const
{
    return DefinitionAt(SlotResourceText(), resourceType);
}

TagDefinition CTemplateTagReader::DefinitionAt(const QString& resourceText, int resourceType) const
{
    TagDefinition definition = working_;
    definition.ResourceText = resourceText;
    definition.ResType = resourceType;
    return definition;
}
