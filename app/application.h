// What every start of the program sets before its windows.
#pragma once

// Names the program and its version, has Qt speak Russian whatever the
// desktop's language (the buttons of message boxes, the boxes' context
// menus, the command line's help and errors), and gives every window the
// circuit pictogram. Called once the application object exists; again for
// a later one.
void setUpApplication();
