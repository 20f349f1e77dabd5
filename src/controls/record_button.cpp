// The "REC" button: each click runs one of two bundle scripts, alternately.
#include "controls/record_button.h"

#include "app/App.h"
#include "platform/bundle.h"
#include "platform/script.h"
#include "window/NALVO.h"

namespace nalvo {

namespace {

// Executable -> its folder -> that folder's parent -> Resources -> the script.
// Each step up to Resources must yield an item. The script itself is not
// checked here: the runner reports a missing file in one line, naming it.
void launch(const char* scriptName, const std::vector<std::string>& arguments) {
    auto exe = theApp().ExecutableFile();
    if (!exe) throw NilObjectException("executable file is nil");
    FolderItem executable(*exe);
    auto bin = executable.parent();
    if (!bin) throw NilObjectException("executable's folder is nil");
    auto bundle = bin->parent();
    if (!bundle) throw NilObjectException("bundle folder is nil");
    auto resources = bundle->child("Resources");
    if (!resources) throw NilObjectException("Resources folder is nil");
    auto script = resources->child(scriptName);
    runScript(script ? script->path() : resources->path() / scriptName, arguments);
}

}  // namespace

void NALVOONE(const std::vector<std::string>& arguments) { launch("NALVOONE.scpt", arguments); }
void NALVOTWO(const std::vector<std::string>& arguments) { launch("NALVOTWO.scpt", arguments); }

// The caption changes before the script runs; REC flips only once the
// launcher has returned.
void NALVO::PushButton2_Action(PushButton& sender) {
    if (REC) {
        sender.setCaption("STOP");
        NALVOONE({});
        REC = false;
    } else {
        sender.setCaption("REC");
        NALVOTWO({});
        REC = true;
    }
}

}  // namespace nalvo
