#include "CAlarmEmail.h"

#include "CDataCenter.h"
#include "CMailEdit.h"
#include "TypeIds.h"

#include <QComboBox>
#include <QLineEdit>

using namespace AlarmEmailIds;

namespace {

constexpr const char* kSection = "AlarmMail";
constexpr unsigned kStringPasswordsDiffer = 635;
constexpr int kPresetProvider = 0;
constexpr int kPlainEncryption = 0;
constexpr int kAccountTextBytes = 64;
constexpr int kMessageLength = 512;

const AlarmMessageLayout<ALARM_MAIL_ITEM_SETTINGS> kLayout{
    .listIds = {kListEntries, kButtonAdd, kButtonModify, kButtonDelete},
    .nameEdit = kEditName,
    .nameLabel = kLabelName,
    .triggerName = kEditTriggerName,
    .statusName = kEditStatusName,
    .recipients = kEditRecipients,
    .recipientsLabel = kLabelTo,
    .recipientsButton = kButtonRecipients,
    .content = kEditContent,
    .insertTags = kButtonInsertTags,
    .contentLength = kMessageLength,
    .serviceId = ServiceId::AlarmMail,
    .triggerKind = CAutoResource::Kind::MailTrigger,
    .statusKind = CAutoResource::Kind::MailStatus,
    .editor = &kMailRecipientEditor,
    .addresses = &ALARM_MAIL_ITEM_SETTINGS::To,
    .names = &ALARM_MAIL_ITEM_SETTINGS::ContactName,
};

QString section()
{
    return QString::fromLatin1(kSection);
}

} // namespace

MailProviderPreset MailProviderPreset::Load()
{
    constexpr int kPresetItems = 5;
    const QStringList items = OptionList(section(), QStringLiteral("PublicDefault"));
    MailProviderPreset preset;
    if (items.size() != kPresetItems)
        return preset;
    preset.Encryption = items[0].trimmed().toInt();
    preset.Authentication = items[1].trimmed().toInt();
    preset.EncryptedPort = items[2].trimmed();
    preset.Server = items[3].trimmed();
    preset.PlainPort = items[4].trimmed();
    return preset;
}

CAlarmEmail::CAlarmEmail(IPageHost* host)
    : CAlarmMessagePage(kTemplate, host, kLayout),
      portRange_(SettingsTriple(section(), QStringLiteral("PortValue"), {25, 1, 65535})),
      preset_(MailProviderPreset::Load())
{
    Bindings().Bind(kEditFrom, kLabelFrom, &ALARM_MAIL_ITEM_SETTINGS::From, AsEmailAddress{});
    BindRecipientsAndContent();
    Bindings().Bind(kEditSubject, kLabelSubject, &ALARM_MAIL_ITEM_SETTINGS::Subject, AsRequiredText(kNoByteLimit));
    BindContent();
    account_
        .Bind(kComboServerType, QString(), &ALARM_MAIL_SETTINGS::ServerType,
              AsIndex{OptionList(section(), QStringLiteral("ServerType"))})
        .Bind(kComboEncryption, QString(), &ALARM_MAIL_SETTINGS::Encryption,
              AsIndex{OptionList(section(), QStringLiteral("Encryption"))})
        .Bind(kComboAuthentication, QString(), &ALARM_MAIL_SETTINGS::Authentication,
              AsIndex{OptionList(section(), QStringLiteral("Authentication"))})
        .Bind(kEditServer, kLabelServer, &ALARM_MAIL_SETTINGS::MailServer, AsAddressText(GetEditLengthLimit()))
        .Bind(kEditPort, kLabelPort, &ALARM_MAIL_SETTINGS::Port, AsNumber{portRange_})
        .Bind(kEditUsername, kLabelUsername, &ALARM_MAIL_SETTINGS::Username, AsRequiredText(kNoByteLimit))
        .Bind(kEditPassword, kLabelPassword, &ALARM_MAIL_SETTINGS::Password, AsRequiredText(kNoByteLimit));
}

bool CAlarmEmail::OnInitDialog()
{
    CAlarmMessagePage::OnInitDialog();
    for (const ControlId edit : {kEditUsername, kEditPassword, kEditConfirmation}) {
        if (auto* line = item<QLineEdit>(edit))
            line->setMaxLength(kAccountTextBytes);
    }
    setItemText(kStaticPortRange, QStringLiteral("(%1-%2)").arg(portRange_.minimum).arg(portRange_.maximum));
    OnUserChange(kComboServerType, [this] { OnServerTypeChanged(); });
    OnUserChange(kComboEncryption, [this] { OnEncryptionChanged(); });
    return true;
}

void CAlarmEmail::OnPageShown()
{
    CAlarmMessagePage::OnPageShown();
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    {
        BusyGuard busy(Busy());
        account_.Fill(*this, model->AlarmMail);
        setItemText(kEditConfirmation, model->AlarmMail.Password);
    }
    if (model->AlarmMail.MailServer.isEmpty())
        OnServerTypeChanged();
}

void CAlarmEmail::OnServerTypeChanged()
{
    BusyGuard busy(Busy());
    if (item<QComboBox>(kComboServerType)->currentIndex() != kPresetProvider) {
        item<QComboBox>(kComboEncryption)->setCurrentIndex(0);
        item<QComboBox>(kComboAuthentication)->setCurrentIndex(0);
        setItemText(kEditPort, QString::number(portRange_.defaultValue));
        setItemText(kEditServer, QString());
        return;
    }
    item<QComboBox>(kComboEncryption)->setCurrentIndex(preset_.Encryption);
    OnEncryptionChanged();
    item<QComboBox>(kComboAuthentication)->setCurrentIndex(preset_.Authentication);
    setItemText(kEditPort, preset_.EncryptedPort);
    setItemText(kEditServer, preset_.Server);
}

void CAlarmEmail::OnEncryptionChanged()
{
    if (item<QComboBox>(kComboServerType)->currentIndex() != kPresetProvider)
        return;
    const bool plain = item<QComboBox>(kComboEncryption)->currentIndex() == kPlainEncryption;
    setItemText(kEditPort, plain ? preset_.PlainPort : preset_.EncryptedPort);
}

std::vector<ALARM_MAIL_ITEM_SETTINGS> CAlarmEmail::ReadEntries(const CDataCenter& model) const
{
    return {model.AlarmMail.Entries.begin(), model.AlarmMail.Entries.end()};
}

void CAlarmEmail::WriteEntries(CDataCenter& model, const std::vector<ALARM_MAIL_ITEM_SETTINGS>& entries)
{
    model.AlarmMail.Entries = QVector<ALARM_MAIL_ITEM_SETTINGS>(entries.begin(), entries.end());
    model.MarkModified();
}

void CAlarmEmail::CheckPageFields(int, ValidationReport& report) const
{
    account_.Validate(*this, report);
    if (itemText(kEditPassword) != itemText(kEditConfirmation))
        report.Add(LoadLangString(kStringPasswordsDiffer) + QStringLiteral("\r\n"), control(kEditConfirmation));
}

void CAlarmEmail::WritePageFields(CDataCenter& model)
{
    account_.Store(*this, model.AlarmMail);
    model.MarkModified();
}
