#include "PortTrunkHelp.h"

#include "ConfigFiles.h"
#include "IniFile.h"

#include <QDir>

namespace PortTrunkHelp {

namespace {
const QString kSection = QStringLiteral("Help");
const QString kKey = QStringLiteral("Link "); // the key is written with its blank
const QString kCompiledHelpFormat = QStringLiteral("ms-its:%1::%2");
} // namespace

Targets Read()
{
    const QString settings = GetDefaultSettingsPath();
    if (settings.isEmpty())
        return {};
    const QString value = GetPrivateProfileString(kSection, kKey, kBuiltInAddress, settings).trimmed();
    if (value.isEmpty() || value == kBuiltInAddress)
        return {value, value, kBuiltInAddress};
    const QString file = QDir::toNativeSeparators(QDir(ProgramDirectory()).filePath(value));
    return {kCompiledHelpFormat.arg(file, kTrunkPage), kCompiledHelpFormat.arg(file, kTwoWirePage), kBuiltInAddress};
}

} // namespace PortTrunkHelp
