// The program's entry point.
#include "app/startup.h"
#include "window/NALVO.h"

int main(int argc, char** argv) {
    return nalvo::runProgram(
        argc, argv, []() -> nalvo::Window& { return nalvo::defaultWindow(); },
        [] { delete nalvo::existingDefaultWindow(); nalvo::resetDefaultWindow(); });
}
