// A parameter box whose value the teacher hides from the student.
#pragma once

class QLineEdit;

// Shows the box's value masked by the platform's password echo and makes the
// box read-only. Nothing of the value reaches the clipboard, a drag or undo;
// assistive technology sees a read-only password box with its name and
// tooltip and the mask, and can change nothing.
void hideValue(QLineEdit *box);
