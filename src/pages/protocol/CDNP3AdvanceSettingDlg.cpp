#include "CDNP3AdvanceSettingDlg.h"

#include "PageConversions.h"
#include "TextFormat.h"
#include "ValidationReport.h"

using namespace Dnp3AdvancedDialog;

namespace {

const QString kBytesFormat = QStringLiteral("(%d-%d bytes)");
const QString kSecondsFormat = QStringLiteral("(%d-%d seconds)");
const QString kCountFormat = QStringLiteral("(%d-%d)");
const QString kRetryFormat = QStringLiteral("(%d-%d, 100 for infinite)");
const QStringList kDLConfirmModes = {QStringLiteral("Never"), QStringLiteral("Always")};
const FieldLabel kNoLabel{QString()};

// A choice of a fixed list; an empty list leaves nothing to check.
struct AsChoice : AsIndex {
    QString Check(const QWidget&, const QString&) const { return {}; }
};

// Retries within the range, or the infinite marker.
struct AsRetryCount : AsNumber {
    QString Check(const QWidget& control, const QString& label) const
    {
        bool ok = false;
        const qint64 value = ControlText(control).trimmed().toLongLong(&ok);
        return ok && value == kInfiniteRetry ? QString() : AsNumber::Check(control, label);
    }
};

struct RangeText {
    ControlId control;
    const QString* format;
    SettingTriple Dnp3Defaults::*triple;
};

const RangeText kRangeTexts[] = {
    {kRangeFragmentSize, &kBytesFormat, &Dnp3Defaults::FragmentSizeValue},
    {kRangeAppConfirmTimeout, &kSecondsFormat, &Dnp3Defaults::APConfirmTimeoutValue},
    {kRangeDLConfirmTimeout, &kSecondsFormat, &Dnp3Defaults::DLResponseTimeoutValue},
    {kRangeDLConfirmRetry, &kCountFormat, &Dnp3Defaults::DLMaxRetryValue},
    {kRangeUnsolicitedTimeout, &kSecondsFormat, &Dnp3Defaults::UnsoliciteTimeoutValue},
    {kRangeHoldingTime, &kSecondsFormat, &Dnp3Defaults::UnsoliciteHoldTimeValue},
    {kRangeClass1Count, &kCountFormat, &Dnp3Defaults::UnsoliciteTriggerClass1},
    {kRangeClass2Count, &kCountFormat, &Dnp3Defaults::UnsoliciteTriggerClass2},
    {kRangeClass3Count, &kCountFormat, &Dnp3Defaults::UnsoliciteTriggerClass3},
    {kRangeRetry, &kRetryFormat, &Dnp3Defaults::UnsolicitedRetryValue},
};

using Master = DNP3_MASTER_ITEM_SETTINGS;

} // namespace

CDNP3AdvanceSettingDlg::CDNP3AdvanceSettingDlg(int masterIndex, DNP3_OUTSTATION_SETTINGS* outstation, QWidget* parent)
    : CDialogBase(kTemplate, parent), masterIndex_(masterIndex), outstation_(outstation)
{
    bindControls();
}

void CDNP3AdvanceSettingDlg::bindControls()
{
    const Master& w = working_;
    // Table order is the order of the validation lines; the event storages are not checked.
    bindings_.Bind(kEditFragmentSize, kLabelFragmentSize, &Master::FragmentMaxSize, AsNumber{w.FragmentSizeValue})
        .Bind(kEditAppConfirmTimeout, kLabelAppConfirmTimeout, &Master::ApplicationConfirmTimeout,
              AsNumber{w.APConfirmTimeoutValue})
        .Bind(kComboDLConfirmMode, kNoLabel, &Master::DLConfirmMode, AsChoice{{kDLConfirmModes}})
        .Bind(kEditDLConfirmTimeout, kLabelDLConfirmTimeout, &Master::DLConfirmTimeout,
              AsNumber{w.DLResponseTimeoutValue})
        .Bind(kEditDLConfirmRetry, kLabelDLConfirmRetry, &Master::DLConfirmRetry, AsNumber{w.DLMaxRetryValue})
        .Bind(kComboBufferOverflow, kNoLabel, &Master::EventBufferOverflow, AsChoice{{w.EventBufferOverflowOptions}})
        .Bind(kEditBinaryStorage, kNoLabel, &Master::MaximumBinaryEventStorage, AsNumber{})
        .Bind(kEditAnalogStorage, kNoLabel, &Master::MaximumAnalogEventStorage, AsNumber{})
        .Bind(kEditCounterStorage, kNoLabel, &Master::MaximumCounterEventStorage, AsNumber{})
        .Bind(kEditUnsolicitedTimeout, kLabelUnsolicitedTimeout, &Master::UnsolicitedTimeout,
              AsNumber{w.UnsoliciteTimeoutValue})
        .Bind(kEditHoldingTime, kLabelHoldingTime, &Master::UnsolicitedHoldingTime, AsNumber{w.UnsoliciteHoldTimeValue})
        .Bind(kCheckClass1, kNoLabel, &Master::EnableUnsolicitedClass1, AsCheck())
        .Bind(kEditClass1Count, kLabelClass1Count, &Master::NumberofUnsolicitedClass1,
              AsNumber{w.UnsoliciteTriggerClass1})
        .Bind(kCheckClass2, kNoLabel, &Master::EnableUnsolicitedClass2, AsCheck())
        .Bind(kEditClass2Count, kLabelClass2Count, &Master::NumberofUnsolicitedClass2,
              AsNumber{w.UnsoliciteTriggerClass2})
        .Bind(kCheckClass3, kNoLabel, &Master::EnableUnsolicitedClass3, AsCheck())
        .Bind(kEditClass3Count, kLabelClass3Count, &Master::NumberofUnsolicitedClass3,
              AsNumber{w.UnsoliciteTriggerClass3})
        .Bind(kEditRetry, kLabelRetry, &Master::UnsolicitedRetry, AsRetryCount{{w.UnsolicitedRetryValue}});
}

bool CDNP3AdvanceSettingDlg::OnInitDialog()
{
    showRangeTexts();
    onClicked(kButtonStore, [this] { Store(); });
    onClicked(kButtonDefaults, [this] { ShowDefaults(); });
    onClicked(kButtonClose, [this] { OnCancel(); });
    return true;
}

void CDNP3AdvanceSettingDlg::showRangeTexts()
{
    for (const RangeText& range : kRangeTexts) {
        const SettingTriple& triple = working_.*range.triple;
        setItemText(range.control, FormatText(*range.format, {triple.minimum, triple.maximum}));
    }
}

void CDNP3AdvanceSettingDlg::showEvent(QShowEvent* event)
{
    CDialogBase::showEvent(event);
    if (outstation_ && masterIndex_ >= 0 && masterIndex_ < outstation_->Masters.size())
        working_ = outstation_->Masters[masterIndex_];
    showWorkingCopy();
}

void CDNP3AdvanceSettingDlg::showWorkingCopy()
{
    bindings_.Fill(*this, working_);
}

void CDNP3AdvanceSettingDlg::ShowDefaults()
{
    working_.Reset();
    showWorkingCopy();
}

bool CDNP3AdvanceSettingDlg::Store()
{
    ValidationReport report;
    if (!bindings_.Validate(*this, report)) {
        report.ShowIfAny();
        return false;
    }
    bindings_.Store(*this, working_);
    if (!outstation_ || masterIndex_ < 0 || masterIndex_ >= outstation_->Masters.size())
        return false;
    outstation_->Masters[masterIndex_] = working_;
    stored_ = true;
    return true;
}
