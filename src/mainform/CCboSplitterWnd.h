#pragma once
// The main window's client area: the device tree on the left, and on the right a nested splitter
// with the property pane over the log pane. The first sizes follow the screen, not the frame:
// the tree a quarter of the screen's width, the property pane 73 % of its height.

#include <QRect>
#include <QSize>
#include <QSplitter>

class CCboSplitterWnd : public QSplitter {
    Q_OBJECT
public:
    static constexpr int kMinimumTreeWidth = 100;
    static constexpr int kMinimumPropertyHeight = 50;

    enum PaneIndex { kTreePane = 0, kPropertyPane = 1, kLogPane = 2 };

    struct PaneSizes {
        int treeWidth = 0;
        int propertyHeight = 0;
        friend bool operator==(const PaneSizes&, const PaneSizes&) = default;
    };
    // The ideal sizes for a screen of that size.
    static PaneSizes InitialPaneSizes(QSize screen);

    explicit CCboSplitterWnd(QWidget* parent = nullptr);

    // Places the three panes (the splitter takes them over); kE_FAIL when the panes exist already.
    int CreatePanes(QWidget* tree, QWidget* property, QWidget* log);
    // Takes the ideal sizes from that rectangle (the screen's) and lays the panes out with them.
    void SetInitialPaneSizes(const QRect& reference);
    // The tree, the property pane, the log pane; null for any other index or before CreatePanes.
    QWidget* GetPaneView(int index) const;
    QSplitter* nestedSplitter() const { return nested_; }
    PaneSizes idealSizes() const { return ideal_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyIdealSizes();

    QSplitter* nested_ = nullptr;
    PaneSizes ideal_;
    bool userMovedPanes_ = false;
};
