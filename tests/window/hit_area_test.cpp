// Where a press lands: a pad takes it only inside the disc it draws (the
// ellipse inscribed in its box), a rectangle in its whole box, and of two
// controls there the later-made one. Points are derived from the controls'
// recorded boxes; presses go through the Qt window as a user's would.
#include "support/fixture.h"

#include <QMainWindow>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace nalvo {
namespace {

// How far the middle of pixel `p` lies inside `c`'s edge, in pixels (negative: outside).
double depth(const RectControl& c, QPoint p) {
    const double x = p.x() + 0.5 - c.Left(), y = p.y() + 0.5 - c.Top(), w = c.Width(), h = c.Height();
    if (!dynamic_cast<const Oval*>(&c)) return std::min({x, w - x, y, h - y});
    const double nx = 2 * x / w - 1, ny = 2 * y / h - 1;
    return (1 - std::sqrt(nx * nx + ny * ny)) * std::min(w, h) / 2;
}

class HitArea : public WindowFixture {};

TEST_F(HitArea, APressReachesTheLastMadeDiscOrBoxUnderIt) {
    std::vector<const RectControl*> shown;  // in creation order
    std::vector<QPoint> points;             // each pad's and key's box corners (some on an earlier disc) and middle
    for (std::size_t i = 0; i < window().controlCount(); ++i) {
        auto* c = dynamic_cast<RectControl*>(&window().controlAt(i));
        if (!c || !c->Visible()) continue;
        shown.push_back(c);
        if (!c->isA(Oval::__Lookup()) && !c->isA(Rectangle::__Lookup())) continue;
        const QRect in = QRect(int(c->Left()), int(c->Top()), int(c->Width()), int(c->Height())).adjusted(2, 2, -3, -3);
        points.insert(points.end(), {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight(), in.center()});
    }
    std::vector<std::string> handled;
    NALVO::handlerObserver = [&](std::string_view handler, Object&) { handled.emplace_back(handler); };
    std::map<std::string, int> reached;  // "" for nothing, else the kind of control
    for (QPoint p : points) {
        bool doubtful = !window().contentArea().rect().contains(p);
        std::vector<std::string> expected;
        for (const RectControl* c : shown) {
            doubtful |= std::abs(depth(*c, p)) < 1.5;  // so near an edge it may go either way
            if (depth(*c, p) > 0) expected = {c->Name + "_MouseDown"};
        }
        if (doubtful) continue;
        handled.clear();
        QMainWindow& qt = window().qtWindow();
        QTest::mouseClick(qt.windowHandle(), Qt::LeftButton, Qt::NoModifier, window().contentArea().mapTo(&qt, p));
        std::erase_if(handled, [](const std::string& h) { return !h.ends_with("_MouseDown"); });
        EXPECT_EQ(handled, expected) << "at " << p.x() << "," << p.y();
        ++reached[expected.empty() ? "" : expected[0].substr(0, expected[0].find_first_of("0123456789"))];
    }
    NALVO::handlerObserver = nullptr;
    EXPECT_GE(reached[""], 100);                           // most of the 37 pads' corners are black
    EXPECT_GE(reached["Rectangle"], 80);                   // a key takes its corners, but where a black key lies above
    EXPECT_GE(reached["Oval"] + reached["miniOval"], 50);  // every middle, and corners on an earlier disc
}

// A double-click on a pad or a key is two presses, and each plays the whole
// note block (C4 on both); storing 72 again leaves no second store line.
TEST_F(HitArea, ADoubleClickPlaysTwice) {
    QMainWindow& qt = window().qtWindow();
    for (const auto& [name, steps] :
         {std::pair{"Oval1", "instr reset off on lit store"}, {"Rectangle1", "instr off on store"}}) {
        start({3, 12, 90, 40});
        const QWidget& target = *control(name).widget();
        const QPoint middle = target.mapTo(&qt, target.rect().center());
        QTest::mouseDClick(qt.windowHandle(), Qt::LeftButton, Qt::NoModifier, middle);
        Lines expected = NoteBlock{name, 60, "", steps}.log({3, 12, 90, 40});
        const Lines again = NoteBlock{name, 60, "", steps}.log({3, 12, 90, 72});
        expected.insert(expected.end(), again.begin(), again.end() - 1);
        EXPECT_EQ(take(), expected) << name;
    }
}

}  // namespace
}  // namespace nalvo
