// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/http_response_reader.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace {

using platform::HttpResponseReader;
using Stage = HttpResponseReader::Stage;

struct Read {
    Stage stage;
    int status;
    QByteArray body;
    int interim;
    QString failure;
};

QByteArray takeAll(HttpResponseReader &reader)
{
    QByteArray body;
    while (reader.bodyBytesReady() > 0)
        body += reader.takeBody(1 << 30);
    return body;
}

// Feeds the answer in pieces of pieceSize (all at once when 0), then the
// connection's end when closed; takes the body as it comes.
Read readAnswer(const QByteArray &answer, qsizetype pieceSize = 0, bool closed = true)
{
    HttpResponseReader reader;
    QByteArray body;
    const qsizetype step = pieceSize > 0 ? pieceSize : qMax<qsizetype>(answer.size(), 1);
    for (qsizetype at = 0; at < answer.size(); at += step) {
        reader.feed(answer.mid(at, step));
        body += takeAll(reader);
    }
    if (closed)
        reader.endOfInput();
    body += takeAll(reader);
    return Read {reader.stage(), reader.status(), body, reader.interimAnswers(), reader.failure()};
}

const QByteArray kOk = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello";

TEST(HttpResponseReader, InterimAnswersArePassedOverAndAChangeOfProtocolRefused)
{
    const QByteArray hints = "HTTP/1.1 103 Early Hints\r\nLink: </a.css>; rel=preload\r\n\r\n";
    struct Case {
        const char *what;
        QByteArray answer;
        Stage stage;
        int status;
        int interim;
    };
    const Case cases[] = {
        {"103 then 200", hints + kOk, Stage::Done, 200, 1},
        {"several 1xx", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 102 Processing\r\n\r\n" + hints + hints + kOk,
         Stage::Done, 200, 4},
        {"103 then 404", hints + "HTTP/1.1 404 Not Found\r\nContent-Length: 5\r\n\r\nhello", Stage::Done, 404, 1},
        {"101", "HTTP/1.1 101 Switching Protocols\r\nUpgrade: h2c\r\n\r\n" + kOk, Stage::Failed, 101, 0},
        {"103 then 101", hints + "HTTP/1.1 101 Switching Protocols\r\n\r\n" + kOk, Stage::Failed, 101, 1},
        {"103 and the connection ends", hints, Stage::Failed, 0, 1},
    };
    for (const Case &c : cases) {
        const Read read = readAnswer(c.answer);
        EXPECT_EQ(read.stage, c.stage) << c.what << ": " << qPrintable(read.failure);
        EXPECT_EQ(read.status, c.status) << c.what;
        EXPECT_EQ(read.interim, c.interim) << c.what;
        EXPECT_EQ(read.body, c.stage == Stage::Done ? QByteArray("hello") : QByteArray()) << c.what;
    }

    HttpResponseReader reader;
    reader.feed(hints + "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nX-Final: yes\r\n\r\n");
    EXPECT_TRUE(reader.header("Link").isEmpty()) << "an interim answer's headers are not the final one's";
    EXPECT_EQ(reader.header("x-final"), QByteArray("yes"));
}

TEST(HttpResponseReader, AnyPiecesGiveTheSameAnswer)
{
    const QByteArray answers[] = {
        "HTTP/1.1 103 Early Hints\r\nLink: </a.css>\r\n\r\n" + kOk,
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2;x=y\r\nhe\r\n3\r\nllo\r\n0\r\nT: 1\r\n\r\n",
    };
    for (const QByteArray &answer : answers) {
        for (qsizetype piece : {1, 2, 3, 7}) {
            const Read read = readAnswer(answer, piece);
            EXPECT_EQ(read.stage, Stage::Done) << piece << ": " << qPrintable(read.failure);
            EXPECT_EQ(read.body, QByteArray("hello")) << piece;
        }
        for (qsizetype split = 1; split < answer.size(); ++split) {
            HttpResponseReader reader;
            reader.feed(answer.left(split));
            reader.feed(answer.mid(split));
            EXPECT_EQ(reader.stage(), Stage::Done) << split;
            EXPECT_EQ(takeAll(reader), QByteArray("hello")) << split;
        }
    }
}

TEST(HttpResponseReader, ChunkedBodiesAreDecodedOrRefused)
{
    const QByteArray head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    const std::tuple<const char *, QByteArray, Stage, QByteArray> cases[] = {
        {"extensions and trailers", "5;name=value\r\nhello\r\n6 ; a ; b=\"c\"\r\n world\r\n0;last\r\nX-Sum: 1\r\n\r\n",
         Stage::Done, "hello world"},
        {"upper-case hex", "A\r\n0123456789\r\n0\r\n\r\n", Stage::Done, "0123456789"},
        {"bare LF ends", "5\nhello\n0\n\n", Stage::Done, "hello"},
        {"size not hex", "zz\r\nhello\r\n0\r\n\r\n", Stage::Failed, ""},
        {"signed size", "-5\r\nhello\r\n0\r\n\r\n", Stage::Failed, ""},
        {"size then junk", "5 x\r\nhello\r\n0\r\n\r\n", Stage::Failed, ""},
        {"empty size line", "\r\nhello\r\n0\r\n\r\n", Stage::Failed, ""},
        {"size past any file", "fffffffffffffffff\r\nhello", Stage::Failed, ""},
        {"chunk longer than its size", "3\r\nhello\r\n0\r\n\r\n", Stage::Failed, "hel"},
        {"malformed trailer", "5\r\nhello\r\n0\r\nno colon\r\n\r\n", Stage::Failed, "hello"},
        {"cut short in a chunk", "5\r\nhel", Stage::Failed, "hel"},
        {"no last chunk", "5\r\nhello\r\n", Stage::Failed, "hello"},
        {"extensions past their bound", "5;" + QByteArray(5000, 'x') + "\r\nhello\r\n0\r\n\r\n", Stage::Failed, ""},
    };
    for (const auto &[what, body, stage, decoded] : cases) {
        const Read read = readAnswer(head + body);
        EXPECT_EQ(read.stage, stage) << what << ": " << qPrintable(read.failure);
        EXPECT_EQ(read.body, decoded) << what;
        EXPECT_EQ(read.failure.isEmpty(), stage == Stage::Done) << what;
    }
}

TEST(HttpResponseReader, ABodyEndsOnlyWhereOneLengthOrChunkedCodingSays)
{
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    const std::tuple<const char *, QByteArray, Stage, QByteArray> cases[] = {
        {"one length", "Content-Length: 5\r\n\r\nhello", Stage::Done, "hello"},
        {"blanks around the length", "Content-Length:   5  \r\n\r\nhello", Stage::Done, "hello"},
        {"bytes past the length", "Content-Length: 5\r\n\r\nhello, and more", Stage::Done, "hello"},
        {"length 0", "Content-Length: 0\r\n\r\n", Stage::Done, ""},
        {"length with a plus", "Content-Length: +5\r\n\r\nhello", Stage::Failed, ""},
        {"length with a minus", "Content-Length: -5\r\n\r\nhello", Stage::Failed, ""},
        {"length with a blank inside", "Content-Length: 5 5\r\n\r\nhello", Stage::Failed, ""},
        {"length as a list", "Content-Length: 5, 5\r\n\r\nhello", Stage::Failed, ""},
        {"length in hex", "Content-Length: 0x5\r\n\r\nhello", Stage::Failed, ""},
        {"length of 19 digits", "Content-Length: 1000000000000000000\r\n\r\nhello", Stage::Failed, ""},
        {"empty length", "Content-Length:\r\n\r\nhello", Stage::Failed, ""},
        {"two lengths", "Content-Length: 5\r\nContent-Length: 5\r\n\r\nhello", Stage::Failed, ""},
        {"a length and chunked", "Content-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
         Stage::Failed, ""},
        {"gzip coding", "Transfer-Encoding: gzip\r\n\r\nhello", Stage::Failed, ""},
        {"gzip then chunked", "Transfer-Encoding: gzip, chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n", Stage::Failed, ""},
        {"chunked twice", "Transfer-Encoding: chunked\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n", Stage::Failed,
         ""},
        {"neither", "Connection: close\r\n\r\nhello", Stage::Failed, ""},
        {"cut short", "Content-Length: 10\r\n\r\nhello", Stage::Failed, "hello"},
    };
    for (const auto &[what, rest, stage, body] : cases) {
        const Read read = readAnswer(ok + rest);
        EXPECT_EQ(read.stage, stage) << what << ": " << qPrintable(read.failure);
        EXPECT_EQ(read.body, body) << what;
    }
    for (const QByteArray status : {"204 No Content", "304 Not Modified"})
        EXPECT_EQ(readAnswer("HTTP/1.1 " + status + "\r\n\r\n").stage, Stage::Done) << status.constData();
}

TEST(HttpResponseReader, StatusAndHeaderLinesAreReadStrictly)
{
    struct Case {
        const char *what;
        QByteArray head; // followed by Content-Length: 0 and the empty line
        int status;      // 0: refused, the answer's head never complete
    };
    const Case cases[] = {
        {"HTTP/1.0", "HTTP/1.0 200 OK\r\n", 200},
        {"no reason", "HTTP/1.1 200\r\n", 200},
        {"bare LF ends", "HTTP/1.1 200 OK\nX-A: 1\n", 200},
        {"four digits", "HTTP/1.1 2001 OK\r\n", 0},
        {"two digits", "HTTP/1.1 20 OK\r\n", 0},
        {"below 100", "HTTP/1.1 099 Odd\r\n", 0},
        {"HTTP/2", "HTTP/2 200 OK\r\n", 0},
        {"not HTTP", "ICY 200 OK\r\n", 0},
        {"blank before the colon", "HTTP/1.1 200 OK\r\nX-A : 1\r\n", 0},
        {"no colon", "HTTP/1.1 200 OK\r\nX-A 1\r\n", 0},
        {"folded first line", "HTTP/1.1 200 OK\r\n folded\r\n", 0},
        {"a NUL", QByteArray("HTTP/1.1 200 OK\r\nX-A: 1") + '\0' + " 2\r\n", 0},
    };
    for (const Case &c : cases) {
        HttpResponseReader reader;
        reader.feed(c.head + "Content-Length: 0\r\n\r\n");
        EXPECT_EQ(reader.stage(), c.status ? Stage::Done : Stage::Failed)
            << c.what << ": " << qPrintable(reader.failure());
        if (c.status) {
            EXPECT_EQ(reader.status(), c.status) << c.what;
        }
        EXPECT_EQ(reader.headComplete(), c.status != 0) << c.what;
    }

    HttpResponseReader reader;
    reader.feed("HTTP/1.1 200 All <b>fine</b>\r\nX-Note: a\rb\r\nX-Long: one\r\n\ttwo\r\nX-Note: second\r\n"
                "X-Empty:\r\nContent-Length: 0\r\n\r\n");
    EXPECT_EQ(reader.reason(), QByteArray("All <b>fine</b>"));
    EXPECT_EQ(reader.header("x-note"), QByteArray("a b")) << "a stray CR reads as a blank, the first value counts";
    EXPECT_EQ(reader.header("X-Long"), QByteArray("one two")) << "a folded line joins the one before";
    EXPECT_EQ(reader.headers().size(), 5);
    EXPECT_TRUE(reader.header("X-Empty").isEmpty());
}

TEST(HttpResponseReader, HeaderLinesAreBoundedInAll)
{
    const auto padded = [](qsizetype bytes) { return "X-Pad: " + QByteArray(bytes, 'p') + "\r\n"; };
    const QByteArray hint = "HTTP/1.1 103 Early Hints\r\n" + padded(20 * 1024) + "\r\n";
    const std::tuple<const char *, QByteArray, bool> cases[] = {
        {"just within", "HTTP/1.1 200 OK\r\n" + padded(60 * 1024) + "Content-Length: 0\r\n\r\n", true},
        {"one long line", "HTTP/1.1 200 OK\r\n" + padded(65 * 1024) + "Content-Length: 0\r\n\r\n", false},
        {"many lines", "HTTP/1.1 200 OK\r\n" + padded(1000).repeated(70) + "Content-Length: 0\r\n\r\n", false},
        {"interim answers count too", hint + hint + hint + hint + kOk, false},
        {"a status line without end", "HTTP/1.1 200 " + QByteArray(70 * 1024, 'r'), false},
        {"trailers count too",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n" + padded(65 * 1024) + "\r\n", false},
    };
    for (const auto &[what, answer, whole] : cases) {
        // Fed in pieces, as a connection brings it: the bound holds before the line ends.
        HttpResponseReader reader;
        for (qsizetype at = 0; at < answer.size() && reader.stage() != Stage::Failed; at += 4096)
            reader.feed(answer.mid(at, 4096));
        EXPECT_EQ(reader.stage(), whole ? Stage::Done : Stage::Failed) << what << ": " << qPrintable(reader.failure());
    }
}

TEST(HttpResponseReader, TheBodyIsTakenInPiecesOfTheAskedSize)
{
    HttpResponseReader reader;
    const QByteArray body = QByteArray("0123456789").repeated(30000);
    reader.feed("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n");
    QByteArray taken;
    for (qsizetype at = 0; at < body.size(); at += 1000) {
        reader.feed(body.mid(at, 1000));
        const QByteArray piece = reader.takeBody(700); // taken more slowly than fed
        EXPECT_LE(piece.size(), 700);
        taken += piece;
    }
    EXPECT_EQ(reader.stage(), Stage::Done);
    while (reader.bodyBytesReady() > 0)
        taken += reader.takeBody(700);
    EXPECT_EQ(taken, body);
    EXPECT_TRUE(reader.takeBody(700).isEmpty());
}

} // namespace
