#include "CFormBase.h"

CFormBase::CFormBase(unsigned templateId, QWidget* parent) : QWidget(parent), DialogControls(templateId)
{}

CFormBase::CFormBase(DialogTemplate dialogTemplate, QWidget* parent)
    : QWidget(parent), DialogControls(std::move(dialogTemplate))
{}
