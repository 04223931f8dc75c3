// printf-style formatting into a std::string, for log lines and errors.
#pragma once

#include <cstdarg>
#include <string>

std::string FormatTextV(const char* Format, va_list Args);
