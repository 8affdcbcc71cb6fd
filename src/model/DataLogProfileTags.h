#pragma once
// The automatic tags and tag uses of the data-logging profiles. A profile numbered n owns five
// tags (start/stop, trigger, status of the log, trigger and status of its FTP upload) named
// "<kind>_n" at "0.n.<kind id>"; they and every tag it logs carry the use (114, n). Profile
// numbers are not positions: deleting a profile renumbers nothing.

#include "CDataCenter.h"
#include "DATA_LOG_SETTINGS.h"

#include <QStringList>
#include <QVector>

#include <vector>

namespace DataLogProfileTags {

// The last profile's number + 1; 0 without profiles.
int NextProfileNumber(const QVector<DATA_LOG_ITEM_SETTINGS>& profiles);
// The upload counts as configured with both a server and a user name.
bool IsUploadConfigured(const DATA_LOG_UPLOAD_SETTINGS& upload);
// The tag names a new profile numbered n gets: start/stop, trigger, status, FTP trigger, FTP status.
QStringList DefaultTagNames(int number);

// Numbers the profile and makes its tags: the three log tags, the FTP trigger only while the
// upload is configured, the FTP status always. Every tag of the profile, selected ones included,
// gets the use. All or nothing: false, and the model as it was, when a tag cannot be made
// (its name in failedName).
bool CreateProfileTags(CDataCenter& model, DATA_LOG_ITEM_SETTINGS& profile, int number,
                       std::vector<CDataCenter::TagChange>& created, QString* failedName = nullptr);

// After a modify: the FTP trigger tag follows the upload settings. Made (with the use) when the
// upload became configured and has none, removed when it is not configured any more. The tag
// made, if any; `failed` is set when it could not be made.
QString SyncUploadTrigger(CDataCenter& model, DATA_LOG_ITEM_SETTINGS& profile, bool& failed);

// The profile logs `after` in place of `before`.
void ReplaceSelectedTagUses(CDataCenter& model, int number, const QVector<SelectedTag>& before,
                            const QVector<SelectedTag>& after);

// Takes the profile's use from all its tags and removes its five tags. The names of the removed
// start/stop, trigger, status and FTP status tags, in that order.
QStringList DeleteProfileTags(CDataCenter& model, const DATA_LOG_ITEM_SETTINGS& profile);

} // namespace DataLogProfileTags
