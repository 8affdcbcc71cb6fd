#pragma once
// Something that carries menu commands: the main frame hands the commands it does not carry
// itself (help, About) on to the application object.

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    virtual bool HasCommand(int command) const = 0;
    virtual void OnCommand(int command) = 0;
};
