#pragma once
// A control a dialog reaches by id and the type its template must give it, so a test can check
// every id of a dialog against its template.

#include "DialogTemplate.h"

struct TemplateControlSpec {
    int id;
    ControlType type;
};
