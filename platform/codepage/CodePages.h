#pragma once
// Text conversion between UTF-8 (the wide text of this runtime) and the
// Windows code pages the module exchanges with its server and database.
//
// Supported code pages: 936 (GBK), 950 (Big5), 437 (OEM United States),
// 1252 (Western), 20936 (GB2312), 54936 (GB18030), 20127 (ASCII), 65001 (UTF-8).
// Any other number raises EConvertError.
//
// Bad input never stops a conversion:
// - encoding (WideToCodePage): a character the code page cannot hold becomes
//   one "?", as the original does with its default character; every byte of
//   input that is not valid UTF-8 becomes one "?" too;
// - decoding (CodePageToWide): every byte that does not start a valid
//   character of the code page, including a double-byte lead byte cut off at
//   the end, becomes U+FFFD and decoding resumes at the next byte, so an ASCII
//   byte after a bad lead byte is kept.

#include <string>

namespace rt {

inline constexpr int CP_UTF8 = 65001;

bool IsSupportedCodePage(int codePage);

std::string WideToCodePage(const std::string& text, int codePage);
std::string CodePageToWide(const std::string& bytes, int codePage);

// The ANSI code page: NVR_ACP when it names a supported code page; otherwise
// from the locale of LC_ALL, LC_CTYPE or LANG (the first one set):
// zh_CN and zh_SG give 936, zh_TW, zh_HK and zh_MO give 950, anything else 1252.
int GetACP();

// Length in bytes of the text written in the ANSI code page.
size_t AnsiByteLength(const std::string& text);

}  // namespace rt
