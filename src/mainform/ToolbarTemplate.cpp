#include "ToolbarTemplate.h"

#include "LanguagePack.h"
#include "TemplateSource.h"
#include "TraceLog.h"

#include <algorithm>

namespace {

constexpr int kMaxId = 65535;
constexpr const char* kToolbarKeyword = "toolbar";
constexpr const char* kButtonKeyword = "button";
constexpr const char* kSeparatorKeyword = "separator";

QString packPath(unsigned toolbarId, const char* suffix)
{
    return LanguagePack::ResourcePath(QStringLiteral("lang/toolbars/%1%2").arg(toolbarId).arg(QLatin1String(suffix)));
}

} // namespace

int ToolbarTemplate::ButtonCount() const
{
    return static_cast<int>(std::count_if(commands.begin(), commands.end(), [](int c) { return c != kSeparator; }));
}

bool ParseToolbarTemplate(const QString& text, const QString& sourceName, ToolbarTemplate& out, QString& error)
{
    TemplateSource source(sourceName);
    QList<TemplateLine> lines;
    ToolbarTemplate parsed;
    const auto fail = [&] {
        error = source.error();
        return false;
    };
    if (!source.Split(text, lines))
        return fail();
    if (lines.isEmpty() || lines.first().keyword() != QLatin1String(kToolbarKeyword) ||
        lines.first().words.size() != 2) {
        source.Fail(QStringLiteral("the first line must be 'toolbar <id>'"));
        return fail();
    }
    const auto id = source.Number(lines.first(), 1, "the toolbar id", 1, kMaxId);
    if (!id)
        return fail();
    parsed.id = static_cast<unsigned>(*id);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const TemplateLine& line = lines[i];
        if (line.keyword() == QLatin1String(kSeparatorKeyword) && line.words.size() == 1) {
            parsed.commands.append(ToolbarTemplate::kSeparator);
        } else if (line.keyword() == QLatin1String(kButtonKeyword) && line.words.size() == 2) {
            const auto command = source.Number(line, 1, "the command id", 1, kMaxId);
            if (!command)
                return fail();
            parsed.commands.append(*command);
        } else {
            source.Fail(line, QStringLiteral("expected 'button <command id>' or 'separator'"));
            return fail();
        }
    }
    out = std::move(parsed);
    return true;
}

QString ToolbarTemplatePath(unsigned toolbarId)
{
    return packPath(toolbarId, ".toolbar");
}

QString ToolbarImagePath(unsigned toolbarId)
{
    return packPath(toolbarId, ".png");
}

std::optional<ToolbarTemplate> LoadToolbarTemplate(unsigned toolbarId, QString* error)
{
    return LoadPackTemplate<ToolbarTemplate>("toolbar", toolbarId, ToolbarTemplatePath(toolbarId), ParseToolbarTemplate,
                                             error);
}

QImage ToolbarTile(const QImage& strip, int index)
{
    const int side = strip.height();
    if (strip.isNull() || index < 0 || (index + 1) * side > strip.width()) {
        TraceLog("%s:%d the toolbar image has no tile %d", __FILE__, __LINE__, index);
        return {};
    }
    return strip.copy(index * side, 0, side, side);
}
