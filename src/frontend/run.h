#pragma once

#include <span>

/// The whole run for the command-line arguments after the program's name; returns the exit
/// status.
int runTrevanto(std::span<char* const> arguments);
