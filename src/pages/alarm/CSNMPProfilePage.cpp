#include "CSNMPProfilePage.h"

#include "AlarmPageConversions.h"
#include "CDataCenter.h"
#include "CMenuEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace SnmpProfileIds;

namespace {

constexpr int kSpecificTrapCount = 20;
constexpr int kMessageLength = 512;
constexpr int kTrapNameLength = 64;

// The device variables a message may name: shown text, inserted name, needs a second LAN port.
struct MessageVariable {
    const char* shown;
    const char* name;
    bool secondInterface;
};
constexpr MessageVariable kVariables[] = {
    {"Device_Day", "Day", false},  {"Device_Time", "Time", false},   {"Device_IP_0", "IP_0", false},
    {"Device_IP_1", "IP_1", true}, {"Device_MAC_0", "MAC_0", false}, {"Device_MAC_1", "MAC_1", true},
};

// The radio group of the SNMP version: the field is the position of the checked radio.
struct AsVersionRadio {
    ControlType type = ControlType::Radio;
    DialogControls* page = nullptr;

    void Fill(QWidget&, qint32 value) const { page->checkItem(value == 0 ? kRadioVersion1 : kRadioVersion2, true); }
    void Store(const QWidget&, qint32& value) const { value = page->isItemChecked(kRadioVersion1) ? 0 : 1; }
    QString Check(const QWidget&, const QString&) const { return {}; }
    QString Column(qint32 value) const { return QString::number(value); }
};

// The specific-trap combo: its position is the number less one.
struct AsSpecificTrap {
    ControlType type = ControlType::DropList;

    void Fill(QWidget& control, qint32 value) const
    {
        if (auto* combo = qobject_cast<QComboBox*>(&control))
            combo->setCurrentIndex(value >= 1 && value <= combo->count() ? value - 1 : 0);
    }
    void Store(const QWidget& control, qint32& value) const
    {
        const auto* combo = qobject_cast<const QComboBox*>(&control);
        value = combo ? combo->currentIndex() + 1 : SNMP_TRAP_PROFILE_SETTINGS::kFirstSpecificTrap;
    }
    QString Check(const QWidget&, const QString&) const { return {}; }
    QString Column(qint32 value) const { return QString::number(value); }
};

// A dotted host address: anything not four numbers shows as 0.0.0.0.
struct AsHostAddress {
    ControlType type = ControlType::IPAddress;

    void Fill(QWidget& control, const QString& value) const
    {
        const QStringList parts = value.trimmed().split(u'.');
        bool numbers = parts.size() == 4;
        for (const QString& part : parts) {
            bool ok = false;
            const int number = part.toInt(&ok);
            numbers = numbers && ok && number >= 0 && number <= 255;
        }
        SetControlText(control,
                       numbers ? value.trimmed() : QString::fromLatin1(SNMP_TRAP_PROFILE_SETTINGS::kUnsetHost));
    }
    void Store(const QWidget& control, QString& value) const { value = ControlText(control); }
    QString Check(const QWidget&, const QString&) const { return {}; }
    QString Column(const QString& value) const { return value; }
};

} // namespace

CSNMPProfilePage::CSNMPProfilePage(ModelSource model)
    : CEntryTab(kTemplate), model_(std::move(model)),
      communityRange_(SettingsTriple(QStringLiteral("AlarmSNMP"), QStringLiteral("CommunityLength"), {8, 8, 30}))
{
    profile_.Bind(kEditName, QString(), &SNMP_TRAP_PROFILE_SETTINGS::TrapName, AsText{kNoByteLimit})
        .Bind(kRadioVersion1, QString(), &SNMP_TRAP_PROFILE_SETTINGS::Version, AsVersionRadio{ControlType::Radio, this})
        .Bind(kComboSpecificTrap, QString(), &SNMP_TRAP_PROFILE_SETTINGS::SpecificTrap, AsSpecificTrap{})
        .Bind(kIpHost1, QString(), &SNMP_TRAP_PROFILE_SETTINGS::Hostname_1, AsHostAddress{})
        .Bind(kIpHost2, QString(), &SNMP_TRAP_PROFILE_SETTINGS::Hostname_2, AsHostAddress{})
        .Bind(kEditCommunity1, QString(), &SNMP_TRAP_PROFILE_SETTINGS::Community_1, AsText{kNoByteLimit})
        .Bind(kEditCommunity2, QString(), &SNMP_TRAP_PROFILE_SETTINGS::Community_2, AsText{kNoByteLimit})
        .Bind(kCheckMessage, QString(), &SNMP_TRAP_PROFILE_SETTINGS::MessageEnable, AsCheck{})
        .Bind(kEditMessage, QString(), &SNMP_TRAP_PROFILE_SETTINGS::MessageTrap, AsTagTokens{model_});
    tagChooser_ = [] { return std::vector<TagRecord>{}; };
}

bool CSNMPProfilePage::OnInitDialog()
{
    if (auto* combo = item<QComboBox>(kComboSpecificTrap)) {
        for (int number = 1; number <= kSpecificTrapCount; ++number)
            combo->addItem(QStringLiteral("%1").arg(number, 2, 10, QChar(u'0')), number);
        combo->setCurrentIndex(0);
    }
    if (auto* name = item<QLineEdit>(kEditName))
        name->setMaxLength(kTrapNameLength);
    for (const ControlId community : {kEditCommunity1, kEditCommunity2}) {
        if (auto* edit = item<QLineEdit>(community))
            edit->setMaxLength(communityRange_.maximum);
    }
    if (auto* edit = item<QPlainTextEdit>(kEditMessage)) {
        message_.Attach(edit, kMessageLength);
        if (auto* menuEdit = qobject_cast<CMenuEdit*>(edit))
            connect(menuEdit, &CMenuEdit::tagSelectRequested, this, [this] { InsertTags(); });
    }
    if (auto* variables = item<QComboBox>(kComboVariables))
        connect(variables, &QComboBox::activated, this, [this](int position) { InsertVariable(position); });
    for (const ControlId button : {kRadioVersion1, kRadioVersion2, kCheckMessage})
        onClicked(button, [this] { updateEnabledStates(); });
    onClicked(kButtonInsertTags, [this] { InsertTags(); });
    fillVariables();
    updateEnabledStates();
    return true;
}

void CSNMPProfilePage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    fillVariables(); // the offer follows the project's LAN ports
    updateEnabledStates();
}

void CSNMPProfilePage::fillVariables()
{
    auto* combo = item<QComboBox>(kComboVariables);
    if (!combo)
        return;
    const CDataCenter* model = model_();
    bool secondInterface = false;
    for (const LanModuleSlotRecord& record : model ? model->NetworkSettings : std::vector<LanModuleSlotRecord>{})
        secondInterface = secondInterface || record.Interfaces.size() >= 2;
    combo->clear();
    for (const MessageVariable& variable : kVariables) {
        if (!variable.secondInterface || secondInterface)
            combo->addItem(QString::fromLatin1(variable.shown), QString::fromLatin1(variable.name));
    }
    combo->setCurrentIndex(0);
}

void CSNMPProfilePage::updateEnabledStates()
{
    const bool version1 = isItemChecked(kRadioVersion1);
    enableItem(kLabelSpecificTrap, version1);
    enableItem(kComboSpecificTrap, version1);
    const bool message = isItemChecked(kCheckMessage);
    for (const ControlId id : {kButtonInsertTags, kComboVariables, kEditMessage})
        enableItem(id, message);
}

void CSNMPProfilePage::ShowEntry(const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry)
{
    profile_.Fill(*this, entry.Profile);
    updateEnabledStates();
}

void CSNMPProfilePage::Gather(ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) const
{
    profile_.Store(*this, entry.Profile);
}

bool CSNMPProfilePage::Validate(ValidationReport& report) const
{
    return profile_.Validate(*this, report);
}

void CSNMPProfilePage::InsertVariable(int position)
{
    const auto* combo = item<QComboBox>(kComboVariables);
    if (combo && position >= 0 && position < combo->count())
        message_.Insert(MakeTagToken(combo->itemData(position).toString()));
}

void CSNMPProfilePage::InsertTags()
{
    if (!message_.HasSelection())
        message_.InsertTags(tagChooser_());
}
