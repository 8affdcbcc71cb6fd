#pragma once
// Adds a child form to a tab control once its template is built. The tab control takes the
// form; the caller keeps the returned pointer, typed as the form it passed:
//
//   setting_ = AttachFormTab(*tabs, kSettingTitle, std::make_unique<CCellularSettingPage>(*this));

#include "CFormBase.h"

#include <QTabWidget>

#include <concepts>
#include <memory>

// The form, now owned by the tab control; nullptr (and the form gone) when its template cannot
// be built.
template <std::derived_from<CFormBase> Form>
Form* AttachFormTab(QTabWidget& tabs, const QString& title, std::unique_ptr<Form> form)
{
    if (!form || !form->Create())
        return nullptr;
    tabs.addTab(form.get(), title);
    return form.release();
}
