// What the program registers at start, before its first window: the picture
// formats, the sports' windows that lower folders reach through factories
// (cards and records, options, championship information, results and match
// pages), the help support and the referee card's photos. The program's main()
// and the benchmark program that drives the main window share it.
#pragma once

void EnregistreDemarrage();
