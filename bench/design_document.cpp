// Design documents: Open (to every control filled, before the preview has
// loaded) and Save of a design with a 2000 x 2000 background picture and
// 100 KB of content, through the real main window, against copying the same
// file with QFile::copy in the same run; and `--export` as a whole process
// against the program's own start-up (`--version`). Goals: Open < 150 ms,
// Save < 50 ms.
//   QT_QPA_PLATFORM=offscreen QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" build/bench/bench_design_document
#include "bench/bench_timing.h"
#include "designer/DesignDocument.h"
#include "designer/DocumentController.h"
#include "designer/MainWindow.h"
#include "platform/AppFolder.h"
#include "platform/FakeDialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {
void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

QByteArray bigPicture() {
    QImage image(2000, 2000, QImage::Format_RGB32);
    QRandomGenerator rng(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x + y) & 255, (x * 3) & 255, int(rng.bounded(64)) + (y & 127));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

void report(const char* what, const Comparison& c, const char* peer) {
    std::printf("%-34s best %7.1f ms (cpu %7.1f)  median %7.1f ms | %-22s best %7.1f ms  median %7.1f ms  %s\n", what,
                c.bestA.wallMs, c.bestA.cpuMs, c.medianA.wallMs, peer, c.bestB.wallMs, c.medianB.wallMs,
                c.ok ? "" : "(a run failed)");
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString program = QCoreApplication::applicationDirPath() + "/../app/wisplet-designer";
    QTemporaryDir folder;
    copyTree(QCoreApplication::applicationDirPath() + "/../app", folder.path() + "/app");
    QFile::remove(folder.path() + "/app/wisplet-designer");
    AppFolder::setPath(folder.path() + "/app");
    FakeDialogs dialogs;
    FakeShell shell;
    RecentFiles::setStore(folder.filePath("recent.ini"));

    // The design: a 2000 x 2000 library picture and 100 KB of content.
    const QByteArray picture = bigPicture();
    DesignDocument d;
    while (d.settings.contentHtml.size() < 100 * 1024)
        d.settings.contentHtml += QStringLiteral("<p>Paragraph with <b>bold</b> and <i>italic</i> text.</p>\n");
    d.settings.width = "400";
    d.settings.height = "300";
    d.background = DesignBackground{1, "big.jpg", "pictures/big.jpg", picture};
    d.settings.backCategory = 1;
    d.settings.backImage = "big.jpg";
    const QString design = folder.filePath("big.wisplet");
    QString error;
    if (!SaveDesignFile(design, d, &error)) {
        std::fprintf(stderr, "cannot write the design: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("design file: %lld bytes (picture %lld bytes, content %lld characters)\n",
                (long long)QFileInfo(design).size(), (long long)picture.size(), (long long)d.settings.contentHtml.size());

    General window;
    DocumentController& doc = window.document();
    int n = 0;
    const Comparison open = compareAlternately(
        7,
        [&] {
            return timeInProcess([&] {
                if (!doc.openFile(design))
                    std::fprintf(stderr, "open failed\n");
            });
        },
        [&] {
            const QString copy = folder.filePath(QStringLiteral("copy%1.wisplet").arg(++n));
            return timeInProcess([&] { QFile::copy(design, copy); });
        });
    report("Open (controls filled)", open, "QFile::copy");

    dialogs.saveFileAnswers.push_back(folder.filePath("saved.wisplet"));
    doc.saveAs();
    const Comparison save = compareAlternately(
        7,
        [&] {
            return timeInProcess([&] {
                if (!doc.save())
                    std::fprintf(stderr, "save failed\n");
            });
        },
        [&] {
            const QString copy = folder.filePath(QStringLiteral("copy%1.wisplet").arg(++n));
            return timeInProcess([&] { QFile::copy(design, copy); });
        });
    report("Save", save, "QFile::copy");

    const std::string out = folder.filePath("site").toStdString();
    const Comparison exported = compareAlternately(
        5, [&] { return timeProcess({program.toStdString(), "--export", design.toStdString(), "--to", out}); },
        [&] { return timeProcess({program.toStdString(), "--version"}); });
    report("--export (process)", exported, "start-up (--version)");
    RecentFiles::setStore(QString());
    return 0;
}
