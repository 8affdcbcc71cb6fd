#include "ValidationLines.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

} // namespace

void ValidationLines::Add(const QString& line)
{
    if (line.isEmpty())
        return;
    text_ += line;
    if (!line.endsWith(QLatin1String(kLineEnd)))
        text_ += QLatin1String(kLineEnd);
}

bool ValidationLines::ShowIfAny(unsigned flags) const
{
    if (text_.isEmpty())
        return false;
    ShowMessageBox(text_, flags);
    return true;
}
