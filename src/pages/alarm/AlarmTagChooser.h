#pragma once
// Opens the tag chooser for an alarm page or tab and gives back the tags chosen in it (none when
// cancelled). Several tags may be chosen when stayOpen is set.

#include "TagRecord.h"

#include <vector>

class CPropertyUIDialog;
class QWidget;

std::vector<TagRecord> ChooseTagsFor(CPropertyUIDialog& page, QWidget* parent, bool stayOpen);
