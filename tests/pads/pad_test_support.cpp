#include "pads/pad_test_support.h"

#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

namespace nalvo {

namespace {

// A note output that hands each call to the log as it comes.
class LoggingOutput final : public NoteOutput {
public:
    explicit LoggingOutput(std::function<void(const NoteCall&)> sink) : sink_(std::move(sink)) {}
    void setInstrument(std::int64_t instrument) override { sink_(Instrument(instrument)); }
    void playNote(std::int64_t note, std::int64_t velocity) override {
        sink_(velocity > 0 ? NoteOn(note, velocity) : NoteOff(note));
    }
    void allNotesOff() override { sink_(AllNotesOff()); }

private:
    std::function<void(const NoteCall&)> sink_;
};

std::string rgbText(Color c) {
    return std::to_string(c.r) + ',' + std::to_string(c.g) + ',' + std::to_string(c.b);
}

}  // namespace

void PadTest::SetUp() {
    WindowFixture::SetUp();
    Oval::paintObserver = [this](const Oval& oval, Color c) {
        if (!logging_) return;
        noteLastPitch();
        log_.push_back("paint " + oval.Name + ' ' + rgbText(c));
    };
}

void PadTest::TearDown() {
    Oval::paintObserver = nullptr;
    if (logging_) stopLog();
    WindowFixture::TearDown();
}

void PadTest::noteLastPitch() {
    const std::int64_t now = theApp().LastPitch;
    if (now != lastPitchSeen_) log_.push_back("store " + std::to_string(now));
    lastPitchSeen_ = now;
}

void PadTest::startLog() {
    log_.clear();
    lastPitchSeen_ = theApp().LastPitch;
    logging_ = true;
    setNoteOutput(std::make_shared<LoggingOutput>([this](const NoteCall& call) {
        noteLastPitch();
        log_.push_back(toString(call));
    }));
}

std::vector<std::string> PadTest::stopLog() {
    noteLastPitch();
    logging_ = false;
    setNoteOutput(std::shared_ptr<NoteOutput>(&notes(), [](NoteOutput*) {}));
    return std::move(log_);
}

Oval& PadTest::pad(const std::string& name) const {
    return notNil(checkCast<Oval>(window()._ControlByName(name)), name);
}

bool PadTest::click(const std::string& name) {
    Oval& oval = pad(name);
    const Value args[] = {std::int64_t{oval.Width() / 2}, std::int64_t{oval.Height() / 2}};
    const Value result = oval.raiseEvent(event_number::MouseDown, args, Value{false});
    const bool* handled = std::get_if<bool>(&result);
    EXPECT_NE(handled, nullptr) << name << "_MouseDown gave no Boolean";
    return handled && *handled;
}

void PadTest::mouseClick(const std::string& name, QPoint at) {
    QTest::mouseClick(&notNil(pad(name).widget(), name), Qt::LeftButton, Qt::NoModifier, at);
}

QColor PadTest::pixelAtCentre(const std::string& name) const {
    const Oval& oval = pad(name);
    const QImage image = window().contentArea().grab().toImage();
    const double ratio = image.devicePixelRatio();
    const QPoint centre(static_cast<int>((oval.Left() + oval.Width() / 2) * ratio),
                        static_cast<int>((oval.Top() + oval.Height() / 2) * ratio));
    return image.pixelColor(centre);
}

}  // namespace nalvo
