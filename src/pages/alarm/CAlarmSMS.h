#pragma once
// The SMS alarm page (template 691): the text-message alarms with their phone numbers and
// messages, and the PIN of the SIM card. No Apply: Add and Modify write the entry and the PIN.

#include "ALARM_SMS_SETTINGS.h"
#include "CAlarmMessagePage.h"

namespace AlarmSmsIds {
inline constexpr unsigned kTemplate = 691;
inline constexpr ControlId kListEntries{3646, ControlType::List};
inline constexpr ControlId kButtonAdd{3656, ControlType::Button};
inline constexpr ControlId kButtonModify{3658, ControlType::Button};
inline constexpr ControlId kButtonDelete{3660, ControlType::Button};
inline constexpr ControlId kEditName{2223, ControlType::Edit};
inline constexpr ControlId kEditTriggerName{2556, ControlType::Edit};
inline constexpr ControlId kEditStatusName{2575, ControlType::Edit};
inline constexpr ControlId kEditRecipients{3664, ControlType::Edit};
inline constexpr ControlId kButtonRecipients{1076, ControlType::Button};
inline constexpr ControlId kEditContent{3666, ControlType::MenuEdit};
inline constexpr ControlId kButtonInsertTags{3677, ControlType::Button};
inline constexpr ControlId kEditPin{3650, ControlType::Edit};
inline constexpr ControlId kLabelName{2058, ControlType::Static};
inline constexpr ControlId kLabelPhones{3662, ControlType::Static};
inline constexpr ControlId kControls[] = {
    kListEntries,    kButtonAdd,        kButtonModify, kButtonDelete,     kEditName, kEditTriggerName, kEditStatusName,
    kEditRecipients, kButtonRecipients, kEditContent,  kButtonInsertTags, kEditPin,  kLabelName,       kLabelPhones};
} // namespace AlarmSmsIds

class CAlarmSMS : public CAlarmMessagePage<ALARM_SMS_ITEM_SETTINGS> {
    Q_OBJECT
public:
    explicit CAlarmSMS(IPageHost* host);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<ALARM_SMS_ITEM_SETTINGS> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<ALARM_SMS_ITEM_SETTINGS>& entries) override;
    void WritePageFields(CDataCenter& model) override;
};
