#include "CIPAddressCtrl.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

constexpr int kOctetDigits = 3;
constexpr int kOctetMaximum = 255;
constexpr const char* kSeparator = ".";

} // namespace

CIPAddressCtrl::CIPAddressCtrl(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* validator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            layout->addWidget(new QLabel(QString::fromLatin1(kSeparator), this));
        auto* box = new QLineEdit(this);
        box->setValidator(validator);
        box->setMaxLength(kOctetDigits);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, i] { fieldEdited(i); });
        connect(box, &QLineEdit::textChanged, this, &CIPAddressCtrl::addressChanged);
        layout->addWidget(box);
        fields_[static_cast<size_t>(i)] = box;
    }
    layout->addStretch(1);
    setFocusProxy(fields_[0]);
}

IPAddressFields CIPAddressCtrl::GetAddress() const
{
    IPAddressFields result;
    result.blank = IsBlank();
    for (size_t i = 0; i < fields_.size(); ++i)
        result.octets[i] = static_cast<quint8>(std::min(fields_[i]->text().toInt(), kOctetMaximum));
    return result;
}

void CIPAddressCtrl::SetAddress(const IPAddressFields& fields)
{
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(fields.blank ? QString() : QString::number(fields.octets[i]));
}

void CIPAddressCtrl::ClearAddress()
{
    SetAddress(IPAddressFields{});
}

bool CIPAddressCtrl::IsBlank() const
{
    return std::all_of(fields_.begin(), fields_.end(), [](const QLineEdit* box) { return box->text().isEmpty(); });
}

void CIPAddressCtrl::SetReadOnly(bool readOnly)
{
    for (QLineEdit* box : fields_)
        box->setReadOnly(readOnly);
}

QLineEdit* CIPAddressCtrl::field(int index) const
{
    return index >= 0 && index < 4 ? fields_[static_cast<size_t>(index)] : nullptr;
}

// A typed value above 255 becomes 255; a full box moves on to the next one.
void CIPAddressCtrl::fieldEdited(int index)
{
    QLineEdit* box = fields_[static_cast<size_t>(index)];
    if (box->text().toInt() > kOctetMaximum)
        box->setText(QString::number(kOctetMaximum));
    if (box->text().size() == kOctetDigits && index < 3) {
        fields_[static_cast<size_t>(index) + 1]->setFocus();
        fields_[static_cast<size_t>(index) + 1]->selectAll();
    }
}

// A dot typed in a box that holds digits moves on to the next box.
bool CIPAddressCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (int i = 0; i < 3; ++i) {
            QLineEdit* box = fields_[static_cast<size_t>(i)];
            if (watched == box && key->text() == QLatin1String(kSeparator)) {
                if (!box->text().isEmpty()) {
                    fields_[static_cast<size_t>(i) + 1]->setFocus();
                    fields_[static_cast<size_t>(i) + 1]->selectAll();
                }
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GetIPAddressText(const CIPAddressCtrl& control, QString& text)
{
    text = IPAddressFieldsToText(control.GetAddress());
}

void SetIPAddressText(CIPAddressCtrl& control, const QString& text)
{
    control.SetAddress(IPAddressFieldsFromText(text));
}
