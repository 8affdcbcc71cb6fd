#include "TagListTexts.h"

#include "CDataCenter.h"
#include "CPropertyUIDialog.h"
#include "Clipboard.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <algorithm>

namespace {

constexpr char kTagNameCharacters[] = "_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

QString readDefault(const char* section, const char* key)
{
    const QString path = GetDefaultSettingsPath();
    return path.isEmpty() ? QString()
                          : GetPrivateProfileString(QLatin1String(section), QLatin1String(key), QString(), path);
}

QString serviceTagAddress(const char* key)
{
    return QStringLiteral("0.0.%1").arg(readDefault("TAVO", key));
}

bool isServiceType(int id)
{
    return id >= ServiceId::First && id <= ServiceId::Last;
}

} // namespace

TagDirectionTexts TagDirectionTexts::Load(bool iecMode)
{
    TagDirectionTexts texts;
    texts.caption = readDefault("TagIOType", iecMode ? "STATIC_IEC" : "STATIC_C");
    texts.texts = readDefault("TagIOType", iecMode ? "CONTENT_IEC" : "CONTENT_C").split(QLatin1Char(','));
    return texts;
}

TagItemNamer::TagItemNamer(const CDataCenter& model)
    : model_(model), tavoServiceAddress_(serviceTagAddress("ServiceTAVOResourceID")),
      tavoUpdateTriggerAddress_(serviceTagAddress("UpdateTriggerTagResourceID"))
{}

const std::vector<TagDefinition>& TagItemNamer::DefinitionsOf(const TagRecord& tag)
{
    const quint64 key = (static_cast<quint64>(static_cast<quint16>(tag.SlotIndex)) << 48) |
                        (static_cast<quint64>(static_cast<quint16>(tag.ChannelTypeId)) << 32) |
                        static_cast<quint32>(tag.ChannelIndex);
    auto found = collected_.find(key);
    if (found == collected_.end())
        found = collected_.insert(key, model_.CollectResourceTags(tag.SlotIndex, tag.ChannelTypeId, tag.ChannelIndex));
    return found.value();
}

int TagItemNamer::DefinitionIndex(const TagRecord& tag) const
{
    const int type = tag.ChannelTypeId;
    if (IsInternalRegisterType(type))
        return 0;
    if (type == ChannelType::SystemVariables)
        return model_.FindTagDefinitionIndex(tag.ResID);
    if (type == ChannelType::ResourceGroup)
        return model_.FindSlotRegisterDefinitionIndex(tag.SlotIndex, tag.ResID);
    if (type == ChannelType::DigitalInputOutput)
        return tag.ResourceType - 1;
    if (type == ServiceId::Tavo) {
        if (tag.ResID == tavoServiceAddress_)
            return 0;
        if (tag.ResID == tavoUpdateTriggerAddress_)
            return 1;
        return tag.ResourceType + 1;
    }
    return tag.ResourceType;
}

TagItemNamer::Item TagItemNamer::ItemOf(const TagRecord& tag)
{
    if (serviceTagsByItem_ && isServiceType(tag.ChannelTypeId) && tag.ChannelTypeId != ServiceId::Tavo)
        return {model_.GetServiceUseName(tag.ChannelTypeId, tag.ChannelIndex), tag.ResID};
    const std::vector<TagDefinition>& definitions = DefinitionsOf(tag);
    const int index = DefinitionIndex(tag);
    if (index < 0 || index >= static_cast<int>(definitions.size()))
        return {};
    const TagDefinition& definition = definitions[static_cast<size_t>(index)];
    const bool ownAddress = tag.ChannelTypeId == ChannelType::SystemVariables;
    return {definition.Name, ownAddress ? tag.ResID : definition.ResourceText};
}

bool HasOnlyTagNameCharacters(const QString& name)
{
    static const QString allowed = QString::fromLatin1(kTagNameCharacters);
    return std::all_of(name.begin(), name.end(), [](QChar c) { return allowed.contains(c); });
}

bool CheckTagRename(const CDataCenter& model, const TagRecord& tag, const QString& newName, const QString& label,
                    bool refuseUsedTag, ValidationReport& report, QWidget* nameEdit)
{
    if (newName.isEmpty())
        report.Add(FormatInvalidItemLine(label), nameEdit);
    if (refuseUsedTag && !tag.RelatedServices.empty())
        report.Add(LoadLangString(kStringTagInUseNoRename));
    const bool caseOnly = newName.compare(tag.TagName, Qt::CaseInsensitive) == 0;
    if (!newName.isEmpty() && !caseOnly && !model.IsTagNameFree(newName))
        report.Add(FormatItemErrorLine(label), nameEdit);
    if (!HasOnlyTagNameCharacters(newName))
        report.Add(LoadLangString(kStringTagNameCharacters) + QStringLiteral("\r\n"));
    return report.IsEmpty();
}

void CopyTagNameAndLog(const CPropertyUIDialog& page, const QString& name)
{
    if (name.isEmpty())
        return;
    CopyTextToClipboard(name);
    page.AddLogLine(FormatLangString(kStringTagCopied, name));
}
