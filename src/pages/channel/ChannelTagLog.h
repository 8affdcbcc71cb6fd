#pragma once
// The log lines of the tags a channel change removed and created: the removed first, each
// named, then the created.

#include "CDataCenter.h"

#include <vector>

class CPropertyUIDialog;

void LogChannelTagChanges(const CPropertyUIDialog& page, const std::vector<CDataCenter::TagChange>& removed,
                          const std::vector<CDataCenter::TagChange>& created);
