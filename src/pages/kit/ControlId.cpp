#include "ControlId.h"

QStringList ControlsMissingFromTemplate(const DialogTemplate& dialogTemplate, std::span<const ControlId> controls)
{
    QStringList problems;
    for (const ControlId& wanted : controls) {
        const ControlTemplate* found = dialogTemplate.control(wanted.id);
        if (!found)
            problems << QStringLiteral("template %1 has no control %2").arg(dialogTemplate.id).arg(wanted.id);
        else if (found->type != wanted.type)
            problems << QStringLiteral("template %1: control %2 is a %3, the page expects a %4")
                            .arg(dialogTemplate.id)
                            .arg(wanted.id)
                            .arg(ControlTypeName(found->type), ControlTypeName(wanted.type));
    }
    return problems;
}

QStringList ControlsMissingFromTemplate(unsigned templateId, std::span<const ControlId> controls)
{
    QString error;
    const std::optional<DialogTemplate> loaded = LoadDialogTemplate(templateId, &error);
    if (!loaded)
        return {QStringLiteral("template %1 cannot be loaded: %2").arg(templateId).arg(error)};
    return ControlsMissingFromTemplate(*loaded, controls);
}
