#include "CSettingFTPHostDlg.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "ListColumns.h"
#include "PageConversions.h"
#include "Validation.h"

#include <limits>

namespace {

constexpr unsigned kColumnTitles[] = {360, CSettingFTPHostDlg::kStringUserNameColumn};
// A letter, then up to 63 letters, digits or underscores.
constexpr const char* kUserNamePattern = "^([A-Za-z]{1})\\w{0,63}$";
// Printable ASCII only, space to tilde.
constexpr const char* kPasswordPattern = "^([\\x20-\\x7E]{0,64})$";
constexpr int kPasswordCharacterLimit = 64;
constexpr const char* kPasswordWord = "password";
constexpr const char* kLogNamePrefix = "FTP ";
// Names the controller keeps for itself (CPU35 layout); compared with their letter case.
const QStringList kReservedUserNames{QStringLiteral("zerv"), QStringLiteral("root")};
constexpr int kUncheckedText = std::numeric_limits<int>::max();

} // namespace

CSettingFTPHostDlg::CSettingFTPHostDlg(IPageHost* host) : CListDetailPage(kTemplateId, host, {kListAccounts, 0, 0, 0})
{
    SetNameField(kEditUserName, kLabelUserName, &FtpAccountRecord::UserName);
    Bindings()
        .Bind(kEditFirstText, "", &FtpAccountRecord::FirstText, AsText{kUncheckedText})
        .Bind(kEditPassword, kLabelPassword, &FtpAccountRecord::Password, AsText{kEntryNameByteLimit})
        .Bind(kEditConfirmPassword, "", &FtpAccountRecord::Password, AsConfirmationOf{this, kEditPassword});
    SetFieldOrder({kEditUserName, kEditPassword, kEditConfirmPassword});
}

bool CSettingFTPHostDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListAccounts, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListAccounts);
    InsertNumberedColumns(*item<CListCtrlEx>(kListAccounts), kColumnTitles);
    onClicked(kButtonAdd, [this] { onAdd(); });
    onClicked(kButtonModify, [this] { onModify(); });
    onClicked(kButtonDelete, [this] { DeleteEntries(); });
    return true;
}

void CSettingFTPHostDlg::OnPageShown()
{
    const bool cpu35 = isCpu35();
    for (int id : {kCheckEnable.id, kGroupEnable.id, kStaticEnable.id})
        showItem(id, cpu35);
    if (const CDataCenter* model = GetDataCenter())
        checkItem(kCheckEnable, model->FtpServer.Enable == 1);
    CListDetailPage::OnPageShown();
}

std::vector<FtpAccountRecord> CSettingFTPHostDlg::ReadEntries(const CDataCenter& model) const
{
    return {model.FtpServer.Accounts.begin(), model.FtpServer.Accounts.end()};
}

void CSettingFTPHostDlg::WriteEntries(CDataCenter& model, const std::vector<FtpAccountRecord>& accounts)
{
    model.FtpServer.Accounts = QVector<FtpAccountRecord>(accounts.begin(), accounts.end());
    model.MarkModified();
}

QString CSettingFTPHostDlg::LogName() const
{
    return QString::fromUtf8(kLogNamePrefix) + CListDetailPage::LogName();
}

bool CSettingFTPHostDlg::isCpu35() const
{
    const CDataCenter* model = GetDataCenter();
    return model && model->GetCPU35Mode() != 0;
}

bool CSettingFTPHostDlg::isTakenByAnother(const QString& userName, int row) const
{
    for (int i = 0; i < static_cast<int>(Entries().size()); ++i) {
        if (i != row && QString::compare(Entries()[i].UserName, userName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void CSettingFTPHostDlg::CheckEntry(const FtpAccountRecord& account, int row, ValidationReport& report) const
{
    const QString label = FieldLabel(kLabelUserName).Text(*this);
    QWidget* userEdit = control(kEditUserName);
    if (!account.UserName.isEmpty()) {
        if (!RegexMatch(account.UserName, QString::fromUtf8(kUserNamePattern)))
            report.Add(FormatPatternErrorLine(label, account.UserName), userEdit);
        if (isCpu35() && !isTakenByAnother(account.UserName, row) && kReservedUserNames.contains(account.UserName))
            report.Add(FormatItemErrorLine(label), userEdit);
    }
    if (account.Password.size() <= kPasswordCharacterLimit &&
        !RegexMatch(account.Password, QString::fromUtf8(kPasswordPattern)))
        // The character rule follows the confirmation's line.
        report.Add(FormatMessageLine(kStringPasswordPattern, FieldLabel(kLabelPassword).Text(*this),
                                     QString::fromUtf8(kPasswordWord)),
                   control(kEditPassword), control(kEditConfirmPassword));
}

bool CSettingFTPHostDlg::takeEnableAndTypedAccount()
{
    if (CDataCenter* model = GetDataCenter()) {
        model->FtpServer.Enable = isItemChecked(kCheckEnable) ? 1 : 0;
        model->MarkModified();
    }
    // An account without user name and password is no account: nothing to say about it.
    return !itemText(kEditUserName).isEmpty() || !itemText(kEditPassword).isEmpty();
}

void CSettingFTPHostDlg::onAdd()
{
    if (takeEnableAndTypedAccount())
        AddEntry();
}

void CSettingFTPHostDlg::onModify()
{
    if (!takeEnableAndTypedAccount() || Entries().empty() || SelectedRow() < 0)
        return;
    ModifyEntry();
}
