#pragma once

class QWidget;

// Prints an image of the window on the system's default printer with its
// current settings, without a dialog. Throws RunTimeError when there is no
// printer or the job cannot be made.
void printScreen(QWidget &window);
