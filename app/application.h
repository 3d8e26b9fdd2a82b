// What every start of the program sets before its windows.
#pragma once

// Names the program and its version, installs the translations of the
// language it speaks (its own texts, and Qt's: the buttons of message
// boxes, the boxes' context menus, the command line's help and errors), and
// gives every window the circuit pictogram. Called once the application
// object exists; again for a later one.
void setUpApplication();
