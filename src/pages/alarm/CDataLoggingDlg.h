#pragma once
// The data-logging page (template 209): up to 8 logging profiles, each edited in three tabs
// (profile, logged tags, FTP upload) and owning five automatic tags. Add, Modify and Delete write
// at once. A profile's tags carry the use (114, its number); numbers are not positions.

#include "CListDetailPage.h"
#include "DATA_LOG_SETTINGS.h"
#include "TagRecord.h"

#include <functional>
#include <vector>

class CProfilePage;
class CSelectTagsPage;
class CUploadPage;

namespace DataLoggingIds {
inline constexpr unsigned kTemplate = 209;
inline constexpr ControlId kListProfiles{2214, ControlType::List};
inline constexpr ControlId kButtonAdd{2215, ControlType::Button};
inline constexpr ControlId kButtonModify{2216, ControlType::Button};
inline constexpr ControlId kButtonDelete{2218, ControlType::Button};
inline constexpr ControlId kTabs{3888, ControlType::Tab};
inline constexpr ControlId kCheckShown{3579, ControlType::CheckBox};
inline constexpr ControlId kControls[] = {kListProfiles, kButtonAdd, kButtonModify, kButtonDelete, kTabs, kCheckShown};
// Tab positions.
inline constexpr int kTabProfile = 0;
inline constexpr int kTabSelectTags = 1;
inline constexpr int kTabUpload = 2;
} // namespace DataLoggingIds

class CDataLoggingDlg : public CListDetailPage<DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    static constexpr int kMaxProfiles = 8;
    using TagChooser = std::function<std::vector<TagRecord>()>;

    explicit CDataLoggingDlg(IPageHost* host);

    CProfilePage& ProfileTab() const { return *profile_; }
    CSelectTagsPage& TagsTab() const { return *tags_; }
    CUploadPage& UploadTab() const { return *upload_; }
    // Tests answer the tag chooser.
    void SetTagChooser(const TagChooser& chooser);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<DATA_LOG_ITEM_SETTINGS> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<DATA_LOG_ITEM_SETTINGS>& entries) override;
    QStringList RowTexts(const DATA_LOG_ITEM_SETTINGS& entry) const override;
    void CheckPageFields(int row, ValidationReport& report) const override;
    bool CreateEntryTags(CDataCenter& model, DATA_LOG_ITEM_SETTINGS& entry, QStringList& created) override;
    void CompleteModifiedEntry(CDataCenter& model, const DATA_LOG_ITEM_SETTINGS& before,
                               DATA_LOG_ITEM_SETTINGS& after) override;
    void OnEntryShown(const DATA_LOG_ITEM_SETTINGS* entry) override;

private:
    // The checks run in stages; a stage runs only when the ones before it found nothing.
    void checkProfile(const DATA_LOG_PROFILE_SETTINGS& profile, int row, ValidationReport& report) const;
    void checkUpload(const DATA_LOG_UPLOAD_SETTINGS& upload, ValidationReport& report) const;
    QStringList tagNames(const DATA_LOG_ITEM_SETTINGS& entry) const;

    CProfilePage* profile_ = nullptr; // owned by the tab control
    CSelectTagsPage* tags_ = nullptr;
    CUploadPage* upload_ = nullptr;
};
