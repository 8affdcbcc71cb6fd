#include "CResourceCreateMultiTagDlg.h"

#include "CDataCenter.h"
#include "CResourceInternalVariable.h"
#include "LanguagePack.h"
#include "Validation.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

using namespace MultiTagIds;

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
// A letter, then word characters: up to 31 characters in all.
const QString kNamePattern = QStringLiteral("^[A-Za-z]\\w");
constexpr quint16 kNameMaxLength = 31;
// The start field takes one digit more than the range, so a start past it is reported.
constexpr int kStartDigits = 5;
constexpr int kQuantityDigits = 3;

QString withLineEnd(const QString& line)
{
    return line.endsWith(kLineEnd) ? line : line + kLineEnd;
}

} // namespace

CResourceCreateMultiTagDlg::CResourceCreateMultiTagDlg(CResourceInternalVariable& page)
    : CDialogBase(kTemplate, &page), page_(page)
{}

bool CResourceCreateMultiTagDlg::OnInitDialog()
{
    const std::pair<int, int> limits[] = {{kEditPrefix, kPartLimit},
                                          {kEditSuffix, kPartLimit},
                                          {kEditQuantity, kQuantityDigits},
                                          {kEditStart, kStartDigits}};
    for (const auto& [id, limit] : limits) {
        if (auto* edit = item<QLineEdit>(id))
            edit->setMaxLength(limit);
    }
    setItemText(kEditQuantity, QStringLiteral("1"));
    setItemText(kEditStart, QStringLiteral("0"));
    if (auto* combo = item<QComboBox>(kComboDataType)) {
        combo->addItems(page_.DataTypeNames());
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    }
    OnDataTypeChanged();
    onChanged(kComboDataType, [this] { OnDataTypeChanged(); });
    return true;
}

void CResourceCreateMultiTagDlg::OnDataTypeChanged()
{
    const auto* combo = item<QComboBox>(kComboDataType);
    page_.SelectDataType(combo ? std::max(combo->currentIndex(), 0) : 0);
    setItemText(kEditPrefix, page_.GetDefaultName());
}

QString CResourceCreateMultiTagDlg::InputErrors() const
{
    const QString prefix = itemText(kEditPrefix);
    const QString suffix = itemText(kEditSuffix);
    QString lines;
    QString message;
    const QString name = prefix + suffix;
    if (!name.isEmpty() && !ValidateInputData(QStringLiteral("Name"), name, kNameMaxLength, kNamePattern, message))
        lines += withLineEnd(message);
    if (prefix.size() + suffix.size() > kNamePartsLimit)
        lines += withLineEnd(LoadLangString(kStringNamesTooLong));
    const QString start = itemText(kEditStart);
    if (start.isEmpty())
        lines += withLineEnd(QStringLiteral("Start Number is empty!"));
    else if (CheckEditRange(start, 0, kStartMaximum, message, QStringLiteral("Start")) != kS_OK)
        lines += withLineEnd(message);
    if (CheckEditRange(itemText(kEditQuantity), kQuantityMinimum, kQuantityMaximum, message,
                       QStringLiteral("Quantity")) != kS_OK)
        lines += withLineEnd(message);
    return lines;
}

QStringList CResourceCreateMultiTagDlg::BatchNames() const
{
    const QString prefix = itemText(kEditPrefix);
    const QString suffix = itemText(kEditSuffix);
    const int start = itemText(kEditStart).toInt();
    const int quantity = itemText(kEditQuantity).toInt();
    QStringList names;
    for (int j = 0; j < quantity; ++j)
        names << prefix + QString::number(start + j) + suffix;
    return names;
}

void CResourceCreateMultiTagDlg::OnCreate()
{
    const QString errors = InputErrors();
    if (!errors.isEmpty()) {
        ShowMessageBox(errors, MB_OK | MB_ICONWARNING);
        return;
    }
    const CDataCenter* model = page_.GetDataCenter();
    if (!model)
        return;
    const QStringList names = BatchNames();
    const bool allFree = std::all_of(names.begin(), names.end(),
                                     [model](const QString& name) { return model->IsTagNameFree(name) != 0; });
    if (!allFree) {
        ShowMessageBox(LoadLangString(kStringNameTaken), MB_OK | MB_ICONWARNING);
        return;
    }
    for (const QString& name : names)
        page_.AddVariable(name);
    EndDialog(IDOK);
}
