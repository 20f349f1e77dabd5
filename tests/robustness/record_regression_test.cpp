// Layout records with values no designer would write, as the record fuzzer
// found them: they must be taken without undefined behaviour. Run under the
// sanitizers by scripts/ci-quality.sh, where an overflow fails the test.
#include "platform/record.h"
#include "support/fixture.h"

#include <QWidget>

#include <limits>

namespace nalvo {
namespace {

template <class T>
std::unique_ptr<RectControl> make() {
    auto c = std::make_unique<T>();
    c->Constructor();
    return c;
}

TEST(RecordRegression, ExtremeGeometryIsStoredWithoutOverflow) {
    ensureQApplication();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max(), kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kIntMax = std::numeric_limits<int>::max(), kIntMin = std::numeric_limits<int>::min();
    const std::int64_t boxes[][4] = {  // left, top, width, height: each overflows a naive left + width
        {kIntMax, kIntMax, kIntMax, kIntMax}, {kIntMin, kIntMin, 0, 0}, {3621459, 0, kIntMax, 10},
        {kMax, kMin, kMax, kMin}, {kMin, kMax, -1, kMax}, {-10, -1, 16777216, 16777216},
        {10, 20, 30, 40}};  // the last one in range: the widget takes it as it is
    for (auto makeControl : {make<Oval>, make<Rectangle>, make<Slider>, make<ScrollBar>, make<PopupMenu>,
                             make<PushButton>, make<TextField>}) {
        for (const auto& box : boxes) {
            auto control = makeControl();
            SCOPED_TRACE(control->classTable().name + " at " + std::to_string(box[0]) + "," + std::to_string(box[1]));
            _SetProperties(*control, RecordWriter().integer("Left", box[0]).integer("Top", box[1])
                                         .integer("Width", box[2]).integer("Height", box[3]).content());
            EXPECT_EQ(control->Left(), box[0]);
            EXPECT_EQ(control->Width(), box[2]);
            if (box[0] == 10) EXPECT_EQ(control->widget()->geometry(), QRect(10, 20, 30, 40));
        }
    }
    for (const std::int64_t v : {kMax, kMin, kIntMax, kIntMin, std::int64_t{16777216}}) {
        Window window(Window::__Lookup());
        _SetProperties(window, RecordWriter().integer("Width", v).integer("Height", v).content());
        EXPECT_EQ(window.Width(), v);
    }
}

}  // namespace
}  // namespace nalvo
