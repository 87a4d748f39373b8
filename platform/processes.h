// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

class Processes {
public:
    enum class Show {
        MinimisedWithoutFocus, // a helper tool that must not disturb the user
        NormalWithFocus,       // a program the user is to work with
    };

    virtual ~Processes() = default;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool start(const QString &program, const QStringList &arguments, Show show) = 0;
    // Why the last start() failed, for the log; empty when not known.
    virtual QString startError() const { return QString(); }
    // True when another instance of this program already runs for this user.
    // The first caller holds the claim for the rest of its life; a later
    // caller that finds it held asks the holder to come to the front.
    virtual bool previousInstanceRunning() = 0;
    // What the holder of the claim does, on its own thread, when a later
    // start asks it to come to the front. The token is the later start's
    // leave to take the focus (XDG_ACTIVATION_TOKEN, else DESKTOP_STARTUP_ID),
    // empty when it had none.
    virtual void onActivationRequest(std::function<void(const QByteArray &token)> handler) = 0;
    // Ends this process at once, without unloading anything.
    [[noreturn]] virtual void endNow(int exitCode) = 0;
};

} // namespace platform
