#pragma once
// A use of a record by one item of a service: (service resource id, item index).

#include <QPair>
#include <QtGlobal>

using ServiceItemReference = QPair<qint32, qint32>;
