// The queue and error handling values that the e-mail and the SMS alarm elements share.
#include "AlarmQueueSettings.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Alarm;

void AlarmQueueSettings::SaveQueueValues(IXMLElement* element) const
{
    AddValue(element, Names::EventBufferSize, EventBufferSize);
    AddValue(element, Names::EventBufferOverflowBehavior, EventBufferOverflowBehavior);
    AddValue(element, ServiceXml::ErrorHandlingRetry, ErrorHandlingRetry);
    AddValue(element, ServiceXml::ErrorHandlingDelay, ErrorHandlingDelay);
}

void AlarmQueueSettings::LoadQueueValues(IXMLElement* element)
{
    EventBufferSize = IntValueInTriple(element, Names::EventBufferSize, QueueValue);
    EventBufferOverflowBehavior = IntValueInRange(element, Names::EventBufferOverflowBehavior, 0, 1, 0);
    // With no limit on tries (0) any count is taken.
    ErrorHandlingRetry = IntValueInRange(element, ServiceXml::ErrorHandlingRetry, 0, Tries, DefaultTries);
    ErrorHandlingDelay = IntValueInTriple(element, ServiceXml::ErrorHandlingDelay, DelayValue);
}
