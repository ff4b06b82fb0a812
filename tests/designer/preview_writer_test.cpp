// The preview page written in the background for large content: the newest
// request wins, and a failed write tells the system's reason.
#include "designer/PreviewPage.h"
#include "designer/PreviewWriter.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

WispletSettings withContent(QChar fill, qsizetype size) {
    WispletSettings s;
    s.contentHtml = QString(size, fill);
    return s;
}

QByteArray page(const QTemporaryDir& root) {
    QFile f(root.filePath(QStringLiteral("samples/preview.html")));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(PreviewWriter, LargeContentIsWrittenInTheBackgroundAndTheNewestWins) {
    QTemporaryDir root;
    QDir().mkpath(root.filePath(QStringLiteral("samples")));
    PreviewWriter writer;
    QSignalSpy written(&writer, &PreviewWriter::written);
    const qsizetype big = PreviewWriter::InlineLimit + 1;

    EXPECT_FALSE(writer.write(withContent('a', big), root.path()));
    EXPECT_TRUE(writer.busy());
    EXPECT_FALSE(writer.write(withContent('b', big), root.path())); // superseded before it starts
    EXPECT_FALSE(writer.write(withContent('c', 10), root.path()));  // small, but waits its turn
    ASSERT_TRUE(written.wait(20000));
    EXPECT_EQ(written.size(), 1); // only the newest is announced
    EXPECT_EQ(written.at(0).at(0).toString(), QString());
    EXPECT_EQ(page(root), PreviewPageText(withContent('c', 10), root.path()).toLatin1());
    EXPECT_FALSE(writer.busy());

    // Small content on its own is written before write() returns.
    EXPECT_TRUE(writer.write(withContent('d', 10), root.path()));
    EXPECT_EQ(page(root), PreviewPageText(withContent('d', 10), root.path()).toLatin1());
}

TEST(PreviewWriter, FailedWritesTellTheSystemsReason) {
    QTemporaryDir root;
    QFile blocker(root.filePath(QStringLiteral("samples"))); // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PreviewWriter writer;
    EXPECT_TRUE(writer.write(withContent('x', 10), root.path()));
    EXPECT_EQ(writer.lastError(), "Not a directory");

    QSignalSpy written(&writer, &PreviewWriter::written);
    EXPECT_FALSE(writer.write(withContent('x', PreviewWriter::InlineLimit + 1), root.path()));
    ASSERT_TRUE(written.wait(20000));
    EXPECT_EQ(written.at(0).at(0).toString(), "Not a directory");
}
