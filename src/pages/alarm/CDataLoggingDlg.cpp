#include "CDataLoggingDlg.h"

#include "AlarmPageStrings.h"
#include "AlarmTagChooser.h"
#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CProfilePage.h"
#include "CSelectTagsPage.h"
#include "CUploadPage.h"
#include "ColumnWidthFit.h"
#include "DataLogProfileTags.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QTabWidget>

using namespace DataLoggingIds;

namespace {

constexpr unsigned kStringColumnRowNumber = 473;
constexpr unsigned kStringColumnName = 474;
constexpr unsigned kStringColumnStartStop = 477;
constexpr unsigned kStringColumnTrigger = 479;
constexpr unsigned kStringColumnStatus = 734;
constexpr unsigned kStringColumnFtpTrigger = 735;
constexpr unsigned kStringColumnFtpStatus = 736;
constexpr unsigned kStringNoLogCondition = 757;
constexpr unsigned kStringIntervalWithCondition3 = 865;
constexpr unsigned kStringNoSelectedTag = 709;
constexpr unsigned kStringPasswordsDiffer = 635;

// A letter and at most 29 word characters.
const char* const kNamePattern = "^([A-Za-z]{1})\\w";
constexpr quint16 kNameCharacters = 30;
const char* const kNameLabel = "Name";

constexpr int kRowNumberWidth = 30;
constexpr int kWiderColumnExtra = 4;
const QString kTabTitles[] = {QStringLiteral("Profile"), QStringLiteral("Select Tags"),
                              QStringLiteral("FTP Upload Tags")};
const char* const kLineEnd = "\r\n";

QString messageLine(unsigned stringId)
{
    return LoadLangString(stringId) + QString::fromLatin1(kLineEnd);
}

QString profileName(const DATA_LOG_ITEM_SETTINGS& entry)
{
    return entry.Profile.Name;
}

// An out-of-range line for the field when its value lies outside the triple's limits.
void checkRange(qint32 value, const SettingTriple& range, const DialogControls& tab, FieldLabel label, int edit,
                ValidationReport& report)
{
    if (value < range.minimum || value > range.maximum)
        report.Add(FormatRangeErrorLine(label.Text(tab), range.minimum, range.maximum), tab.control(edit));
}

} // namespace

CDataLoggingDlg::CDataLoggingDlg(IPageHost* host)
    : CListDetailPage(kTemplate, host, {kListProfiles, kButtonAdd, kButtonModify, kButtonDelete})
{
    SetIndexField(&DATA_LOG_ITEM_SETTINGS::Index);
    SetEntryLimit(kMaxProfiles, FormatLangString(kStringTooManyEntries, kMaxProfiles));
    SetTagHooks(nullptr, [](CDataCenter& model, const DATA_LOG_ITEM_SETTINGS& entry) {
        return DataLogProfileTags::DeleteProfileTags(model, entry);
    });
}

void CDataLoggingDlg::SetTagChooser(const TagChooser& chooser)
{
    tags_->SetTagChooser(chooser);
}

bool CDataLoggingDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListProfiles, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListProfiles);
    if (auto* list = item<CListCtrlEx>(kListProfiles)) {
        list->InsertColumn(0, LoadLangString(kStringColumnRowNumber), kRowNumberWidth);
        for (unsigned title : {kStringColumnName, kStringColumnStartStop, kStringColumnTrigger, kStringColumnStatus,
                               kStringColumnFtpTrigger, kStringColumnFtpStatus})
            list->InsertColumn(list->GetColumnCount(), LoadLangString(title), 0);
        // The trigger and status columns a little wider; the widths follow the list's.
        const ColumnWidth text{.share = 1};
        const ColumnWidth wider{.pixels = kWiderColumnExtra, .share = 1};
        FitColumnsToWidth(*list, {{.pixels = kRowNumberWidth}, text, text, wider, wider, text, text});
    }
    checkItem(kCheckShown, true);
    const auto model = [this] { return static_cast<const CDataCenter*>(GetDataCenter()); };
    QTabWidget& tabs = *item<QTabWidget>(kTabs);
    profile_ = Tabs().Attach(tabs, kTabTitles[kTabProfile], std::make_unique<CProfilePage>());
    tags_ = Tabs().Attach(tabs, kTabTitles[kTabSelectTags], std::make_unique<CSelectTagsPage>(model));
    upload_ = Tabs().Attach(tabs, kTabTitles[kTabUpload], std::make_unique<CUploadPage>());
    if (!profile_ || !tags_ || !upload_)
        return false;
    SetTagChooser([this] { return ChooseTagsFor(*this, this, true); });
    return true;
}

void CDataLoggingDlg::OnPageShown()
{
    CListDetailPage::OnPageShown();
    item<QTabWidget>(kTabs)->setCurrentIndex(kTabProfile);
}

std::vector<DATA_LOG_ITEM_SETTINGS> CDataLoggingDlg::ReadEntries(const CDataCenter& model) const
{
    return {model.DataLogging.Profiles.begin(), model.DataLogging.Profiles.end()};
}

void CDataLoggingDlg::WriteEntries(CDataCenter& model, const std::vector<DATA_LOG_ITEM_SETTINGS>& entries)
{
    model.DataLogging.Profiles = QVector<DATA_LOG_ITEM_SETTINGS>(entries.begin(), entries.end());
    model.MarkModified();
}

QStringList CDataLoggingDlg::tagNames(const DATA_LOG_ITEM_SETTINGS& entry) const
{
    const CDataCenter* model = GetDataCenter();
    QStringList names;
    for (const QString& address : {entry.Profile.StartStopTag, entry.Profile.LogTriggerTag, entry.Profile.LogStatusTag,
                                   entry.Upload.FTPUploadTriggerTag, entry.Upload.FTPUploadRemainStorageTag})
        names << (model && !address.isEmpty() ? model->GetTagNameByAddress(address) : QString());
    return names;
}

QStringList CDataLoggingDlg::RowTexts(const DATA_LOG_ITEM_SETTINGS& entry) const
{
    return QStringList{entry.Profile.Name} + tagNames(entry);
}

void CDataLoggingDlg::OnEntryShown(const DATA_LOG_ITEM_SETTINGS* entry)
{
    const QStringList names = entry ? tagNames(*entry) : DataLogProfileTags::DefaultTagNames(NextEntryIndex());
    profile_->ShowTagNames(names.mid(0, 3));
    upload_->ShowTagNames(names.mid(3, 2));
}

void CDataLoggingDlg::CheckPageFields(int row, ValidationReport& report) const
{
    DATA_LOG_ITEM_SETTINGS entry;
    profile_->Gather(entry);
    tags_->Gather(entry);
    upload_->Gather(entry);
    checkProfile(entry.Profile, row, report);
    if (!report.IsEmpty())
        return;
    checkUpload(entry.Upload, report);
    if (!report.IsEmpty())
        return;
    if (entry.SelectedTags.isEmpty())
        report.Add(messageLine(kStringNoSelectedTag), tags_->control(DataLogSelectTagsIds::kListTags));
}

void CDataLoggingDlg::checkProfile(const DATA_LOG_PROFILE_SETTINGS& profile, int row, ValidationReport& report) const
{
    using namespace DataLogProfileIds;
    const CProfilePage& tab = *profile_;
    QWidget* nameEdit = tab.control(kEditName);
    CheckEntryName(profile.Name, row, FieldLabel(kLabelName).Text(tab), nameEdit, report, profileName);
    QString nameMessage;
    if (!profile.Name.isEmpty() && !ValidateInputData(QString::fromLatin1(kNameLabel), profile.Name, kNameCharacters,
                                                      QString::fromLatin1(kNamePattern), nameMessage))
        report.Add(nameMessage, nameEdit);

    const qint32 mask = profile.LogCondition;
    if (mask == 0)
        report.Add(messageLine(kStringNoLogCondition), tab.control(kCheckInterval));
    // Both conditions together only warn; the interval is still checked.
    if ((mask & CProfilePage::kLogAtInterval) && (mask & CProfilePage::kCondition3))
        ShowMessageBox(LoadLangString(kStringIntervalWithCondition3), MB_OK | MB_ICONWARNING);
    if (mask & CProfilePage::kLogAtInterval)
        checkRange(profile.LogInterval, profile.ProfileLogIntervalValue, tab, kLabelInterval, kEditInterval, report);
    checkRange(profile.FreeStorageForLogging, profile.FreeStorageForLogValue, tab, kLabelFreeStorage, kEditFreeStorage,
               report);
    if (profile.RecordsEnable)
        checkRange(profile.RecordsPerFile, profile.RecordsPerFileValue, tab, kRadioSplitByRecords, kEditRecordsPerFile,
                   report);
    if (profile.FileSplitEnable)
        checkRange(profile.FileSplitInterval, profile.SeperatedIntervalValue, tab, kRadioSplitByTime,
                   kEditSplitInterval, report);
}

void CDataLoggingDlg::checkUpload(const DATA_LOG_UPLOAD_SETTINGS& upload, ValidationReport& report) const
{
    using namespace DataLogUploadIds;
    const CUploadPage& tab = *upload_;
    checkRange(upload.Port, upload.PortValue, tab, kLabelPort, kEditPort, report);
    const bool hasServer = !upload.FTPServer.isEmpty();
    const bool hasUser = !upload.Username.isEmpty();
    if (!hasServer && hasUser)
        report.Add(FormatInvalidItemLine(FieldLabel(kLabelServer).Text(tab)), tab.control(kEditServer));
    if (hasServer && !hasUser)
        report.Add(FormatInvalidItemLine(FieldLabel(kLabelUser).Text(tab)), tab.control(kEditUser));
    if ((hasServer || hasUser) && upload.Password != upload.PasswordConfirm)
        report.Add(messageLine(kStringPasswordsDiffer), tab.control(kEditConfirm));
    checkRange(upload.ErrorHandlingRetry, upload.UploadTryValue, tab, kLabelRetryCount, kEditRetryCount, report);
    checkRange(upload.ErrorHandlingDelay, upload.UploadTimeoutValue, tab, kLabelRetryDelay, kEditRetryDelay, report);
}

bool CDataLoggingDlg::CreateEntryTags(CDataCenter& model, DATA_LOG_ITEM_SETTINGS& entry, QStringList& created)
{
    std::vector<CDataCenter::TagChange> made;
    QString failed;
    if (!DataLogProfileTags::CreateProfileTags(model, entry, entry.Index, made, &failed)) {
        ShowMessageBox(FormatLangString(kStringAutoTagNotMade, failed), MB_OK | MB_ICONERROR);
        return false;
    }
    for (const CDataCenter::TagChange& tag : made)
        created << tag.Name;
    return true;
}

void CDataLoggingDlg::CompleteModifiedEntry(CDataCenter& model, const DATA_LOG_ITEM_SETTINGS& before,
                                            DATA_LOG_ITEM_SETTINGS& after)
{
    DataLogProfileTags::ReplaceSelectedTagUses(model, before.Index, before.SelectedTags, after.SelectedTags);
    bool failed = false;
    const QString made = DataLogProfileTags::SyncUploadTrigger(model, after, failed);
    if (failed) {
        const QString name = DataLogProfileTags::DefaultTagNames(after.Index).value(3);
        ShowMessageBox(FormatLangString(kStringAutoTagNotMade, name), MB_OK | MB_ICONERROR);
    }
    if (!made.isEmpty())
        AddLogLine(FormatLangString(kStringTagCreated, made));
}
