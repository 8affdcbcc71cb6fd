#pragma once
// The launch window, shown before the main frame: a borderless picture with four image buttons
// (new project, open project, help, close) and a toggle that switches the window off for later
// starts. It ends with a launch choice that start-up hands to the main frame. With command-line
// arguments, or when switched off, it ends at once without being shown. When one of its images
// is missing it shows as a plain dialog with the same buttons.

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QString>

#include <optional>

class QAbstractButton;

// The images of the launch window by id.
using LaunchImages = QHash<unsigned, QImage>;
LaunchImages LoadLaunchImages();
bool HasAllLaunchImages(const LaunchImages& images);

class CLaunchDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDragBandHeight = 50;

    explicit CLaunchDlg(bool hasArguments, QWidget* parent = nullptr);
    // With the images given instead of those of the language pack.
    CLaunchDlg(bool hasArguments, LaunchImages images, QWidget* parent = nullptr);

    // Runs the window when it is to be shown: 1 when a choice ended it (or it was not shown),
    // 0 when it was closed.
    int DoModal();
    int GetLaunchChoice() const { return choice_; }
    bool IsPictureWindow() const { return pictureWindow_; }
    // The Profile.ini setting as the window last wrote or read it.
    bool ShowsAtStart() const { return showSplash_; }
    // A launch button or the toggle by control id; null before the window is built.
    QAbstractButton* button(int controlId) const { return buttons_.value(controlId); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool OnInitDialog();
    void createPictureWindow();
    void createPlainWindow();
    void connectButton(int controlId, QAbstractButton* button);
    void choose(int choice);
    void ToggleShowSplash();

    bool hasArguments_ = false;
    int choice_ = 0;
    bool showSplash_ = true;
    QString profilePath_;
    std::optional<LaunchImages> images_;
    bool pictureWindow_ = false;
    QHash<int, QAbstractButton*> buttons_;
};
