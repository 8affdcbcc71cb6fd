#include "CHSProfilePage.h"

#include "CDataCenter.h"
#include "FieldLabel.h"
#include "HsDataLogProfiles.h"
#include "PageConversions.h"
#include "Validation.h"

#include <QComboBox>

using namespace HsProfileIds;

namespace {

constexpr int kTextBytes = 64;

} // namespace

CHSProfilePage::CHSProfilePage(ModelSource model)
    : CEntryTab(kTemplate), model_(std::move(model)), trigger_(kBooleanTagCodes, {ProfileTagCombo::Lead::CreateTag})
{
    using P = HS_DATA_LOG_PROFILE_SETTINGS;
    profile_.Bind(kEditName, kLabelName, &P::ProfileName, AsText{})
        .Bind(kEditDescription, kLabelDescription, &P::Description, AsText{})
        .Bind(kEditFileCount, kLabelFileCount, &P::FilesOfLog, AsNumber{ranges_.ProfileFilesOfLogValue});
}

bool CHSProfilePage::OnInitDialog()
{
    const SettingTriple& files = ranges_.ProfileFilesOfLogValue;
    setItemText(kRangeFileCount, QStringLiteral("(%1-%2)").arg(files.minimum).arg(files.maximum));
    QObject::connect(item<QComboBox>(kComboTrigger), &QComboBox::currentIndexChanged, this,
                     [this] { onTriggerChosen(); });
    return true;
}

// The tag table may have changed while another tab was in front.
void CHSProfilePage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    auto& combo = *item<QComboBox>(kComboTrigger);
    const QString typed = combo.currentText();
    const QString address = trigger_.Address(combo);
    fillTrigger(address);
    // A typed name that names no listed tag stays, for the check to name it.
    if (address.isEmpty() && !typed.isEmpty()) {
        BusyGuard busy(busy_);
        combo.setEditText(typed);
    }
}

void CHSProfilePage::ShowEntry(const HS_DATA_LOG_ITEM_SETTINGS& entry)
{
    profile_.Fill(*this, entry.Profile);
    fillTrigger(entry.Profile.TriggerTag);
}

void CHSProfilePage::Gather(HS_DATA_LOG_ITEM_SETTINGS& entry) const
{
    profile_.Store(*this, entry.Profile);
    entry.Profile.TriggerTag = trigger_.Address(*item<QComboBox>(kComboTrigger));
}

bool CHSProfilePage::Validate(ValidationReport& report) const
{
    HS_DATA_LOG_ITEM_SETTINGS entry;
    Gather(entry);
    bool good = true;
    const auto fail = [&report, &good](const QString& line, QWidget* field) {
        report.Add(line, field);
        good = false;
    };
    if (!FitsByteLength(entry.Profile.Description, kTextBytes))
        fail(FormatLimitErrorLine(FieldLabel(kLabelDescription).Text(*this), kTextBytes), control(kEditDescription));
    // No trigger is a valid choice; a typed name must be a tag's.
    const QString typed = itemText(kComboTrigger);
    TagRecord named;
    const CDataCenter* model = model_();
    if (!typed.isEmpty() && entry.Profile.TriggerTag.isEmpty() && !(model && model->LookupTagByName(typed, named))) {
        const QString label = FieldLabel(kLabelTrigger).Text(*this) + u' ' + FieldLabel(kLabelTriggerNote).Text(*this);
        fail(FormatInvalidNameLine(label), control(kComboTrigger));
    }
    if (!HsDataLogProfiles::FileCountInRange(entry.Profile)) {
        const SettingTriple& files = entry.Profile.ProfileFilesOfLogValue;
        fail(FormatRangeErrorLine(FieldLabel(kLabelFileCount).Text(*this), files.minimum, files.maximum),
             control(kEditFileCount));
    }
    return good;
}

void CHSProfilePage::fillTrigger(const QString& address)
{
    BusyGuard busy(busy_);
    trigger_.Fill(*item<QComboBox>(kComboTrigger), ProjectTagTable(model_()), address);
}

void CHSProfilePage::onTriggerChosen()
{
    if (busy_.IsSet())
        return;
    auto& combo = *item<QComboBox>(kComboTrigger);
    trigger_.CreateIfChosen(combo, creator_, [this] { fillTrigger(QString()); });
}
