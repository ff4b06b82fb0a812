// The preview page written in the background for large content: the newest
// request wins, and a failed write tells the system's reason.
#include "designer/PlainTextMirror.h"
#include "designer/PreviewPage.h"
#include "designer/PreviewWriter.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <functional>
#include <vector>
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

// The content box's text as the window takes it at each refresh: after every
// kind of edit a user makes, the mirror holds what the box would read whole.
TEST(PlainTextMirror, FollowsEveryKindOfEdit) {
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("<p>one</p>\n<p>two</p>\n"));
    PlainTextMirror mirror;
    mirror.watch(box.document());
    auto at = [&](int from, int to) {
        QTextCursor c(box.document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        return c;
    };
    const QString big(PlainTextMirror::PieceLimit + 10, u'z');
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"a keystroke", [&] { at(3, 3).insertText(QStringLiteral("x")); }},
        {"a backspace", [&] { at(3, 4).removeSelectedText(); }},
        {"lines pasted", [&] { at(5, 5).insertText(QStringLiteral("a\nb\r\nc\u2029d\u00a0e")); }},
        {"a selection over lines replaced", [&] { at(2, 14).insertText(QStringLiteral("y")); }},
        {"undo", [&] { box.undo(); }},
        {"redo", [&] { box.redo(); }},
        {"typing at the very end", [&] { at(box.document()->characterCount() - 1, box.document()->characterCount() - 1)
                                              .insertText(QStringLiteral("\nlast")); }},
        {"a large paste", [&] { at(1, 1).insertText(big); }},
        {"everything selected and deleted", [&] { at(0, box.document()->characterCount() - 1).removeSelectedText(); }},
        {"the whole text set anew", [&] { box.setPlainText(QStringLiteral("fresh\ntext")); }},
        {"cleared", [&] { box.clear(); }},
    };
    // Earlier texts held elsewhere, as the undo history holds them, stay as they were.
    std::vector<std::pair<QString, QString>> held; // the text handed out, what it said then
    for (const auto& [name, edit] : edits) {
        edit();
        EXPECT_EQ(mirror.text(), box.toPlainText()) << name;
        for (const auto& [text, then] : held)
            EXPECT_EQ(text, then) << name;
        held.emplace_back(mirror.text(), box.toPlainText());
        if (held.size() > 2)
            held.erase(held.begin()); // let go of the oldest: its buffer may be written over
    }
}
