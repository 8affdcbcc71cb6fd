#include "CDNP3OneMasterDlg.h"

#include "CDNP3AdvanceSettingDlg.h"
#include "CDataCenter.h"
#include "PageConversions.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QLineEdit>

using namespace Dnp3MasterPage;

namespace {

const QString kRangeFormat = QStringLiteral("(%d-%d)");
const QString kCaptionFormat = QStringLiteral("%s %s");

// The master IP as the page shows it: an unset address reads as the any-address.
struct AsMasterIP : AsIPv4 {
    void Fill(QWidget& control, const QString& value) const
    {
        AsIPv4::Fill(control, value.isEmpty() ? QString::fromLatin1(kUnsetMasterIP) : value);
    }
};

// Base-class fields bound on the page's record.
template <class Field>
Field Dnp3MasterPageRecord::*MasterField(Field DNP3_MASTER_ITEM_SETTINGS::*field)
{
    return field;
}

// The name takes any text; the edit limits its length.
struct AsFreeText : AsText {
    QString Check(const QWidget&, const QString&) const { return {}; }
};

const FieldLabel kNoLabel{QString()};

// A cleared number edit counts as 0.
struct AsNumberOrZero : AsNumber {
    QString Check(const QWidget& control, const QString& label) const
    {
        const bool zeroInRange = range.minimum <= 0 && range.maximum >= 0;
        return ControlText(control).trimmed().isEmpty() && zeroInRange ? QString() : AsNumber::Check(control, label);
    }
};

} // namespace

CDNP3OneMasterDlg::CDNP3OneMasterDlg(IPageHost* host) : CSettingsPage(kTemplate, host, 0)
{
    const DNP3_OUTSTATION_SETTINGS limits; // the outstation's triples from DefaultSettings.ini
    localAddrRange_ = limits.LocalAddrValue;
    localPortRange_ = limits.LocalPortValue;
    bindControls();
}

void CDNP3OneMasterDlg::bindControls()
{
    const DNP3_MASTER_ITEM_SETTINGS master; // its own triples
    // Table order is the order of the validation lines.
    Bindings()
        .Bind(kCheckEnable, kNoLabel, MasterField(&DNP3_MASTER_ITEM_SETTINGS::EnableDnp3Master), AsCheck())
        .Bind(kEditName, kNoLabel, MasterField(&DNP3_MASTER_ITEM_SETTINGS::Name), AsFreeText())
        .Bind(kEditLocalAddr, kLabelLocalAddr, &Dnp3MasterPageRecord::LocalAddr, AsNumberOrZero{{localAddrRange_}})
        .Bind(kEditLocalPort, kLabelLocalPort, &Dnp3MasterPageRecord::LocalPort, AsNumberOrZero{{localPortRange_}})
        .Bind(kEditDestAddr, kLabelDestAddr, MasterField(&DNP3_MASTER_ITEM_SETTINGS::DestinationAddr),
              AsNumberOrZero{{master.DestAddrValue}})
        .Bind(kEditMasterIP, kLabelMasterIP, MasterField(&DNP3_MASTER_ITEM_SETTINGS::MasterIP), AsMasterIP())
        .Bind(kEditDestPort, kLabelDestPort, MasterField(&DNP3_MASTER_ITEM_SETTINGS::DestinationPort),
              AsNumberOrZero{{master.DestPortValue}})
        .Bind(kCheckUnsolicited, kNoLabel, MasterField(&DNP3_MASTER_ITEM_SETTINGS::EnableUnsolicited), AsCheck());
}

bool CDNP3OneMasterDlg::OnInitDialog()
{
    showRangeTexts();
    if (auto* name = item<QLineEdit>(kEditName))
        name->setMaxLength(kNameLength);
    onClicked(kButtonApply, [this] { ApplyPage(); });
    onClicked(kButtonAdvanced, [this] { onAdvanced(); });
    OnUserChange(kCheckUnsolicited, [this] { updateUnsolicitedControls(); });
    return true;
}

void CDNP3OneMasterDlg::showRangeTexts()
{
    const DNP3_MASTER_ITEM_SETTINGS master;
    const auto rangeText = [](const SettingTriple& t) { return FormatText(kRangeFormat, {t.minimum, t.maximum}); };
    setItemText(kRangeLocalAddr, rangeText(localAddrRange_));
    setItemText(kRangeLocalPort, rangeText(localPortRange_));
    setItemText(kRangeDestAddr, rangeText(master.DestAddrValue));
    setItemText(kRangeDestPort, rangeText(master.DestPortValue));
}

Dnp3MasterPageRecord CDNP3OneMasterDlg::ReadRecord(const CDataCenter& model) const
{
    const DNP3_OUTSTATION_SETTINGS& outstation = model.GetDnp3Outstation();
    Dnp3MasterPageRecord record;
    static_cast<DNP3_MASTER_ITEM_SETTINGS&>(record) = outstation.Masters.value(kMasterIndex);
    record.LocalAddr = outstation.LocalAddr;
    record.LocalPort = outstation.LocalPort;
    return record;
}

void CDNP3OneMasterDlg::WriteRecord(CDataCenter& model, const Dnp3MasterPageRecord& record)
{
    DNP3_OUTSTATION_SETTINGS& outstation = model.GetDnp3Outstation();
    outstation.LocalAddr = record.LocalAddr;
    outstation.LocalPort = record.LocalPort;
    if (kMasterIndex < outstation.Masters.size())
        outstation.Masters[kMasterIndex] = record;
}

QString CDNP3OneMasterDlg::logCaption() const
{
    const CDataCenter* model = GetDataCenter();
    const QString service = model ? model->GetResourceName(ServiceId::Dnp3Outstation) : QString();
    return FormatText(kCaptionFormat, {service, GetNodeInfo().shownText});
}

QString CDNP3OneMasterDlg::AppliedLogLine() const
{
    return FormatLangString(kStringApplied, logCaption(), kMasterIndex);
}

void CDNP3OneMasterDlg::OnRecordShown()
{
    updateUnsolicitedControls();
}

void CDNP3OneMasterDlg::updateUnsolicitedControls()
{
    const bool unsolicited = isItemChecked(kCheckUnsolicited);
    for (int id :
         {int(kLabelMasterIP), int(kEditMasterIP), int(kLabelDestPort), int(kEditDestPort), int(kRangeDestPort)})
        enableItem(id, unsolicited);
}

bool CDNP3OneMasterDlg::ApplyPage()
{
    if (const CDataCenter* model = GetDataCenter())
        MutableWorkingCopy() = ReadRecord(*model);
    return Apply();
}

bool CDNP3OneMasterDlg::RunAdvancedDialog()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return false;
    CDNP3AdvanceSettingDlg dialog(kMasterIndex, &model->GetDnp3Outstation(), this);
    dialog.DoModal();
    return dialog.Stored();
}

void CDNP3OneMasterDlg::onAdvanced()
{
    if (!RunAdvancedDialog())
        return;
    ApplyPage();
    AddLogLine(AppliedLogLine());
}
