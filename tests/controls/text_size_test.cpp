// The layout's text sizes are pixels: the popup's and the text field's 12, the
// random button's 10 in bold, the record button's 0 the desktop's own size.
#include "support/fixture.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace nalvo {
namespace {

class TextSize : public WindowFixture {};

TEST_F(TextSize, RecordSizesArePixels) {
    // Control, pixels (0: the desktop's default size, taken as pixels), bold.
    const std::tuple<RectControl&, int, bool> cases[] = {{window().MusicPopupMenu(), 12, false},
                                                         {window().textfield(), 12, false},
                                                         {window().PushButton1(), 10, true},
                                                         {window().PushButton2(), 0, false}};
    for (const auto& [control, pixels, bold] : cases) {
        const QFont font = control.widget()->font();
        EXPECT_EQ(font.pixelSize(), pixels ? pixels : qRound(QApplication::font(control.widget()).pointSizeF()))
            << control.Name;
        EXPECT_EQ(font.bold(), bold) << control.Name;
    }
}

}  // namespace
}  // namespace nalvo
