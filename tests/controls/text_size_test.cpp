// The layout's text sizes are pixels: the popup's and the text field's 12, the
// random button's 10 in bold, the record button's 0 the desktop's own size.
#include "support/fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace nalvo {
namespace {

class TextSize : public WindowFixture {};

TEST_F(TextSize, RecordSizesArePixels) {
    struct Case {
        QWidget* widget;
        int pixels;  // 0: the desktop's default size, taken as pixels
        bool bold;
    };
    const Case cases[] = {
        {window().MusicPopupMenu().widget(), 12, false},
        {window().textfield().widget(), 12, false},
        {window().PushButton1().widget(), 10, true},
        {window().PushButton2().widget(), 0, false},
    };
    for (const Case& c : cases) {
        const QFont font = c.widget->font();
        const int want = c.pixels ? c.pixels : qRound(QApplication::font(c.widget).pointSizeF());
        EXPECT_EQ(font.pixelSize(), want) << c.widget->metaObject()->className();
        EXPECT_EQ(font.bold(), c.bold) << c.widget->metaObject()->className();
    }
}

}  // namespace
}  // namespace nalvo
