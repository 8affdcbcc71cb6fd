#pragma once
// What an Apply over channels (or a channel's sensors) could not write because a tag it would
// remove is used by a service: one line per refused channel or sensor range, shown together in
// one box with the common text after the lines or, on the pages that say so first, before them.
//
//   ChannelRefusals refusals;
//   for (int channel : rows) { if (refused) { refusals.AddChannel(channel); continue; } ... }
//   refusals.ShowIfAny();

#include <QString>

class ChannelRefusals {
public:
    static constexpr unsigned kStringRefused = 760;

    enum class Order { LinesFirst, CommonTextFirst };
    explicit ChannelRefusals(Order order = Order::LinesFirst) : order_(order) {}

    // "Ch-n", the channel as the channel list numbers it.
    void AddChannel(int channel);
    // "Sensor index from first to last".
    void AddSensors(int first, int last);
    bool IsEmpty() const { return lines_.isEmpty(); }
    // The lines and the common text in the order; empty when nothing was refused.
    QString Text() const;
    // Shows the box; false when nothing was refused.
    bool ShowIfAny() const;

private:
    Order order_;
    QString lines_;
};
