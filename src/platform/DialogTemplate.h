#pragma once
// Dialog templates of the language pack: one text file per template, lang/dialogs/<id>.dlg.
//
//   # The log pane
//   dialog 135 text="Log" width=600 height=200
//   control 2739 list row=0 col=0 colspan=2
//   control -1 static row=1 col=0 string=212
//   control 1 button row=2 col=1 text="OK" default
//
// "dialog" comes first: the template id (equal to the file's), the caption (text= or string=) and
// an optional size hint. Each "control" line gives the control id (-1 for a control no code
// reaches), its type, its grid cell (row=, col=, rowspan=, colspan=), its text (text= or
// string=), and optionally in=<group box id> (placed in that group box's own grid),
// group=<n> (radio buttons of one number are exclusive), image=<png id> (picture) and the flags
// disabled, hidden, readonly, number, password, default.

#include "TemplateSource.h"

#include <QList>
#include <QSize>
#include <QString>

#include <optional>

enum class ControlType {
    Static,
    Edit,
    MultiLineEdit,
    MenuEdit, // multi-line edit with the tag-select menu (CMenuEdit)
    Button,
    CheckBox,
    Radio,
    GroupBox,
    DropList, // combo box, drop-down list
    DropDown, // combo box with an editable field
    List,     // CListCtrlEx
    Tree,
    Tab,
    IPAddress, // CIPAddressCtrl
    Spin,
    Progress,
    Hyperlink,   // CHyperlinkStatic
    ColorStatic, // CColorStatic
    Picture,
};

// The type's word in the template source ("droplist"); nullopt for an unknown word.
std::optional<ControlType> ControlTypeFromName(const QString& name);
QString ControlTypeName(ControlType type);

namespace ControlFlag {
inline constexpr unsigned Disabled = 0x01;
inline constexpr unsigned Hidden = 0x02;
inline constexpr unsigned ReadOnly = 0x04;
inline constexpr unsigned NumberOnly = 0x08;
inline constexpr unsigned Password = 0x10;
inline constexpr unsigned DefaultButton = 0x20;
} // namespace ControlFlag

// A control that no code reaches by id.
inline constexpr int kNoControlId = -1;

struct ControlTemplate {
    int id = kNoControlId;
    ControlType type = ControlType::Static;
    TemplateText text;
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    int groupBoxId = 0; // 0: placed in the dialog's grid
    int radioGroup = 0;
    unsigned imageId = 0;
    unsigned flags = 0;

    bool has(unsigned flag) const { return (flags & flag) != 0; }
};

struct DialogTemplate {
    unsigned id = 0;
    TemplateText caption;
    QSize sizeHint; // invalid when not given
    QList<ControlTemplate> controls;

    const ControlTemplate* control(int controlId) const;
};

// Parses a template source; false with a message naming the source and line when malformed.
bool ParseDialogTemplate(const QString& text, const QString& sourceName, DialogTemplate& out, QString& error);

// The resource path of template id in the language pack.
QString DialogTemplatePath(unsigned templateId);
// Loads template id from the language pack. A missing or malformed template gives nullopt, its
// reason in error (when given) and in the trace log.
std::optional<DialogTemplate> LoadDialogTemplate(unsigned templateId, QString* error = nullptr);
