#include "ChannelTagLog.h"

#include "CPropertyUIDialog.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "TextFormat.h"

void LogChannelTagChanges(const CPropertyUIDialog& page, const std::vector<CDataCenter::TagChange>& removed,
                          const std::vector<CDataCenter::TagChange>& created)
{
    for (const CDataCenter::TagChange& tag : removed)
        page.AddLogLine(FormatLangString(kStringTagReleased, tag.Name));
    for (const CDataCenter::TagChange& tag : created)
        page.AddLogLine(FormatLangString(kStringTagCreated, tag.Name));
}
