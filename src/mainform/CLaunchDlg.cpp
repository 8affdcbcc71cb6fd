#include "CLaunchDlg.h"

#include "CFormBase.h"
#include "CGdipButton.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "LaunchAction.h"
#include "MainFormIds.h"
#include "PackImage.h"
#include "ProfileKeys.h"
#include "TraceLog.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {

struct LaunchButtonRow {
    int controlId;
    int choice; // kLaunchChoiceEnd: the close button
    unsigned imageId;
    int left;
    int top;
};

constexpr LaunchButtonRow kLaunchButtonTable[] = {
    {kButtonLaunchNew, kLaunchChoiceNewProject, kImageLaunchNew, 45, 358},
    {kButtonLaunchOpen, kLaunchChoiceOpenProject, kImageLaunchOpen, 156, 358},
    {kButtonLaunchHelp, kLaunchChoiceHelp, kImageLaunchHelp, 272, 358},
    {kButtonLaunchClose, kLaunchChoiceEnd, kImageLaunchClose, 387, 358},
};

constexpr QRect kSplashToggleRect(45, 550, 24, 24);
// The label's picture sits a little right of the toggle's left edge and above its top.
constexpr QPoint kSplashLabelPosition(kSplashToggleRect.left() + 16, kSplashToggleRect.top() - 7);

constexpr int kDialogEndedByChoice = 1;
constexpr int kDialogClosed = 0;

constexpr unsigned kLaunchImageIds[] = {
    kImageLaunchBackground, kImageSplashLabel, kImageLaunchNew,      kImageLaunchOpen,
    kImageLaunchHelp,       kImageLaunchClose, kImageSplashToggleOn, kImageSplashToggleOff,
};

int readShowSplash(const QString& profilePath)
{
    return GetPrivateProfileInt(QLatin1String(kProfilePreferenceSection), QLatin1String(kProfileShowSplashKey),
                                kProfileShowSplashDefault, profilePath);
}

} // namespace

LaunchImages LoadLaunchImages()
{
    LaunchImages images;
    for (unsigned id : kLaunchImageIds)
        images.insert(id, LoadPackImage(id));
    return images;
}

bool HasAllLaunchImages(const LaunchImages& images)
{
    return std::all_of(std::begin(kLaunchImageIds), std::end(kLaunchImageIds),
                       [&images](unsigned id) { return !images.value(id).isNull(); });
}

CLaunchDlg::CLaunchDlg(bool hasArguments, QWidget* parent)
    : QDialog(parent), hasArguments_(hasArguments), profilePath_(GetProfilePath())
{
    showSplash_ = readShowSplash(profilePath_) != 0;
}

CLaunchDlg::CLaunchDlg(bool hasArguments, LaunchImages images, QWidget* parent) : CLaunchDlg(hasArguments, parent)
{
    images_ = std::move(images);
}

int CLaunchDlg::DoModal()
{
    if (!OnInitDialog())
        return kDialogEndedByChoice;
    return exec() == QDialog::Accepted ? kDialogEndedByChoice : kDialogClosed;
}

// Arguments come first, then the switch; only then is anything loaded.
bool CLaunchDlg::OnInitDialog()
{
    if (hasArguments_) {
        choice_ = kLaunchChoiceCommandLine;
        return false;
    }
    if (!showSplash_) {
        choice_ = kLaunchChoiceLatestProject;
        return false;
    }
    if (!images_)
        images_ = LoadLaunchImages();
    setWindowTitle(LanguagePack::String(kStringProgramName));
    if (HasAllLaunchImages(*images_))
        createPictureWindow();
    else
        createPlainWindow();
    return true;
}

void CLaunchDlg::createPictureWindow()
{
    pictureWindow_ = true;
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const QImage& background = (*images_)[kImageLaunchBackground];
    setFixedSize(background.size());
    if (const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen())
        move(shownOn->geometry().center() - rect().center());
    for (const LaunchButtonRow& row : kLaunchButtonTable) {
        auto* button = new CGdipButton(this);
        const QImage& image = (*images_)[row.imageId];
        button->SetNormalImage(image);
        button->setGeometry(QRect(QPoint(row.left, row.top), image.size()));
        connectButton(row.controlId, button);
    }
    auto* toggle = new CGdipButton(this);
    toggle->setText(LanguagePack::String(kStringSplashToggle));
    toggle->setAccessibleName(toggle->text());
    toggle->SetNormalImage((*images_)[kImageSplashToggleOn]);
    toggle->SetToggledImage((*images_)[kImageSplashToggleOff]);
    toggle->SetToggleMode(true);
    toggle->setGeometry(kSplashToggleRect);
    connectButton(kButtonLaunchSplashToggle, toggle);
}

void CLaunchDlg::createPlainWindow()
{
    TraceLog("%s:%d an image of the launch window is missing: showing it without pictures", __FILE__, __LINE__);
    auto* form = new CFormBase(kTemplateLaunch, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    if (!form->Create())
        return;
    for (const int id :
         {kButtonLaunchNew, kButtonLaunchOpen, kButtonLaunchHelp, kButtonLaunchClose, kButtonLaunchSplashToggle}) {
        auto* button = form->item<QAbstractButton>(id);
        if (!button)
            continue;
        // Enter closes the window; it does not press a button.
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
        connectButton(id, button);
    }
    if (QAbstractButton* toggle = buttons_.value(kButtonLaunchSplashToggle)) {
        toggle->setCheckable(true);
        toggle->setChecked(showSplash_);
    }
}

void CLaunchDlg::connectButton(int controlId, QAbstractButton* button)
{
    button->setObjectName(QString::number(controlId));
    buttons_.insert(controlId, button);
    if (controlId == kButtonLaunchSplashToggle) {
        connect(button, &QAbstractButton::clicked, this, &CLaunchDlg::ToggleShowSplash);
        return;
    }
    for (const LaunchButtonRow& row : kLaunchButtonTable) {
        if (row.controlId == controlId)
            connect(button, &QAbstractButton::clicked, this, [this, choice = row.choice] { choose(choice); });
    }
}

void CLaunchDlg::choose(int choice)
{
    if (choice == kLaunchChoiceEnd) {
        reject();
        return;
    }
    choice_ = choice;
    accept();
}

// Written at once: it takes effect at the next start.
void CLaunchDlg::ToggleShowSplash()
{
    showSplash_ = !showSplash_;
    const QString value = showSplash_ ? QStringLiteral("1") : QStringLiteral("0");
    if (!WritePrivateProfileString(QLatin1String(kProfilePreferenceSection), QLatin1String(kProfileShowSplashKey),
                                   value, profilePath_))
        TraceLog("%s:%d could not write ShowSplash to %s", __FILE__, __LINE__, qUtf8Printable(profilePath_));
}

void CLaunchDlg::paintEvent(QPaintEvent* event)
{
    if (!pictureWindow_) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, (*images_)[kImageLaunchBackground]);
    painter.drawImage(kSplashLabelPosition, (*images_)[kImageSplashLabel]);
}

// Enter ends the window like its close button; Esc does the same through the dialog.
void CLaunchDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The borderless picture is moved by its top band.
void CLaunchDlg::mousePressEvent(QMouseEvent* event)
{
    if (pictureWindow_ && event->button() == Qt::LeftButton && event->position().y() < kDragBandHeight &&
        windowHandle())
        windowHandle()->startSystemMove();
    QDialog::mousePressEvent(event);
}
