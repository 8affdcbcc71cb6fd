#pragma once
// A child window built from a template of the language pack: the base of panes and property
// pages. The owner calls Create once the object is constructed; OnInitDialog then runs once.

#include "DialogControls.h"

#include <QWidget>

class CFormBase : public QWidget, public DialogControls {
    Q_OBJECT
public:
    explicit CFormBase(unsigned templateId, QWidget* parent = nullptr);
    explicit CFormBase(DialogTemplate dialogTemplate, QWidget* parent = nullptr);

    // Builds the controls and runs OnInitDialog, once; false when the template cannot be built.
    bool Create() { return BuildControls(*this); }
};
