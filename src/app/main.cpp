// The program's entry point.
#include "app/startup.h"
#include "window/NALVO.h"

int main(int argc, char** argv) {
    nalvo::ProgramParts parts;
    parts.makeDefaultView = []() -> nalvo::Window& { return nalvo::defaultWindow(); };
    parts.releaseDefaultView = [] { nalvo::resetDefaultWindow(); };
    return nalvo::runProgram(argc, argv, parts);
}
