// Where a press lands: a pad takes it only inside the disc it draws (the
// ellipse inscribed in its box), a rectangle in its whole box, and of two
// controls there the later-made one. Points are derived from the controls'
// recorded boxes; presses go through the Qt window as a user's would.
#include "support/fixture.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <string>
#include <vector>

namespace nalvo {
namespace {

struct Area {
    std::string name;
    QRect box;
    bool oval;
};

// How far the middle of pixel `p` lies inside `a`'s edge, in pixels (negative: outside).
double depth(const Area& a, QPoint p) {
    const double x = p.x() + 0.5, y = p.y() + 0.5;
    if (!a.oval)
        return std::min({x - a.box.x(), a.box.x() + a.box.width() - x, y - a.box.y(), a.box.y() + a.box.height() - y});
    const double rx = a.box.width() / 2.0, ry = a.box.height() / 2.0;
    const double nx = (x - a.box.x() - rx) / rx, ny = (y - a.box.y() - ry) / ry;
    return (1 - std::sqrt(nx * nx + ny * ny)) * std::min(rx, ry);
}

// Points this near an edge are left out: pixels there may go either way.
constexpr double kDoubt = 1.5;

class HitArea : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        NALVO::handlerObserver = [this](std::string_view handler, Object&) { handled_.emplace_back(handler); };
        for (std::size_t i = 0; i < window().controlCount(); ++i)
            if (auto* r = dynamic_cast<RectControl*>(&window().controlAt(i)); r && r->Visible())
                areas_.push_back({window().controlNameAt(i),
                                  QRect(int(r->Left()), int(r->Top()), int(r->Width()), int(r->Height())),
                                  dynamic_cast<Oval*>(r) != nullptr});
    }
    void TearDown() override {
        NALVO::handlerObserver = nullptr;
        WindowFixture::TearDown();
    }

    // The control that should take a press at `p` ("" for none); false when
    // `p` lies outside the window or too near an edge to tell.
    bool expectedAt(QPoint p, std::string& name) const {
        name.clear();
        if (!window().contentArea().rect().contains(p)) return false;
        for (const Area& a : areas_) {
            const double d = depth(a, p);
            if (std::abs(d) < kDoubt) return false;
            if (d > 0) name = a.name;
        }
        return true;
    }

    // Presses at the content point through the Qt window; the MouseDown handler that ran.
    std::string pressAt(QPoint p) {
        handled_.clear();
        QMainWindow& qt = window().qtWindow();
        const QPoint at = window().contentArea().mapTo(&qt, p);
        QTest::mouseClick(qt.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        std::string mouseDown;
        for (const std::string& h : handled_)
            if (h.ends_with("_MouseDown")) mouseDown += h;
        return mouseDown;
    }

    std::vector<Area> areas_;
    std::vector<std::string> handled_;
};

TEST_F(HitArea, WhereTwoPadsBoxesOverlapTheLowerDiscStillPlays) {
    int pairs = 0, tested = 0, lowerDisc = 0;
    for (std::size_t i = 0; i < areas_.size(); ++i)
        for (std::size_t j = i + 1; j < areas_.size(); ++j) {
            const Area &below = areas_[i], &above = areas_[j];
            const QRect shared = below.box & above.box;
            if (!below.oval || !above.oval || shared.isEmpty()) continue;
            ++pairs;
            // In the shared box, off the upper disc: the point deepest in the lower disc.
            QPoint best;
            double bestDepth = -1e9;
            std::string expected;
            for (int y = shared.top(); y <= shared.bottom(); ++y)
                for (int x = shared.left(); x <= shared.right(); ++x) {
                    const QPoint p(x, y);
                    std::string e;
                    if (depth(above, p) < 0 && depth(below, p) > bestDepth && expectedAt(p, e))
                        best = p, bestDepth = depth(below, p), expected = e;
                }
            if (bestDepth == -1e9) continue;  // a strip too thin to press off every edge
            ++tested;
            EXPECT_EQ(pressAt(best), expected.empty() ? "" : expected + "_MouseDown")
                << "at " << best.x() << "," << best.y() << " in " << above.name << "'s box";
            if (bestDepth > 0) {
                EXPECT_EQ(expected, below.name);
                ++lowerDisc;
            }
        }
    EXPECT_EQ(pairs, 22);
    EXPECT_GE(tested, 21);
    EXPECT_GE(lowerDisc, 12);  // the twelve overlaps of the centre pads at least
}

TEST_F(HitArea, BoxCornersPlayWhatLiesBeneath) {
    int silent = 0, rectangles = 0;
    for (const Area& a : areas_) {
        if (!a.oval && a.name.rfind("Rectangle", 0) != 0) continue;
        const QRect inner = a.box.adjusted(2, 2, -3, -3);
        for (QPoint p : {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()}) {
            std::string expected;
            if (!expectedAt(p, expected)) continue;
            EXPECT_NE(expected, a.oval ? a.name : "");  // a pad's corner is off its disc, a key's is on it
            EXPECT_EQ(pressAt(p), expected.empty() ? "" : expected + "_MouseDown")
                << "at " << p.x() << "," << p.y() << " in " << a.name << "'s box";
            silent += expected.empty();
            rectangles += !a.oval && expected == a.name;
        }
    }
    EXPECT_GE(silent, 100);     // most of the 37 pads' 148 corners are black
    EXPECT_GE(rectangles, 80);  // a key takes its corners, but where a black key lies above
}

}  // namespace
}  // namespace nalvo
