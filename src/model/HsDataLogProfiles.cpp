#include "HsDataLogProfiles.h"

#include "TypeIds.h"

#include <algorithm>

namespace HsDataLogProfiles {

namespace {

TagServiceLink useAt(int position)
{
    return MakeIntPair(ServiceId::HighSpeedDataLogging, position);
}

bool isPosition(const CDataCenter& model, int position)
{
    return position >= 0 && position < static_cast<int>(model.HighSpeedLogProfiles.size());
}

bool inRange(const SettingTriple& triple, int value)
{
    return value >= triple.minimum && value <= triple.maximum;
}

void markProfile(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS& profile, TagServiceLink use)
{
    for (const QString& key : TagKeys(profile))
        model.AddTagServiceUse(key, use);
    model.AddServiceTagReference(profile.Upload.FTPServer, use);
}

void unmarkProfile(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS& profile, TagServiceLink use)
{
    for (const QString& key : TagKeys(profile))
        model.RemoveTagServiceUse(key, use);
    model.RemoveServiceTagReference(profile.Upload.FTPServer, use);
}

} // namespace

std::vector<QString> TagKeys(const HS_DATA_LOG_ITEM_SETTINGS& profile)
{
    std::vector<QString> keys;
    const auto keep = [&keys](const QString& key) {
        if (!key.isEmpty())
            keys.push_back(key);
    };
    keep(profile.Profile.TriggerTag);
    for (const auto& selected : profile.SelectedTags)
        keep(selected.second);
    keep(profile.Upload.UploadTriggerTag);
    keep(profile.Upload.UploadStatusTag);
    return keys;
}

int AddProfile(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS& profile)
{
    const int position = static_cast<int>(model.HighSpeedLogProfiles.size());
    model.HighSpeedLogProfiles.push_back(profile);
    markProfile(model, profile, useAt(position));
    return position;
}

bool ModifyProfile(CDataCenter& model, int position, const HS_DATA_LOG_ITEM_SETTINGS& edited)
{
    if (!isPosition(model, position))
        return false;
    HS_DATA_LOG_ITEM_SETTINGS& stored = model.HighSpeedLogProfiles[static_cast<size_t>(position)];
    const TagServiceLink use = useAt(position);
    model.ReplaceServiceItemUses(TagKeys(stored), TagKeys(edited), use);
    if (stored.Upload.FTPServer != edited.Upload.FTPServer) {
        model.RemoveServiceTagReference(stored.Upload.FTPServer, use);
        model.AddServiceTagReference(edited.Upload.FTPServer, use);
    }
    stored = edited;
    return true;
}

bool DeleteProfile(CDataCenter& model, int position)
{
    if (!isPosition(model, position))
        return false;
    auto& profiles = model.HighSpeedLogProfiles;
    unmarkProfile(model, profiles[static_cast<size_t>(position)], useAt(position));
    profiles.erase(profiles.begin() + position);
    // The profiles behind move down even when the deleted one named nothing.
    model.ShiftResourceIndices(ServiceId::HighSpeedDataLogging, position);
    model.ShiftServiceTagIndices(ServiceId::HighSpeedDataLogging, position);
    return true;
}

void ForgetTag(HS_DATA_LOG_ITEM_SETTINGS& profile, const QString& address)
{
    auto& selected = profile.SelectedTags;
    selected.erase(
        std::remove_if(selected.begin(), selected.end(), [&address](const auto& tag) { return tag.second == address; }),
        selected.end());
    for (QString* key :
         {&profile.Profile.TriggerTag, &profile.Upload.UploadTriggerTag, &profile.Upload.UploadStatusTag}) {
        if (*key == address)
            key->clear();
    }
}

bool FileCountInRange(const HS_DATA_LOG_PROFILE_SETTINGS& profile)
{
    return inRange(profile.ProfileFilesOfLogValue, profile.FilesOfLog);
}

bool TriesInRange(const HS_DATA_LOG_UPLOAD_SETTINGS& upload)
{
    return inRange(upload.UploadTryValue, upload.Tries);
}

bool TimeoutInRange(const HS_DATA_LOG_UPLOAD_SETTINGS& upload)
{
    return inRange(upload.UploadTimeoutValue, upload.Timeout);
}

} // namespace HsDataLogProfiles
