#include "AbbreviationLists.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

namespace {

void readAbbreviations(const QString& section, QLatin1String key, QStringList& out)
{
    out = ServiceDefaults::ReadList(section, key);
}

} // namespace

void GetAbbreviationList(const QString& section, QStringList& out)
{
    readAbbreviations(section, ServiceDefaultsIni::Key::Abbreviation, out);
}

void GetIecAbbreviationList(const QString& section, bool is4100, QStringList& out)
{
    using namespace ServiceDefaultsIni;
    readAbbreviations(section, is4100 ? Key::AbbreviationIec4100 : Key::AbbreviationIec, out);
}

void GetCAbbreviationList(const QString& section, bool is4100, QStringList& out)
{
    using namespace ServiceDefaultsIni;
    readAbbreviations(section, is4100 ? Key::AbbreviationC4100 : Key::AbbreviationC, out);
}
