#include "CSettingSMTPServersDlg.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "ListColumns.h"
#include "PageConversions.h"
#include "TextFormat.h"

#include <limits>

namespace {

constexpr unsigned kColumnTitles[] = {360, 361, 362, 615, 608};
constexpr const char* kPortRangeFormat = "(%d-%d)";
// One user of a server in the refusal: service resource name, item number from 1, item name.
constexpr const char* kServerUserFormat = "%s\u2192No.%d_%s";
constexpr int kUncheckedText = std::numeric_limits<int>::max();

} // namespace

CSettingSMTPServersDlg::CSettingSMTPServersDlg(IPageHost* host)
    : CListDetailPage(kTemplateId, host, {kListServers, kButtonAdd, kButtonModify, kButtonDelete}),
      portRange_(SMTP_SERVER_SETTINGS().PortValue)
{
    SetNameField(kEditName, kLabelName, &SMTP_SERVER_SETTINGS::Name);
    Bindings()
        .Bind(kEditDescription, kLabelDescription, &SMTP_SERVER_SETTINGS::Description, AsText{kEntryNameByteLimit})
        .Bind(kEditAddress, kLabelAddress, &SMTP_SERVER_SETTINGS::ServerAddress, AsAddressText(GetEditLengthLimit()))
        .Bind(kEditPort, kLabelPort, &SMTP_SERVER_SETTINGS::Port, AsNumber{portRange_})
        .Bind(kEditAccount, "", &SMTP_SERVER_SETTINGS::Account, AsText{kUncheckedText})
        .Bind(kEditPassword, "", &SMTP_SERVER_SETTINGS::Password, AsText{kUncheckedText})
        .Bind(kEditConfirmPassword, "", &SMTP_SERVER_SETTINGS::Password, AsConfirmationOf{this, kEditPassword});
}

bool CSettingSMTPServersDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListServers, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListServers);
    InsertNumberedColumns(*item<CListCtrlEx>(kListServers), kColumnTitles);
    setItemText(kStaticPortRange,
                FormatText(QString::fromUtf8(kPortRangeFormat), {portRange_.minimum, portRange_.maximum}));
    LimitIPURLEdit(kEditAddress);
    return true;
}

std::vector<SMTP_SERVER_SETTINGS> CSettingSMTPServersDlg::ReadEntries(const CDataCenter& model) const
{
    return model.SmtpServers;
}

void CSettingSMTPServersDlg::WriteEntries(CDataCenter& model, const std::vector<SMTP_SERVER_SETTINGS>& servers)
{
    model.SmtpServers = servers;
    model.MarkModified();
}

QStringList CSettingSMTPServersDlg::RowTexts(const SMTP_SERVER_SETTINGS& server) const
{
    return {server.Name, server.Description, server.ServerAddress, Bindings().ColumnText(kEditPort, server)};
}

void CSettingSMTPServersDlg::OnEntryReplaced(CDataCenter& model, const SMTP_SERVER_SETTINGS& before,
                                             const SMTP_SERVER_SETTINGS& after)
{
    model.RenameMailServerReference(before.Name, after.Name);
}

QString CSettingSMTPServersDlg::DeleteRefusal(const SMTP_SERVER_SETTINGS& server) const
{
    const CDataCenter* model = GetDataCenter();
    if (server.Users.isEmpty() || !model)
        return {};
    // Appended line by line: a name holding "%" stays as it is.
    QString message = LoadLangString(kStringServerInUse);
    for (const ServiceItemReference& user : server.Users) {
        message += u'\n';
        message +=
            FormatText(QString::fromUtf8(kServerUserFormat), {model->GetResourceName(user.first), user.second + 1,
                                                              model->GetServiceUseName(user.first, user.second)});
    }
    return message;
}

void CSettingSMTPServersDlg::OnEntryRemoved(CDataCenter& model, const SMTP_SERVER_SETTINGS& server)
{
    model.ClearMailServerReference(server.Name);
}
