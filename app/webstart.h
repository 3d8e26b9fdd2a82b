// How the program lives in a web page, where the page's link stands for the
// command line, the page holds the window, and files come and go through
// the browser.
#pragma once

#include "task/commandline.h"

// What the page's link asks for (?task=…&variant=7&lang=en&zoom=1.5), read
// as the command line's options are. The page hands the program its query
// in DCSIM_LINK, and in DCSIM_TASK_NAME and DCSIM_TASK_BYTES (base64) the
// task file the link names, when it fetched one from its own site.
task::Start readPageLink();

// Shows the window of `start` in the page, in place of any shown before:
// the page's canvas takes the window's designed size (times the zoom), the
// page its title; a problem with the link or the task file is told in a
// box. The File menu offers to open a task file from the student's disk.
void showInPage(task::Start start);
