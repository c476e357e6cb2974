// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

int main(int argc, char* argv[]) { return zarandola::start_program(argc, argv); }
