// Every page of a project in a short property pane (the log pane dragged up): the pane scrolls,
// and no control of a page is squeezed below the height it asks for.
#include "CMainFrame.h"

#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CPropertyForm.h"
#include "CPropertyUIDialog.h"
#include "FilledProject.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "WidgetScreenshot.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace {

constexpr QSize kShortPane(1366, 330);
constexpr int kFrameWidth = 1700;
constexpr int kFrameHeight = 900;

// The visible template controls of the page (those of its tabs included) lower than they ask
// for. Lists and other views scroll their own rows: they need only their minimum.
QStringList squeezedControls(const QWidget& page)
{
    QStringList found;
    for (const QWidget* control : page.findChildren<QWidget*>()) {
        bool isControl = false;
        control->objectName().toInt(&isControl);
        // Controls the kit places by their fixed geometry are not squeezed by the pane.
        const QWidget* parent = control->parentWidget();
        const bool laidOut = parent && parent->layout() && parent->layout()->indexOf(control) >= 0;
        if (!isControl || !control->isVisible() || !laidOut)
            continue;
        const bool scrolls = qobject_cast<const QAbstractScrollArea*>(control) != nullptr;
        const int wanted = scrolls                        ? control->minimumSizeHint().height()
                           : control->hasHeightForWidth() ? control->heightForWidth(control->width())
                                                          : control->sizeHint().height();
        if (control->height() < wanted)
            found << QStringLiteral("%1 %2: %3 < %4")
                         .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName())
                         .arg(control->height())
                         .arg(wanted);
    }
    return found;
}

class PropertyPaneLayoutTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        frame.resize(kFrameWidth, kFrameHeight);
        frame.show();
        pane()->setFixedSize(kShortPane);
    }

    CPropertyForm* pane() const { return frame.GetPropertyForm(); }

    // A new project of the model with every free slot filled, saved and opened in the frame.
    void OpenFilledProject(const QString& modelName)
    {
        CDataCenter model;
        int cursor = 0;
        ASSERT_TRUE(FilledProject::BuildFilledProject(model, FilledProject::ChoiceFor(modelName, 12), cursor));
        const QString path = QDir(folder.path()).filePath(QStringLiteral("plant.pelx"));
        ASSERT_TRUE(model.SaveProject(path));
        frame.OnOpenCommandLineProject(path);
        ASSERT_FALSE(frame.GetDeviceForm()->IsTreeEmpty());
    }

    // Selects every node of the tree; the page each shows must fit the short pane by scrolling.
    void ExpectEveryPageScrollsRatherThanSqueezes(const QString& project)
    {
        QTreeWidget* tree = frame.GetDeviceForm()->tree();
        int pages = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            tree->setCurrentItem(*it);
            QApplication::processEvents(); // the pane's layout, then the scroll area's
            QApplication::processEvents();
            CPropertyUIDialog* page = pane()->VisiblePage();
            if (!page)
                continue;
            ++pages;
            SCOPED_TRACE((*it)->text(0).toStdString() + " (" + page->metaObject()->className() + ")");
            EXPECT_EQ(pane()->size(), kShortPane);
            EXPECT_EQ(squeezedControls(*page).join(QStringLiteral("; ")).toStdString(), "");
            EXPECT_GE(page->height(), page->minimumSizeHint().height());
            const auto* scroll = pane()->findChild<QScrollArea*>();
            ASSERT_NE(scroll, nullptr);
            if (page->minimumSizeHint().height() > kShortPane.height()) {
                EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0) << "the pane scrolls";
            }
            EXPECT_EQ(scroll->verticalScrollBar()->value(), 0) << "a page opens at its top";
            const QString shot = ScreenshotNameOf((*it)->text(0), project);
            if (!shot.isEmpty())
                SaveWidgetScreenshot(*pane(), shot);
        }
        EXPECT_GT(pages, 10);
    }

    // The pages whose picture in the short pane is kept, by their node's text (most page
    // classes carry no meta-object name of their own).
    static QString ScreenshotNameOf(const QString& nodeText, const QString& project)
    {
        static const QList<std::pair<QString, QString>> kept = {
            {QStringLiteral("Modbus Master"), QStringLiteral("modbus-master")},
            {QStringLiteral("Modbus Slave"), QStringLiteral("modbus-slave")},
            {QStringLiteral("Email Alarm"), QStringLiteral("alarm-email")},
            {QStringLiteral("Data Logging"), QStringLiteral("data-logging")},
            {QStringLiteral("System Variables"), QStringLiteral("system-variables")},
            {QStringLiteral("Digital Input/Output"), QStringLiteral("dio")},
        };
        for (const auto& [text, name] : kept)
            if (nodeText == text)
                return QStringLiteral("short-pane-%1-%2").arg(project, name);
        return {};
    }

    QTemporaryDir folder;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    CMainFrame frame;
};

TEST_F(PropertyPaneLayoutTest, EveryPageOfAModularProjectScrollsInAShortPane)
{
    OpenFilledProject(QStringLiteral("ulTEK 4100-CPU15-C-T"));
    ExpectEveryPageScrollsRatherThanSqueezes(QStringLiteral("4100"));
}

TEST_F(PropertyPaneLayoutTest, EveryPageOfACompactProjectScrollsInAShortPane)
{
    OpenFilledProject(QStringLiteral("ulTEK 2300-C-T"));
    ExpectEveryPageScrollsRatherThanSqueezes(QStringLiteral("2300"));
}

} // namespace
