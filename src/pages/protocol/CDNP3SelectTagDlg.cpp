#include "CDNP3SelectTagDlg.h"

#include "CDataCenter.h"
#include "CDnp3SelTagPage.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "TextConversion.h"

#include <QTabWidget>

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
        auto* tab = new CDnp3SelTagPage(type, *this);
        if (!tab->Create()) {
            delete tab;
            continue;
        }
        tabControl->addTab(tab, LoadLangString(caption++));
        tabs_.push_back(tab);
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
