// The layout's text sizes are pixels: the popup's and the text field's 12, the
// random button's 10 in bold; the record button's 0 is the system's own size.
#include "support/fixture.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace nalvo {
namespace {

class TextSize : public WindowFixture {};

TEST_F(TextSize, RecordSizesArePixelsAndZeroIsTheApplicationsOwn) {
    // Control, pixels (0: the application's own font size), bold.
    const std::tuple<RectControl&, int, bool> cases[] = {{window().MusicPopupMenu(), 12, false},
                                                         {window().textfield(), 12, false},
                                                         {window().PushButton1(), 10, true},
                                                         {window().PushButton2(), 0, false}};
    for (const auto& [control, pixels, bold] : cases) {
        const QFont font = control.widget()->font();
        const QFont own = QApplication::font(control.widget());
        EXPECT_EQ(font.pixelSize(), pixels ? pixels : own.pixelSize()) << control.Name;
        EXPECT_EQ(font.pointSizeF(), pixels ? -1.0 : own.pointSizeF()) << control.Name;
        EXPECT_EQ(font.bold(), bold) << control.Name;
    }
}

}  // namespace
}  // namespace nalvo
