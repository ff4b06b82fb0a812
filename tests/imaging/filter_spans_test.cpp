// The vector paths of the point filters against their one-pixel rules, for
// every 24-bit colour, at every instruction-set level this processor has.
#include "imaging/FilterSpans.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace mdlFilter::detail;

namespace {

// Runs body once per available level, then restores the best level.
template <class F> void AtEveryLevel(F&& body) {
    const int best = SpanLevel();
    for (int level = 0; level <= best; ++level) {
        ASSERT_EQ(UseSpanLevel(level), level);
        SCOPED_TRACE(::testing::Message() << "level " << level);
        body();
    }
    UseSpanLevel(best);
}

} // namespace

TEST(FilterSpans, EveryColourGivesTheOnePixelAnswer) {
    AtEveryLevel([] {
    std::vector<QRgb> row(4096 + 3), work(row.size());
    const double a = double(0.32f);
    for (int hi = 0; hi < 4096; ++hi) {
        for (int lo = 0; lo < 4096; ++lo)
            row[std::size_t(lo)] = 0xFF000000u | (QRgb(hi) << 12) | QRgb(lo);
        row[4096] = row[4097] = row[4098] = row[std::size_t(hi)]; // a tail of three
        work = row;
        GrayBlackWhiteSpan(work.data(), int(work.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            ASSERT_EQ(work[i], GrayBlackWhitePixel(row[i])) << std::hex << row[i];
        work = row;
        GrayscaleSpan(work.data(), int(work.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            const QRgb p = row[i];
            const int s = int(qRed(p) + qGreen(p) + qBlue(p));
            const int v = int(std::nearbyint(std::fabs(a * qRed(p) + a * qGreen(p) + a * qBlue(p))));
            ASSERT_EQ(work[i], qRgb(v, v, v)) << std::hex << p << " s " << std::dec << s;
        }
        // Replace Colors: one colour of this block and its tail become white.
        const QRgb from = row[std::size_t(hi)] & 0x00FFFFFFu;
        work = row;
        ReplaceSpan(work.data(), int(work.size()), from, 0xFFFFFFFFu);
        for (std::size_t i = 0; i < row.size(); ++i)
            ASSERT_EQ(work[i], (row[i] & 0x00FFFFFFu) == from ? 0xFFFFFFFFu : row[i]) << std::hex << row[i];
    }
    });
}

TEST(FilterSpans, ShiftAndThresholdOnEveryByte) {
    AtEveryLevel([] {
    std::vector<QRgb> row(256 + 2);
    for (int c = 0; c < 256; ++c)
        row[std::size_t(c)] = qRgb(c, 255 - c, (c * 7) & 255);
    row[256] = row[257] = qRgb(191, 192, 0);
    for (const int amount : {32, -32, 2, -2}) {
        std::vector<QRgb> work = row;
        ShiftSpan(work.data(), int(work.size()), amount);
        for (std::size_t i = 0; i < row.size(); ++i) {
            auto f = [amount](int c) { return std::min(std::abs(c + amount), 255); };
            ASSERT_EQ(work[i], qRgb(f(qRed(row[i])), f(qGreen(row[i])), f(qBlue(row[i])))) << amount << " " << i;
        }
    }
    std::vector<QRgb> work = row;
    BlackWhiteSpan(work.data(), int(work.size()));
    for (std::size_t i = 0; i < row.size(); ++i) {
        const bool black = qRed(row[i]) < 192 && qGreen(row[i]) < 192 && qBlue(row[i]) < 192;
        ASSERT_EQ(work[i], black ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << i;
    }
    });
}
