// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <deque>

namespace platform {

// One header line of an answer: the name as sent, the value without its
// outer blanks.
struct HttpHeaderLine {
    QByteArray name;
    QByteArray value;
};

// Reads one HTTP/1.1 answer from the bytes of its connection, as they come,
// in whatever pieces: the status line and header lines (interim 1xx answers
// passed over, 101 refused, at most 64 KiB of header lines in all), then a
// body whose end is told by exactly one all-digit Content-Length or by
// chunked coding alone. Lines may end in CR LF or a bare LF; a stray CR
// inside a line reads as a blank. The decoded body waits here until taken,
// so what it holds is what was fed and not yet taken.
class HttpResponseReader {
public:
    static constexpr qint64 kMaxHeaderBytes = 64 * 1024;
    // A chunk-size line with its extensions.
    static constexpr qint64 kMaxChunkLineBytes = 4 * 1024;

    enum class Stage {
        Head,   // before the final answer's header lines are whole
        Body,   // reading the body
        Done,   // the body ended where its framing said
        Failed, // see failure(); body bytes decoded before it can still be taken
    };

    // A QByteArray of body bytes is kept as it is, not copied.
    void feed(const QByteArray &bytes);
    // The connection ended: an answer not yet whole is cut short.
    void endOfInput();

    Stage stage() const { return m_stage; }
    // The final answer's status line and header lines have been read (its
    // framing may still have failed it).
    bool headComplete() const { return m_headComplete; }
    int status() const { return m_status; }
    const QByteArray &reason() const { return m_reason; }
    const QList<HttpHeaderLine> &headers() const { return m_headers; }
    // The first value of a header (any letter case); empty when absent.
    QByteArray header(QByteArrayView name) const;
    // The final answer's status line and header lines as the transfer
    // control shows them: "HTTP/1.1 ", the three digits, a blank, the
    // reason, then one "Name: value" a line, each ended by CR LF, and an
    // empty line. Empty until headComplete().
    QString headerBlock() const;
    // Interim answers passed over before the final one.
    int interimAnswers() const { return m_interim; }
    QString failure() const { return m_failure; }

    qint64 bodyBytesReady() const { return m_bodyReady; }
    // At most maxBytes of the body, from one of the pieces it came in (so
    // perhaps fewer); empty only when none is ready.
    QByteArray takeBody(qint64 maxBytes);

private:
    enum class Part { StatusLine, HeaderLines, LengthBody, ChunkSize, ChunkData, ChunkEnd, Trailers };

    bool takeLine(QByteArray *line, qint64 limit, const QString &what);
    bool step();
    void readStatusLine(const QByteArray &line);
    void readHeaderLine(const QByteArray &line);
    void endHead();
    void readChunkSize(const QByteArray &line);
    void readTrailer(const QByteArray &line);
    void takeBodyBytes();
    void fail(const QString &why);

    Stage m_stage = Stage::Head;
    Part m_part = Part::StatusLine;
    QByteArray m_input; // fed, not yet read
    qsizetype m_inputRead = 0;
    qint64 m_lineBytes = 0; // of the last line taken, with its end
    qint64 m_headBytes = 0; // header and trailer lines of all answers so far
    int m_interim = 0;
    bool m_headComplete = false;
    int m_status = 0;
    QByteArray m_reason;
    QList<HttpHeaderLine> m_headers;
    qint64 m_remaining = 0; // of the body, or of the current chunk
    bool m_chunked = false;
    std::deque<QByteArray> m_body; // decoded, in the pieces it came in
    qsizetype m_bodyTaken = 0;     // of the first piece
    qint64 m_bodyReady = 0;
    QString m_failure;
};

} // namespace platform
