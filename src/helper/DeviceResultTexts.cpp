#include "DeviceResultTexts.h"

#include "FileDialogService.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

constexpr ResultCodeText kReturnCodes[] = {
    {0x0000, 310},  {0x0001, 311},  {0x8000, 312},  {0x8001, 313},  {0x8002, 314}, {0x8003, 315}, {0x8004, 316},
    {0x8005, 317},  {0x8006, 318},  {0x8007, 773},  {0x8008, 721},  {0x8009, 722}, {0x800A, 723}, {0x800B, 724},
    {0x8010, 725},  {0x8011, 726},  {0x8012, 727},  {0x8013, 728},  {0x8014, 729}, {0x8020, 730}, {0x8021, 731},
    {0x07D1, 319},  {0x07D2, 320},  {0x07D3, 321},  {0x07D4, 322},  {0x07D5, 323}, {0x07D6, 324}, {0x07D7, 325},
    {0x0FA2, 326},  {0x1388, 525},  {0x1389, 526},  {0x138A, 527},  {0x138B, 528}, {0x0FA1, 529}, {0x8060, 9820},
    {0x8061, 9821}, {0x8062, 9822}, {0x8063, 9823}, {0x8064, 9824}, {0x8065, 9825},
};

constexpr ResultCodeText kDeviceErrors[] = {
    {33, 830}, {34, 831},  {35, 832}, {36, 833},  {37, 834},  {38, 835},  {39, 836},  {40, 837}, {41, 855},
    {42, 856}, {101, 838}, {0, 838},  {102, 839}, {103, 840}, {104, 841}, {105, 842}, {1, 842},  {106, 843},
};

constexpr QStringView kReturnCodeErrorFormat = u"%s return %s.Error code is %d.";
constexpr QStringView kUnknownReturnCodeErrorFormat = u"%s return unknown value=%d.Error code is %d.";
constexpr QStringView kReturnCodeFormat = u"%s return %s";
constexpr QStringView kUnknownReturnCodeFormat = u"%s return unknown error code=%d";
constexpr QStringView kDeviceErrorFormat = u"%s";
constexpr QStringView kUnknownDeviceErrorFormat = u"return unknown error code=%d";

constexpr QStringView kDeviceInfoFilter = u"Device Info Files (*.xml)";

// The text of the first entry whose code equals the value, compared as 32-bit numbers.
std::optional<QString> lookUp(std::span<const ResultCodeText> table, int code)
{
    for (const ResultCodeText& entry : table)
        if (static_cast<quint32>(code) == entry.code)
            return LoadLangString(entry.stringId);
    return std::nullopt;
}

// The chooser completes a name without extension and asks before replacing that file.
std::optional<QString> chooseTarget()
{
    const QString chosen = ChooseSaveFile(QString(), QString(), kDeviceInfoFilter.toString());
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

// Writes the whole source over the target; an existing target stays as it was when anything fails.
bool copyReplacing(const QString& sourcePath, const QString& targetPath)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        TraceLog("%s:%d cannot read %s: %s", __FILE__, __LINE__, qUtf8Printable(sourcePath),
                 qUtf8Printable(source.errorString()));
        return false;
    }
    const QByteArray content = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        TraceLog("%s:%d cannot read %s: %s", __FILE__, __LINE__, qUtf8Printable(sourcePath),
                 qUtf8Printable(source.errorString()));
        return false;
    }
    QSaveFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() || !target.commit()) {
        TraceLog("%s:%d cannot write %s: %s", __FILE__, __LINE__, qUtf8Printable(targetPath),
                 qUtf8Printable(target.errorString()));
        return false;
    }
    return true;
}

} // namespace

std::span<const ResultCodeText> ReturnCodeTable()
{
    return kReturnCodes;
}

std::span<const ResultCodeText> DeviceErrorTable()
{
    return kDeviceErrors;
}

void GetReturnCodeErrorText(QString& out, int code, const QString& functionName, int errorCode)
{
    if (const std::optional<QString> text = lookUp(kReturnCodes, code))
        out = FormatText(kReturnCodeErrorFormat, {functionName, *text, errorCode});
    else
        out = FormatText(kUnknownReturnCodeErrorFormat, {functionName, code, errorCode});
}

void GetReturnCodeText(QString& out, int code, const QString& functionName)
{
    if (const std::optional<QString> text = lookUp(kReturnCodes, code))
        out = FormatText(kReturnCodeFormat, {functionName, *text});
    else
        out = FormatText(kUnknownReturnCodeFormat, {functionName, code});
}

void GetDeviceErrorText(QString& out, int code)
{
    if (const std::optional<QString> text = lookUp(kDeviceErrors, code))
        out = FormatText(kDeviceErrorFormat, {*text});
    else
        out = FormatText(kUnknownDeviceErrorFormat, {code});
}

const std::array<const char*, kDeviceResultCodeCount> DeviceResultTexts = {
    "Done.",
    "Invalid firmware file.",
    "Errod when upgrading CPU firmware.",
    "Error when upgrading module firmware.",
    "Invalid parameter for firmware upgrade.",
    "Not enough memory.",
    "Create thread error.",
    "Config net error.",
    "Config IO error.",
    "Config tag error.",
    "Config service error.",
    "Invalid configuration content.",
    "Start/Stop service error.",
    "Start/Stop tag framework error.",
    "Reset default error.",
    "Config function is not supported.",
};

QString GetDeviceResultText(int code)
{
    const int index = code - kFirstDeviceResultCode;
    if (index < 0 || index >= kDeviceResultCodeCount)
        return {};
    return QString::fromUtf8(DeviceResultTexts[static_cast<size_t>(index)]);
}

void TransferStatusCallback(quint8* status, int length)
{
    if (status == nullptr || length < kTransferStatusLength) {
        TraceLog("%s:%d transfer status ignored: %d bytes", __FILE__, __LINE__, status == nullptr ? 0 : length);
        return;
    }
    const quint8 state = status[0];
    const quint8 percent = status[1];
    SendProgressMessage(TransferProgressValue(state, percent));
    if (state != kTransferStateAlreadyComplete)
        return;
    const int answer =
        ShowMessageBox(QString::fromLatin1(kOverwriteSameFileQuestion), QString(), MB_OKCANCEL | MB_TOPMOST);
    status[0] = answer == IDOK ? kTransferAnswerOverwrite : kTransferAnswerKeep;
}

bool SaveDeviceInfoFileAs(const QString& sourcePath)
{
    const std::optional<QString> target = chooseTarget();
    return target && copyReplacing(sourcePath, *target);
}
