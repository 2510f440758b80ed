#pragma once

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <vector>

namespace tubrix::cli {

// The help of every command in Spanish: the labels, the groups and the help flag. Called once
// every command and option has been added.
void traduceAyuda(CLI::App& app);

// What went wrong on the command line, in Spanish, naming the word that was not understood.
std::string mensajeDeUso(const CLI::ParseError& error, const CLI::App& app, int argc,
                         const char* const* argv);

// Answers a parse error: the help (exit 0) when it was asked for, else the Spanish message and
// a pointer to the help on `err` (exit 64).
int respondeAlUso(const CLI::App& app, const CLI::ParseError& error, int argc,
                  const char* const* argv, std::ostream& out, std::ostream& err);

// Checks of option values, with Spanish messages: a finite number, an integer in a range.
CLI::Validator numeroFinito();
CLI::Validator enteroEntre(long long minimo, long long maximo);
CLI::Validator unoDe(std::vector<std::string> admitidos);

} // namespace tubrix::cli
