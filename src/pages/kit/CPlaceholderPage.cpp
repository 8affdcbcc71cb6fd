#include "CPlaceholderPage.h"

#include "PropertyPageKind.h"

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

CPlaceholderPage::CPlaceholderPage(const PropertyPageKind& kind, IPageHost* host)
    : CPropertyUIDialog(placeholderTemplate(kind), host)
{}

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

void CPlaceholderPage::OnPageShown()
{
    setItemText(kStaticNodeName, GetNodeInfo().shownText);
}

std::unique_ptr<CPropertyUIDialog> MakePageOrPlaceholder(const PropertyPageKind& kind, IPageHost& host)
{
    if (kind.make)
        return kind.make(kind, host);
    return std::make_unique<CPlaceholderPage>(kind, &host);
}
