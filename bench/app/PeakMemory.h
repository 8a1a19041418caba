#pragma once

class QWidget;

// Waits until window is on the screen, then prints "shown <peak resident
// size in MB> <processor seconds used>" on standard output for the
// benchmark that started this copy.
void reportShown(QWidget &window);
