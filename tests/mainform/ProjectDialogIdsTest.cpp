// Every id the project dialogs name exists in the language pack, with the control type the code
// expects.
#include "ProjectDialogIds.h"
#include "CColorStatic.h"
#include "DialogTemplate.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"

#include <gtest/gtest.h>

namespace {

TEST(ProjectDialogIdsTest, TemplatesAndStringsExist)
{
    for (unsigned id : kProjectDialogTemplateIds)
        EXPECT_TRUE(LoadDialogTemplate(id).has_value()) << "template " << id;
    for (unsigned id : kProjectDialogStringIds)
        EXPECT_FALSE(LanguagePack::String(id).isEmpty()) << "string " << id;
}

TEST(ProjectDialogIdsTest, NamedControlsAreInTheirTemplates)
{
    struct Control {
        unsigned templateId;
        int controlId;
        ControlType type;
    };
    QList<Control> controls = {
        {kTemplateNewProject, kEditProjectName, ControlType::Edit},
        {kTemplateNewProject, kComboProductSeries, ControlType::DropList},
        {kTemplateNewProject, kComboProductModel, ControlType::DropList},
        {kTemplateNewProjectCPU, kComboNewProjectSlotCount, ControlType::DropList},
        {kTemplateNewProjectCPU, kComboNewProjectCPU, ControlType::DropList},
        {kTemplateNewProjectCPU, kComboNewProjectPower, ControlType::DropList},
        {kTemplateNewProjectCPU, kComboNewProjectSecondPower, ControlType::DropList},
        {kTemplateAddDevice, kComboAddModule, ControlType::DropList},
        {kTemplateAddDevice, kComboAddSlot, ControlType::DropList},
        {kTemplateChangeModule, kComboChangeSlotCount, ControlType::DropList},
        {kTemplateChangeModule, kComboChangeCPU, ControlType::DropList},
        {kTemplateChangeModule, kComboChangePower, ControlType::DropList},
        {kTemplateChangeModule, kComboChangeSecondPower, ControlType::DropList},
        {kTemplateConfigurationMessage, kIconConfigurationWarning, ControlType::Picture},
        {kTemplatePreference, kRadioDisplayTypeDefault, ControlType::Radio},
        {kTemplatePreference, kRadioDisplayTypeOther, ControlType::Radio},
        {kTemplatePreference, kCheckResetConfirmDelete, ControlType::CheckBox},
        {kTemplatePreference, kCheckResetShowSplash, ControlType::CheckBox},
        {kTemplateConfirmDelete, kIconConfirmDelete, ControlType::Picture},
        {kTemplateConfirmDelete, kButtonConfirmDeleteYes, ControlType::Button},
        {kTemplateConfirmDelete, kButtonConfirmDeleteNo, ControlType::Button},
        {kTemplateConfirmDelete, kCheckConfirmDeleteDontAsk, ControlType::CheckBox},
        {kTemplateConfirmImport, kIconConfirmImport, ControlType::Picture},
        {kTemplateConfirmImport, kButtonConfirmImportYes, ControlType::Button},
        {kTemplateConfirmImport, kButtonConfirmImportNo, ControlType::Button},
        {kTemplateNetworkInterface, kComboNetworkInterface, ControlType::DropList},
    };
    for (int id : kConfigurationLineIds)
        controls.append({kTemplateConfigurationMessage, id, ControlType::ColorStatic});
    // OK and Cancel of the dialogs that end with them.
    for (unsigned id : {kTemplateNewProject, kTemplateNewProjectCPU, kTemplateAddDevice, kTemplateChangeModule,
                        kTemplateConfigurationMessage, kTemplatePreference, kTemplateNetworkInterface}) {
        controls.append({id, IDOK, ControlType::Button});
        controls.append({id, IDCANCEL, ControlType::Button});
    }
    for (const Control& c : controls) {
        const auto parsed = LoadDialogTemplate(c.templateId);
        ASSERT_TRUE(parsed.has_value()) << c.templateId;
        const ControlTemplate* control = parsed->control(c.controlId);
        ASSERT_NE(control, nullptr) << c.templateId << ": control " << c.controlId;
        EXPECT_EQ(control->type, c.type) << c.templateId << ": control " << c.controlId;
    }
    // The two display type radios are one group.
    const auto preference = LoadDialogTemplate(kTemplatePreference);
    ASSERT_TRUE(preference.has_value());
    EXPECT_EQ(preference->control(kRadioDisplayTypeDefault)->radioGroup,
              preference->control(kRadioDisplayTypeOther)->radioGroup);
}

} // namespace
