#include "ChannelRefusals.h"

#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"

namespace {

const QString kRefusedChannelLine = QStringLiteral("Ch-%d\n");
const QString kRefusedSensorsLine = QStringLiteral("Sensor index from %d to %d\n");

} // namespace

void ChannelRefusals::AddChannel(int channel)
{
    lines_ += FormatText(kRefusedChannelLine, {channel});
}

void ChannelRefusals::AddSensors(int first, int last)
{
    lines_ += FormatText(kRefusedSensorsLine, {first, last});
}

QString ChannelRefusals::Text() const
{
    return IsEmpty() ? QString() : lines_ + LoadLangString(kStringRefused);
}

bool ChannelRefusals::ShowIfAny() const
{
    if (IsEmpty())
        return false;
    ShowMessageBox(Text(), MB_OK | MB_ICONWARNING);
    return true;
}
