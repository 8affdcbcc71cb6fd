#include "CHSDataLoggingDlg.h"

#include "CCreateTagDlg.h"
#include "CDataCenter.h"
#include "CHSProfilePage.h"
#include "CHSSelectTagsPage.h"
#include "CHSUploadPage.h"
#include "HsDataLogProfiles.h"
#include "ListColumns.h"

#include <QTabWidget>

using namespace HsDataLoggingIds;

namespace {

// Row number, profile name, description, trigger tag.
constexpr unsigned kColumnTitles[] = {473, 474, 475, 479};
const QString kTabTitles[] = {QStringLiteral("Profile"), QStringLiteral("Select Tags"),
                              QStringLiteral("FTP Upload Tags")};

QString profileName(const HS_DATA_LOG_ITEM_SETTINGS& entry)
{
    return entry.Profile.ProfileName;
}

} // namespace

CHSDataLoggingDlg::CHSDataLoggingDlg(IPageHost* host)
    : CListDetailPage(kTemplate, host, {kListProfiles, kButtonAdd, kButtonModify, kButtonDelete})
{}

void CHSDataLoggingDlg::SetTagCreator(const ProfileTagCombo::Creator& creator)
{
    profile_->SetTagCreator(creator);
    upload_->SetTagCreator(creator);
}

bool CHSDataLoggingDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListProfiles, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListProfiles);
    if (auto* list = item<CListCtrlEx>(kListProfiles))
        InsertNumberedColumns(*list, kColumnTitles);
    const auto model = [this] { return static_cast<const CDataCenter*>(GetDataCenter()); };
    QTabWidget& tabs = *item<QTabWidget>(kTabs);
    profile_ = Tabs().Attach(tabs, kTabTitles[kTabProfile], std::make_unique<CHSProfilePage>(model));
    tags_ = Tabs().Attach(tabs, kTabTitles[kTabSelectTags], std::make_unique<CHSSelectTagsPage>(model));
    upload_ = Tabs().Attach(tabs, kTabTitles[kTabUpload], std::make_unique<CHSUploadPage>(model));
    if (!profile_ || !tags_ || !upload_)
        return false;
    SetTagCreator([this](const std::vector<int>& codes) { return createTag(codes); });
    return true;
}

void CHSDataLoggingDlg::OnPageShown()
{
    CListDetailPage::OnPageShown();
    item<QTabWidget>(kTabs)->setCurrentIndex(kTabProfile);
}

QString CHSDataLoggingDlg::createTag(const std::vector<int>& dataTypeCodes)
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return {};
    CCreateTagDlg dialog(CCreateTagDlg::Selectors{dataTypeCodes, {}, false}, *model, this);
    return dialog.DoModal() == IDOK ? dialog.GetCreatedTagName() : QString();
}

std::vector<HS_DATA_LOG_ITEM_SETTINGS> CHSDataLoggingDlg::ReadEntries(const CDataCenter& model) const
{
    return model.HighSpeedLogProfiles;
}

void CHSDataLoggingDlg::WriteEntries(CDataCenter& model, const std::vector<HS_DATA_LOG_ITEM_SETTINGS>& entries)
{
    model.HighSpeedLogProfiles = entries;
    model.MarkModified();
}

QStringList CHSDataLoggingDlg::RowTexts(const HS_DATA_LOG_ITEM_SETTINGS& entry) const
{
    const CDataCenter* model = GetDataCenter();
    return {entry.Profile.ProfileName, entry.Profile.Description,
            model ? model->GetTagNameByAddress(entry.Profile.TriggerTag) : QString()};
}

// The name against the other profiles; the tabs check their own fields after it.
void CHSDataLoggingDlg::CheckPageFields(int row, ValidationReport& report) const
{
    const QString label = FieldLabel(HsProfileIds::kLabelName).Text(*profile_);
    CheckEntryName(profile_->NameText(), row, label, profile_->control(HsProfileIds::kEditName), report, profileName);
}

// A profile owns no tags of its own: it marks the tags it names and its FTP server as it is kept.
bool CHSDataLoggingDlg::CreateEntryTags(CDataCenter& model, HS_DATA_LOG_ITEM_SETTINGS& entry, QStringList&)
{
    HsDataLogProfiles::AddProfile(model, entry);
    return true;
}

void CHSDataLoggingDlg::OnEntryReplaced(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS&,
                                        const HS_DATA_LOG_ITEM_SETTINGS& after)
{
    HsDataLogProfiles::ModifyProfile(model, SelectedRow(), after);
}

void CHSDataLoggingDlg::OnEntryRemovedAt(CDataCenter& model, const HS_DATA_LOG_ITEM_SETTINGS&, int position)
{
    HsDataLogProfiles::DeleteProfile(model, position);
}
