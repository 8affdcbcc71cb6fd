#pragma once
// The page shown for a form id whose property page is not part of the program yet: it names the
// selected node and offers nothing to edit.

#include "CPropertyUIDialog.h"

struct PropertyPageKind;

class CPlaceholderPage : public CPropertyUIDialog {
    Q_OBJECT
public:
    static constexpr int kStaticNodeName = 1;

    CPlaceholderPage(const PropertyPageKind& kind, IPageHost* host);

    // The text the page shows now.
    QString ShownText() const;

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
};
