#include "CDeviceConnection.h"

#include "AccountRules.h"
#include "CDataCenter.h"
#include "CVerifyPasswordDlg.h"
#include "ConfigFiles.h"
#include "DeviceDialogIds.h"
#include "DeviceResultTexts.h"
#include "ILogLineSink.h"
#include "IniFile.h"
#include "Kesu.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "WaitCursor.h"

#include <QAbstractItemView>
#include <QComboBox>

#include "VORNA.h"

#include <vector>

namespace {

constexpr int kLoginFieldBytes = 64;
constexpr int kConnectAddressBytes = 15;
constexpr int kLoginRefused = 0x8011;
constexpr int kProfileValueMax = 282;
constexpr int kSearchBufferSize = 512;
constexpr int kSearchRequests = 1;
constexpr const char* kProfileGeneral = "General";
constexpr const char* kProfileNetworkInterface = "NetworkInterface";

// The search's steps, named in its reports.
constexpr const char* kInitFailed = "Initial network settings failed.";
constexpr const char* kListFailed = "List network interface failed.";
constexpr const char* kInfoFailed = "Get network interface information failed.";
constexpr const char* kSelectFailed = "Select network interface failed.";
constexpr const char* kSearchFailed = "Search device failed.";

constexpr const char* kWidestAddress = "255.255.255.255";

QByteArray loginField(const QString& text)
{
    return text.toUtf8().left(kLoginFieldBytes);
}

std::optional<DeviceLogin> askWithLoginBox(QWidget* parent)
{
    CVerifyPasswordDlg dialog(parent);
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return DeviceLogin{dialog.UserName(), dialog.Password()};
}

QString resultText(const QString& label, int code)
{
    QString text;
    GetReturnCodeText(text, code, label);
    return text;
}

} // namespace

CDeviceConnection::CDeviceConnection(QComboBox* addressBox, CDataCenter& model, ILogLineSink* log,
                                     DeviceConnectionOptions options)
    : box_(addressBox), model_(model), log_(log), options_(std::move(options))
{
    if (!options_.askLogin)
        options_.askLogin = [this] { return askWithLoginBox(box_ ? box_->window() : nullptr); };
    if (box_)
        FitAddressBox(*box_);
}

// The box and its list show a whole entry, the longest address with its MAC text included.
void CDeviceConnection::FitAddressBox(QComboBox& box)
{
    constexpr std::uint8_t kWideDigits = 0xDD;
    const FoundDeviceRecord widest = FoundDeviceRecord::Make(
        QByteArray(kWidestAddress), {kWideDigits, kWideDigits, kWideDigits, kWideDigits, kWideDigits, kWideDigits});
    box.setMinimumContentsLength(static_cast<int>(widest.display.size()));
    box.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box.view()->setTextElideMode(Qt::ElideNone);
}

void CDeviceConnection::ReportText(const QString& text, bool box) const
{
    if (log_)
        log_->AddLogLine(text);
    if (box)
        ShowMessageBox(text, MB_OK | MB_ICONERROR);
}

void CDeviceConnection::Report(unsigned label, int code, bool showFailure) const
{
    ReportText(resultText(LoadLangString(label), code), showFailure && code != 0);
}

int CDeviceConnection::Request(unsigned label, const std::function<int()>& call, bool showFailure) const
{
    int code = 0;
    QString text;
    {
        WaitCursor wait;
        code = call();
        text = resultText(LoadLangString(label), code);
        ReportText(text, false);
    }
    if (showFailure && code != 0)
        ShowMessageBox(text, MB_OK | MB_ICONERROR);
    return code;
}

int CDeviceConnection::SelectedEntry() const
{
    if (!box_)
        return -1;
    const int index = box_->currentIndex();
    if (index < 0 || box_->currentText() != box_->itemText(index))
        return -1;
    const int entry = box_->itemData(index).toInt();
    return entry >= 0 && entry < found_.size() ? entry : -1;
}

QString CDeviceConnection::AddressText() const
{
    if (!box_)
        return {};
    const int index = box_->currentIndex();
    if (index >= 0 && box_->currentText() == box_->itemText(index))
        return box_->itemText(index);
    return box_->currentText();
}

bool CDeviceConnection::CheckIPAddress() const
{
    const int entry = SelectedEntry();
    const QString text = entry >= 0 ? QString::fromLatin1(found_[entry].ip) : (box_ ? box_->currentText() : QString());
    return IsValidDeviceAddress(text);
}

bool CDeviceConnection::CheckAddressOrReport() const
{
    const QString text = AddressText().trimmed();
    for (const FoundDeviceRecord& device : found_)
        if (device.display == text)
            return true;
    if (CheckIPAddress())
        return true;
    ReportText(LoadLangString(kStringBadDeviceAddress), true);
    return false;
}

void CDeviceConnection::ForgetLogin()
{
    model_.LoginVerified = 0;
    model_.LoginUserName.clear();
    model_.LoginPassword.clear();
}

bool CDeviceConnection::AskLogin()
{
    if (const std::optional<DeviceLogin> login = options_.askLogin()) {
        model_.LoginUserName = loginField(login->userName);
        model_.LoginPassword = loginField(login->password);
        return true;
    }
    ForgetLogin();
    return false;
}

bool CDeviceConnection::Login()
{
    if (model_.LoginUserName.isEmpty()) {
        model_.LoginVerified = 0;
        ShowMessageBox(resultText(LoadLangString(kStringLabelLoginBox), kLoginRefused), MB_OK | MB_ICONERROR);
        return false;
    }
    std::uint16_t status = 0;
    const QByteArray user = model_.LoginUserName;
    const QByteArray password = model_.LoginPassword;
    const auto verify = [&](int handle) {
        return VORNA_VerifyUserNamePwd(handle, VORNA_LOGIN_MODE_SCRAMBLED, static_cast<std::uint8_t>(user.size()),
                                       static_cast<std::uint8_t>(password.size()), user.constData(),
                                       password.constData(), &status);
    };
    int result = 0;
    {
        WaitCursor wait; // the log line still belongs to the wait; boxes come after it
        result = runCall_ ? runCall_(verify) : verify(handle_);
        Report(kStringLabelLoginLog, result, false);
    }
    if (result == VORNA_RESULT_CANCELLED)
        return false; // the user stopped it: no refusal, the stored login stays
    if (result != 0) {
        model_.LoginVerified = 0;
        ShowMessageBox(resultText(LoadLangString(kStringLabelLoginBox), result), MB_OK | MB_ICONERROR);
        return false;
    }
    model_.LoginVerified = 1;
    return true;
}

bool CDeviceConnection::OnBnClickedButtonToolConnectdevice()
{
    foundIndex_ = -1;
    if (handle_ != 0)
        return true;
    lastAddress_ = AddressText();
    if (options_.rememberAddress)
        options_.rememberAddress(lastAddress_);
    const QString text = lastAddress_.trimmed();
    for (int i = 0; i < found_.size() && foundIndex_ < 0; ++i)
        if (found_[i].display == text)
            foundIndex_ = i;

    QByteArray ip;
    if (foundIndex_ < 0) {
        if (!CheckIPAddress()) {
            ReportText(LoadLangString(kStringBadDeviceAddress), true);
            return false;
        }
        ip = text.toLatin1();
    } else {
        const FoundDeviceRecord& device = found_[foundIndex_];
        ip = device.ip;
        Report(kStringLabelTableAdd, KESU_TableAdd(ip.constData(), device.mac.data()), false);
    }

    const int init = Request(
        kStringLabelInit, [] { return VORNA_Init(); }, true);
    if (init != 0)
        return false;
    if (!model_.LoginVerified)
        AskLogin();

    const QByteArray connectIp = ip.left(kConnectAddressBytes);
    std::int32_t handle = 0;
    const int connected = Request(
        kStringLabelConnect,
        [&] {
            return VORNA_Connect(connectIp.constData(), options_.port,
                                 static_cast<std::uint32_t>(options_.connectTimeout.count()), &handle);
        },
        true);
    if (connected != 0)
        return false;
    handle_ = handle;
    connectedAddress_ = connectIp;
    return Login();
}

void CDeviceConnection::Disconnect()
{
    if (handle_ != 0)
        Report(kStringLabelDisconnect, VORNA_Disconnect(handle_), true);
    handle_ = 0;
}

void CDeviceConnection::CloseConnection()
{
    Disconnect();
    if (foundIndex_ >= 0 && foundIndex_ < found_.size())
        Report(kStringLabelTableDel, KESU_TableDel(found_[foundIndex_].ip.constData()), true);
    VORNA_Exit();
}

void CDeviceConnection::OnCloseTool()
{
    Disconnect();
    VORNA_Exit();
}

bool CDeviceConnection::OnSelchangeDeviceAddress()
{
    if (!box_ || box_->currentText() == lastAddress_)
        return false;
    ForgetLogin();
    return true;
}

void CDeviceConnection::FillDeviceAddressBox(const DeviceHistory& history)
{
    found_.clear();
    if (!box_)
        return;
    box_->clear();
    for (const FoundDeviceRecord& device : history.devices) {
        if (device.display.isEmpty())
            break;
        box_->addItem(device.display, static_cast<int>(found_.size()));
        found_.append(device);
    }
    box_->setCurrentIndex(history.defaultIndex < box_->count() ? history.defaultIndex : -1);
}

void CDeviceConnection::ChooseInterface(const NetworkInterfaceRecord* records, std::uint16_t count, int& index)
{
    const QString profile = GetProfilePath();
    const QString section = QString::fromLatin1(kProfileGeneral);
    const QString key = QString::fromLatin1(kProfileNetworkInterface);
    QString saved = GetPrivateProfileString(section, key, QString(), profile).left(kProfileValueMax);
    bool matched = false;
    if (!saved.isEmpty()) {
        for (std::uint16_t i = 0; i < count; ++i) {
            if (QString::fromLatin1(KesuFieldText(records[i].address)).startsWith(saved)) {
                index = records[i].index;
                matched = true;
            }
        }
    }
    if (!matched) {
        index = records[0].index;
        saved = QString::fromLatin1(KesuFieldText(records[0].address));
    }
    WritePrivateProfileString(section, key, saved, profile);
}

// Steps 3 to 9 of the search; false after a reported failure.
bool CDeviceConnection::RunSearch(QList<FoundDeviceRecord>& found)
{
    auto fail = [this](const char* step, int code) {
        ReportText(resultText(QString::fromLatin1(step), code), true);
        return false;
    };
    if (const int result = KESUE_Init(); result != 0)
        return fail(kInitFailed, result);
    std::uint16_t count = 0;
    if (const int result = KESU_ListIF(&count); result != 0 || count == 0) {
        KESUE_Exit();
        return fail(kListFailed, result != 0 ? result : kKesuFailed);
    }
    std::vector<NetworkInterfaceRecord> interfaces(count);
    if (const int result = KESU_GetIFInfo(count, interfaces.data()); result != 0) {
        KESUE_Exit();
        return fail(kInfoFailed, result);
    }
    int index = 0;
    ChooseInterface(interfaces.data(), count, index);
    if (const int result = KESU_SelectIF(count, interfaces.data(), index); result != 0) {
        KESUE_Exit();
        return fail(kSelectFailed, result);
    }
    std::vector<SearchResultRecord> results(kKesuMaxResults);
    std::uint16_t answers = 0;
    if (const int result = KESU_AutoSearch(kSearchBufferSize, kSearchRequests,
                                           static_cast<int>(options_.searchWait.count()), &answers, results.data());
        result != 0) {
        KESUE_Exit();
        return fail(kSearchFailed, result);
    }
    for (int i = 0; i < std::min<int>(answers, kKesuMaxResults); ++i) {
        const SearchResultRecord& result = results[static_cast<size_t>(i)];
        const bool second = result.useSecond != 0;
        const QByteArray ip = second ? KesuFieldText(result.secondAddress) : KesuFieldText(result.firstAddress);
        const std::uint8_t* mac = second ? result.secondMac : result.firstMac;
        std::array<std::uint8_t, 6> bytes{};
        std::copy_n(mac, bytes.size(), bytes.begin());
        found.append(FoundDeviceRecord::Make(ip, bytes));
    }
    return true;
}

void CDeviceConnection::SearchDevices()
{
    if (!box_)
        return;
    const QString typed = box_->currentText();
    WaitCursor wait;
    QList<FoundDeviceRecord> found;
    if (!RunSearch(found))
        return; // the box and the device history stay as they were
    found_ = found;
    box_->clear();
    for (int i = 0; i < found_.size(); ++i)
        box_->addItem(found_[i].display, i);
    KESUE_Exit();
    ReportText(LoadLangString(kStringSearchDone), false);
    if (box_->count() > 0)
        box_->setCurrentIndex(0);
    else
        box_->setEditText(typed);
    QStringList entries;
    for (const FoundDeviceRecord& device : found_)
        entries.append(device.display);
    SaveDeviceHistory(entries, box_->currentIndex());
}
