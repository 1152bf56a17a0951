// The program entry, apart from main() itself so that tests can run the start-up sequence with
// their own boxes in place of the system's.
#pragma once

namespace gb {

class TApplication;

// The start-up sequence inside the two outer catch clauses: initialise the application object,
// create the main window, run the event loop until it closes. An error on the way is shown
// through the application object and ends the program. Returns the exit code, always 0.
int RunProgram(TApplication& Application);

// main(): the toolkit, the application object with the system's boxes, then RunProgram.
int RunApplication(int& argc, char** argv);

}  // namespace gb
