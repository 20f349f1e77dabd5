// Building the window: layout, the 87 controls in creation order with their
// records and bindings, failures during creation, accessors.
#include "app/MenuBar1.h"
#include "platform/record.h"
#include "support/fixture.h"

#include <QImage>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <map>

namespace nalvo {
namespace {

class NalvoWindow : public WindowFixture {};

// One menu bar for the window and the application; a fixed black 1050 x 500
// window with a close button and no minimise button (its maximise button stands
// for full screen); white piano keys outlined in black.
TEST_F(NalvoWindow, LayoutInstallsTheSharedMenuBarAndTheRecord) {
    EXPECT_EQ(window().menuBar(), &MenuBar1());
    EXPECT_EQ(app().menuBar(), &MenuBar1());
    QMainWindow& qt = window().qtWindow();
    EXPECT_EQ(qt.windowTitle(), "NALVO PRO 2018");
    EXPECT_TRUE(qt.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(qt.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&qt));
    EXPECT_EQ(window().contentArea().size(), QSize(1050, 500));
    EXPECT_EQ(qt.minimumSize(), qt.maximumSize());
    const QImage image = window().contentArea().grab().toImage();
    const std::pair<QPoint, QColor> pixels[] = {{{443, 480}, Qt::black}, {{369, 480}, Qt::white},
                                                {{344, 480}, Qt::black}, {{393, 499}, Qt::black}};
    for (const auto& [at, colour] : pixels) EXPECT_EQ(image.pixelColor(at), colour) << at.x() << "," << at.y();
    EXPECT_EQ(qobject_cast<QScrollBar*>(window().VeclotityBar().widget())->orientation(), Qt::Vertical);
    EXPECT_EQ(qobject_cast<QScrollBar*>(window().PitchBar().widget())->orientation(), Qt::Horizontal);
}

// The events bound on the control bar (event number, handler suffix), in binding order;
// every pad and piano key binds its MouseDown alone.
const std::map<std::string, std::vector<std::pair<int, std::string>>> kBarBindings = {
    {"PitchSlider", {{20, "ValueChanged"}}}, {"VelocitySlider", {{2, "Open"}, {20, "ValueChanged"}}},
    {"textfield", {}}, {"MusicPopupMenu", {{15, "Change"}, {2, "Open"}}}, {"NotePlayer1", {{2, "Open"}}},
    {"PushButton1", {{15, "Action"}}}, {"Mytimer", {}}, {"PushButton2", {{15, "Action"}}},
    {"VeclotityBar", {{2, "Open"}, {20, "ValueChanged"}}}, {"PitchBar", {{2, "Open"}, {20, "ValueChanged"}}},
};

// Control i is the one whose record is stored i-th, of its class, placed and
// coloured as its record says, with its events bound to its own handlers.
void expectBuilt(NALVO& w, std::size_t i) {
    const std::string name = w.controlNameAt(i);
    SCOPED_TRACE(name);
    const std::string_view record = layoutRecord(name);
    EXPECT_EQ(storedLayoutTexts().substr(storedLayoutOffsets()[i + 1] + 1, record.size()), record);
    auto& control = dynamic_cast<Control&>(w.controlAt(i));
    if (auto* rect = dynamic_cast<RectControl*>(&control)) {
        auto* oval = dynamic_cast<Oval*>(rect);
        auto* key = dynamic_cast<Rectangle*>(rect);
        const std::map<std::string_view, Value> shown = {
            {"Left", rect->Left()}, {"Top", rect->Top()}, {"Width", rect->Width()}, {"Height", rect->Height()},
            {"FillColor", oval ? oval->FillColor() : key ? key->FillColor() : Color{}}};
        for (const RecordEntry& e : decodeRecord(record, control.classTable()))
            if (auto it = shown.find(e.name); it != shown.end()) EXPECT_EQ(it->second, e.value) << e.name;
    }
    const auto bar = kBarBindings.find(name);
    const auto expected = bar != kBarBindings.end() ? bar->second : decltype(bar->second){{15, "MouseDown"}};
    const std::string cls = control.classTable().name;
    const auto& registered = control.registrations();
    ASSERT_EQ(registered.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const auto& r = registered[k];
        const bool mouse = expected[k].second == "MouseDown";
        EXPECT_EQ(r.eventNumber, expected[k].first);
        EXPECT_EQ(r.delegate->method, w.classTable().findMember(name + "_" + expected[k].second));
        EXPECT_EQ(r.delegate->target, &w);
        EXPECT_EQ(r.delegate->signature, mouse ? "( " + cls + ", Integer, Integer ) as Boolean" : "( " + cls + " )");
        EXPECT_EQ(r.stub, mouse ? &stubMouseDown : &stubNoArguments);
    }
}

TEST_F(NalvoWindow, ControlsInCreationOrderWithRecordsAndBindings) {
    ASSERT_EQ(window().controlCount(), 87u);
    for (std::size_t i = 0; i < 87; ++i) {
        expectBuilt(window(), i);
        const Value accessor = window().classTable().invoke(window(), window().controlNameAt(i));
        EXPECT_EQ(std::get<Object*>(accessor), &window().controlAt(i));
    }
    EXPECT_EQ(window().Mytimer().Period, 1000);
}

class NalvoCreation : public WindowFixture {
protected:
    void TearDown() override {
        Window::beforeConstruct = nullptr;
        WindowFixture::TearDown();
    }
    static void failAt(const char* control) {
        Window::beforeConstruct = [control](std::string_view name) {
            if (name == control) throw RuntimeException("injected failure");
        };
    }
};

TEST_F(NalvoCreation, AFailureKeepsTheControlsBeforeItAndRunsNoLaterChunk) {
    NALVO bare;
    EXPECT_THROW(bare.Oval1(), NilObjectException);
    EXPECT_THROW(bare.FileQuit(), NilObjectException);  // no menu bar

    for (const auto& [at, kept] : {std::pair{"Oval20", 29u}, std::pair{"miniOval11", 34u}}) {
        failAt(at);
        NALVO w;
        EXPECT_THROW(w.Constructor(), RuntimeException);
        ASSERT_EQ(w.controlCount(), kept) << at;
        for (std::size_t i = 0; i < kept; ++i) expectBuilt(w, i);
        EXPECT_EQ(w._ControlByName(at), nullptr);
    }
    resetDefaultWindow();
    failAt("PitchBar");
    EXPECT_THROW(defaultWindow(), RuntimeException);
    EXPECT_EQ(existingDefaultWindow(), nullptr);  // not kept
    Window::beforeConstruct = nullptr;
    EXPECT_EQ(defaultWindow().controlCount(), 87u);
}

}  // namespace
}  // namespace nalvo
