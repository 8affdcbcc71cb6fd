#include "CDNP3SelectTagDlg.h"

#include "CDataCenter.h"
#include "CDnp3SelTagPage.h"
#include "ConfigFiles.h"
#include "FormTab.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "TextConversion.h"

#include <QTabWidget>

#include <memory>

using namespace Dnp3PointsPage;

namespace {

const QString kTagSection = QStringLiteral("Tag");
const QString kDataTypeKey = QStringLiteral("DataType");
const QString kIecDataTypeKey = QStringLiteral("IECDataType");

} // namespace

CDNP3SelectTagDlg::CDNP3SelectTagDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

bool CDNP3SelectTagDlg::OnInitDialog()
{
    auto* tabControl = item<QTabWidget>(kTabTypes);
    if (!tabControl)
        return true;
    unsigned caption = kFirstTabCaption;
    for (int type : kTabTypeCodes) {
        auto* tab = AttachFormTab(*tabControl, LoadLangString(caption), std::make_unique<CDnp3SelTagPage>(type, *this));
        // A tab that cannot be built is left out, and its caption goes to the next.
        if (!tab)
            continue;
        tabs_.push_back(tab);
        ++caption;
    }
    return true;
}

QStringList CDNP3SelectTagDlg::readDataTypeNames() const
{
    const QString path = GetDefaultSettingsPath();
    const CDataCenter* model = GetDataCenter();
    QStringList names;
    if (path.isEmpty() || !model)
        return names;
    const QString key = model->IsIECMode() ? kIecDataTypeKey : kDataTypeKey;
    SplitString(names, GetPrivateProfileString(kTagSection, key, QString(), path));
    return names;
}

void CDNP3SelectTagDlg::OnPageShown()
{
    const QStringList names = readDataTypeNames();
    for (CDnp3SelTagPage* tab : tabs_)
        tab->SetDataTypeNames(names);
    ShowTab(0);
}

void CDNP3SelectTagDlg::ShowTab(int position)
{
    auto* tabControl = item<QTabWidget>(kTabTypes);
    if (!tabControl || position < 0 || position >= TabCount())
        return;
    if (tabControl->currentIndex() == position)
        Tab(position).Refresh(); // already in front: its show came before the page's
    else
        tabControl->setCurrentIndex(position);
}
