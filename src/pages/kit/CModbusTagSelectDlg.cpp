#include "CModbusTagSelectDlg.h"

#include "CDataCenter.h"
#include "CTagSelectDlgIds.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "TextConversion.h"

#include <QComboBox>

#include <algorithm>

namespace {

constexpr int kLastCoilKind = 2;
const QString kTagSection = QStringLiteral("Tag");

struct FilterKeys {
    const char* cNames;
    const char* iecNames;
    const char* typeIndices;
};

constexpr FilterKeys kCoilKeys = {"ModbusMasterCoilCFilterType", "ModbusMasterCoilIECFilterType",
                                  "ModbusMasterCoilFilterTypeID"};
constexpr FilterKeys kRegisterKeys = {"ModbusMasterRegistersCFilterType", "ModbusMasterRegistersIECFilterType",
                                      "ModbusMasterRegistersFilterTypeID"};

} // namespace

CModbusTagSelectDlg::CModbusTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen,
                                         std::vector<int> allowedTypes, int serviceId, int objectKind, int typeIndex,
                                         QWidget* parent)
    : CTagChooserDlg(kTemplateModbusTagSelect, model, log, stayOpen, IDOK, parent),
      allowedTypes_(std::move(allowedTypes)), serviceId_(serviceId), objectKind_(objectKind), typeIndex_(typeIndex)
{}

bool CModbusTagSelectDlg::OnInitDialog()
{
    LoadDataTypeNames();
    LoadFilterLists();
    SetUpTagList();
    BuildOffer();
    FillDataTypes();
    onChanged(kComboTagFilterKind, [this] { ShowTagsOfChosenType(); });
    return true;
}

void CModbusTagSelectDlg::LoadFilterLists()
{
    const QString path = GetDefaultSettingsPath();
    if (path.isEmpty())
        return;
    const bool iec = model_.IsIECMode() != 0;
    const auto read = [&path](const char* key) {
        return GetPrivateProfileString(kTagSection, QLatin1String(key), QString(), path);
    };
    const auto load = [&](const FilterKeys& keys, FilterLists& lists) {
        SplitString(iec ? lists.iecNames : lists.cNames, read(iec ? keys.iecNames : keys.cNames));
        SplitStringToInts(lists.typeIndices, read(keys.typeIndices));
    };
    load(kCoilKeys, coil_);
    load(kRegisterKeys, registers_);
}

void CModbusTagSelectDlg::BuildOffer()
{
    std::vector<TagRecord> tags;
    model_.GetTagList(tags, 1, 0);
    std::copy_if(tags.begin(), tags.end(), std::back_inserter(offer_), [this](const TagRecord& tag) {
        return std::find(allowedTypes_.begin(), allowedTypes_.end(), tag.ChannelTypeId) != allowedTypes_.end();
    });
}

bool CModbusTagSelectDlg::IsCoilKind() const
{
    return objectKind_ <= kLastCoilKind;
}

void CModbusTagSelectDlg::FillDataTypes()
{
    auto* combo = item<QComboBox>(kComboTagFilterKind);
    if (!combo)
        return;
    const FilterLists& lists = IsCoilKind() ? coil_ : registers_;
    const QStringList& names = model_.IsIECMode() ? lists.iecNames : lists.cNames;
    {
        const QSignalBlocker quiet(combo);
        combo->clear();
        for (qsizetype i = 0; i < names.size(); ++i)
            combo->addItem(names[i], i < lists.typeIndices.size() ? lists.typeIndices[i] : kNoTypeIndex);
        combo->setCurrentIndex(names.isEmpty() ? -1 : 0);
        // The last entry of the preselected type wins.
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemData(i).toInt() == typeIndex_)
                combo->setCurrentIndex(i);
        }
    }
    ShowTagsOfChosenType();
}

void CModbusTagSelectDlg::ShowTagsOfChosenType()
{
    const auto* combo = item<QComboBox>(kComboTagFilterKind);
    if (!combo || combo->currentIndex() < 0)
        return ShowTags({});
    ShowTags(TagsOfTypeIndex(offer_, combo->currentData().toInt()));
}
