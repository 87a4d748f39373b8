// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/http_response_reader.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A header name is a token (RFC 9110, section 5.6.2): no blank before the colon.
bool isToken(const QByteArray &name)
{
    static constexpr QByteArrayView kSpecials = "!#$%&'*+-.^_`|~";
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](char c) {
        return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || kSpecials.contains(c);
    });
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QString shown(const QByteArray &text)
{
    return QString::fromLatin1(text.left(40));
}

} // namespace

void HttpResponseReader::feed(const QByteArray &bytes)
{
    if (m_stage == Stage::Done || m_stage == Stage::Failed || bytes.isEmpty())
        return;
    if (m_part == Part::LengthBody && m_input.isEmpty()) {
        // The common case of a download: the piece goes to the body as it is.
        const qint64 size = std::min<qint64>(m_remaining, bytes.size());
        m_body.push_back(size == bytes.size() ? bytes : bytes.left(size));
        m_bodyReady += size;
        m_remaining -= size;
        if (m_remaining == 0)
            m_stage = Stage::Done;
        return;
    }
    m_input.append(bytes);
    while (m_stage != Stage::Done && m_stage != Stage::Failed && step()) {}
    if (m_inputRead == m_input.size())
        m_input.clear();
    else
        m_input.remove(0, m_inputRead);
    m_inputRead = 0;
}

void HttpResponseReader::endOfInput()
{
    if (m_stage == Stage::Head)
        fail(QStringLiteral("the connection ended before the answer's header lines were whole"));
    else if (m_stage == Stage::Body)
        fail(m_chunked ? QStringLiteral("the chunked body was cut short")
                       : QStringLiteral("the body was cut short, %1 bytes missing").arg(m_remaining));
}

QByteArray HttpResponseReader::header(QByteArrayView name) const
{
    for (const HttpHeaderLine &line : m_headers) {
        if (QByteArrayView(line.name).compare(name, Qt::CaseInsensitive) == 0)
            return line.value;
    }
    return QByteArray();
}

QString HttpResponseReader::headerBlock() const
{
    if (!m_headComplete)
        return QString();
    // No line holds a CR or LF: a stray CR was read as a blank, LF ends a line.
    QString block = QStringLiteral("HTTP/1.1 ") + QString::number(m_status) + QLatin1Char(' ')
        + QString::fromLatin1(m_reason) + QStringLiteral("\r\n");
    for (const HttpHeaderLine &line : m_headers)
        block += QString::fromLatin1(line.name) + QStringLiteral(": ") + QString::fromLatin1(line.value)
            + QStringLiteral("\r\n");
    return block + QStringLiteral("\r\n");
}

QByteArray HttpResponseReader::takeBody(qint64 maxBytes)
{
    if (m_body.empty() || maxBytes <= 0)
        return QByteArray();
    const QByteArray &first = m_body.front();
    const qint64 size = std::min<qint64>(maxBytes, first.size() - m_bodyTaken);
    QByteArray piece = m_bodyTaken == 0 && size == first.size() ? first : first.mid(m_bodyTaken, size);
    m_bodyTaken += size;
    m_bodyReady -= size;
    if (m_bodyTaken == first.size()) {
        m_body.pop_front();
        m_bodyTaken = 0;
    }
    return piece;
}

// One line of input, without its end; false when it has not all come yet
// (or is longer than limit, which fails the answer).
bool HttpResponseReader::takeLine(QByteArray *line, qint64 limit, const QString &what)
{
    const qsizetype end = m_input.indexOf('\n', m_inputRead);
    const qint64 length = end < 0 ? m_input.size() - m_inputRead : end - m_inputRead + 1;
    if (length > limit) {
        fail(what + QStringLiteral(" longer than %1 bytes").arg(limit));
        return false;
    }
    if (end < 0)
        return false;
    *line = m_input.mid(m_inputRead, end - m_inputRead);
    m_inputRead = end + 1;
    m_lineBytes = length;
    if (line->endsWith('\r'))
        line->chop(1);
    line->replace('\r', ' ');
    if (line->contains('\0')) {
        fail(what + QStringLiteral(" holding a NUL byte"));
        return false;
    }
    return true;
}

// Reads what the input holds of the current part; false when it needs more.
bool HttpResponseReader::step()
{
    QByteArray line;
    switch (m_part) {
    case Part::StatusLine:
    case Part::HeaderLines:
        if (!takeLine(&line, kMaxHeaderBytes - m_headBytes, QStringLiteral("header lines")))
            return false;
        m_headBytes += m_lineBytes;
        if (m_part == Part::StatusLine)
            readStatusLine(line);
        else
            readHeaderLine(line);
        return true;
    case Part::LengthBody:
    case Part::ChunkData:
        if (m_inputRead == m_input.size())
            return false;
        takeBodyBytes();
        return true;
    case Part::ChunkSize:
        if (!takeLine(&line, kMaxChunkLineBytes, QStringLiteral("a chunk-size line")))
            return false;
        readChunkSize(line);
        return true;
    case Part::ChunkEnd:
        if (!takeLine(&line, 2, QStringLiteral("the end of a chunk")))
            return false;
        if (!line.isEmpty())
            fail(QStringLiteral("a chunk longer than its size"));
        m_part = Part::ChunkSize;
        return true;
    case Part::Trailers:
        if (!takeLine(&line, kMaxHeaderBytes - m_headBytes, QStringLiteral("header and trailer lines")))
            return false;
        m_headBytes += m_lineBytes;
        readTrailer(line);
        return true;
    }
    return false;
}

void HttpResponseReader::readStatusLine(const QByteArray &line)
{
    // HTTP/1.x, a blank, three digits, then nothing or a blank and the reason.
    const bool wellFormed = line.size() >= 12 && line.startsWith("HTTP/1.") && isDigit(line[7]) && line[8] == ' '
        && isDigit(line[9]) && isDigit(line[10]) && isDigit(line[11]) && (line.size() == 12 || line[12] == ' ');
    const int status = wellFormed ? line.mid(9, 3).toInt() : 0;
    if (status < 100) {
        fail(QStringLiteral("no HTTP/1 status line: \"%1\"").arg(shown(line)));
        return;
    }
    m_status = status;
    m_reason = line.mid(13);
    m_part = Part::HeaderLines;
}

void HttpResponseReader::readHeaderLine(const QByteArray &line)
{
    if (line.isEmpty()) {
        endHead();
        return;
    }
    if (isBlank(line[0])) {
        // A folded line goes on the one before, joined by a blank.
        if (m_headers.isEmpty()) {
            fail(QStringLiteral("a folded line with nothing to fold onto"));
            return;
        }
        m_headers.last().value += ' ' + line.trimmed();
        return;
    }
    const qsizetype colon = line.indexOf(':');
    const QByteArray name = line.left(colon);
    if (colon <= 0 || !isToken(name)) {
        fail(QStringLiteral("a malformed header line: \"%1\"").arg(shown(line)));
        return;
    }
    m_headers.append(HttpHeaderLine {name, line.mid(colon + 1).trimmed()});
}

void HttpResponseReader::endHead()
{
    if (m_status / 100 == 1) {
        if (m_status == 101) {
            m_headComplete = true;
            fail(QStringLiteral("a change of protocol (101)"));
            return;
        }
        // An interim answer (103 Early Hints): the final one follows.
        ++m_interim;
        m_status = 0;
        m_reason.clear();
        m_headers.clear();
        m_part = Part::StatusLine;
        return;
    }
    m_headComplete = true;
    if (m_status == 204 || m_status == 304) {
        m_stage = Stage::Done; // no body to frame
        return;
    }
    int lengths = 0;
    int codings = 0;
    QByteArray length;
    QByteArray coding;
    for (const HttpHeaderLine &line : std::as_const(m_headers)) {
        if (line.name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            ++lengths;
            length = line.value;
        } else if (line.name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            ++codings;
            coding = line.value;
        }
    }
    // Else a shorter or longer body than the server meant could pass as whole.
    if (codings > 0) {
        if (codings > 1 || coding.compare("chunked", Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("the transfer coding \"%1\"").arg(shown(coding)));
        else if (lengths > 0)
            fail(QStringLiteral("both a length and chunked coding"));
        else {
            m_chunked = true;
            m_stage = Stage::Body;
            m_part = Part::ChunkSize;
        }
        return;
    }
    if (lengths != 1) {
        fail(lengths == 0 ? QStringLiteral("neither a length nor chunked coding")
                          : QStringLiteral("%1 lengths").arg(lengths));
        return;
    }
    if (length.isEmpty() || length.size() > 18 || !std::all_of(length.cbegin(), length.cend(), isDigit)) {
        fail(QStringLiteral("the length \"%1\"").arg(shown(length)));
        return;
    }
    m_remaining = length.toLongLong();
    m_stage = m_remaining == 0 ? Stage::Done : Stage::Body;
    m_part = Part::LengthBody;
}

void HttpResponseReader::readChunkSize(const QByteArray &line)
{
    qint64 size = 0;
    qsizetype end = 0;
    for (; end < line.size() && hexValue(line[end]) >= 0; ++end) {
        if (size > (std::numeric_limits<qint64>::max() >> 4)) {
            fail(QStringLiteral("a chunk size past any file"));
            return;
        }
        size = size * 16 + hexValue(line[end]);
    }
    // Extensions (";name=value") are allowed after the size, and passed over.
    qsizetype rest = end;
    while (rest < line.size() && isBlank(line[rest]))
        ++rest;
    if (end == 0 || (rest < line.size() && line[rest] != ';')) {
        fail(QStringLiteral("the chunk size \"%1\"").arg(shown(line)));
        return;
    }
    if (size == 0) {
        m_part = Part::Trailers;
        return;
    }
    m_remaining = size;
    m_part = Part::ChunkData;
}

void HttpResponseReader::readTrailer(const QByteArray &line)
{
    if (line.isEmpty()) {
        m_stage = Stage::Done;
        return;
    }
    // Trailer fields are read over, not taken: they come after the body was judged.
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0 || !isToken(line.left(colon)))
        fail(QStringLiteral("a malformed trailer line: \"%1\"").arg(shown(line)));
}

void HttpResponseReader::takeBodyBytes()
{
    const qint64 size = std::min<qint64>(m_remaining, m_input.size() - m_inputRead);
    m_body.push_back(m_input.mid(m_inputRead, size));
    m_bodyReady += size;
    m_inputRead += size;
    m_remaining -= size;
    if (m_remaining > 0)
        return;
    if (m_part == Part::ChunkData)
        m_part = Part::ChunkEnd;
    else
        m_stage = Stage::Done;
}

void HttpResponseReader::fail(const QString &why)
{
    if (m_stage == Stage::Failed)
        return;
    m_stage = Stage::Failed;
    m_failure = why;
}

} // namespace platform
