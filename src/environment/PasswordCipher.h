#pragma once
// The reversible cipher of the database passwords kept in KestrelS.ini
// ("XXXXXX", "TempPassword"). It hides a password from a casual reader of the
// file; it is not meant to withstand an attacker who has this program.
//
// Enciphered form of the UTF-8 bytes p[0..n-1] of a password:
//   c[i]  = p[i] XOR key[i mod 7] XOR prev,  prev = c[i-1], starting at 0x5A,
//           where key is the bytes of "Kestrel";
//   check = (0x5A + sum over i of (i + 1) * p[i]) mod 256;
//   text  = upper-case hexadecimal of c[0..n-1], then of check (2 digits each).
// Chaining through prev lets equal characters come out as different bytes, and
// the weighted check byte catches a changed, dropped or swapped digit pair.
// The empty password is the empty text both ways.

#include <string>

namespace hemr {

std::string EncipherPassword(const std::string& plain);

// Raises rt::EConvertError for a text that is not an enciphered password: an
// odd length, a non-hexadecimal digit, a missing check byte, or a check byte
// that does not match; the message never holds the text. Hexadecimal digits
// may be of either case.
std::string DecipherPassword(const std::string& enciphered);

// As DecipherPassword, without raising: false and `plain` unchanged on failure.
bool TryDecipherPassword(const std::string& enciphered, std::string& plain);

}  // namespace hemr
