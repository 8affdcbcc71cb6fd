#pragma once
// What the tests of the tag dialogs share: a program folder with the DefaultSettings.ini they
// write, recorded message boxes and log lines, small projects, and driving the dialogs' controls.

#include "CDataCenter.h"
#include "ConfigFiles.h"
#include "DialogTemplate.h"
#include "ILogLineSink.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TemplateControlSpec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <span>

inline constexpr const char* kTagDialogSettings = R"([Tag]
DataType=BOOL,CHAR,SHORT,LONG,UNSIGNED CHAR,UNSIGNED SHORT,UNSIGNED LONG,FLOAT,STRING
IECDataType=BOOL,SINT,INT,DINT,USINT,UINT,UDINT,REAL,STRING
ModbusMasterCoilCFilterType=BOOL,BOOL
ModbusMasterCoilIECFilterType=BOOL
ModbusMasterCoilFilterTypeID=0,0
ModbusMasterRegistersCFilterType=SHORT,LONG,FLOAT,LONG,EXTRA
ModbusMasterRegistersIECFilterType=INT,DINT,REAL
ModbusMasterRegistersFilterTypeID=2,3,7,3

[TagIOType]
STATIC_C=Direction (C):
STATIC_IEC=Direction (IEC):
CONTENT_C=Read,Write
CONTENT_IEC=Input,Output

[IR]
ResourceType =IR_BOOL,IR_CHAR,IR_FLOAT,IR_LONG,IR_SHORT,IR_STRING,IR_UCHAR,IR_ULONG,IR_USHORT
)";

class RecordingLogSink : public ILogLineSink {
public:
    void AddLogLine(const QString& text) override { lines.append(text); }
    QStringList lines;
};

class TagDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        UseDefaultSettings(kTagDialogSettings);
    }
    void TearDown() override { SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)); }

    // Each call takes a program folder of its own; null: no DefaultSettings.ini at all.
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
    RecordingLogSink log;
    CDataCenter model;

private:
    QTemporaryDir root_;
    int folders_ = 0;
    ScopedMessageBoxService scopedBoxes_{boxes};
};

// A project of slotCount slots with a CPU in slot 0.
inline void MakeProject(CDataCenter& model, bool series4100, int slotCount)
{
    model.ResetProjectData();
    model.SetSeries4100(series4100 ? 1 : 0);
    model.SetMaxSlotCount(slotCount);
    model.SetSlotUsed(0, 1);
    model.SetSlotName(0, QStringLiteral("ulTEK 4100-CPU15-C-T"));
}

inline void PlaceModule(CDataCenter& model, int slot, const char* name)
{
    model.SetSlotUsed(slot, 1);
    model.SetSlotName(slot, QString::fromUtf8(name));
}

inline TagRecord MakeTag(const char* name, int typeId, const char* address, int dataTypeCode,
                         std::vector<TagServiceLink> uses = {})
{
    TagRecord tag;
    tag.Construct(QString::fromUtf8(name), QString::fromUtf8(name), QStringLiteral("type"), typeId,
                  QString::fromUtf8(address), 0, dataTypeCode, 0);
    tag.RelatedServices = std::move(uses);
    return tag;
}

inline QStringList ComboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; combo && i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

inline QList<int> ComboData(const QComboBox* combo)
{
    QList<int> data;
    for (int i = 0; combo && i < combo->count(); ++i)
        data.append(combo->itemData(i).toInt());
    return data;
}

inline bool Pick(QComboBox* combo, const QString& text)
{
    const int index = combo ? combo->findText(text) : -1;
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

inline bool PickData(QComboBox* combo, int data)
{
    const int index = combo ? combo->findData(data) : -1;
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

inline void Click(QWidget* button)
{
    auto* clickable = qobject_cast<QAbstractButton*>(button);
    ASSERT_NE(clickable, nullptr);
    ASSERT_TRUE(clickable->isEnabled());
    clickable->click();
}

inline QStringList TagNames(const std::vector<TagRecord>& tags)
{
    QStringList names;
    for (const TagRecord& tag : tags)
        names.append(tag.TagName);
    return names;
}

// Every id the dialog reaches exists in its template with the expected type.
inline void ExpectControlsInTemplate(unsigned templateId, std::span<const TemplateControlSpec> controls)
{
    QString error;
    const std::optional<DialogTemplate> loaded = LoadDialogTemplate(templateId, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    for (const TemplateControlSpec& spec : controls) {
        const ControlTemplate* control = loaded->control(spec.id);
        ASSERT_NE(control, nullptr) << "template " << templateId << " lacks control " << spec.id;
        EXPECT_EQ(control->type, spec.type) << "template " << templateId << " control " << spec.id;
    }
}

// Saves a picture of the widget under build/test-artefacts/.
inline void SaveScreenshot(QWidget& widget, const char* name)
{
    const QString folder = QString::fromUtf8(PELANDRIX_RUNTIME_DIR) + QStringLiteral("/../test-artefacts");
    QDir().mkpath(folder);
    QApplication::sendPostedEvents(); // pending layout requests
    widget.grab().save(QDir(folder).filePath(QString::fromUtf8(name)));
}
