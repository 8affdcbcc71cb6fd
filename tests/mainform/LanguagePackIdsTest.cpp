// Every id the code names, and every text a template names, exists in the language pack.
#include "DialogTemplate.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "MenuTemplate.h"
#include "MessageBoxService.h"
#include "PackImage.h"
#include "ToolbarTemplate.h"
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
    for (unsigned id : {kStringLimitError, kStringRangeError, kStringInvalidItem, kStringItemError, kStringPatternError,
                        kStringEditRangeError})
        EXPECT_FALSE(LanguagePack::String(id).isEmpty()) << "string " << id;
    for (unsigned id : kMainFormTemplateIds)
        EXPECT_TRUE(LoadDialogTemplate(id).has_value()) << "template " << id;
    for (unsigned id : kMainFormMenuIds)
        EXPECT_TRUE(LoadMenuTemplate(id).has_value()) << "menu " << id;
    for (unsigned id : kMainFormImageIds)
        EXPECT_FALSE(LoadPackImage(id).isNull()) << "image " << id;
    EXPECT_FALSE(QImage(LanguagePack::ResourcePath(QStringLiteral("lang/icons/%1.png").arg(kIconMainFrame))).isNull());
}

QList<int> menuCommands(const QList<MenuEntry>& entries)
{
    QList<int> commands;
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Item)
            commands.append(entry.command);
        commands += menuCommands(entry.children);
    }
    return commands;
}

TEST(LanguagePackIdsTest, MainMenuAndToolbarCarryTheShellsCommands)
{
    const auto menu = LoadMenuTemplate(kMenuMainFrame);
    ASSERT_TRUE(menu.has_value());
    const QList<int> inMenu = menuCommands(menu->entries);
    QList<int> named = {kCommandNewProject,
                        kCommandOpenProject,
                        kCommandSaveProject,
                        kCommandSaveProjectAs,
                        kCommandFileTransmission,
                        kCommandExportISaGRAF,
                        kCommandExportTagDefines,
                        kCommandAddModule,
                        kCommandRemoveModule,
                        kCommandPreferences,
                        kCommandNetworkInterface,
                        kCommandAppExit,
                        kCommandHelp,
                        kCommandISaGRAFHelp,
                        kCommandAbout};
    for (int command : kDeviceOperationCommands)
        named.append(command);
    for (int command : named)
        EXPECT_EQ(inMenu.count(command), 1) << "command " << command;
    // The change-module item is added by the frame for 4100 series projects only.
    EXPECT_FALSE(inMenu.contains(kCommandChangeModule));
    // The launch window's new-project command is not a menu item.
    EXPECT_FALSE(inMenu.contains(kCommandNewProjectFromLaunch));

    QString error;
    const auto toolbar = LoadToolbarTemplate(kToolbarMainFrame, &error);
    ASSERT_TRUE(toolbar.has_value()) << error.toStdString();
    const QImage strip(ToolbarImagePath(kToolbarMainFrame));
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.width(), strip.height() * toolbar->ButtonCount()) << "one tile per button";
    for (int command : toolbar->commands) {
        if (command != ToolbarTemplate::kSeparator) {
            EXPECT_TRUE(inMenu.contains(command)) << "toolbar command " << command << " has a menu text for its tip";
        }
    }
}

TEST(LanguagePackIdsTest, ToolbarSourcesAreCheckedLineByLine)
{
    const struct {
        const char* label;
        const char* text;
        bool ok;
        int buttons;
    } cases[] = {
        {"buttons and separators", "toolbar 7\nbutton 1\nseparator\n# note\nbutton 2\n", true, 2},
        {"empty toolbar", "toolbar 7\n", true, 0},
        {"no header", "button 1\n", false, 0},
        {"bad id", "toolbar 7\nbutton x\n", false, 0},
        {"unknown keyword", "toolbar 7\nitem 1\n", false, 0},
        {"extra word", "toolbar 7\nseparator 3\n", false, 0},
    };
    for (const auto& c : cases) {
        ToolbarTemplate parsed;
        QString error;
        const bool ok =
            ParseToolbarTemplate(QString::fromLatin1(c.text), QStringLiteral("test.toolbar"), parsed, error);
        EXPECT_EQ(ok, c.ok) << c.label;
        if (ok) {
            EXPECT_EQ(parsed.ButtonCount(), c.buttons) << c.label;
        } else {
            EXPECT_TRUE(error.contains(QStringLiteral("test.toolbar"))) << c.label << ": " << error.toStdString();
        }
    }
}

TEST(LanguagePackIdsTest, NamedControlsAndCommandsAreInTheirTemplates)
{
    const struct {
        unsigned templateId;
        int controlId;
        ControlType type;
    } controls[] = {
        {kTemplateLogForm, kListLog, ControlType::List},
        {kTemplateDeviceForm, kTreeDevices, ControlType::Tree},
        {kTemplateAbout, kStaticAboutVersion, ControlType::Static},
        {kTemplateAbout, kLinkAboutSupport, ControlType::Hyperlink},
        {kTemplateAbout, IDOK, ControlType::Button},
        {kTemplateLaunch, kButtonLaunchNew, ControlType::Button},
        {kTemplateLaunch, kButtonLaunchOpen, ControlType::Button},
        {kTemplateLaunch, kButtonLaunchHelp, ControlType::Button},
        {kTemplateLaunch, kButtonLaunchClose, ControlType::Button},
        {kTemplateLaunch, kButtonLaunchSplashToggle, ControlType::CheckBox},
    };
    for (const auto& c : controls) {
        const auto parsed = LoadDialogTemplate(c.templateId);
        ASSERT_TRUE(parsed.has_value()) << c.templateId;
        const ControlTemplate* control = parsed->control(c.controlId);
        ASSERT_NE(control, nullptr) << c.templateId << ": control " << c.controlId;
        EXPECT_EQ(control->type, c.type) << c.templateId << ": control " << c.controlId;
    }

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
