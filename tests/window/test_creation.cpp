// Building the window: layout, the 87 controls in creation order, their
// records and bindings, failures during creation, accessors, the default
// window, and which control a click at a window point reaches.
#include "app/MenuBar1.h"
#include "platform/record.h"
#include "support/window_fixture.h"
#include "window/NALVO.h"

#include <QMainWindow>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nalvo {
namespace {

struct ControlInfo {
    std::string name, cls;
};
const std::vector<ControlInfo> kControls = {
#define NALVO_TEST_CONTROL(name, cls, chunk) {#name, #cls},
    NALVO_CONTROLS(NALVO_TEST_CONTROL)
#undef NALVO_TEST_CONTROL
};

struct BindingInfo {
    std::string control, handler;
    int number;
    std::string signature;
};
const std::vector<BindingInfo> kBindings = {
#define NALVO_TEST_BINDING(name, event, number, cls)                                                              \
    {#name, #name "_" #event, number,                                                                             \
     std::string(#event) == "MouseDown" ? "( " #cls ", Integer, Integer ) as Boolean" : "( " #cls " )"},
    NALVO_HANDLERS(NALVO_TEST_BINDING)
#undef NALVO_TEST_BINDING
};

std::vector<const BindingInfo*> bindingsOf(const std::string& control) {
    std::vector<const BindingInfo*> out;
    for (const BindingInfo& b : kBindings)
        if (b.control == control) out.push_back(&b);
    return out;
}

// Checks control i of `window` against the creation table: name, class,
// record applied, bindings in order.
void expectComplete(NALVO& window, std::size_t i) {
    const ControlInfo& info = kControls[i];
    SCOPED_TRACE(info.name);
    ASSERT_EQ(window.controlNameAt(i), info.name);
    Object& object = window.controlAt(i);
    if (info.cls == "Timer") {
        EXPECT_EQ(&object.classTable(), &NALVOTimer::__Lookup());
        EXPECT_TRUE(object.isA(Timer::__Lookup()));
    } else {
        EXPECT_EQ(object.classTable().name, info.cls);
    }
    auto& control = dynamic_cast<Control&>(object);
    if (info.name != "Mytimer") EXPECT_EQ(control.Name, info.name);
    if (auto* rect = dynamic_cast<RectControl*>(&control)) {
        for (const RecordEntry& e : decodeRecord(layoutRecord(info.name), object.classTable())) {
            if (e.name == "Left") EXPECT_EQ(rect->Left(), std::get<std::int64_t>(e.value));
            if (e.name == "Top") EXPECT_EQ(rect->Top(), std::get<std::int64_t>(e.value));
            if (e.name == "Width") EXPECT_EQ(rect->Width(), std::get<std::int64_t>(e.value));
        }
    }
    const auto expected = bindingsOf(info.name);
    const auto& registrations = control.registrations();
    ASSERT_EQ(registrations.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const auto& r = registrations[k];
        EXPECT_EQ(r.eventNumber, expected[k]->number);
        ASSERT_TRUE(r.delegate);
        ASSERT_TRUE(r.delegate->method);
        EXPECT_EQ(r.delegate->method->name, expected[k]->handler);
        EXPECT_EQ(r.delegate->method, window.classTable().findMember(expected[k]->handler));
        EXPECT_EQ(r.delegate->target, &window);
        EXPECT_EQ(r.delegate->signature, expected[k]->signature);
        EXPECT_EQ(r.delegate->flag, 1);
        EXPECT_EQ(r.stub, expected[k]->number == 15 && expected[k]->signature.ends_with("Boolean") ? &stubMouseDown
                                                                                                    : &stubNoArguments);
    }
}

class NalvoWindow : public WindowFixture {};

TEST_F(NalvoWindow, LayoutInstallsTheSharedMenuBarAndTheRecord) {
    EXPECT_EQ(window().menuBar(), &MenuBar1());
    EXPECT_EQ(window().Width(), 1050);
    EXPECT_EQ(window().Height(), 500);
    EXPECT_EQ(window().Title(), "NALVO PRO 2018");
    EXPECT_FALSE(window().Resizeable());
    EXPECT_TRUE(window().HasBackColor());
    EXPECT_EQ(window().BackColor(), RGB(0, 0, 0));
}

TEST_F(NalvoWindow, AllControlsInCreationOrderWithRecordsAndBindings) {
    ASSERT_EQ(window().controlCount(), 87u);
    std::size_t registrations = 0;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        expectComplete(window(), i);
        registrations += dynamic_cast<Control&>(window().controlAt(i)).registrations().size();
    }
    EXPECT_EQ(registrations, 89u);
    EXPECT_TRUE(window().textfield().registrations().empty());
    EXPECT_TRUE(window().Mytimer().registrations().empty());
    EXPECT_EQ(window().Mytimer().Mode, 2);
    EXPECT_EQ(window().Mytimer().Period, 1000);
}

TEST_F(NalvoWindow, AccessorsFindTheirControls) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Value v = window().classTable().invoke(window(), kControls[i].name);
        EXPECT_EQ(std::get<Object*>(v), &window().controlAt(i)) << kControls[i].name;
    }
    EXPECT_NE(&window().Rectangle19(), &window().Rectangle20());
    EXPECT_EQ(&window().Mytimer(), window()._ControlByName("Mytimer"));
    EXPECT_EQ(&defaultWindow(), existingDefaultWindow());
}

// ---- a bare window and failures during creation ----

class NalvoCreation : public ::testing::Test {
protected:
    void SetUp() override {
        ensureQApplication();
        setErrorSink([](std::string_view) {});
    }
    void TearDown() override {
        Window::beforeConstruct = nullptr;
        resetDefaultWindow();
        setErrorSink(nullptr);
    }
};

TEST_F(NalvoCreation, AccessorsOfABareWindowRaiseNilObject) {
    NALVO bare;
    EXPECT_THROW(bare.Oval1(), NilObjectException);
    EXPECT_THROW(bare.Mytimer(), NilObjectException);
    EXPECT_THROW(bare.FileQuit(), NilObjectException);  // no menu bar
    EXPECT_FALSE(bare.REC);
}

TEST_F(NalvoCreation, FailureAtControl35KeepsTheFirst34) {
    std::vector<std::string> constructed;
    Window::beforeConstruct = [&constructed](std::string_view name) {
        constructed.emplace_back(name);
        if (name == "miniOval11") throw RuntimeException("injected failure");
    };
    NALVO w;
    EXPECT_THROW(w.Constructor(), RuntimeException);
    ASSERT_EQ(constructed.size(), 35u);
    EXPECT_EQ(constructed.back(), "miniOval11");
    ASSERT_EQ(w.controlCount(), 34u);
    for (std::size_t i = 0; i < 34; ++i) expectComplete(w, i);
    EXPECT_EQ(w._ControlByName("miniOval11"), nullptr);
    EXPECT_EQ(w._ControlByName("PitchBar"), nullptr);
}

TEST_F(NalvoCreation, FailureInTheFirstChunkRunsNoLaterChunk) {
    Window::beforeConstruct = [](std::string_view name) {
        if (name == "Oval20") throw RuntimeException("injected failure");
    };
    NALVO w;
    EXPECT_THROW(w.Constructor(), RuntimeException);
    EXPECT_EQ(w.controlCount(), 29u);
    EXPECT_EQ(w.controlNameAt(28), "Oval19");
    EXPECT_EQ(w._ControlByName("Oval21"), nullptr);
}

TEST_F(NalvoCreation, ADefaultWindowThatFailsToBuildIsNotKept) {
    Window::beforeConstruct = [](std::string_view name) {
        if (name == "PitchBar") throw RuntimeException("injected failure");
    };
    EXPECT_THROW(defaultWindow(), RuntimeException);
    EXPECT_EQ(existingDefaultWindow(), nullptr);
    Window::beforeConstruct = nullptr;
    EXPECT_EQ(defaultWindow().controlCount(), 87u);
}

// ---- stacking: which control a click at a window point reaches ----

class NalvoStacking : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        NALVO::handlerObserver = [this](std::string_view handler, Object& sender) {
            handled_.emplace_back(handler);
            senders_.push_back(&sender);
        };
    }
    void TearDown() override {
        NALVO::handlerObserver = nullptr;
        WindowFixture::TearDown();
    }

    // The name of the control whose widget is topmost at the window point.
    std::string controlAt(int x, int y) const {
        QWidget* hit = window().contentArea().childAt(x, y);
        for (; hit; hit = hit->parentWidget())
            for (std::size_t i = 0; i < window().controlCount(); ++i)
                if (auto* c = dynamic_cast<Control*>(&window().controlAt(i)); c && c->widget() == hit)
                    return window().controlNameAt(i);
        return {};
    }

    // Clicks at the window point through Qt; the handler that ran ("" for none).
    std::string clickAt(int x, int y) {
        handled_.clear();
        senders_.clear();
        QWidget& content = window().contentArea();
        QWidget* target = content.childAt(x, y);
        if (!target) target = &content;
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&content, QPoint(x, y)));
        if (handled_.empty()) return {};
        EXPECT_EQ(handled_.size(), 1u);
        const std::string handler = handled_.front();
        const std::string control = handler.substr(0, handler.find('_'));
        EXPECT_EQ(senders_.front(), window()._ControlByName(control)) << "sender of " << handler;
        return handler;
    }

    std::vector<std::string> handled_;
    std::vector<Object*> senders_;
};

struct Hit {
    int x, y;
    const char* handler;  // "" when no handler runs
};

TEST_F(NalvoStacking, ClicksReachTheTopmostControl) {
    const Hit hits[] = {
        // Piano: every key is clicked where it lies on top in the piano tests.
        {443, 480, ""},                       // the 1-pixel gap
        {795, 440, "Rectangle20_MouseDown"},  // only Rectangle20 here
        // Pads: the later pad lies above.
        {382, 277, "Oval2_MouseDown"},        // Oval2 over Oval1's strip
        {350, 300, "Oval1_MouseDown"},
        {313, 272, "Oval9_MouseDown"},        // Oval9 over Oval1
        {270, 250, "Oval10_MouseDown"},       // Oval10 over Oval9
        {800, 272, "Oval11_MouseDown"},       // Oval11 over Oval8
        {692, 260, "miniOval5_MouseDown"},    // miniOval5 over Oval6
        {866, 221, ""},                       // miniOval31's box over miniOval21's: off both discs
        {850, 247, "miniOval21_MouseDown"},   // miniOval21 over Oval12
        {862, 250, "Oval12_MouseDown"},
        {185, 52, "miniOval111_MouseDown"},   // over Oval18's corner
        {150, 60, "Oval18_MouseDown"},
    };
    for (const Hit& h : hits) EXPECT_EQ(clickAt(h.x, h.y), h.handler) << "at " << h.x << "," << h.y;
}

TEST_F(NalvoStacking, Rectangle19IsNeverHit) {
    int rectangle20 = 0;
    for (int x = 760; x < 805; ++x)
        for (int y = 420; y < 470; ++y) {
            const std::string c = controlAt(x, y);
            EXPECT_NE(c, "Rectangle19") << x << "," << y;
            if (c == "Rectangle20") ++rectangle20;
        }
    EXPECT_EQ(rectangle20, 4 * 43);
}

}  // namespace
}  // namespace nalvo
