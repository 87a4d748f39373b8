// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform {

// An Internet transfer control: one HTTP request at a time, driven step by
// step by its caller. Every wait inside it handles window events, so other
// handlers may run (and may call cancel()) while it waits. A request whose
// answer's header lines are not in within a minute of its start fails, and
// so does a body that comes slower than 1 KiB/s over a minute.
class Http {
public:
    virtual ~Http() = default;

    // Fetches url with a GET and returns the body of whatever the server
    // answered (an error page too), at most maxBytes of it. Nothing when no
    // whole answer came (no connection, time-out, cancelled, an answer that
    // could not be trusted). Ends within the control's time-out of its start,
    // however slowly the server sends. Counts as executing until it returns.
    virtual std::optional<QByteArray> openUrl(const QString &url, qint64 maxBytes) = 0;

    // Starts a GET of url, with credentials for the server when userName is
    // not empty, and returns at once. Any earlier request is cancelled. A body
    // of more than maxBytes fails the request (responseCode()).
    virtual void execute(const QString &url, const QString &userName, const QString &password, qint64 maxBytes) = 0;
    // True from execute() until the response header has arrived or the
    // request failed, and all through openUrl().
    virtual bool stillExecuting() const = 0;

    // The final answer's status code (200, 404, ...); Unreached when no server
    // could be reached, Unanswered when a connection was made but no answer (or
    // none that could be trusted) came, and while the request is under way.
    static constexpr int Unreached = -1;
    static constexpr int Unanswered = 0;
    virtual int status() const = 0;
    // The final answer's status line for a message ("HTTP/1.1 404 Not Found");
    // empty without an answer.
    virtual QString statusLine() const = 0;
    // One header's value by name (any letter case); empty when absent.
    virtual QString header(const QString &name) const = 0;

    // The next piece of the body, at most maxBytes; waits for it while
    // handling events. Empty when the body has ended, properly or not (see
    // responseCode()), or the request was cancelled.
    virtual QByteArray getChunk(qint64 maxBytes) = 0;
    // The last request's error: 0 while it has none. Any final status but
    // 200 counts as an error; a body cut short by the server does too.
    virtual int responseCode() const = 0;

    // The address of the last request, as it was given.
    virtual QString url() const = 0;
    // Drops the current request; a waiting getChunk() or openUrl() returns.
    virtual void cancel() = 0;
};

} // namespace platform
