#pragma once
// Marks a page as busy while it fills its own controls, so that change handlers, which also fire
// when code sets a control, do not take the page's own filling for the user's edit.
//
//   { BusyGuard busy(busy_); fillControls(); }   // handlers see busy_.IsSet()

class BusyFlag {
public:
    bool IsSet() const { return depth_ > 0; }

private:
    friend class BusyGuard;
    int depth_ = 0;
};

class BusyGuard {
public:
    explicit BusyGuard(BusyFlag& flag) : flag_(flag) { ++flag_.depth_; }
    ~BusyGuard() { --flag_.depth_; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    BusyFlag& flag_;
};
