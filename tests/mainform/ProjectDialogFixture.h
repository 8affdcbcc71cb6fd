#pragma once
// What the project dialogs' tests share: a program folder of their own holding the
// DefaultSettings.ini they write, a fresh Profile.ini, recorded message boxes, small projects,
// and running a dialog with a hand on its controls.

#include "CDataCenter.h"
#include "ConfigFiles.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

// The [New_Project], [New_Module] and [Slot_Limit] sections the tests offer. Some second power
// lists begin with "N/A", others with a module, so the first entry tells which list is shown.
inline constexpr const char* kProjectDialogSettings = R"([New_Project]
Product_Series=ulTEK 2300,ulTEK 4200,ulTEK 4100,ulTEK 9999
ulTEK_2300_mode=ulTEK 2301,ulTEK 2302
ulTEK_4200_mode=ulTEK 4201,ulTEK 4202
ulTEK_4100_mode=ulTEK 4100 C/C++ Series,ulTEK 4100 IEC 61131-3 Series,ulTEK 4100 Other
ulTEK_4100_C_CPU=ulTEK 4100-CPU15-C-T,ulTEK 4100-CPU35-C-T
ulTEK_4100_IEC_CPU=ulTEK 4100-CPU15-I-T,ulTEK 4100-CPU35-I-T
ulTEK_4100_Max_Slot_Count=9-Slot,5-Slot,12-Slot,7-Slot
ulTEK_4100_Power1=ulTEK 4100-PK1-15W-T,ulTEK 4100-PK1-30W-T,ulTEK 4100-PK2-50W-T,ulTEK 4100-PK1-15W
ulTEK_4100_Power2_Slot9=N/A,ulTEK 4100-PK1-15W-T (default)
ulTEK_4100_Power2_Slot9_15W=N/A,ulTEK 4100-PK1-15W-T (slot 9)
ulTEK_4100_Power2_Slot9_30W=ulTEK 4100-PK1-30W-T (slot 9),N/A
ulTEK_4100_Power2_Slot9_50W=ulTEK 4100-PK2-50W-T (slot 9),N/A
ulTEK_4100_Power2_Slot12_15W=N/A,ulTEK 4100-PK1-15W-T (slot 12)
ulTEK_4100_Power2_Slot12_30W=ulTEK 4100-PK1-30W-T (slot 12),N/A
ulTEK_4100_Power2_Slot12_50W=ulTEK 4100-PK2-50W-T(slot 12),ulTEK 4100-PK1-30W-T,N/A

[New_Module]
ulTEK_4100_mode=ulTEK 4117-T,ulTEK 4117-CT,ulTEK 3302-T,ulTEK 3320-T,ulTEK 4118-TC-T
ulTEK_4200_mode=ulTEK 4211-T,ulTEK 3302-T

[Slot_Limit]
ulTEK 4117=2
ulTEK 4118-TC=1
ulTEK 3302=0
)";

inline constexpr const char* kCPU4100C = "ulTEK 4100-CPU15-C-T";
inline constexpr const char* kPower15W = "ulTEK 4100-PK1-15W-T";
inline constexpr const char* kPower30W = "ulTEK 4100-PK1-30W-T";
inline constexpr const char* kPower50W = "ulTEK 4100-PK2-50W-T";
inline constexpr const char* kPortTrunk = "ulTEK 3302-T";
inline constexpr const char* kSwitch = "ulTEK 3320-T";
inline constexpr const char* kIOModule = "ulTEK 4117-T";
inline constexpr int kSafetyTimeoutMs = 5000;

class ProjectDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        UseDefaultSettings(kProjectDialogSettings);
        QFile::remove(GetProfilePath());
    }

    void TearDown() override { SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)); }

    // Each call takes a program folder of its own; null text: no DefaultSettings.ini at all.
    void UseDefaultSettings(const char* text)
    {
        const QString folder = QDir(root_.path()).filePath(QString::number(++folders_));
        ASSERT_TRUE(QDir().mkpath(folder));
        SetProgramDirectory(folder);
        if (!text)
            return;
        QFile out(QDir(folder).filePath(QStringLiteral("DefaultSettings.ini")));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(text), qint64(qstrlen(text)));
    }

    RecordingMessageBoxService boxes;

private:
    QTemporaryDir root_;
    int folders_ = 0;
    ScopedMessageBoxService scopedBoxes_{boxes};
};

inline QStringList ComboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; combo && i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

inline QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

// Selects the entry with that text as a user does; false when there is none.
inline bool Pick(QComboBox* combo, const QString& text)
{
    const int index = combo ? combo->findText(text) : -1;
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

inline bool Pick(QComboBox* combo, const char* text)
{
    return Pick(combo, QString::fromUtf8(text));
}

// A project with a CPU in slot 0; a 4100 series one also has its power module in slot 15.
inline void MakeProject(CDataCenter& model, bool series4100, int slotCount, const QString& cpu,
                        const QString& power = QString())
{
    model.ResetProjectData();
    model.SetSeries4100(series4100 ? 1 : 0);
    model.SetMaxSlotCount(slotCount);
    model.SetSlotUsed(0, 1);
    model.SetSlotName(0, cpu);
    if (series4100 && !power.isEmpty()) {
        model.SetSlotUsed(15, 1);
        model.SetSlotName(15, power);
    }
}

inline void PlaceModule(CDataCenter& model, int slot, const QString& name)
{
    model.SetSlotUsed(slot, 1);
    model.SetSlotName(slot, name);
}

inline void PlaceModule(CDataCenter& model, int slot, const char* name)
{
    PlaceModule(model, slot, QString::fromUtf8(name));
}

// Runs the dialog modally; once it is up, user does what a user does. A dialog left open is
// cancelled after a while, so a fault cannot hang the test.
template <class Dialog>
int RunModal(Dialog& dialog, const std::function<void(Dialog&)>& user)
{
    QTimer::singleShot(0, &dialog, [&dialog, user] { user(dialog); });
    QTimer::singleShot(kSafetyTimeoutMs, &dialog, &QDialog::reject);
    return dialog.DoModal();
}

// Acts on the first modal dialog of that type that opens from now on (the one an OK opens).
template <class Dialog>
void WhenOpened(const std::function<void(Dialog&)>& user)
{
    QTimer::singleShot(0, [user] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            QTimer::singleShot(kSafetyTimeoutMs, dialog, &QDialog::reject);
            user(*dialog);
        }
    });
}

inline void Click(QWidget* button)
{
    auto* clickable = qobject_cast<QAbstractButton*>(button);
    ASSERT_NE(clickable, nullptr);
    clickable->click();
}
