#pragma once

class QApplication;

// Makes SIGTERM and SIGINT end the event loop, so a session that logs out or
// a terminal's Ctrl+C closes the program the way closing its window does.
void QuitOnTerminate(QApplication& app);
