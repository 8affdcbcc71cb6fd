#include "CHSUploadPage.h"

#include "CDataCenter.h"
#include "PageConversions.h"

#include <QComboBox>

using namespace HsUploadIds;

namespace {

using Lead = ProfileTagCombo::Lead;

QString rangeText(const char* unit, const SettingTriple& range)
{
    return QStringLiteral("%1 (%2-%3)").arg(QString::fromLatin1(unit)).arg(range.minimum).arg(range.maximum);
}

} // namespace

CHSUploadPage::CHSUploadPage(ModelSource model)
    : CEntryTab(kTemplate), model_(std::move(model)), triggers_(kBooleanTagCodes, {Lead::CreateTag}),
      states_(kStatusTagCodes, {Lead::NoTag, Lead::CreateTag})
{
    using U = HS_DATA_LOG_UPLOAD_SETTINGS;
    upload_.Bind(kEditTries, kLabelTries, &U::Tries, AsNumber{ranges_.UploadTryValue})
        .Bind(kEditTimeout, kLabelTimeout, &U::Timeout, AsNumber{ranges_.UploadTimeoutValue});
}

bool CHSUploadPage::OnInitDialog()
{
    setItemText(kRangeTries, rangeText("Time(s)", ranges_.UploadTryValue));
    setItemText(kRangeTimeout, rangeText("sec(s)", ranges_.UploadTimeoutValue));
    QObject::connect(item<QComboBox>(kComboTrigger), &QComboBox::currentIndexChanged, this,
                     [this] { onTagChosen(kComboTrigger, triggers_); });
    QObject::connect(item<QComboBox>(kComboStatus), &QComboBox::currentIndexChanged, this,
                     [this] { onTagChosen(kComboStatus, states_); });
    return true;
}

// The tag table and the server list may have changed while another tab was in front.
void CHSUploadPage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    HS_DATA_LOG_ITEM_SETTINGS shown;
    Gather(shown);
    fill(shown.Upload);
}

void CHSUploadPage::ShowEntry(const HS_DATA_LOG_ITEM_SETTINGS& entry)
{
    upload_.Fill(*this, entry.Upload);
    fill(entry.Upload);
}

void CHSUploadPage::Gather(HS_DATA_LOG_ITEM_SETTINGS& entry) const
{
    HS_DATA_LOG_UPLOAD_SETTINGS& upload = entry.Upload;
    upload_.Store(*this, upload);
    const auto* server = item<QComboBox>(kComboServer);
    upload.FTPServer = server->currentIndex() >= 0 ? server->currentText() : QString();
    upload.UploadTriggerTag = triggers_.Address(*item<QComboBox>(kComboTrigger));
    upload.UploadStatusTag = states_.Address(*item<QComboBox>(kComboStatus));
}

bool CHSUploadPage::Validate(ValidationReport& report) const
{
    return upload_.Validate(*this, report);
}

void CHSUploadPage::fill(const HS_DATA_LOG_UPLOAD_SETTINGS& upload)
{
    fillServers(upload.FTPServer);
    fillTagCombos(upload.UploadTriggerTag, upload.UploadStatusTag);
}

// The project's FTP servers, item data their positions. A stored name the list lacks is kept
// as its own entry, so storing the profile again does not lose it.
void CHSUploadPage::fillServers(const QString& chosen)
{
    BusyGuard busy(busy_);
    auto& combo = *item<QComboBox>(kComboServer);
    combo.clear();
    if (const CDataCenter* model = model_()) {
        for (const ServiceTagRecord& server : model->ServiceTagLists)
            combo.addItem(server.Key, combo.count());
    }
    if (!chosen.isEmpty() && combo.findText(chosen, Qt::MatchExactly) < 0)
        combo.addItem(chosen, -1);
    combo.setCurrentIndex(chosen.isEmpty() ? -1 : combo.findText(chosen, Qt::MatchExactly));
}

void CHSUploadPage::fillTagCombos(const QString& trigger, const QString& status)
{
    BusyGuard busy(busy_);
    const std::vector<TagRecord> table = ProjectTagTable(model_());
    triggers_.Fill(*item<QComboBox>(kComboTrigger), table, trigger);
    states_.Fill(*item<QComboBox>(kComboStatus), table, status);
}

// Each combo keeps its tag; the one whose create entry was chosen has none until the new tag.
void CHSUploadPage::refillTagCombos()
{
    fillTagCombos(triggers_.Address(*item<QComboBox>(kComboTrigger)), states_.Address(*item<QComboBox>(kComboStatus)));
}

void CHSUploadPage::onTagChosen(int comboId, const ProfileTagCombo& tags)
{
    if (busy_.IsSet())
        return;
    tags.CreateIfChosen(*item<QComboBox>(comboId), creator_, [this] { refillTagCombos(); });
}
