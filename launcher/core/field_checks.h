// The five field checks that a launch runs on the main window's boxes, and the
// numeric test `Cislo` that three of them share. Each answers true or false and
// shows nothing; two tidy the text they are given.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hostdeck {

// True when `Vstup` is a plain string of decimal digits (leading zeros
// allowed) whose value lies from `VetsiNez` to `MensiNez`, both inclusive.
// Signs, blanks, separators, fractions, exponents and any other form are
// refused whatever their value, so no locale can make "1,000" or "80.5" a port.
bool Cislo(std::string_view Vstup, std::int32_t VetsiNez, std::int32_t MensiNez);

// Replaces every blank, "?", "=", quotation mark, tab and other control
// character in `title` by "_" whatever the answer (the server URL cannot carry
// them: they would end or split it, or start options); true when the title is
// not empty.
bool CheckServerName(std::string& title);

// "1" to "9" and "01" to "20".
bool CheckNumberOfPlayers(std::string_view players);

// 10 to 500, at most 3 characters.
bool CheckPointsLimit(std::string_view points);

// Empty, "0", "00" (which becomes "0"), or 5 to 60 in at most 2 characters.
bool CheckTimeLimit(std::string& time);

// 1 to 65535, at most 5 characters.
bool CheckPort(std::string_view port);

}  // namespace hostdeck
