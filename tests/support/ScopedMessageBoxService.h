#pragma once
// Installs a message-box service for one scope and puts the previous one back when it ends.

#include "MessageBoxService.h"

class ScopedMessageBoxService {
public:
    explicit ScopedMessageBoxService(IMessageBoxService& service) : previous_(SetMessageBoxService(&service)) {}
    ~ScopedMessageBoxService() { SetMessageBoxService(previous_); }
    ScopedMessageBoxService(const ScopedMessageBoxService&) = delete;
    ScopedMessageBoxService& operator=(const ScopedMessageBoxService&) = delete;

private:
    IMessageBoxService* previous_;
};
