#include "AddressedTagList.h"

#include "CListCtrlEx.h"
#include "DialogControls.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "MessageBoxService.h"

#include <QLineEdit>

void AddressedTagListBase::Connect()
{
    dialog_.onClicked(controls_.choose, [this] { Choose(); });
    dialog_.onClicked(controls_.remove, [this] { RemoveSelected(); });
    dialog_.onClicked(controls_.up, [this] { MoveSelected(-1); });
    dialog_.onClicked(controls_.down, [this] { MoveSelected(+1); });
    if (auto* start = dialog_.item<QLineEdit>(controls_.start))
        QObject::connect(start, &QLineEdit::editingFinished, start, [this] { StartEdited(); });
}

CListCtrlEx& AddressedTagListBase::List() const
{
    return *dialog_.item<CListCtrlEx>(controls_.list);
}

QList<int> AddressedTagListBase::SelectedRows() const
{
    const QList<int> rows = List().GetSelectedRows();
    if (rows.isEmpty() && controls_.warnWithoutSelection)
        ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
    return rows;
}

void AddressedTagListBase::Reselect(const QList<int>& rows) const
{
    SelectListRows(List(), rows);
}
