#include "support/event_log.h"

namespace nalvo {

std::string paintLine(const std::string& pad, Color c) {
    return "paint " + pad + " " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

Lines centreResetLog(const std::string& replaced, const std::string& by) {
    static const std::pair<const char*, Color> reset[] = {
        {"Oval1", RGB(255, 128, 128)},     {"Oval2", RGB(255, 192, 255)},     {"Oval3", RGB(128, 0, 255)},
        {"Oval4", RGB(0, 128, 128)},       {"Oval5", RGB(128, 128, 255)},     {"Oval6", RGB(0, 64, 128)},
        {"Oval7", RGB(0, 0, 128)},         {"Oval8", RGB(255, 128, 128)},     {"miniOval1", RGB(255, 255, 128)},
        {"miniOval2", RGB(255, 255, 128)}, {"miniOval3", RGB(255, 255, 128)}, {"miniOval4", RGB(255, 255, 128)},
        {"miniOval5", RGB(255, 255, 128)},
    };
    Lines log;
    for (const auto& [pad, colour] : reset) log.push_back(paintLine(pad == replaced ? by : pad, colour));
    return log;
}

void EventLog::setInstrument(std::int64_t instrument) {
    add(toString(Instrument(instrument)));
    forward_.setInstrument(instrument);
}

void EventLog::playNote(std::int64_t note, std::int64_t velocity) {
    add(toString(velocity > 0 ? NoteOn(note, velocity) : NoteOff(note)));
    forward_.playNote(note, velocity);
}

void EventLog::allNotesOff() {
    add(toString(AllNotesOff()));
    forward_.allNotesOff();
}

void EventLog::restart() {
    lines_.clear();
    seen_ = theApp().LastPitch;
}

Lines EventLog::take() {
    noticeStore();
    Lines out = std::move(lines_);
    restart();
    return out;
}

void EventLog::noticeStore() {
    if (theApp().LastPitch != seen_) {
        seen_ = theApp().LastPitch;
        lines_.push_back("store " + std::to_string(seen_));
    }
}

void EventLog::add(std::string line) {
    noticeStore();
    lines_.push_back(std::move(line));
}

void LoggedWindow::SetUp() {
    WindowFixture::SetUp();
    log_ = std::make_shared<EventLog>(notes());
    setNoteOutput(log_);
    Oval::paintObserver = [log = log_.get()](const Oval& pad, Color c) { log->paint(pad, c); };
    log_->restart();
}

void LoggedWindow::TearDown() {
    Oval::paintObserver = nullptr;
    WindowFixture::TearDown();
}

void LoggedWindow::start(const Playing& p) {
    setPlaying(p);
    log_->restart();
}

bool LoggedWindow::mouseDown(const std::string& name) {
    RectControl& c = control<RectControl>(name);
    const Value args[] = {std::int64_t{c.Width() / 2}, std::int64_t{c.Height() / 2}};
    const Value result = c.raiseEvent(event_number::MouseDown, args, Value{false});
    const bool* handled = std::get_if<bool>(&result);
    EXPECT_NE(handled, nullptr) << name << "_MouseDown gave no Boolean";
    return handled && *handled;
}

void SparseWindow::bindMouseDown(RectControl& control, const char* senderClass) {
    const MemberRecord* method = window_.classTable().findMember(control.Name + "_MouseDown");
    auto delegate = RuntimeCreateDelegate(delegateInvokerFor(senderClass), method, &window_,
                                          delegateSignatureFor(senderClass), 1);
    RuntimeAddEventHandler(control, event_number::MouseDown, stubMouseDown, std::move(delegate));
}

}  // namespace nalvo
