// The controls on Qt: ranges, popup rows, button clicks, painting, stacking,
// event delivery and the guard.
#include "platform/controls.h"
#include "platform/noteoutput.h"
#include "platform/record.h"
#include "platform_test_support.h"
#include "support/recording.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace nalvo {
namespace {

using testing::bind;
using testing::CapturedErrors;
using testing::TestWindowClass;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { testing::qtApp(); }
};

template <class T>
std::unique_ptr<T> made() {
    auto c = std::make_unique<T>();
    c->Constructor();
    return c;
}

// Slider and ScrollBar behave alike.
template <class T>
class RangeTest : public ControlsTest {};
using RangeTypes = ::testing::Types<Slider, ScrollBar>;
TYPED_TEST_SUITE(RangeTest, RangeTypes);

TYPED_TEST(RangeTest, RecordOrderMinimumValueMaximumKeepsTheValue) {
    auto c = made<TypeParam>();
    _SetProperties(*c, RecordWriter().integer("Minimum", 1).integer("Value", 5).integer("Maximum", 9).content());
    EXPECT_EQ(c->Value(), 5);
    EXPECT_EQ(c->Minimum(), 1);
    EXPECT_EQ(c->Maximum(), 9);
    auto* w = qobject_cast<QAbstractSlider*>(c->widget());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->value(), 5);
    EXPECT_EQ(w->maximum(), 9);
}

TYPED_TEST(RangeTest, CodeChangesClampAndRaiseValueChangedOnAHiddenDisabledControl) {
    TestWindowClass cls;
    std::vector<std::int64_t> seen;
    const MemberRecord& handler = cls.add("Bar_ValueChanged", std::string("%%o<") + TypeParam::className() + ">",
                                          [&](Object&, Args a) -> Value {
                                              seen.push_back(checkCast<TypeParam>(std::get<Object*>(a[0]))->Value());
                                              return {};
                                          });
    Window window(cls.table);
    auto c = made<TypeParam>();
    _SetProperties(*c, RecordWriter()
                           .boolean("Visible", false)
                           .boolean("Enabled", false)
                           .integer("Minimum", 1)
                           .integer("Value", 5)
                           .integer("Maximum", 9)
                           .content());
    bind(*c, event_number::ValueChanged, handler, window, TypeParam::className());

    c->setValue(6);
    c->setValue(6);   // no change, no event
    c->setValue(42);  // clamped to 9
    c->setValue(-3);  // clamped to 1
    EXPECT_EQ(seen, (std::vector<std::int64_t>{6, 9, 1}));
    EXPECT_EQ(qobject_cast<QAbstractSlider*>(c->widget())->value(), 1);

    // A change on the widget (the user) takes the same road.
    qobject_cast<QAbstractSlider*>(c->widget())->setValue(4);
    EXPECT_EQ(c->Value(), 4);
    EXPECT_EQ(seen.back(), 4);
}

TEST_F(ControlsTest, OrientationFollowsTheBox) {
    auto bar = made<ScrollBar>();
    bar->setWidth(57);
    bar->setHeight(218);
    EXPECT_EQ(qobject_cast<QAbstractSlider*>(bar->widget())->orientation(), Qt::Vertical);
    bar->setWidth(300);
    EXPECT_EQ(qobject_cast<QAbstractSlider*>(bar->widget())->orientation(), Qt::Horizontal);
}

TEST_F(ControlsTest, PopupRowsAndChange) {
    TestWindowClass cls;
    std::vector<std::int64_t> changes;
    const MemberRecord& handler = cls.add("Menu_Change", "%%o<PopupMenu>", [&](Object&, Args a) -> Value {
        changes.push_back(checkCast<PopupMenu>(std::get<Object*>(a[0]))->ListIndex());
        return {};
    });
    Window window(cls.table);
    auto menu = made<PopupMenu>();
    _SetProperties(*menu, RecordWriter().string("InitialValue", "@Piano\r@Organ\r@Flute").integer("ListIndex", 0).content());
    bind(*menu, event_number::Change, handler, window, "PopupMenu");

    ASSERT_EQ(menu->ListCount(), 3);
    EXPECT_EQ(menu->List(0), "@Piano");
    EXPECT_EQ(menu->List(2), "@Flute");
    EXPECT_THROW(menu->List(3), OutOfBoundsException);
    auto* combo = qobject_cast<QComboBox*>(menu->widget());
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_TRUE(changes.empty());  // applying the record ran no handler

    combo->setCurrentIndex(2);  // as the user's choice does
    menu->setListIndex(1);      // from code
    EXPECT_EQ(changes, (std::vector<std::int64_t>{2, 1}));
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_THROW(menu->setListIndex(3), OutOfBoundsException);
    EXPECT_THROW(menu->setListIndex(-2), OutOfBoundsException);
    EXPECT_EQ(menu->ListIndex(), 1);
}

TEST_F(ControlsTest, PushButtonClickRaisesActionAndTakesNoFocus) {
    TestWindowClass cls;
    int actions = 0;
    const MemberRecord& handler = cls.add("Button_Action", "%%o<PushButton>", [&](Object&, Args) -> Value {
        ++actions;
        return {};
    });
    Window window(cls.table);
    auto button = made<PushButton>();
    _SetProperties(*button, RecordWriter()
                                .string("Caption", "Randam Hit")
                                .integer("Width", 119)
                                .integer("Height", 33)
                                .single("TextSize", 10.0f)
                                .boolean("Bold", true)
                                .content());
    bind(*button, event_number::Action, handler, window, "PushButton");
    auto* qb = qobject_cast<QPushButton*>(button->widget());
    ASSERT_TRUE(qb);
    EXPECT_EQ(qb->text(), "Randam Hit");
    EXPECT_TRUE(qb->font().bold());
    EXPECT_EQ(qb->font().pixelSize(), 10);
    EXPECT_EQ(qb->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(qb, Qt::LeftButton);
    EXPECT_EQ(actions, 1);
}

QColor centrePixel(QWidget& w) {
    const QImage image = w.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST_F(ControlsTest, ShapesPaintTheirColoursOpaque) {
    auto oval = made<Oval>();
    _SetProperties(*oval, RecordWriter()
                              .integer("Width", 40)
                              .integer("Height", 40)
                              .color("FillColor", RGB(255, 128, 128))
                              .integer("BorderWidth", 1)
                              .color("BorderColor", RGB(0, 0, 0))
                              .content());
    EXPECT_EQ(centrePixel(*oval->widget()), QColor(255, 128, 128, 255));

    auto rect = made<Rectangle>();
    _SetProperties(*rect, RecordWriter()
                              .integer("Width", 30)
                              .integer("Height", 100)
                              .color("FillColor", RGB(255, 255, 255))
                              .integer("BorderWidth", 1)
                              .color("TopLeftColor", RGB(0, 0, 0))
                              .color("BottomRightColor", RGB(0, 0, 0))
                              .content());
    const QImage image = rect->widget()->grab().toImage();
    EXPECT_EQ(image.pixelColor(15, 50), QColor(255, 255, 255, 255));
    EXPECT_EQ(image.pixelColor(0, 50), QColor(0, 0, 0, 255));
    EXPECT_EQ(image.pixelColor(29, 99), QColor(0, 0, 0, 255));

    // A repaint after a colour change shows the new colour, and the observer sees the write.
    std::vector<Color> painted;
    Oval::paintObserver = [&](const Oval&, Color c) { painted.push_back(c); };
    oval->setFillColor(RGB(0, 96, 160));
    Oval::paintObserver = nullptr;
    EXPECT_EQ(centrePixel(*oval->widget()), QColor(0, 96, 160, 255));
    EXPECT_EQ(painted, (std::vector<Color>{RGB(0, 96, 160)}));
}

TEST_F(ControlsTest, GuardReportsOnceAndReturnsFalse) {
    TestWindowClass cls("NALVO");
    const MemberRecord& handler = cls.add("Oval1_MouseDown", "%b%o<Oval>i8i8", [&](Object&, Args) -> Value {
        throw NilObjectException("App is nil");
    });
    Window window(cls.table);
    auto oval = made<Oval>();
    bind(*oval, event_number::MouseDown, handler, window, "Oval");

    CapturedErrors errors;
    const Value args[] = {std::int64_t{3}, std::int64_t{4}};
    EXPECT_EQ(oval->raiseEvent(event_number::MouseDown, args, false), Value(false));
    ASSERT_EQ(errors.lines.size(), 1u);
    EXPECT_EQ(errors.lines[0], "Unhandled NilObjectException in NALVO.Oval1_MouseDown: App is nil");
}

TEST_F(ControlsTest, MouseDownCarriesSenderAndPositionAndReturnsTheResult) {
    TestWindowClass cls;
    std::vector<std::int64_t> got;
    Object* sender = nullptr;
    const MemberRecord& handler = cls.add("R_MouseDown", "%b%o<Rectangle>i8i8", [&](Object&, Args a) -> Value {
        sender = std::get<Object*>(a[0]);
        got = {std::get<std::int64_t>(a[1]), std::get<std::int64_t>(a[2])};
        return true;
    });
    Window window(cls.table);
    auto rect = made<Rectangle>();
    rect->setWidth(20);
    rect->setHeight(20);
    bind(*rect, event_number::MouseDown, handler, window, "Rectangle");
    // No registration: the fallback.
    auto other = made<Rectangle>();
    EXPECT_EQ(other->raiseEvent(event_number::MouseDown, {}, false), Value(false));

    const Value args[] = {std::int64_t{7}, std::int64_t{9}};
    EXPECT_EQ(rect->raiseEvent(event_number::MouseDown, args, false), Value(true));
    EXPECT_EQ(sender, rect.get());
    EXPECT_EQ(got, (std::vector<std::int64_t>{7, 9}));

    // A delegate of another sender class refuses this sender.
    CapturedErrors errors;
    bind(*other, event_number::MouseDown, handler, window, "Oval");
    EXPECT_EQ(other->raiseEvent(event_number::MouseDown, args, false), Value(false));
    EXPECT_EQ(errors.lines.size(), 1u);
}

TEST_F(ControlsTest, NilTargetRaisesNilObjectThroughTheGuard) {
    TestWindowClass cls;
    const MemberRecord& handler = cls.add("S_ValueChanged", "%%o<Slider>", [](Object&, Args) -> Value { return {}; });
    auto slider = made<Slider>();
    RuntimeAddEventHandler(*slider, event_number::ValueChanged, &stubNoArguments,
                           RuntimeCreateDelegate(delegateInvokerFor("Slider"), &handler, nullptr,
                                                 delegateSignatureFor("Slider"), 1));
    CapturedErrors errors;
    slider->setValue(10);
    ASSERT_EQ(errors.lines.size(), 1u);
    EXPECT_NE(errors.lines[0].find("NilObjectException"), std::string::npos);
    EXPECT_EQ(slider->Value(), 10);
}

TEST_F(ControlsTest, NotePlayerForwardsUnchanged) {
    auto out = std::make_shared<RecordingOutput>();
    setNoteOutput(out);
    NotePlayer player;
    _SetProperties(player, RecordWriter().integer("Index", -2147483648LL).integer("Instrument", 1).string("Name", "NotePlayer1")
                               .integer("PanelIndex", 0).integer("TabPanelIndex", 0).integer("_mIndex", 0)
                               .string("_mInitialParent", "").string("_mName", "").integer("_mPanelIndex", 0).content());
    player.setInstrument(200);
    player.PlayNote(136, 154);
    player.PlayNote(136, 0);
    setNoteOutput(nullptr);
    EXPECT_EQ(out->calls(), (NoteCalls{Instrument(1), Instrument(200), NoteOn(136, 154), NoteOff(136)}));
    EXPECT_EQ(player.Instrument(), 200);
    EXPECT_EQ(player.Name, "NotePlayer1");
    player.PlayNote(60, 64);  // the silent output takes it
}

}  // namespace
}  // namespace nalvo
