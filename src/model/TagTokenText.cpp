#include "TagTokenText.h"

#include "CDataCenter.h"

#include <functional>

namespace {

const QString kOpen = QStringLiteral("{{");
const QString kClose = QStringLiteral("}}");

// Replaces the inner text of each token for which replace gives a text. When a "{{" lies between
// a token's "{{" and its "}}", the token starts at the later one.
QString replaceTokens(const QString& text, const std::function<bool(const QString&, QString&)>& replace)
{
    QString result = text;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = result.indexOf(kOpen, from);
        if (open < 0)
            break;
        const qsizetype close = result.indexOf(kClose, open + kOpen.size());
        if (close < 0)
            break;
        const qsizetype innerStart = result.lastIndexOf(kOpen, close - kOpen.size()) + kOpen.size();
        const QString inner = result.mid(innerStart, close - innerStart);
        QString replacement;
        if (!inner.isEmpty() && replace(inner, replacement))
            result.replace(innerStart, close - innerStart, replacement);
        from = innerStart;
    }
    return result;
}

} // namespace

QString ShowTagTokens(const CDataCenter& model, const QString& stored)
{
    return replaceTokens(stored, [&model](const QString& address, QString& name) {
        TagRecord tag;
        if (!model.FindTagByAddress(address, tag))
            return false;
        name = tag.TagName;
        return true;
    });
}

QString StoreTagTokens(const CDataCenter& model, const QString& shown)
{
    return replaceTokens(shown, [&model](const QString& name, QString& address) {
        TagRecord tag;
        if (!model.LookupTagByName(name, tag))
            return false;
        address = tag.ResID;
        return true;
    });
}

QString MakeTagToken(const QString& name)
{
    return kOpen + name + kClose;
}
