#pragma once

#include "form/main_form.h"

namespace linknode {

// Aims the send address INP_UDP_MASK (and so the link) at another address while a sender
// runs, and writes the saved text back when the scope ends, however the sender leaves: outside
// a running sender the destination always equals the field.
class SendAddressScope {
public:
    SendAddressScope(MainForm& form, const QString& address)
        : field_(form[INP_UDP_MASK])
        , saved_(field_.text())
    {
        field_.setText(address);
    }
    ~SendAddressScope() { field_.setText(saved_); }

    SendAddressScope(const SendAddressScope&) = delete;
    SendAddressScope& operator=(const SendAddressScope&) = delete;

private:
    IpEntry& field_;
    QString saved_;
};

// Marks a sender as running for as long as it lives, with its button disabled meanwhile, so
// that a second click or a call from a timer cannot start it again in the middle.
class SenderRun {
public:
    SenderRun(bool& running, QWidget& button)
        : running_(running)
        , button_(button)
        , started_(!running)
        , wasEnabled_(button.isEnabled())
    {
        if (!started_)
            return;
        running_ = true;
        button_.setEnabled(false);
    }
    ~SenderRun()
    {
        if (!started_)
            return;
        running_ = false;
        button_.setEnabled(wasEnabled_);
    }
    SenderRun(const SenderRun&) = delete;
    SenderRun& operator=(const SenderRun&) = delete;

    // False when the sender was already running: this call must do nothing.
    bool started() const { return started_; }

private:
    bool& running_;
    QWidget& button_;
    bool started_;
    bool wasEnabled_;
};

} // namespace linknode
