// Hostile and broken picture files through the loader: each ends in a short
// message naming the file (or a reduced picture) within a memory bound.
#include "imaging/Jpeg.h"
#include "imaging/PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <turbojpeg.h>
#include <unistd.h>

namespace {

// A small JPEG with busy content (so most of it is picture data).
QByteArray smallJpeg(int w, int h, int flags = 0) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 251, (x * 31) % 256, (y * 17) % 256));
    tjhandle t = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(t, img.constBits(), w, int(img.bytesPerLine()), h, TJPF_BGRX, &out, &size, TJSAMP_420, 90,
                flags);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(t);
    return bytes;
}

// The same file with the frame header claiming another size.
QByteArray claimingSize(QByteArray jpeg, int w, int h) {
    for (qsizetype i = 2; i + 8 < jpeg.size(); ++i) {
        const uchar m = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (m == 0xC0 || m == 0xC2)) {
            jpeg[i + 5] = char(h >> 8), jpeg[i + 6] = char(h & 255);
            jpeg[i + 7] = char(w >> 8), jpeg[i + 8] = char(w & 255);
            break;
        }
    }
    return jpeg;
}

// A BMP header for a 24-bit picture of the given size, without pixels.
QByteArray bmpHeader(int w, int h) {
    QByteArray b(54, '\0');
    auto put32 = [&](int at, quint32 v) {
        for (int k = 0; k < 4; ++k)
            b[at + k] = char((v >> (8 * k)) & 255);
    };
    b[0] = 'B', b[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(w));
    put32(22, quint32(h));
    b[26] = 1, b[28] = 24;
    return b;
}

// A GIF whose screen and only picture claim the given size, with one pixel of data.
QByteArray gifHeader(int w, int h) {
    QByteArray g("GIF89a");
    auto put16 = [&](int v) { g += char(v & 255), g += char(v >> 8); };
    put16(w), put16(h);
    g += QByteArray("\0\0\0\x2c", 4);
    put16(0), put16(0), put16(w), put16(h);
    g += QByteArray("\0\x02\x02\x44\x01\0\x3b", 7);
    return g;
}

qint64 kib(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(strlen(field))).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Growth of the peak resident size during f, in MB (-1 when unknown).
template <class F> qint64 peakGrowthMb(F f) {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        return -1;
    clear.close();
    const qint64 before = kib("VmRSS:");
    f();
    const qint64 peak = kib("VmHWM:");
    return before < 0 || peak < 0 ? -1 : (peak - before) / 1024;
}

} // namespace

TEST(PictureLoader, HostileFilesEndInAMessageOrAReducedPicture) {
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QLatin1String(name)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    };
    const QByteArray ordinary = smallJpeg(240, 160);
    // 1.5 GB that starts like a JPEG, made sparse: it must never be read.
    const QString huge = write("huge.jpg", ordinary);
    ASSERT_EQ(truncate(QFile::encodeName(huge).constData(), qint64(1536) << 20), 0);

    // A PNG whose text chunk claims 1.9 GB (a fuzzing find): the PNG library would set it aside at once.
    QImage small(12, 9, QImage::Format_RGB32);
    small.fill(Qt::red);
    small.setText(QStringLiteral("date"), QStringLiteral("today"));
    QByteArray png;
    QBuffer pngOut(&png);
    pngOut.open(QIODevice::WriteOnly);
    small.save(&pngOut, "PNG");
    QByteArray claiming = png;
    qToBigEndian<quint32>(0x73000025, claiming.data() + claiming.indexOf("tEXt") - 4);

    struct Case {
        const char* what;
        QString path;
        QSize target;
        QSize loaded;        // empty: refused
        const char* message; // part of the message; the file name is always in it
    } cases[] = {
        {"baseline bomb for a thumbnail", write("bomb.jpg", claimingSize(smallJpeg(16, 16), 16384, 16384)),
         QSize(32, 32), QSize(), "is damaged or incomplete"},
        {"baseline bomb at full size", dir.filePath("bomb.jpg"), QSize(), QSize(), "16384 x 16384 pixels"},
        {"progressive bomb for a thumbnail",
         write("progressive.jpg", claimingSize(smallJpeg(64, 64, TJFLAG_PROGRESSIVE), 16384, 16384)), QSize(32, 32),
         QSize(), "16384 x 16384 pixels"},
        {"1.5 GB file", huge, QSize(32, 32), QSize(), "too large to open as a picture (1536 MB)"},
        {"truncated", write("cut.jpg", ordinary.left(ordinary.size() / 2)), QSize(), QSize(),
         "is damaged or incomplete"},
        {"header only", write("head.jpg", ordinary.left(200)), QSize(), QSize(), "is damaged or incomplete"},
        {"empty", write("empty.gif", {}), QSize(), QSize(), "is empty"},
        {"text", write("notes.jpg", "just some text\n"), QSize(), QSize(), "is not a picture"},
        {"GIF bomb", write("wide.gif", gifHeader(30000, 30000)), QSize(32, 32), QSize(), "30000 x 30000 pixels"},
        {"bitmap bomb", write("wide.bmp", bmpHeader(30000, 30000)), QSize(32, 32), QSize(), "is not a picture"},
        {"bitmap without pixels", write("hollow.bmp", bmpHeader(64, 64)), QSize(), QSize(),
         "is damaged or incomplete"},
        {"missing", dir.filePath("gone.png"), QSize(), QSize(), "No such file"},
        {"folder", dir.path(), QSize(), QSize(), "is not a picture"},
        {"PNG chunk longer than the file", write("claiming.png", claiming), QSize(), QSize(), "is damaged or incomplete"},
        {"ordinary PNG", write("ok.png", png), QSize(), QSize(12, 9), ""},
        {"ordinary at full size", write("ok.jpg", ordinary), QSize(), QSize(240, 160), ""},
        {"ordinary for a thumbnail", dir.filePath("ok.jpg"), QSize(32, 32), QSize(60, 40), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PictureLoad load;
        const qint64 grew = peakGrowthMb([&] { load = loadPicture(c.path, c.target); });
        if (grew >= 0)
            EXPECT_LT(grew, 200);
        EXPECT_EQ(load.image.size(), c.loaded.isEmpty() ? QSize(0, 0) : c.loaded);
        if (c.loaded.isEmpty()) {
            EXPECT_TRUE(load.error.contains(QLatin1String(c.message))) << load.error.toStdString();
            EXPECT_TRUE(load.error.contains(QFileInfo(c.path).fileName())) << load.error.toStdString();
        } else {
            EXPECT_TRUE(load.error.isEmpty()) << load.error.toStdString();
            EXPECT_EQ(load.image.format(), QImage::Format_RGB32);
        }
    }
}

TEST(PictureLoader, BudgetDecidesBetweenReducingAndRefusing) {
    const QByteArray photo = smallJpeg(2000, 1000);
    const QByteArray progressive = smallJpeg(2000, 1000, TJFLAG_PROGRESSIVE);
    PictureBudget tight;
    tight.maxDecodeBytes = 4 << 20; // 2000 x 1000 x 4 does not fit, 1/4 of it does
    struct Case { const QByteArray* data; QSize target; QSize loaded; } cases[] = {
        {&photo, QSize(), QSize()},                      // full size over the budget
        {&photo, QSize(400, 200), QSize(500, 250)},      // reduced within it
        {&progressive, QSize(400, 200), QSize()},        // the coefficient store alone is over
    };
    for (const Case& c : cases) {
        const PictureLoad load = loadPictureData(*c.data, QStringLiteral("p.jpg"), c.target, tight);
        EXPECT_EQ(load.image.size(), c.loaded.isEmpty() ? QSize(0, 0) : c.loaded);
        EXPECT_EQ(load.fullSize, QSize(2000, 1000));
    }
}
