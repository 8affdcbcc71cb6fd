#pragma once
// The high-speed data-logging profiles of the model and the marks they leave: every tag a profile
// names carries the use (136, position) and its FTP server the reference (136, position). Profile
// numbers are list positions, so deleting a profile renumbers the ones behind it.

#include "CDataCenter.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"

#include <QString>

#include <vector>

namespace HsDataLogProfiles {

// The keys of the tags the profile names, empty ones left out: trigger, selected tags, upload
// trigger, upload status.
std::vector<QString> TagKeys(const HS_DATA_LOG_ITEM_SETTINGS& profile);

// Appends the profile and marks its tags and FTP server. Its position.
int AddProfile(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS& profile);

// Replaces the profile at position, moving its marks to what the edited record names. False, and
// the model unchanged, for a position outside the list.
bool ModifyProfile(CDataCenter& model, int position, const HS_DATA_LOG_ITEM_SETTINGS& edited);

// Takes the profile's marks, erases it and moves the marks of the profiles behind it down one
// position. False, and the model unchanged, for a position outside the list.
bool DeleteProfile(CDataCenter& model, int position);

// A deleted tag leaves the profile: its selected entries go, and the trigger and upload tags
// that name it become none.
void ForgetTag(HS_DATA_LOG_ITEM_SETTINGS& profile, const QString& address);

// The fields outside their triples' ranges.
bool FileCountInRange(const HS_DATA_LOG_PROFILE_SETTINGS& profile);
bool TriesInRange(const HS_DATA_LOG_UPLOAD_SETTINGS& upload);
bool TimeoutInRange(const HS_DATA_LOG_UPLOAD_SETTINGS& upload);

} // namespace HsDataLogProfiles
