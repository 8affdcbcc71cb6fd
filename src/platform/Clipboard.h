#pragma once

#include <QString>

// Puts the text on the system clipboard; false when there is no clipboard.
bool CopyTextToClipboard(const QString& text);
