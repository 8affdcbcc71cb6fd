#pragma once
// The rich project the page sweep is run on: the largest controller with every slot taken and
// every service filled (Modbus master and slave, DNP3 points, SNMP agent tags, TAVO, e-mail, SMS
// and trap alarms, data logging and high-speed logging).

#include <QString>

class CDataCenter;

// Builds it into an empty model; false when a template is missing.
bool BuildRichProject(CDataCenter& model);
// Builds it and saves it at the path; false when that fails.
bool WriteRichProject(const QString& path);
