#pragma once
// Channel-name abbreviations of a channel section of DefaultSettings.ini, used by the channel
// element groups to name their resources. Each lookup empties the list and fills it anew.

#include <QString>
#include <QStringList>

void GetAbbreviationList(const QString& section, QStringList& out);
// "abbreviationIEC_4100" for the 4100 series, else "abbreviationIEC".
void GetIecAbbreviationList(const QString& section, bool is4100, QStringList& out);
// "abbreviationC_4100" for the 4100 series, else "abbreviationC".
void GetCAbbreviationList(const QString& section, bool is4100, QStringList& out);
