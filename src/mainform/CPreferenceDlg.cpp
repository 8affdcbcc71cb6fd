#include "CPreferenceDlg.h"

#include "DialogProfileKeys.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "ProfileValues.h"
#include "ProjectDialogIds.h"
#include "TextFormat.h"

namespace {

constexpr QStringView kResetFormat = u"Reset \"%s\"";
constexpr int kDisplayTypeDefault = 0;
constexpr int kDisplayTypeOther = 1;

} // namespace

CPreferenceDlg::CPreferenceDlg(QWidget* parent)
    : CDialogBase(kTemplatePreference, parent),
      displayType_(ReadProfileInt(kProfilePreferenceSection, kProfileCfgDisplayTypeKey, kProfileCfgDisplayTypeDefault))
{}

bool CPreferenceDlg::OnInitDialog()
{
    checkItem(displayType_ > kDisplayTypeDefault ? kRadioDisplayTypeOther : kRadioDisplayTypeDefault, true);
    setItemText(kCheckResetShowSplash, FormatText(kResetFormat, {LoadLangString(kStringSplashToggle)}));
    return true;
}

void CPreferenceDlg::OnOK()
{
    if (isItemChecked(kCheckResetConfirmDelete))
        WriteProfileValue(kProfileConfirmDeleteSection, kProfileDontAskStatusKey, QString::number(0));
    displayType_ = isItemChecked(kRadioDisplayTypeDefault) ? kDisplayTypeDefault : kDisplayTypeOther;
    WriteProfileValue(kProfilePreferenceSection, kProfileCfgDisplayTypeKey, QString::number(displayType_));
    if (isItemChecked(kCheckResetShowSplash))
        WriteProfileValue(kProfilePreferenceSection, kProfileShowSplashKey, QString::number(1));
    EndDialog(IDOK);
}
