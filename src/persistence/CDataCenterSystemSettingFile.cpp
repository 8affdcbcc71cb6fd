// The controller-wide settings under "Setting" of slot 0: time zone and time servers, the FTP
// server switch and its accounts, the toggle and rotary switches and the log switches.
#include "CDataCenter.h"

#include "DeviceConfigurationNames.h"
#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "Scramble.h"
#include "SystemSettingNames.h"
#include "TextConversion.h"

using namespace DeviceFile;

namespace {

constexpr int kTimeZoneMax = 62;
constexpr int kFtpAccountFlag = 1;
constexpr int kFtpServerFlag = 0;
constexpr qint32 kWrittenDebugOn = 2; // the file's form of a set debug flag
const QString kWrittenDebugOff = QStringLiteral("0");

IXMLElement* settingOf(IXMLElement* slotElement)
{
    return slotElement ? slotElement->FindChild(Name::Setting) : nullptr;
}

QString readTimeServerText(IXMLElement* item)
{
    QString text;
    return ReadValue(item, Name::TimeServer, text) ? text : item->GetName();
}

void saveFtpAccountItem(const FtpAccountRecord& account, IXMLElement* item)
{
    AddValue(item, Name::Username, account.UserName);
    AddValue(item, Name::Password, ScrambleToHex(account.Password));
    if (!account.FirstText.isEmpty())
        AddValue(item, Name::Comment, account.FirstText);
}

FtpAccountRecord readFtpAccountItem(IXMLElement* item)
{
    FtpAccountRecord account;
    account.UserName = TextOr(item, Name::Username, QString());
    account.Password = UnscrambleFromHex(TextOr(item, Name::Password, QString()));
    account.FirstText = TextOr(item, Name::Comment, QString());
    return account;
}

void saveServiceLogEntry(const LogEnableEntry& entry, IXMLElement* element)
{
    element->SetAttribute(Name::LogServiceId, IntToWString(entry.serviceID));
    element->SetAttribute(Name::LogDebugFlag, entry.debugFlag ? IntToWString(kWrittenDebugOn) : kWrittenDebugOff);
    element->SetAttribute(Name::LogLevel, IntToWString(entry.level));
}

void saveSystemLogEntry(const LogEnableEntry& entry, IXMLElement* element)
{
    saveServiceLogEntry(entry, element);
    element->SetAttribute(Name::LogStorage, IntToWString(entry.storage));
}

// An attribute that is present replaces the field; an absent one leaves it.
void readLogAttribute(IXMLElement* element, const QString& name, qint32& field)
{
    if (IXMLAttribute* attribute = element->GetAttribute(name))
        field = ParseLeadingInt(attribute->GetValue());
}

void readServiceLogEntry(LogEnableEntry& entry, IXMLElement* element)
{
    if (!element)
        return;
    readLogAttribute(element, Name::LogServiceId, entry.serviceID);
    if (IXMLAttribute* debug = element->GetAttribute(Name::LogDebugFlag))
        entry.debugFlag = ParseLeadingInt(debug->GetValue()) == kWrittenDebugOn ? 1 : 0;
    readLogAttribute(element, Name::LogLevel, entry.level);
}

void readSystemLogEntry(LogEnableEntry& entry, IXMLElement* element)
{
    if (!element)
        return;
    readServiceLogEntry(entry, element);
    readLogAttribute(element, Name::LogStorage, entry.storage);
}

} // namespace

void CDataCenter::SaveEnableElement(int value, IXMLElement* parent)
{
    if (!parent)
        return;
    AddSigned(parent, Name::Enable, value);
}

void CDataCenter::LoadEnableElement(int& out, IXMLElement* element)
{
    out = SignedOr(element, Name::Enable, 0, 1, 0);
}

void CDataCenter::SaveTimeSetting(IXMLElement* slotElement) const
{
    IXMLElement* setting = settingOf(slotElement);
    if (!setting)
        return;
    IXMLElement* group = setting->AddChild(Name::TimeSetting);
    AddSigned(group, Name::TimeZone, Time.TimeZone);
    IXMLElement* servers = group->AddChild(Name::TimeServer);
    AddSigned(servers, Name::SyncInterval, Time.SyncInterval);
    AddSigned(servers, Name::Quantity, Time.TimeServers.size());
    for (qsizetype i = 0; i < Time.TimeServers.size(); ++i)
        AddValue(servers->AddChild(ItemName(static_cast<int>(i))), Name::TimeServer, Time.TimeServers[i]);
}

int CDataCenter::ParseTimeSetting(IXMLElement* element)
{
    Time.TimeZone = SignedOr(element, Name::TimeZone, 0, kTimeZoneMax, TIME_SETTINGS::kDefaultTimeZone);
    IXMLElement* servers = element ? element->FindChild(Name::TimeServer) : nullptr;
    const SettingTriple& limits = Time.SyncIntervalValue;
    Time.SyncInterval = SignedOr(servers, Name::SyncInterval, limits.minimum, limits.maximum, limits.defaultValue);
    for (IXMLElement* item : ChildrenFrom(servers, Name::FirstItem))
        Time.TimeServers.append(readTimeServerText(item));
    return 0;
}

void CDataCenter::SaveFtpServer(IXMLElement* setting, bool withServerElement) const
{
    if (!setting)
        return;
    if (withServerElement)
        SaveEnableElement(FtpServer.Enable, setting->AddChild(Name::FtpServer));
    IXMLElement* accounts = setting->AddChild(Name::FtpAccount);
    AddSigned(accounts, Name::Quantity, FtpServer.Accounts.size());
    for (qsizetype i = 0; i < FtpServer.Accounts.size(); ++i)
        saveFtpAccountItem(FtpServer.Accounts[i], accounts->AddChild(ItemName(static_cast<int>(i))));
}

int CDataCenter::ParseFtpAccounts(IXMLElement* element, int flag)
{
    if (flag == kFtpServerFlag) {
        FtpServer.Enable = SignedOr(element, Name::Enable, 0, 0, 0);
    } else if (flag == kFtpAccountFlag) {
        for (IXMLElement* item : ChildrenFrom(element, Name::FirstItem))
            FtpServer.Accounts.append(readFtpAccountItem(item));
    }
    return 0;
}

void CDataCenter::SaveToggleSwitchControl(IXMLElement* slotElement) const
{
    if (IXMLElement* setting = settingOf(slotElement))
        SaveEnableElement(ToggleSwitchEnable, setting->AddChild(Name::ToggleSwitchControl));
}

void CDataCenter::SaveRotarySwitchControl(IXMLElement* slotElement) const
{
    if (IXMLElement* setting = settingOf(slotElement))
        SaveEnableElement(RotarySwitchEnable, setting->AddChild(Name::RotarySwitchControl));
}

void CDataCenter::SaveSystemServiceFlags(IXMLElement* slotElement) const
{
    IXMLElement* setting = settingOf(slotElement);
    if (!setting)
        return;
    const auto& entries = LogEnable.Entries;
    IXMLElement* group = setting->AddChild(Name::SystemLog);
    saveSystemLogEntry(entries[LogEnableTable::kSystemLog], group->AddChild(Name::SystemLogEntry));
    IXMLElement* services = group->AddChild(Name::ServiceLogs);
    for (size_t i = 0; i < Name::ServiceLogEntries.size(); ++i)
        saveServiceLogEntry(entries[i + 1], services->AddChild(Name::ServiceLogEntries[i]));
    saveServiceLogEntry(entries[LogEnableTable::kIECEngine], group->AddChild(Name::IECEngine));
}

int CDataCenter::LoadSystemServiceFlags(IXMLElement* element)
{
    if (!element)
        return 0;
    auto& entries = LogEnable.Entries;
    readSystemLogEntry(entries[LogEnableTable::kSystemLog], element->FindChild(Name::SystemLogEntry));
    if (IXMLElement* services = element->FindChild(Name::ServiceLogs)) {
        for (size_t i = 0; i < Name::ServiceLogEntries.size(); ++i)
            readServiceLogEntry(entries[i + 1], services->FindChild(Name::ServiceLogEntries[i]));
    }
    readServiceLogEntry(entries[LogEnableTable::kIECEngine], element->FindChild(Name::IECEngine));
    return 0;
}

int CDataCenter::ReadTimeSettingElement(IXMLElement* element, int)
{
    ParseTimeSetting(element);
    return 0;
}

int CDataCenter::ReadFtpAccountElement(IXMLElement* element, int)
{
    ParseFtpAccounts(element, kFtpAccountFlag);
    return 0;
}

int CDataCenter::ReadFtpServerElement(IXMLElement* element, int)
{
    ParseFtpAccounts(element, kFtpServerFlag);
    return 0;
}

int CDataCenter::ReadToggleSwitchElement(IXMLElement* element, int)
{
    LoadEnableElement(ToggleSwitchEnable, element);
    return 0;
}

int CDataCenter::ReadRotarySwitchElement(IXMLElement* element, int)
{
    LoadEnableElement(RotarySwitchEnable, element);
    return 0;
}

int CDataCenter::ReadSystemLogElement(IXMLElement* element, int)
{
    LoadSystemServiceFlags(element);
    return 0;
}
