#pragma once
// What the tags page and the tag map show of a tag beside its name: the direction text, the name
// and resource id of the item it stands for, and the rules a new tag name must pass.

#include "TagDefinition.h"
#include "TagRecord.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class CDataCenter;
class ValidationReport;
class QWidget;

// Strings of the tag pages.
inline constexpr unsigned kStringTagInUseNoRename = 387;
inline constexpr unsigned kStringTagNameCharacters = 573;
inline constexpr unsigned kStringTagUsedMark = 604;
inline constexpr unsigned kStringTagCopied = 668;

// DefaultSettings.ini [TagIOType] by the project's IEC flag: the caption of the direction field
// and the two direction texts (a tag that is read first, a written one second).
struct TagDirectionTexts {
    QString caption;
    QStringList texts;

    static TagDirectionTexts Load(bool iecMode);
    QString TextOf(const TagRecord& tag) const { return texts.value(tag.Direction != 0 ? 0 : 1); }
};

// The definition a tag was made from, found by its slot, channel type and channel. Collected
// definitions are kept per channel, so a whole table is named without collecting for each tag.
class TagItemNamer {
public:
    struct Item {
        QString name;
        QString resourceText;
    };

    explicit TagItemNamer(const CDataCenter& model);
    Item ItemOf(const TagRecord& tag);
    // A service's automatic tags are named by the service item (the tag map's rule).
    void NameServiceTagsByItem(bool on) { serviceTagsByItem_ = on; }

private:
    int DefinitionIndex(const TagRecord& tag) const;
    const std::vector<TagDefinition>& DefinitionsOf(const TagRecord& tag);

    const CDataCenter& model_;
    QString tavoServiceAddress_;
    QString tavoUpdateTriggerAddress_;
    bool serviceTagsByItem_ = false;
    QHash<quint64, std::vector<TagDefinition>> collected_; // by slot, channel type and channel
};

// The texts a tag name may hold.
bool HasOnlyTagNameCharacters(const QString& name);

// Checks the new name of a tag into the report: empty (647 with the label), a tag services use
// when refuseUsedTag (387), another tag's name without regard to case (648 with the label; a
// change of case alone passes), characters outside the rule (573). True when nothing was added.
bool CheckTagRename(const CDataCenter& model, const TagRecord& tag, const QString& newName, const QString& label,
                    bool refuseUsedTag, ValidationReport& report, QWidget* nameEdit);

// A double click on a tag name: the name goes to the clipboard and a log line tells so.
class CPropertyUIDialog;
void CopyTagNameAndLog(const CPropertyUIDialog& page, const QString& name);
