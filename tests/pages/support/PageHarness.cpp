#include "PageHarness.h"

#include "ConfirmDeleteIds.h"
#include "FilledProject.h"
#include "ProfileValues.h"

bool BuildHarnessProject(CDataCenter& model, const QString& productModel)
{
    int cursor = 0;
    return FilledProject::BuildFilledProject(model, FilledProject::ChoiceFor(productModel, kHarnessSlotCount), cursor);
}

TreeNodeInfo NodeFor(int formId, const QString& shownText, int slotIndex)
{
    TreeNodeInfo node;
    node.formId = formId;
    node.shownText = shownText;
    node.slotIndex = slotIndex;
    return node;
}

void ExpectControlsMatchTemplate(unsigned templateId, std::span<const ControlId> controls)
{
    const QStringList problems = ControlsMissingFromTemplate(templateId, controls);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

ScopedDeleteConfirmationSkipped::ScopedDeleteConfirmationSkipped()
{
    WriteProfileValue(kProfileConfirmDeleteSection, kProfileDontAskStatusKey, QStringLiteral("1"));
}

ScopedDeleteConfirmationSkipped::~ScopedDeleteConfirmationSkipped()
{
    WriteProfileValue(kProfileConfirmDeleteSection, kProfileDontAskStatusKey,
                      QString::number(kProfileDontAskStatusDefault));
}
