#include "CPlaceholderPage.h"

#include "PropertyPageTable.h"

#include <QFont>
#include <QLabel>

namespace {

constexpr double kNameFontScale = 1.5;

// One label for the node's name; the template keeps the id of the page it stands in for.
DialogTemplate placeholderTemplate(const PropertyPageKind& kind)
{
    DialogTemplate page;
    page.id = kind.templateId;
    ControlTemplate name;
    name.id = CPlaceholderPage::kStaticNodeName;
    name.type = ControlType::Static;
    page.controls.append(name);
    return page;
}

} // namespace

CPlaceholderPage::CPlaceholderPage(const PropertyPageKind& kind, CPropertyForm* owner)
    : CPropertyUIDialog(placeholderTemplate(kind), owner)
{
}

QString CPlaceholderPage::ShownText() const
{
    return hasControl(kStaticNodeName) ? itemText(kStaticNodeName) : QString();
}

bool CPlaceholderPage::OnInitDialog()
{
    auto* name = item<QLabel>(kStaticNodeName);
    if (!name)
        return false;
    QFont font = name->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * kNameFontScale);
    name->setFont(font);
    return true;
}

void CPlaceholderPage::showEvent(QShowEvent* event)
{
    CPropertyUIDialog::showEvent(event);
    setItemText(kStaticNodeName, GetNodeInfo().shownText);
}
