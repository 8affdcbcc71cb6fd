#include "ChannelRefusals.h"

#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"

namespace {

const QString kRefusedChannelLine = QStringLiteral("Ch-%d\n");
const QString kRefusedSensorsLine = QStringLiteral("Sensor index from %d to %d\n");
const QString kLineEnd = QStringLiteral("\n");

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
    if (IsEmpty())
        return {};
    const QString common = LoadLangString(kStringRefused);
    return order_ == Order::LinesFirst ? lines_ + common : common + kLineEnd + lines_;
}

bool ChannelRefusals::ShowIfAny() const
{
    if (IsEmpty())
        return false;
    ShowMessageBox(Text(), MB_OK | MB_ICONWARNING);
    return true;
}
