// The preferences and the two confirmations, with the Profile.ini keys they read and write.
#include "CPreferenceDlg.h"
#include "ConfirmDeleteDlg.h"
#include "ConfirmImportDlg.h"
#include "DialogProfileKeys.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "ProjectDialogFixture.h"
#include "ProjectDialogIds.h"

#include <QKeyEvent>
#include <QLabel>

#include <optional>

namespace {

using PreferenceDlgTest = ProjectDialogTest;

constexpr const char* kAbsent = "<absent>";

QString stored(const char* section, const char* key)
{
    return GetPrivateProfileString(QLatin1String(section), QLatin1String(key), QLatin1String(kAbsent),
                                   GetProfilePath());
}

void store(const char* section, const char* key, const char* value)
{
    ASSERT_TRUE(
        WritePrivateProfileString(QLatin1String(section), QLatin1String(key), QLatin1String(value), GetProfilePath()));
}

QString storedDisplayType()
{
    return stored(kProfilePreferenceSection, kProfileCfgDisplayTypeKey);
}

QString storedDontAsk()
{
    return stored(kProfileConfirmDeleteSection, kProfileDontAskStatusKey);
}

QString storedShowSplash()
{
    return stored(kProfilePreferenceSection, kProfileShowSplashKey);
}

void pressEscape(QWidget* widget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST_F(PreferenceDlgTest, ShowsTheStoredDisplayTypeAndTheSwitchOffText)
{
    const struct {
        const char* stored;
        int displayType;
        int checkedRadio;
    } cases[] = {{nullptr, 0, kRadioDisplayTypeDefault},
                 {"0", 0, kRadioDisplayTypeDefault},
                 {"1", 1, kRadioDisplayTypeOther},
                 {"2", 2, kRadioDisplayTypeOther}};
    for (const auto& c : cases) {
        QFile::remove(GetProfilePath());
        if (c.stored)
            store(kProfilePreferenceSection, kProfileCfgDisplayTypeKey, c.stored);
        CPreferenceDlg dialog;
        EXPECT_EQ(dialog.GetDisplayType(), c.displayType);
        ASSERT_TRUE(dialog.Create());
        EXPECT_TRUE(dialog.isItemChecked(c.checkedRadio)) << c.displayType;
        EXPECT_FALSE(dialog.isItemChecked(kCheckResetConfirmDelete));
        EXPECT_FALSE(dialog.isItemChecked(kCheckResetShowSplash));
        EXPECT_EQ(dialog.itemText(kCheckResetShowSplash),
                  QStringLiteral("Reset \"%1\"").arg(LoadLangString(kStringSplashToggle)));
    }
}

TEST_F(PreferenceDlgTest, OKWritesTheChoicesAndCancelNothing)
{
    const struct {
        const char* label;
        int radio;
        bool resetDelete;
        bool resetSplash;
        bool ok;
        const char* displayType;
        const char* dontAsk;
        const char* showSplash;
    } cases[] = {
        {"OK untouched rewrites the display type only", kRadioDisplayTypeOther, false, false, true, "1", "1", "0"},
        {"the other display type", kRadioDisplayTypeDefault, false, false, true, "0", "1", "0"},
        {"both resets", kRadioDisplayTypeOther, true, true, true, "1", "0", "1"},
        {"Cancel writes nothing", kRadioDisplayTypeDefault, true, true, false, "1", "1", "0"},
    };
    for (const auto& c : cases) {
        QFile::remove(GetProfilePath());
        store(kProfilePreferenceSection, kProfileCfgDisplayTypeKey, "1");
        store(kProfileConfirmDeleteSection, kProfileDontAskStatusKey, "1");
        store(kProfilePreferenceSection, kProfileShowSplashKey, "0");
        CPreferenceDlg dialog;
        const int result = RunModal<CPreferenceDlg>(dialog, [&](CPreferenceDlg& d) {
            Click(d.control(c.radio));
            d.checkItem(kCheckResetConfirmDelete, c.resetDelete);
            d.checkItem(kCheckResetShowSplash, c.resetSplash);
            Click(d.control(c.ok ? IDOK : IDCANCEL));
        });
        EXPECT_EQ(result, c.ok ? IDOK : IDCANCEL) << c.label;
        EXPECT_EQ(storedDisplayType(), QString::fromUtf8(c.displayType)) << c.label;
        EXPECT_EQ(storedDontAsk(), QString::fromUtf8(c.dontAsk)) << c.label;
        EXPECT_EQ(storedShowSplash(), QString::fromUtf8(c.showSplash)) << c.label;
    }
}

TEST_F(PreferenceDlgTest, OKWithoutAProfileCreatesIt)
{
    CPreferenceDlg dialog;
    EXPECT_EQ(RunModal<CPreferenceDlg>(dialog, [](CPreferenceDlg& d) { Click(d.control(IDOK)); }), IDOK);
    EXPECT_EQ(storedDisplayType(), QStringLiteral("0"));
    EXPECT_EQ(storedDontAsk(), QString::fromLatin1(kAbsent));
    EXPECT_EQ(storedShowSplash(), QString::fromLatin1(kAbsent));
}

struct DeleteAnswer {
    const char* label;
    bool checkDontAsk;
    std::optional<int> button; // nullopt: Esc
    int result;
    const char* stored;
};

TEST_F(PreferenceDlgTest, TheDeleteConfirmationKeepsDontAskOnlyWithYes)
{
    const DeleteAnswer cases[] = {
        {"Yes", false, kButtonConfirmDeleteYes, IDYES, "0"},
        {"Yes, don't ask again", true, kButtonConfirmDeleteYes, IDYES, "1"},
        {"No", false, kButtonConfirmDeleteNo, IDNO, kAbsent},
        {"No with the box checked asks again next time", true, kButtonConfirmDeleteNo, IDNO, kAbsent},
        {"Esc", true, std::nullopt, IDCANCEL, kAbsent},
    };
    for (const auto& c : cases) {
        QFile::remove(GetProfilePath());
        ConfirmDeleteDlg dialog;
        bool shown = false;
        bool iconShown = false;
        const int result = RunModal<ConfirmDeleteDlg>(dialog, [&](ConfirmDeleteDlg& d) {
            shown = d.isVisible();
            iconShown = !d.item<QLabel>(kIconConfirmDelete)->pixmap().isNull();
            if (c.checkDontAsk)
                Click(d.control(kCheckConfirmDeleteDontAsk));
            if (c.button)
                Click(d.control(*c.button));
            else
                pressEscape(&d);
        });
        EXPECT_TRUE(shown) << c.label;
        EXPECT_TRUE(iconShown) << c.label;
        EXPECT_EQ(result, c.result) << c.label;
        EXPECT_EQ(storedDontAsk(), QString::fromUtf8(c.stored)) << c.label;
    }
}

TEST_F(PreferenceDlgTest, DontAskAnswersYesUnaskedUntilThePreferencesResetIt)
{
    store(kProfileConfirmDeleteSection, kProfileDontAskStatusKey, "1");
    {
        ConfirmDeleteDlg dialog;
        EXPECT_EQ(dialog.DoModal(), IDYES);
        EXPECT_FALSE(dialog.IsBuilt()) << "never built, never shown";
    }

    CPreferenceDlg preferences;
    RunModal<CPreferenceDlg>(preferences, [](CPreferenceDlg& d) {
        d.checkItem(kCheckResetConfirmDelete, true);
        Click(d.control(IDOK));
    });
    EXPECT_EQ(storedDontAsk(), QStringLiteral("0"));

    ConfirmDeleteDlg asked;
    EXPECT_EQ(RunModal<ConfirmDeleteDlg>(asked, [](ConfirmDeleteDlg& d) { Click(d.control(kButtonConfirmDeleteNo)); }),
              IDNO);
}

TEST_F(PreferenceDlgTest, TheImportConfirmationAnswersYesOrNo)
{
    const struct {
        const char* label;
        std::optional<int> button;
        int result;
    } cases[] = {
        {"Yes", kButtonConfirmImportYes, IDYES},
        {"No", kButtonConfirmImportNo, IDNO},
        {"Esc", std::nullopt, IDCANCEL},
    };
    for (const auto& c : cases) {
        ConfirmImportDlg dialog;
        bool iconShown = false;
        const int result = RunModal<ConfirmImportDlg>(dialog, [&](ConfirmImportDlg& d) {
            iconShown = !d.item<QLabel>(kIconConfirmImport)->pixmap().isNull();
            if (c.button)
                Click(d.control(*c.button));
            else
                pressEscape(&d);
        });
        EXPECT_EQ(result, c.result) << c.label;
        EXPECT_TRUE(iconShown) << c.label;
    }
}

} // namespace
