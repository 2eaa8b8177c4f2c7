#pragma once
// The vocabulary of the edit-mask language: the characters with a meaning, the
// kinds of mask characters and one position of a parsed mask.

namespace rt {

// Characters with a meaning in a mask.
inline constexpr char32_t mDirReverse = U'!';
inline constexpr char32_t mDirUpperCase = U'>';
inline constexpr char32_t mDirLowerCase = U'<';
inline constexpr char32_t mDirLiteral = U'\\';
inline constexpr char32_t mMskAlpha = U'L';
inline constexpr char32_t mMskAlphaOpt = U'l';
inline constexpr char32_t mMskAlphaNum = U'A';
inline constexpr char32_t mMskAlphaNumOpt = U'a';
inline constexpr char32_t mMskAscii = U'C';
inline constexpr char32_t mMskAsciiOpt = U'c';
inline constexpr char32_t mMskNumeric = U'0';
inline constexpr char32_t mMskNumericOpt = U'9';
inline constexpr char32_t mMskNumSymOpt = U'#';
inline constexpr char32_t mMskTimeSeparator = U':';
inline constexpr char32_t mMskDateSeparator = U'/';
inline constexpr char32_t mMskBlank = U'_';
inline constexpr char32_t MaskFieldSeparator = U';';
inline constexpr char32_t MaskNoSave = U'0';
inline constexpr char32_t DefaultBlank = U'_';

// What a character of a mask text is.
enum class TMaskCharType {
    mcNone,            // past the end of the mask text
    mcLiteral,         // shown and kept as it stands
    mcIntlLiteral,     // "/" or ":", shown as the date or time separator
    mcDirective,       // "!", ">", "<", "\": changes how what follows is read
    mcMask,            // an edit slot that must be filled
    mcMaskOpt,         // an edit slot that may stay blank
    mcFieldSeparator,  // the ";" in front of the save-literals or blank field
    mcField            // a character of the save-literals or blank field
};

enum class TMaskCase { None, Upper, Lower };

// One position of the edit text: a literal or an edit slot.
struct TMaskPosition {
    TMaskCharType Type = TMaskCharType::mcLiteral;
    // For a slot the mask character ("0", "L", ...); for a literal the
    // character shown, with "/" and ":" already turned into the separators.
    char32_t Char = U' ';
    TMaskCase Case = TMaskCase::None;

    bool IsSlot() const { return Type == TMaskCharType::mcMask || Type == TMaskCharType::mcMaskOpt; }
    bool IsRequired() const { return Type == TMaskCharType::mcMask; }
    bool IsLiteral() const { return !IsSlot(); }
    bool operator==(const TMaskPosition&) const = default;
};

}  // namespace rt
