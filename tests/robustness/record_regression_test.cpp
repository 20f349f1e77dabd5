// Layout records with values no designer would write, as the record fuzzer
// found them: they must be taken (or refused with a runtime exception)
// without undefined behaviour. Run under the sanitizers by
// scripts/ci-quality.sh, where an overflow fails the test.
#include "platform/controls.h"
#include "platform/record.h"
#include "platform/window.h"
#include "support/window_fixture.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace nalvo {
namespace {

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();
constexpr std::int64_t kIntMin = std::numeric_limits<int>::min();

template <class T>
std::unique_ptr<RectControl> make() {
    auto c = std::make_unique<T>();
    c->Constructor();
    return c;
}

struct Kind {
    const char* name;
    std::function<std::unique_ptr<RectControl>()> make;
};
const Kind kKinds[] = {
    {"Oval", make<Oval>},           {"Rectangle", make<Rectangle>}, {"Slider", make<Slider>},
    {"ScrollBar", make<ScrollBar>}, {"PopupMenu", make<PopupMenu>}, {"PushButton", make<PushButton>},
    {"TextField", make<TextField>},
};

// Position and size pairs that overflow a naive left + width.
struct Box {
    std::int64_t left, top, width, height;
};
const Box kBoxes[] = {
    {kIntMax, kIntMax, kIntMax, kIntMax},     // the first finding
    {kIntMin, kIntMin, 0, 0},                 // left - 1 below the int range
    {3621459, 0, kIntMax, 10},                // a plain left with the widest width
    {kInt64Max, kInt64Min, kInt64Max, kInt64Min},
    {kInt64Min, kInt64Max, -1, kInt64Max},
    {-10, -1, 16777216, 16777216},            // just past Qt's largest widget size
};

TEST(RecordRegression, ExtremeGeometryIsStoredWithoutOverflow) {
    ensureQApplication();
    for (const Kind& kind : kKinds) {
        for (const Box& box : kBoxes) {
            SCOPED_TRACE(std::string(kind.name) + " at " + std::to_string(box.left) + "," + std::to_string(box.top) +
                         " size " + std::to_string(box.width) + "x" + std::to_string(box.height));
            auto control = kind.make();
            const std::string record = RecordWriter()
                                           .integer("Left", box.left)
                                           .integer("Top", box.top)
                                           .integer("Width", box.width)
                                           .integer("Height", box.height)
                                           .content();
            ASSERT_NO_THROW(_SetProperties(*control, record));
            EXPECT_EQ(control->Left(), box.left);
            EXPECT_EQ(control->Width(), box.width);
            EXPECT_GE(control->widget()->width(), 0);
        }
    }
}

TEST(RecordRegression, ExtremeWindowSizeIsStoredWithoutOverflow) {
    ensureQApplication();
    for (const std::int64_t v : {kInt64Max, kInt64Min, kIntMax, kIntMin, std::int64_t{16777216}}) {
        Window window(Window::__Lookup());
        ASSERT_NO_THROW(_SetProperties(window, RecordWriter().integer("Width", v).integer("Height", v).content()));
        EXPECT_EQ(window.Width(), v);
    }
}

}  // namespace
}  // namespace nalvo
