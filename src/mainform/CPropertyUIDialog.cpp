#include "CPropertyUIDialog.h"

#include "CPropertyForm.h"

CPropertyUIDialog::CPropertyUIDialog(unsigned templateId, CPropertyForm* owner)
    : CFormBase(templateId, owner), owner_(owner)
{
    takeFromOwner();
}

CPropertyUIDialog::CPropertyUIDialog(DialogTemplate dialogTemplate, CPropertyForm* owner)
    : CFormBase(std::move(dialogTemplate), owner), owner_(owner)
{
    takeFromOwner();
}

CPropertyUIDialog::~CPropertyUIDialog() = default;

void CPropertyUIDialog::takeFromOwner()
{
    if (!owner_)
        return;
    logForm_ = owner_->GetLogForm();
    deviceForm_ = owner_->GetDeviceForm();
    dataCenter_ = owner_->GetDataCenter();
}

CDataCenter* CPropertyUIDialog::RefreshDataCenter()
{
    dataCenter_ = owner_ ? owner_->GetDataCenter() : nullptr;
    return dataCenter_;
}
