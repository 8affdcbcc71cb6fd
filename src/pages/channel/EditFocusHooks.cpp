#include "EditFocusHooks.h"

#include <QLineEdit>
#include <QObject>

#include <memory>

namespace {

class FocusFilter : public QObject {
public:
    FocusFilter(QObject* parent, QEvent::Type type, std::function<void()> handler)
        : QObject(parent), type_(type), handler_(std::move(handler))
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == type_)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> handler_;
};

} // namespace

void OnFocusEvent(QWidget& widget, QEvent::Type type, std::function<void()> handler)
{
    widget.installEventFilter(new FocusFilter(&widget, type, std::move(handler)));
}

void CheckEditOnFocusLoss(QLineEdit& edit, std::function<bool()> armed, std::function<bool()> check)
{
    auto edited = std::make_shared<bool>(false);
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [edited] { *edited = true; });
    OnFocusEvent(edit, QEvent::FocusOut, [&edit, edited, armed = std::move(armed), check = std::move(check)] {
        if (!armed() || !*edited)
            return;
        *edited = false;
        if (check())
            return;
        *edited = true;
        edit.setFocus();
    });
}
