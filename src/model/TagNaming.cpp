#include "TagNaming.h"

#include "Validation.h"

namespace {

constexpr int kPowerSlot = 15; // its registers are named as slot 0's
const QString kConnectionWord = QStringLiteral("Connection");
const QString kConnectionShort = QStringLiteral("Conn");

QString slotPrefix(int slot)
{
    return QLatin1Char('S') + QString::number(slot) + QLatin1Char('_');
}

} // namespace

QString ChannelTagName(int slot, const QString& alias, int channel, const QString& definitionName)
{
    return MakeValidTagName(slotPrefix(slot) + alias + QString::number(channel) + QLatin1Char('_') + definitionName);
}

QString ModuleTagName(int slot, const QString& moduleTagName)
{
    return MakeValidTagName(slotPrefix(slot) + moduleTagName);
}

QString ConnectionTagName(int slot, const QString& alias, const QString& definitionName)
{
    QString name = SystemVariableTagName(slot, alias, definitionName);
    return name.replace(kConnectionWord, kConnectionShort);
}

QString SystemVariableTagName(int slot, const QString& alias, const QString& definitionName)
{
    return MakeValidTagName(slotPrefix(slot) + alias + QLatin1Char('_') + definitionName);
}

QString SystemRegisterTagName(int slot, const QString& definitionName)
{
    return slotPrefix(slot == kPowerSlot ? 0 : slot) + definitionName;
}

TagRecord MakeDefinitionTag(const QString& name, const QString& alias, int typeId, const TagDefinition& definition)
{
    TagRecord tag;
    tag.Construct(name, QString(), alias, typeId, definition.ResourceText, definition.IsInput, definition.TagType,
                  definition.DNP3TagType);
    return tag;
}
