#include "CAlarmSMS.h"

#include "CDataCenter.h"
#include "CPhoneEdit.h"
#include "TypeIds.h"

#include <QLineEdit>

using namespace AlarmSmsIds;

namespace {

constexpr int kMessageLength = 128;
constexpr int kPinLength = 64;

const AlarmMessageLayout<ALARM_SMS_ITEM_SETTINGS> kLayout{
    .listIds = {kListEntries, kButtonAdd, kButtonModify, kButtonDelete},
    .nameEdit = kEditName,
    .nameLabel = kLabelName,
    .triggerName = kEditTriggerName,
    .statusName = kEditStatusName,
    .recipients = kEditRecipients,
    .recipientsLabel = kLabelPhones,
    .recipientsButton = kButtonRecipients,
    .content = kEditContent,
    .insertTags = kButtonInsertTags,
    .contentLength = kMessageLength,
    .serviceId = ServiceId::AlarmSms,
    .triggerKind = CAutoResource::Kind::SmsTrigger,
    .statusKind = CAutoResource::Kind::SmsStatus,
    .editor = &kPhoneRecipientEditor,
    .addresses = &ALARM_SMS_ITEM_SETTINGS::Phone,
    .names = &ALARM_SMS_ITEM_SETTINGS::PhoneName,
};

} // namespace

CAlarmSMS::CAlarmSMS(IPageHost* host) : CAlarmMessagePage(kTemplate, host, kLayout)
{
    BindRecipientsAndContent();
    BindContent();
}

bool CAlarmSMS::OnInitDialog()
{
    CAlarmMessagePage::OnInitDialog();
    if (auto* pin = item<QLineEdit>(kEditPin))
        pin->setMaxLength(kPinLength);
    return true;
}

void CAlarmSMS::OnPageShown()
{
    CAlarmMessagePage::OnPageShown();
    if (const CDataCenter* model = GetDataCenter()) {
        BusyGuard busy(Busy());
        setItemText(kEditPin, model->AlarmSms.PIN);
    }
}

std::vector<ALARM_SMS_ITEM_SETTINGS> CAlarmSMS::ReadEntries(const CDataCenter& model) const
{
    return {model.AlarmSms.Entries.begin(), model.AlarmSms.Entries.end()};
}

void CAlarmSMS::WriteEntries(CDataCenter& model, const std::vector<ALARM_SMS_ITEM_SETTINGS>& entries)
{
    model.AlarmSms.Entries = QVector<ALARM_SMS_ITEM_SETTINGS>(entries.begin(), entries.end());
    model.MarkModified();
}

void CAlarmSMS::WritePageFields(CDataCenter& model)
{
    model.AlarmSms.PIN = itemText(kEditPin);
    model.MarkModified();
}
