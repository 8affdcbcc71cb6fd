#pragma once
// The e-mail alarm page (template 177): the alarm mails with their recipients and messages, and
// the SMTP account the controller sends them through. No Apply: Add and Modify write the entry
// and the account at once.

#include "ALARM_MAIL_SETTINGS.h"
#include "CAlarmMessagePage.h"

namespace AlarmEmailIds {
inline constexpr unsigned kTemplate = 177;
inline constexpr ControlId kListEntries{3645, ControlType::List};
inline constexpr ControlId kButtonAdd{3655, ControlType::Button};
inline constexpr ControlId kButtonModify{3657, ControlType::Button};
inline constexpr ControlId kButtonDelete{3659, ControlType::Button};
inline constexpr ControlId kEditName{2066, ControlType::Edit};
inline constexpr ControlId kEditTriggerName{2555, ControlType::Edit};
inline constexpr ControlId kEditStatusName{2564, ControlType::Edit};
inline constexpr ControlId kEditSubject{3544, ControlType::Edit};
inline constexpr ControlId kEditFrom{3549, ControlType::Edit};
inline constexpr ControlId kEditRecipients{3663, ControlType::Edit};
inline constexpr ControlId kButtonRecipients{2088, ControlType::Button};
inline constexpr ControlId kEditContent{3665, ControlType::MenuEdit};
inline constexpr ControlId kButtonInsertTags{3675, ControlType::Button};
inline constexpr ControlId kComboServerType{2368, ControlType::DropList};
inline constexpr ControlId kComboEncryption{2372, ControlType::DropList};
inline constexpr ControlId kComboAuthentication{2552, ControlType::DropList};
inline constexpr ControlId kEditServer{3531, ControlType::Edit};
inline constexpr ControlId kEditPort{3533, ControlType::Edit};
inline constexpr ControlId kStaticPortRange{3547, ControlType::Static};
inline constexpr ControlId kEditUsername{3649, ControlType::Edit};
inline constexpr ControlId kEditPassword{3537, ControlType::Edit};
inline constexpr ControlId kEditConfirmation{3539, ControlType::Edit};
inline constexpr ControlId kLabelServer{3530, ControlType::Static};
inline constexpr ControlId kLabelPort{3532, ControlType::Static};
inline constexpr ControlId kLabelUsername{3647, ControlType::Static};
inline constexpr ControlId kLabelPassword{3652, ControlType::Static};
inline constexpr ControlId kLabelName{2057, ControlType::Static};
inline constexpr ControlId kLabelFrom{3548, ControlType::Static};
inline constexpr ControlId kLabelTo{3661, ControlType::Static};
inline constexpr ControlId kLabelSubject{3543, ControlType::Static};
inline constexpr ControlId kControls[] = {
    kListEntries,      kButtonAdd,       kButtonModify,    kButtonDelete,        kEditName,         kEditTriggerName,
    kEditStatusName,   kEditSubject,     kEditFrom,        kEditRecipients,      kButtonRecipients, kEditContent,
    kButtonInsertTags, kComboServerType, kComboEncryption, kComboAuthentication, kEditServer,       kEditPort,
    kStaticPortRange,  kEditUsername,    kEditPassword,    kEditConfirmation,    kLabelServer,      kLabelPort,
    kLabelUsername,    kLabelPassword,   kLabelName,       kLabelFrom,           kLabelTo,          kLabelSubject};
} // namespace AlarmEmailIds

// The account's preset for the preset mail provider (server type 0), from [AlarmMail]
// "PublicDefault": encryption, authentication, port with encryption, server, port without it.
struct MailProviderPreset {
    int Encryption = 1;
    int Authentication = 0;
    QString EncryptedPort = QStringLiteral("587");
    QString Server = QStringLiteral("smtp.example.com");
    QString PlainPort = QStringLiteral("465");

    static MailProviderPreset Load();
};

class CAlarmEmail : public CAlarmMessagePage<ALARM_MAIL_ITEM_SETTINGS> {
    Q_OBJECT
public:
    explicit CAlarmEmail(IPageHost* host);

    // The server type and encryption handlers, run as when the user picks an item.
    void OnServerTypeChanged();
    void OnEncryptionChanged();

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<ALARM_MAIL_ITEM_SETTINGS> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<ALARM_MAIL_ITEM_SETTINGS>& entries) override;
    void CheckPageFields(int row, ValidationReport& report) const override;
    void WritePageFields(CDataCenter& model) override;

private:
    SettingTriple portRange_;
    MailProviderPreset preset_;
    PageBindings<ALARM_MAIL_SETTINGS> account_;
};
