#pragma once
// The high-speed data-logging page (template 819): any number of high-speed logging profiles,
// each edited in three tabs (profile, logged tags, FTP upload). Add, Modify and Delete write at
// once. Every tag a profile names carries the use (136, its position) and its FTP server the
// same reference; deleting a profile moves the marks of the ones behind it down.

#include "CListDetailPage.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"
#include "ProfileTagCombo.h"

class CHSProfilePage;
class CHSSelectTagsPage;
class CHSUploadPage;

namespace HsDataLoggingIds {
inline constexpr unsigned kTemplate = 819;
inline constexpr ControlId kListProfiles{3491, ControlType::List};
inline constexpr ControlId kButtonAdd{3494, ControlType::Button};
inline constexpr ControlId kButtonModify{3495, ControlType::Button};
inline constexpr ControlId kButtonDelete{3496, ControlType::Button};
inline constexpr ControlId kTabs{3890, ControlType::Tab};
inline constexpr ControlId kControls[] = {kListProfiles, kButtonAdd, kButtonModify, kButtonDelete, kTabs};
// Tab positions.
inline constexpr int kTabProfile = 0;
inline constexpr int kTabSelectTags = 1;
inline constexpr int kTabUpload = 2;
} // namespace HsDataLoggingIds

class CHSDataLoggingDlg : public CListDetailPage<HS_DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    explicit CHSDataLoggingDlg(IPageHost* host);

    CHSProfilePage& ProfileTab() const { return *profile_; }
    CHSSelectTagsPage& TagsTab() const { return *tags_; }
    CHSUploadPage& UploadTab() const { return *upload_; }
    // Tests answer the create-tag dialog.
    void SetTagCreator(const ProfileTagCombo::Creator& creator);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<HS_DATA_LOG_ITEM_SETTINGS> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<HS_DATA_LOG_ITEM_SETTINGS>& entries) override;
    QStringList RowTexts(const HS_DATA_LOG_ITEM_SETTINGS& entry) const override;
    void CheckPageFields(int row, ValidationReport& report) const override;
    bool CreateEntryTags(CDataCenter& model, HS_DATA_LOG_ITEM_SETTINGS& entry, QStringList& created) override;
    void OnEntryReplaced(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS& before,
                         const HS_DATA_LOG_ITEM_SETTINGS& after) override;
    void OnEntryRemovedAt(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS& entry, int position) override;

private:
    QString createTag(const std::vector<int>& dataTypeCodes);

    CHSProfilePage* profile_ = nullptr; // owned by the tab control
    CHSSelectTagsPage* tags_ = nullptr;
    CHSUploadPage* upload_ = nullptr;
};
