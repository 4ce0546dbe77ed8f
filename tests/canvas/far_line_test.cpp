// Lines with ends as far off as single precision reaches: the part on the canvas is where the
// exact line through the ends crosses it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include "canvas/picture_area.h"

using namespace plotaris::canvas;

namespace {

constexpr int kSide = 128;  // pixels, both ways
constexpr double kMax = FLT_MAX;

struct Scale {
    double x1, y1, x2, y2;
};

struct Area {
    PictureArea area;
    explicit Area(const Scale& s, int width = 1) {
        area.placeTwips(0, 0, kSide * 15, kSide * 15);
        area.setUserScale(s.x1, s.y1, s.x2, s.y2);
        area.setForeColor(Qt::black);
        area.setDrawWidth(width);
    }
    int ink() const {
        int n = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) n += area.image().pixel(x, y) != 0xFFFFFFFFu;
        return n;
    }
};

// A signed integer of any size: every single-precision value and every pixel centre below is an
// exact multiple of 2^-149, held as that multiple, and so are products of two of them (of 2^-298).
class Exact {
public:
    explicit Exact(double v) {
        if (v == 0) return;
        negative_ = v < 0;
        int e;
        std::uint64_t m = std::uint64_t(std::ldexp(std::frexp(std::fabs(v), &e), 53));
        int shift = e - 53 + 149;
        for (; shift < 0; ++shift) m >>= 1;  // only zero bits: the value is a multiple of 2^-149
        limbs_ = {std::uint32_t(m), std::uint32_t(m >> 32)};
        limbs_.insert(limbs_.begin(), std::size_t(shift / 32), 0);
        shiftLeft(shift % 32);
    }
    int sign() const { return limbs_.empty() ? 0 : negative_ ? -1 : 1; }
    Exact magnitude() const {
        Exact r = *this;
        r.negative_ = false;
        return r;
    }
    friend Exact operator+(const Exact& a, const Exact& b) { return sum(a, b, b.negative_); }
    friend Exact operator-(const Exact& a, const Exact& b) { return sum(a, b, !b.negative_); }
    friend Exact operator*(const Exact& a, const Exact& b) {
        std::vector<std::uint32_t> r(a.limbs_.size() + b.limbs_.size(), 0);
        for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
                const std::uint64_t t = std::uint64_t(a.limbs_[i]) * b.limbs_[j] + r[i + j] + carry;
                r[i + j] = std::uint32_t(t);
                carry = t >> 32;
            }
            r[i + b.limbs_.size()] = std::uint32_t(carry);
        }
        return withSign(r, a.negative_ != b.negative_);
    }
    friend bool operator<=(const Exact& a, const Exact& b) {
        if (a.negative_ != b.negative_) return a.negative_;  // zero is never negative
        const int c = compareMagnitudes(a.limbs_, b.limbs_);
        return a.negative_ ? c >= 0 : c <= 0;
    }

private:
    Exact() = default;
    using Limbs = std::vector<std::uint32_t>;  // least significant first, no leading zeros
    // a + b, with b taken as negative or not.
    static Exact sum(const Exact& a, const Exact& b, bool bNegative) {
        if (a.negative_ == bNegative) return withSign(addMagnitudes(a.limbs_, b.limbs_), a.negative_);
        if (compareMagnitudes(a.limbs_, b.limbs_) >= 0) return withSign(subtractMagnitudes(a.limbs_, b.limbs_), a.negative_);
        return withSign(subtractMagnitudes(b.limbs_, a.limbs_), bNegative);
    }
    static Exact withSign(Limbs limbs, bool negative) {
        while (!limbs.empty() && limbs.back() == 0) limbs.pop_back();
        Exact r;
        r.limbs_ = std::move(limbs);
        r.negative_ = negative && !r.limbs_.empty();
        return r;
    }
    static int compareMagnitudes(const Limbs& a, const Limbs& b) {
        if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
        for (std::size_t i = a.size(); i-- > 0;)
            if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
        return 0;
    }
    static Limbs addMagnitudes(const Limbs& a, const Limbs& b) {
        Limbs r(std::max(a.size(), b.size()) + 1, 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < r.size(); ++i) {
            carry += (i < a.size() ? a[i] : 0) + std::uint64_t(i < b.size() ? b[i] : 0);
            r[i] = std::uint32_t(carry);
            carry >>= 32;
        }
        return r;
    }
    static Limbs subtractMagnitudes(const Limbs& a, const Limbs& b) {  // |a| >= |b|
        Limbs r(a.size(), 0);
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            std::int64_t t = std::int64_t(a[i]) - (i < b.size() ? b[i] : 0) - borrow;
            borrow = t < 0;
            r[i] = std::uint32_t(t + (borrow << 32));
        }
        return r;
    }
    void shiftLeft(int bits) {
        limbs_.push_back(0);
        if (bits > 0) {
            for (std::size_t i = limbs_.size(); i-- > 1;)
                limbs_[i] = (limbs_[i] << bits) | (limbs_[i - 1] >> (32 - bits));
            limbs_[0] <<= bits;
        }
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }
    bool negative_ = false;
    Limbs limbs_;
};

// Tolerances in pixels. A pixel drawn lies within 15/8 of the exact line: cutting the ends to
// whole pixels moves the line by less than sqrt(2) across, and the rasteriser picks a pixel within
// half a pixel of that. The line is looked for where it runs between the centres of the pixels 3
// in from the edges, and 3 pixels or more from the segment's ends.
constexpr double kNear = 15.0 / 8;
constexpr int kInside = 3;

struct Segment {
    double end[2][2];  // [end][axis], single-precision values
};

// A segment drawn on an area whose scale is (-64, -64) to (64, 64) steps, square pixels whose
// sides are powers of two of either sign, held against the exact line through its ends. Returns
// whether the line ran across the canvas.
bool expectExactLine(const QImage& image, const double step[2], const Segment& s) {
    const auto centre = [&](int axis, int k) { return Exact((k + 0.5 - kSide / 2) * step[axis]); };
    const Exact e0[2] = {Exact(s.end[0][0]), Exact(s.end[0][1])};
    const Exact d[2] = {Exact(s.end[1][0]) - e0[0], Exact(s.end[1][1]) - e0[1]};
    // The orientation of the centre of pixel (column, row) to the line, d0 (y - y0) - d1 (x - x0),
    // is rowTerm[row] - columnTerm[column]; its distance from the line is |orientation| / |d|,
    // compared squared.
    std::vector<Exact> columnTerm, rowTerm;
    for (int k = 0; k < kSide; ++k) {
        columnTerm.push_back(d[1] * (centre(0, k) - e0[0]));
        rowTerm.push_back(d[0] * (centre(1, k) - e0[1]));
    }
    const Exact tolerance(kNear * std::fabs(step[0]));
    const Exact nearSquared = tolerance * tolerance * (d[0] * d[0] + d[1] * d[1]);
    // Pixels are taken as (ka, kb), ka along the main direction a, in which the line runs at least
    // as far as in the other.
    const int a = d[1].magnitude() <= d[0].magnitude() ? 0 : 1;
    const auto orientation = [&](int ka, int kb) {
        return a == 0 ? rowTerm[kb] - columnTerm[ka] : rowTerm[ka] - columnTerm[kb];
    };
    std::vector<char> ink(kSide * kSide);
    for (int y = 0; y < kSide; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < kSide; ++x) ink[y * kSide + x] = row[x] != 0xFFFFFFFFu;
    }
    const auto drawn = [&](int ka, int kb) { return a == 0 ? ink[kb * kSide + ka] : ink[ka * kSide + kb]; };
    // Along a: where the segment reaches, give or take kNear pixels, and where it runs kInside
    // pixels from its ends.
    const Exact low(std::min(s.end[0][a], s.end[1][a])), high(std::max(s.end[0][a], s.end[1][a]));
    const Exact inset(kInside * std::fabs(step[0]));
    const Exact reach[2] = {low - tolerance, high + tolerance}, run[2] = {low + inset, high - inset};
    std::vector<char> reached(kSide), inside(kSide);
    for (int k = 0; k < kSide; ++k) {
        const Exact c = centre(a, k);
        reached[k] = reach[0] <= c && c <= reach[1];
        inside[k] = run[0] <= c && c <= run[1];
    }
    const auto near = [&](int ka, int kb) {
        const Exact o = orientation(ka, kb);
        return reached[ka] && o * o <= nearSquared;
    };
    for (int ka = 0; ka < kSide; ++ka)
        for (int kb = 0; kb < kSide; ++kb)
            if (drawn(ka, kb) && !near(ka, kb)) {
                ADD_FAILURE() << "pixel " << ka << ", " << kb << " (along, across) is off the exact line";
                return false;
            }
    bool across = false;
    for (int ka = 0; ka < kSide; ++ka) {
        if (!inside[ka] || orientation(ka, kInside).sign() * orientation(ka, kSide - 1 - kInside).sign() >= 0) continue;
        across = true;
        bool covered = false;
        for (int kb = 0; kb < kSide && !covered; ++kb) covered = drawn(ka, kb) && near(ka, kb);
        if (!covered) {
            ADD_FAILURE() << "nothing drawn near the exact line at " << ka << " along";
            return across;
        }
    }
    return across;
}

}  // namespace

// Each scale puts these lines along pixel centres, or along the pixels' own diagonal through their
// origin, where x and y round alike: the near ends then give the very pixels of the exact line.
TEST(FarLine, DrawsThePixelsOfTheSameLineBetweenNearEnds) {
    const Scale pixels{0, 0, kSide, kSide};  // one unit to a pixel
    const Scale mirrored{0, 0, -kSide, kSide};
    const Scale fine{0, 0, 0x1p-3, -0x1p-3};  // 1024 pixels to a unit, y upwards
    const Scale coarse{0, 0, 0x1p47, -0x1p47};  // 2^40 units to a pixel
    const double c = 70.5 * 0x1p40, f = 50.5 / 1024;
    struct Case {
        Scale scale;
        double far[4], near[4];
    };
    const Case cases[] = {
        {pixels, {-kMax, 50.5, kMax, 50.5}, {-100, 50.5, 300, 50.5}},
        {pixels, {1e17, 50.5, 30.5, 50.5}, {300, 50.5, 30.5, 50.5}},
        {pixels, {70.5, -1e30, 70.5, 20.25}, {70.5, -300, 70.5, 20.25}},
        {pixels, {70.5, 0x1p60, 70.5, -0x1p60}, {70.5, 300, 70.5, -300}},
        {pixels, {-1e20, -1e20, 1e20, 1e20}, {-100, -100, 300, 300}},
        {pixels, {kMax, kMax, 40, 40}, {600, 600, 40, 40}},
        {mirrored, {kMax, -kMax, -1e17, 1e17}, {100, -100, -300, 300}},
        {fine, {-1e17, 1e17, kMax, -kMax}, {-0x1p-3, 0x1p-3, 0x1p-1, -0x1p-1}},
        {fine, {-kMax, -f, 1e17, -f}, {-0.25, -f, 0.5, -f}},
        {coarse, {c, kMax, c, -20.25 * 0x1p40}, {c, 300 * 0x1p40, c, -20.25 * 0x1p40}},
    };
    for (const Case& k : cases)
        for (int width : {1, 3}) {
            Area far(k.scale, width), near(k.scale, width);
            far.area.line(k.far[0], k.far[1], k.far[2], k.far[3]);
            near.area.line(k.near[0], k.near[1], k.near[2], k.near[3]);
            EXPECT_GT(near.ink(), 0);
            EXPECT_EQ(far.area.image(), near.area.image()) << k.far[0] << " " << k.far[1] << " " << k.far[2] << " "
                                                           << k.far[3] << " width " << width;
        }
}

// Random segments of every size and sign, most of them across the canvas, against the exact line
// through their ends.
TEST(FarLine, RandomSegmentsFollowTheExactLine) {
    std::mt19937_64 random(20250611);
    const auto uniform = [&] { return double(random() >> 11) * 0x1p-53; };  // [0, 1)
    const auto single = [](double v) { return double(float(std::clamp(v, -kMax, kMax))); };
    const auto anyFloat = [&] {  // any sign, exponent and mantissa
        return single(std::ldexp(1 + uniform(), int(random() % 277) - 149) * (random() % 2 ? 1 : -1));
    };
    const double units[] = {1, 0x1p-140, 0x1p90};
    int across = 0;
    constexpr int kSegments = 3000;
    for (int i = 0; i < kSegments; ++i) {
        const double unit = units[random() % 3];
        const double step[2] = {random() % 2 ? unit : -unit, random() % 2 ? unit : -unit};
        Area area({-kSide / 2 * step[0], -kSide / 2 * step[1], kSide / 2 * step[0], kSide / 2 * step[1]});
        // A point of the canvas, and a direction: any, or along an axis or a diagonal.
        const double point[2] = {(uniform() - 0.5) * kSide * unit, (uniform() - 0.5) * kSide * unit};
        const double angle = random() % 4 ? uniform() * 2 * std::numbers::pi : double(random() % 8) * std::numbers::pi / 4;
        const double direction[2] = {std::cos(angle), std::sin(angle)};
        Segment s;
        switch (random() % 4) {
            case 0:  // from the canvas to anywhere
                s = {{{single(point[0]), single(point[1])}, {anyFloat(), anyFloat()}}};
                break;
            case 1: {  // far through the point: the nearer end close enough that rounding it
                       // keeps the line near the point
                const double r0 = std::fabs(anyFloat()), r1 = unit * std::ldexp(1 + uniform(), int(random() % 24));
                s = {{{single(point[0] + r0 * direction[0]), single(point[1] + r0 * direction[1])},
                      {single(point[0] - r1 * direction[0]), single(point[1] - r1 * direction[1])}}};
                break;
            }
            case 2: {  // exactly through the centre, both ends possibly huge
                const double k = std::ldexp(1, int(random() % 64));
                const double e[2] = {anyFloat(), anyFloat()};
                if (std::max(std::fabs(e[0]), std::fabs(e[1])) * k > kMax) continue;
                s = {{{e[0], e[1]}, {-k * e[0], -k * e[1]}}};
                break;
            }
            default:  // anywhere to anywhere
                s = {{{anyFloat(), anyFloat()}, {anyFloat(), anyFloat()}}};
        }
        if (random() % 2) std::swap(s.end[0], s.end[1]);
        area.area.line(s.end[0][0], s.end[0][1], s.end[1][0], s.end[1][1]);
        SCOPED_TRACE(testing::Message() << "segment " << i << ": (" << s.end[0][0] << ", " << s.end[0][1] << ") to ("
                                        << s.end[1][0] << ", " << s.end[1][1] << "), pixel " << step[0] << " by "
                                        << step[1]);
        across += expectExactLine(area.area.image(), step, s);
        if (HasFailure()) return;
    }
    EXPECT_GT(across, kSegments / 2);
}
