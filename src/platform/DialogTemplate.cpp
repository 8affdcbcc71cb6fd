#include "DialogTemplate.h"

#include "LanguagePack.h"

#include <QSet>

#include <array>
#include <utility>

namespace {

constexpr int kMaxControlId = 65535;
constexpr int kMaxGridIndex = 99;
constexpr int kMaxSize = 4000;
constexpr const char* kDialogKeyword = "dialog";
constexpr const char* kControlKeyword = "control";
constexpr const char* kDialogFolder = "lang/dialogs/";
constexpr const char* kDialogSuffix = ".dlg";

constexpr std::array<std::pair<ControlType, const char*>, 19> kTypeNames{{
    {ControlType::Static, "static"},
    {ControlType::Edit, "edit"},
    {ControlType::MultiLineEdit, "multiedit"},
    {ControlType::MenuEdit, "menuedit"},
    {ControlType::Button, "button"},
    {ControlType::CheckBox, "check"},
    {ControlType::Radio, "radio"},
    {ControlType::GroupBox, "group"},
    {ControlType::DropList, "droplist"},
    {ControlType::DropDown, "dropdown"},
    {ControlType::List, "list"},
    {ControlType::Tree, "tree"},
    {ControlType::Tab, "tab"},
    {ControlType::IPAddress, "ip"},
    {ControlType::Spin, "spin"},
    {ControlType::Progress, "progress"},
    {ControlType::Hyperlink, "hyperlink"},
    {ControlType::ColorStatic, "colorstatic"},
    {ControlType::Picture, "picture"},
}};

constexpr std::array<std::pair<unsigned, const char*>, 6> kFlagNames{{
    {ControlFlag::Disabled, "disabled"},
    {ControlFlag::Hidden, "hidden"},
    {ControlFlag::ReadOnly, "readonly"},
    {ControlFlag::NumberOnly, "number"},
    {ControlFlag::Password, "password"},
    {ControlFlag::DefaultButton, "default"},
}};

const QStringList kDialogKeys{QStringLiteral("text"), QStringLiteral("string"), QStringLiteral("width"),
                              QStringLiteral("height")};
const QStringList kControlKeys{QStringLiteral("text"), QStringLiteral("string"),  QStringLiteral("row"),
                               QStringLiteral("col"),  QStringLiteral("rowspan"), QStringLiteral("colspan"),
                               QStringLiteral("in"),   QStringLiteral("group"),   QStringLiteral("image")};

bool onlyKnownKeys(TemplateSource& source, const TemplateLine& line, const QStringList& known)
{
    for (auto it = line.settings.constBegin(); it != line.settings.constEnd(); ++it) {
        if (!known.contains(it.key()))
            return source.Fail(line, QStringLiteral("unknown setting '%1'").arg(it.key()));
    }
    return true;
}

class DialogParser {
public:
    DialogParser(const QString& sourceName, DialogTemplate& out) : source_(sourceName), out_(out) {}

    bool Parse(const QString& text)
    {
        QList<TemplateLine> lines;
        if (!source_.Split(text, lines))
            return false;
        if (lines.isEmpty() || lines.first().keyword() != QLatin1String(kDialogKeyword))
            return source_.Fail(QStringLiteral("the first line must be 'dialog <id> ...'"));
        if (!readDialog(lines.first()))
            return false;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (lines[i].keyword() != QLatin1String(kControlKeyword))
                return source_.Fail(lines[i], QStringLiteral("unknown keyword '%1'").arg(lines[i].keyword()));
            if (!readControl(lines[i]))
                return false;
        }
        return checkGroupBoxes();
    }

    const QString& error() const { return source_.error(); }

private:
    bool readDialog(const TemplateLine& line)
    {
        if (line.words.size() != 2)
            return source_.Fail(line, QStringLiteral("expected 'dialog <id>' and settings"));
        const auto id = source_.Number(line, 1, "the template id", 1, kMaxControlId);
        if (!id || !onlyKnownKeys(source_, line, kDialogKeys))
            return false;
        const auto caption = ReadTemplateText(source_, line);
        const auto width = source_.Setting(line, QStringLiteral("width"), -1, 1, kMaxSize);
        const auto height = source_.Setting(line, QStringLiteral("height"), -1, 1, kMaxSize);
        if (!caption || !width || !height)
            return false;
        out_.id = static_cast<unsigned>(*id);
        out_.caption = *caption;
        out_.sizeHint = QSize(*width, *height);
        return true;
    }

    bool readControl(const TemplateLine& line)
    {
        if (line.words.size() < 3)
            return source_.Fail(line, QStringLiteral("expected 'control <id> <type>' and settings"));
        ControlTemplate control;
        const auto id = source_.Number(line, 1, "the control id", kNoControlId, kMaxControlId);
        if (!id || !onlyKnownKeys(source_, line, kControlKeys))
            return false;
        if (*id == 0)
            return source_.Fail(line, QStringLiteral("the control id must be -1 or from 1 to %1").arg(kMaxControlId));
        control.id = *id;
        const auto type = ControlTypeFromName(line.words[2]);
        if (!type)
            return source_.Fail(line, QStringLiteral("unknown control type '%1'").arg(line.words[2]));
        control.type = *type;
        if (!readFlags(line, control) || !readPlacement(line, control))
            return false;
        const auto text = ReadTemplateText(source_, line);
        const auto radioGroup = source_.Setting(line, QStringLiteral("group"), 0, 0, kMaxControlId);
        const auto image = source_.Setting(line, QStringLiteral("image"), 0, 0, kMaxControlId);
        if (!text || !radioGroup || !image)
            return false;
        control.text = *text;
        control.radioGroup = *radioGroup;
        control.imageId = static_cast<unsigned>(*image);
        if (control.id != kNoControlId) {
            if (ids_.contains(control.id))
                return source_.Fail(line, QStringLiteral("control id %1 used twice").arg(control.id));
            ids_.insert(control.id);
        }
        lines_.append(line.number);
        out_.controls.append(control);
        return true;
    }

    bool readPlacement(const TemplateLine& line, ControlTemplate& control)
    {
        if (!line.settings.contains(QStringLiteral("row")) || !line.settings.contains(QStringLiteral("col")))
            return source_.Fail(line, QStringLiteral("row= and col= are required"));
        const auto row = source_.Setting(line, QStringLiteral("row"), 0, 0, kMaxGridIndex);
        const auto column = source_.Setting(line, QStringLiteral("col"), 0, 0, kMaxGridIndex);
        const auto rowSpan = source_.Setting(line, QStringLiteral("rowspan"), 1, 1, kMaxGridIndex);
        const auto columnSpan = source_.Setting(line, QStringLiteral("colspan"), 1, 1, kMaxGridIndex);
        const auto groupBox = source_.Setting(line, QStringLiteral("in"), 0, 1, kMaxControlId);
        if (!row || !column || !rowSpan || !columnSpan || !groupBox)
            return false;
        control.row = *row;
        control.column = *column;
        control.rowSpan = *rowSpan;
        control.columnSpan = *columnSpan;
        control.groupBoxId = *groupBox;
        return true;
    }

    bool readFlags(const TemplateLine& line, ControlTemplate& control)
    {
        for (qsizetype i = 3; i < line.words.size(); ++i) {
            const unsigned flag = flagFromName(line.words[i]);
            if (flag == 0)
                return source_.Fail(line, QStringLiteral("unknown flag '%1'").arg(line.words[i]));
            control.flags |= flag;
        }
        return true;
    }

    static unsigned flagFromName(const QString& name)
    {
        for (const auto& [flag, word] : kFlagNames) {
            if (name == QLatin1String(word))
                return flag;
        }
        return 0;
    }

    // A control placed in a group box must name an earlier group box of this template.
    bool checkGroupBoxes()
    {
        QSet<int> groupBoxes;
        for (qsizetype i = 0; i < out_.controls.size(); ++i) {
            const ControlTemplate& control = out_.controls[i];
            if (control.groupBoxId != 0 && !groupBoxes.contains(control.groupBoxId)) {
                TemplateLine line;
                line.number = lines_[i];
                return source_.Fail(line, QStringLiteral("in=%1 names no group box above").arg(control.groupBoxId));
            }
            if (control.type == ControlType::GroupBox && control.id != kNoControlId)
                groupBoxes.insert(control.id);
        }
        return true;
    }

    TemplateSource source_;
    DialogTemplate& out_;
    QSet<int> ids_;
    QList<int> lines_; // source line of each control
};

} // namespace

std::optional<ControlType> ControlTypeFromName(const QString& name)
{
    for (const auto& [type, word] : kTypeNames) {
        if (name == QLatin1String(word))
            return type;
    }
    return std::nullopt;
}

QString ControlTypeName(ControlType type)
{
    for (const auto& [known, word] : kTypeNames) {
        if (known == type)
            return QString::fromLatin1(word);
    }
    return {};
}

const ControlTemplate* DialogTemplate::control(int controlId) const
{
    for (const ControlTemplate& c : controls) {
        if (c.id == controlId && controlId != kNoControlId)
            return &c;
    }
    return nullptr;
}

bool ParseDialogTemplate(const QString& text, const QString& sourceName, DialogTemplate& out, QString& error)
{
    DialogTemplate parsed;
    DialogParser parser(sourceName, parsed);
    if (!parser.Parse(text)) {
        error = parser.error();
        return false;
    }
    out = std::move(parsed);
    return true;
}

QString DialogTemplatePath(unsigned templateId)
{
    return LanguagePack::ResourcePath(QLatin1String(kDialogFolder) + QString::number(templateId) +
                                      QLatin1String(kDialogSuffix));
}

std::optional<DialogTemplate> LoadDialogTemplate(unsigned templateId, QString* error)
{
    return LoadPackTemplate<DialogTemplate>("dialog template", templateId, DialogTemplatePath(templateId),
                                            ParseDialogTemplate, error);
}
