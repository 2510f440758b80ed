#pragma once

#include "catalogue/catalogo.h"

#include <filesystem>
#include <ostream>

namespace tubrix::cli {

// tubrix-cli calc: start-up, reset, open the file, forward pass; prints a Spanish summary or the
// whole record as JSON. Returns the exit status: 0 valid, 1 not valid, 2 refused or unreadable.
int runCalc(const std::filesystem::path& file, bool asJson, const Catalogo& catalogo,
            std::ostream& out, std::ostream& err);

// tubrix-cli convert: .json to .tbx or .tbx to .json (the persisted fields).
int runConvert(const std::filesystem::path& in, const std::filesystem::path& out,
               std::ostream& err);

inline constexpr int kExitValid = 0;
inline constexpr int kExitNotValid = 1;
inline constexpr int kExitInput = 2;
inline constexpr int kExitUsage = 64;

} // namespace tubrix::cli
