// Every id the code names, and every text a template names, exists in the language pack.
#include "DialogTemplate.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "MenuTemplate.h"
#include "Validation.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

void collectStringIds(const QList<MenuEntry>& entries, QList<unsigned>& ids)
{
    for (const MenuEntry& entry : entries) {
        if (entry.text.stringId != 0)
            ids.append(entry.text.stringId);
        collectStringIds(entry.children, ids);
    }
}

TEST(LanguagePackIdsTest, NamedStringsTemplatesAndMenusExist)
{
    for (unsigned id : kMainFormStringIds)
        EXPECT_FALSE(LanguagePack::String(id).isEmpty()) << "string " << id;
    for (unsigned id : {kStringLimitError, kStringRangeError, kStringInvalidItem, kStringItemError,
                        kStringPatternError, kStringEditRangeError})
        EXPECT_FALSE(LanguagePack::String(id).isEmpty()) << "string " << id;
    for (unsigned id : kMainFormTemplateIds)
        EXPECT_TRUE(LoadDialogTemplate(id).has_value()) << "template " << id;
    for (unsigned id : kMainFormMenuIds)
        EXPECT_TRUE(LoadMenuTemplate(id).has_value()) << "menu " << id;
}

TEST(LanguagePackIdsTest, NamedControlsAndCommandsAreInTheirTemplates)
{
    const auto logForm = LoadDialogTemplate(kTemplateLogForm);
    ASSERT_TRUE(logForm.has_value());
    ASSERT_NE(logForm->control(kListLog), nullptr);
    EXPECT_EQ(logForm->control(kListLog)->type, ControlType::List);

    const auto menu = LoadMenuTemplate(kMenuLogPopup);
    ASSERT_TRUE(menu.has_value());
    ASSERT_FALSE(menu->entries.isEmpty());
    QList<int> commands;
    for (const MenuEntry& entry : menu->entries.first().children)
        commands.append(entry.command);
    EXPECT_TRUE(commands.contains(kCommandClearLog));
    EXPECT_TRUE(commands.contains(kCommandSaveLog));
}

TEST(LanguagePackIdsTest, EveryTemplateOfThePackLoadsAndItsStringsExist)
{
    const struct {
        const char* folder;
        bool dialogs;
    } folders[] = {{"lang/dialogs", true}, {"lang/menus", false}};
    for (const auto& f : folders) {
        const QDir dir(LanguagePack::ResourcePath(QString::fromLatin1(f.folder)));
        const QStringList files = dir.entryList(QDir::Files);
        EXPECT_FALSE(files.isEmpty()) << f.folder;
        for (const QString& file : files) {
            const unsigned id = QFileInfo(file).completeBaseName().toUInt();
            QString error;
            QList<unsigned> stringIds;
            if (f.dialogs) {
                const auto parsed = LoadDialogTemplate(id, &error);
                ASSERT_TRUE(parsed.has_value()) << error.toStdString();
                if (parsed->caption.stringId != 0)
                    stringIds.append(parsed->caption.stringId);
                for (const ControlTemplate& control : parsed->controls) {
                    if (control.text.stringId != 0)
                        stringIds.append(control.text.stringId);
                }
            } else {
                const auto parsed = LoadMenuTemplate(id, &error);
                ASSERT_TRUE(parsed.has_value()) << error.toStdString();
                collectStringIds(parsed->entries, stringIds);
            }
            for (unsigned stringId : stringIds)
                EXPECT_FALSE(LanguagePack::String(stringId).isEmpty()) << file.toStdString() << ": string " << stringId;
        }
    }
}

} // namespace
