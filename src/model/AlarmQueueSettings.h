#pragma once
// The queue and error handling that the e-mail and the SMS alarm services share, with the limits
// each reads from its own section of DefaultSettings.ini.

#include "ConfigFiles.h"

#include <QString>
#include <QtGlobal>

struct AlarmQueueSettings {
    static constexpr qint32 kBuiltInTries = 5;
    static constexpr qint32 kBuiltInDefaultTries = 3;

    qint32 EventBufferSize = 0; // queue size of pending alarms
    qint32 EventBufferOverflowBehavior = 0;
    qint32 ErrorHandlingRetry = 0;
    qint32 ErrorHandlingDelay = 0; // seconds

    SettingTriple QueueValue;
    SettingTriple DelayValue;
    qint32 Tries = kBuiltInTries;               // the largest number of attempts on error
    qint32 DefaultTries = kBuiltInDefaultTries; // the number of attempts preselected

    // Reads "QueueValue", "DelayValue", "Tries" and "DefaultTries" of the section.
    void LoadQueueDefaults(const QString& section);
    // Queue size, delay and attempts back to their defaults; the overflow behaviour to 0.
    void ResetQueueValues();
    // Keys "QueueValue", "DelayValue".
    int GetQueueDefault(const QString& key, SettingTriple& out) const;

    // project file
    // "EventBufferSize", "EventBufferOverflowBehavior", "ErrorHandlingRetry", "ErrorHandlingDelay".
    void SaveQueueValues(class IXMLElement* element) const;
    void LoadQueueValues(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const AlarmQueueSettings&, const AlarmQueueSettings&) = default;
};
