#include "AccountRules.h"

#include "DeviceDialogIds.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "Validation.h"

namespace {

constexpr const char* kUserNameLabel = "User Name";
constexpr const char* kPasswordLabel = "Password";
constexpr char16_t kInvalidFormat[] = u"Invalid \"%s\".\n";
constexpr char16_t kUserNameTooLongFormat[] = u"Invalid \"%s\".\n\"%s\" only support maximum %d characters";
constexpr char16_t kPasswordTooLongFormat[] = u"Invalid \"%s\".\n\"%s\" only support maximum %d character";
constexpr const char* kUserNamePatternHead = "^([A-Za-z]{1})\\w";
constexpr const char* kPasswordPatternHead = "^\\w";
constexpr const char* kDeviceAddressPattern =
    "^(?:(?:1\\d{2}|2[0-4]\\d|25[0-5]|\\d?\\d)\\.){3}(?:1\\d{2}|2[0-4]\\d|25[0-5]|\\d?\\d)$";

QString entry(const QString& text)
{
    return text + QStringLiteral("\n");
}

QString langEntry(unsigned stringId, const QString& first, const QString& second)
{
    return entry(FormatLangString(stringId, first, second));
}

QString userNameComplaint(const QString& userName)
{
    const QString label = QString::fromLatin1(kUserNameLabel);
    if (userName.isEmpty())
        return entry(FormatText(kInvalidFormat, {label}));
    if (userName.size() > kUserNameMaxLength)
        return entry(FormatText(kUserNameTooLongFormat, {userName, label, kUserNameMaxLength}));
    const QString pattern =
        QString::fromLatin1(kUserNamePatternHead) + QStringLiteral("{0,%1}$").arg(kUserNameMaxLength - 1);
    if (!RegexMatch(userName, pattern))
        return langEntry(kStringPatternError, userName, label);
    return {};
}

QString passwordComplaints(const QString& password, const std::optional<QString>& confirmation)
{
    const QString label = QString::fromLatin1(kPasswordLabel);
    if (password.isEmpty())
        return entry(FormatText(kInvalidFormat, {label}));
    QString complaints;
    if (confirmation && *confirmation != password)
        complaints += entry(LoadLangString(kStringPasswordsDiffer));
    if (password.size() > kPasswordMaxLength)
        return complaints + entry(FormatText(kPasswordTooLongFormat, {label, label, kPasswordMaxLength}));
    const QString pattern =
        QString::fromLatin1(kPasswordPatternHead) + QStringLiteral("{1,%1}$").arg(kPasswordMaxLength - 1);
    if (!RegexMatch(password, pattern))
        complaints += langEntry(kStringPasswordPattern, label, label);
    return complaints;
}

} // namespace

QString CollectAccountComplaints(const QString& userName, const QString& password,
                                 const std::optional<QString>& confirmation)
{
    return userNameComplaint(userName) + passwordComplaints(password, confirmation);
}

bool CheckUserNamePassword(const QString& userName, const QString& password, const std::optional<QString>& confirmation)
{
    const QString complaints = CollectAccountComplaints(userName, password, confirmation);
    if (complaints.isEmpty())
        return true;
    ShowMessageBox(complaints, MB_OK | MB_ICONWARNING);
    return false;
}

bool IsValidDeviceAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && RegexMatch(trimmed, QString::fromLatin1(kDeviceAddressPattern));
}
