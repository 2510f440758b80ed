#pragma once

#include <string>

namespace tubrix {

// Today's local date as the ten-character text MM-DD-YYYY.
std::string todayAsMonthDayYear();

} // namespace tubrix
