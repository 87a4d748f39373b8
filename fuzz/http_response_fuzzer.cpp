// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer control's reading of a server's answer. The input's first
// byte says where the rest is cut into pieces, as a connection might bring
// them; the rest is what a server sent back. However it is cut, the answer
// reads the same; the header block keeps the shape callers read it in (the
// status code at characters 10 to 12, each line ended by CR LF, an empty
// line at the end), header() gives the block's values; the body is never
// longer than what came, nor the header lines longer than their bound.

#include "fuzz_check.h"
#include "platform/real/http_response_reader.h"

#include <cstdint>
#include <cstdio>

namespace {

using platform::HttpResponseReader;

struct Outcome {
    HttpResponseReader::Stage stage;
    int status;
    QString block;
    QByteArray body;
};

Outcome readInPieces(const QByteArray &answer, qsizetype pieceSize)
{
    HttpResponseReader reader;
    QByteArray body;
    for (qsizetype at = 0; at < answer.size(); at += pieceSize) {
        reader.feed(answer.mid(at, pieceSize));
        // Taken in small pieces, as the download dialog takes them.
        while (reader.bodyBytesReady() > 0) {
            const QByteArray piece = reader.takeBody(1000);
            FUZZ_CHECK(!piece.isEmpty() && piece.size() <= 1000);
            body += piece;
        }
    }
    reader.endOfInput();
    while (reader.bodyBytesReady() > 0)
        body += reader.takeBody(answer.size() + 1);
    FUZZ_CHECK(reader.bodyBytesReady() == 0);
    FUZZ_CHECK(reader.stage() != HttpResponseReader::Stage::Head);
    FUZZ_CHECK(reader.stage() != HttpResponseReader::Stage::Body);
    FUZZ_CHECK((reader.stage() == HttpResponseReader::Stage::Failed) == !reader.failure().isEmpty());
    return Outcome {reader.stage(), reader.status(), reader.headerBlock(), body};
}

void checkHeaderBlock(const QByteArray &answer, const QString &block)
{
    if (qEnvironmentVariableIsSet("HORALUX_FUZZ_SHOW")) {
        QString shown = block;
        shown.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        std::fprintf(stderr, "header block: %s\n", qPrintable(shown));
    }
    if (block.isEmpty())
        return;
    FUZZ_CHECK(block.size() <= HttpResponseReader::kMaxHeaderBytes + 64);
    FUZZ_CHECK(block.startsWith(QLatin1String("HTTP/1.1 ")));
    FUZZ_CHECK(block.endsWith(QLatin1String("\r\n\r\n")));
    for (int i = 9; i < 12; ++i)
        FUZZ_CHECK(block.size() > i && block.at(i).isDigit() && block.at(i).unicode() < 0x80);
    FUZZ_CHECK(block.size() > 12 && block.at(12) == QLatin1Char(' '));
    const int status = block.mid(9, 3).toInt();
    FUZZ_CHECK(status >= 100 && (status >= 200 || status == 101));

    HttpResponseReader reader;
    reader.feed(answer);
    const QStringList lines = block.chopped(4).split(QLatin1String("\r\n"));
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype separator = lines[i].indexOf(QLatin1String(": "));
        FUZZ_CHECK(separator > 0);
        const QString name = lines[i].left(separator);
        // A name seen twice keeps its first value in header().
        bool first = true;
        for (qsizetype j = 1; j < i; ++j)
            first = first && !lines[j].startsWith(name + QLatin1String(": "), Qt::CaseInsensitive);
        if (first)
            FUZZ_CHECK(QString::fromLatin1(reader.header(name.toLatin1())) == lines[i].mid(separator + 2));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype pieceSize = data[0] % 16 + 1;
    const QByteArray answer(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);

    const Outcome whole = readInPieces(answer, qMax<qsizetype>(answer.size(), 1));
    const Outcome pieces = readInPieces(answer, pieceSize);
    FUZZ_CHECK(pieces.stage == whole.stage);
    FUZZ_CHECK(pieces.status == whole.status);
    FUZZ_CHECK(pieces.block == whole.block);
    FUZZ_CHECK(pieces.body == whole.body);
    FUZZ_CHECK(whole.body.size() <= answer.size());
    checkHeaderBlock(answer, whole.block);
    return 0;
}
