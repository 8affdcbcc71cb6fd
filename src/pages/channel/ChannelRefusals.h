#pragma once
// What an Apply over channels (or a channel's sensors) could not write because a tag it would
// remove is used by a service: one line per refused channel or sensor range, shown together in
// one box that ends with the common closing text.
//
//   ChannelRefusals refusals;
//   for (int channel : rows) { if (refused) { refusals.AddChannel(channel); continue; } ... }
//   refusals.ShowIfAny();

#include <QString>

class ChannelRefusals {
public:
    static constexpr unsigned kStringRefused = 760;

    // "Ch-n", the channel as the channel list numbers it.
    void AddChannel(int channel);
    // "Sensor index from first to last".
    void AddSensors(int first, int last);
    bool IsEmpty() const { return lines_.isEmpty(); }
    // The lines followed by the closing text; empty when nothing was refused.
    QString Text() const;
    // Shows the box; false when nothing was refused.
    bool ShowIfAny() const;

private:
    QString lines_;
};
