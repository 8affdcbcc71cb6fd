#include "DataLogProfileTags.h"

#include "CAutoResource.h"
#include "TraceLog.h"
#include "TypeIds.h"

#include <algorithm>

namespace DataLogProfileTags {

namespace {

using Kind = CAutoResource::Kind;
using TagChange = CDataCenter::TagChange;

TagServiceLink useOf(int number)
{
    return MakeIntPair(ServiceId::DataLogging, number);
}

bool isFree(const CDataCenter& model, const TagDefinition& definition)
{
    return model.IsTagNameFree(definition.Name) && model.IsTagAddressFree(definition.ResourceText);
}

// Makes the tags in order; on a failure the ones made go again and nothing is left behind.
bool makeTags(CDataCenter& model, const std::vector<std::pair<TagDefinition, int>>& tags,
              std::vector<TagChange>& created, QString* failedName = nullptr)
{
    for (const auto& [definition, owner] : tags) {
        const bool made = isFree(model, definition) && model.AddTagFromDefinition({model.GetResourceName(owner), owner},
                                                                                  definition, definition.Name);
        if (!made) {
            TraceLog("%s:%d data-log tag %s not made: its name or address is taken", __FILE__, __LINE__,
                     qPrintable(definition.Name));
            if (failedName)
                *failedName = definition.Name;
            for (const TagChange& tag : created)
                model.DeleteTagsByAddress(tag.Address, 1);
            created.clear();
            return false;
        }
        created.push_back({definition.Name, definition.ResourceText});
    }
    return true;
}

QString nameAt(const CDataCenter& model, const QString& address)
{
    TagRecord tag;
    return !address.isEmpty() && model.FindTagByAddress(address, tag) ? tag.TagName : QString();
}

} // namespace

int NextProfileNumber(const QVector<DATA_LOG_ITEM_SETTINGS>& profiles)
{
    return profiles.isEmpty() ? 0 : profiles.back().Index + 1;
}

bool IsUploadConfigured(const DATA_LOG_UPLOAD_SETTINGS& upload)
{
    return !upload.FTPServer.isEmpty() && !upload.Username.isEmpty();
}

QStringList DefaultTagNames(int number)
{
    const CAutoResource* names = CAutoResource::GetInstance();
    QStringList texts;
    for (Kind kind : {Kind::LogStartStop, Kind::LogTrigger, Kind::LogStatus, Kind::FtpTrigger, Kind::FtpStatus})
        texts << names->TagName(kind, number);
    return texts;
}

bool CreateProfileTags(CDataCenter& model, DATA_LOG_ITEM_SETTINGS& profile, int number,
                       std::vector<CDataCenter::TagChange>& created, QString* failedName)
{
    created.clear();
    QVector<TagDefinition> logDefinitions;
    QVector<TagDefinition> uploadDefinitions;
    CAutoResource::GetInstance()->BuildServiceTags(ServiceId::DataLogging, number, logDefinitions, 0);
    CAutoResource::GetInstance()->BuildServiceTags(ServiceId::DataLoggingUpload, number, uploadDefinitions, 0);
    const bool uploadConfigured = IsUploadConfigured(profile.Upload);

    std::vector<std::pair<TagDefinition, int>> tags;
    for (const TagDefinition& definition : logDefinitions)
        tags.emplace_back(definition, ServiceId::DataLogging);
    if (uploadConfigured)
        tags.emplace_back(uploadDefinitions.value(0), ServiceId::DataLoggingUpload);
    tags.emplace_back(uploadDefinitions.value(1), ServiceId::DataLoggingUpload);
    if (!makeTags(model, tags, created, failedName))
        return false;

    profile.Index = number;
    profile.LogTagDefinitions = logDefinitions;
    profile.UploadTagDefinitions = uploadDefinitions;
    profile.Profile.StartStopTag = logDefinitions.value(0).ResourceText;
    profile.Profile.LogTriggerTag = logDefinitions.value(1).ResourceText;
    profile.Profile.LogStatusTag = logDefinitions.value(2).ResourceText;
    profile.Upload.FTPUploadTriggerTag = uploadConfigured ? uploadDefinitions.value(0).ResourceText : QString();
    profile.Upload.FTPUploadRemainStorageTag = uploadDefinitions.value(1).ResourceText;

    for (const TagChange& tag : created)
        model.AddTagServiceUse(tag.Address, useOf(number));
    for (const SelectedTag& tag : profile.SelectedTags)
        model.AddTagServiceUse(tag.second, useOf(number));
    return true;
}

QString SyncUploadTrigger(CDataCenter& model, DATA_LOG_ITEM_SETTINGS& profile, bool& failed)
{
    failed = false;
    QString& trigger = profile.Upload.FTPUploadTriggerTag;
    if (!IsUploadConfigured(profile.Upload)) {
        if (!trigger.isEmpty())
            model.DeleteTagsByAddress(trigger, 1);
        trigger.clear();
        return {};
    }
    if (!nameAt(model, trigger).isEmpty())
        return {};
    QVector<TagDefinition> definitions;
    CAutoResource::GetInstance()->BuildServiceTags(ServiceId::DataLoggingUpload, profile.Index, definitions, 0);
    std::vector<TagChange> created;
    if (!makeTags(model, {{definitions.value(0), ServiceId::DataLoggingUpload}}, created)) {
        failed = true;
        return {};
    }
    trigger = created.front().Address;
    model.AddTagServiceUse(trigger, useOf(profile.Index));
    return created.front().Name;
}

void ReplaceSelectedTagUses(CDataCenter& model, int number, const QVector<SelectedTag>& before,
                            const QVector<SelectedTag>& after)
{
    for (const SelectedTag& tag : before)
        model.RemoveTagServiceUse(tag.second, useOf(number));
    for (const SelectedTag& tag : after)
        model.AddTagServiceUse(tag.second, useOf(number));
}

QStringList DeleteProfileTags(CDataCenter& model, const DATA_LOG_ITEM_SETTINGS& profile)
{
    const DATA_LOG_PROFILE_SETTINGS& log = profile.Profile;
    const DATA_LOG_UPLOAD_SETTINGS& upload = profile.Upload;
    QStringList logged;
    for (const QString& address :
         {log.StartStopTag, log.LogTriggerTag, log.LogStatusTag, upload.FTPUploadRemainStorageTag}) {
        if (const QString name = nameAt(model, address); !name.isEmpty())
            logged << name;
    }
    const std::vector<QString> own{log.StartStopTag, log.LogTriggerTag, log.LogStatusTag, upload.FTPUploadTriggerTag,
                                   upload.FTPUploadRemainStorageTag};
    std::vector<QString> used = own;
    for (const SelectedTag& tag : profile.SelectedTags)
        used.push_back(tag.second);
    model.ReleaseTagsOfServiceItem(used, useOf(profile.Index));
    for (const QString& address : own) {
        if (!address.isEmpty())
            model.DeleteTagsByAddress(address, 1);
    }
    return logged;
}

} // namespace DataLogProfileTags
