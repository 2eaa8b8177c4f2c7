#include "platform/graphics/TTextLayout.h"

#include <algorithm>

#include "platform/graphics/TFont.h"
#include "platform/graphics/TTextMetrics.h"
#include "platform/mask/MaskChars.h"

namespace rt {

namespace {

constexpr char32_t kEllipsis[] = U"...";

bool IsLineEnd(char32_t ch) { return ch == U'\r' || ch == U'\n'; }
// Words are broken at blanks, and on either side of any non-ASCII (CJK) character.
bool BreaksAfter(char32_t ch) { return ch == U' ' || ch >= 0x80; }
bool BreaksBefore(char32_t ch) { return ch >= 0x80; }

}  // namespace

TTextLayout::TTextLayout(const TFont& font, const TTextMetrics& metrics, std::string_view text, const TRect& rect,
                         uint32_t flags)
    : font_(font), metrics_(metrics), flags_(flags), maxWidth_(rect.Width()), lineHeight_(metrics.LineHeight(font)) {
    const TChars chars = StripPrefixes(maskchars::DecodeUtf8(std::string(text)), (flags & DT_NOPREFIX) == 0);
    for (const TChars& paragraph : SplitParagraphs(chars)) {
        std::vector<TChars> broken;
        BreakParagraph(paragraph, broken);
        for (const TChars& line : broken) AddLine(line);
    }
    Place(rect);
}

TTextLayout::TChars TTextLayout::StripPrefixes(const std::u32string& text, bool prefixes) {
    TChars out;
    for (size_t i = 0; i < text.size(); ++i) {
        bool accel = false;
        if (prefixes && text[i] == U'&') {
            // A lone "&" at the very end marks nothing and shows nothing.
            if (i + 1 == text.size()) break;
            ++i;
            accel = text[i] != U'&';
        }
        out.Chars.push_back(text[i]);
        out.Accel.push_back(accel);
    }
    return out;
}

std::vector<TTextLayout::TChars> TTextLayout::SplitParagraphs(const TChars& text) const {
    const bool single = (flags_ & DT_SINGLELINE) != 0;
    std::vector<TChars> paragraphs(1);
    for (size_t i = 0; i < text.Chars.size(); ++i) {
        const char32_t ch = text.Chars[i];
        if (!IsLineEnd(ch)) {
            paragraphs.back().Chars.push_back(ch);
            paragraphs.back().Accel.push_back(text.Accel[i]);
            continue;
        }
        if (single) continue;  // a single line ignores line ends
        if (ch == U'\r' && i + 1 < text.Chars.size() && text.Chars[i + 1] == U'\n') ++i;
        paragraphs.emplace_back();
    }
    return paragraphs;
}

int TTextLayout::Width(const std::u32string& chars) const {
    int width = 0;
    for (char32_t ch : chars) width += metrics_.CharWidth(font_, ch);
    return width;
}

// Greedy filling: a line ends at the last break opportunity that still fits; a
// word wider than the rectangle stays whole on its own line.
void TTextLayout::BreakParagraph(const TChars& paragraph, std::vector<TChars>& out) const {
    const bool wrap = (flags_ & DT_WORDBREAK) != 0 && (flags_ & DT_SINGLELINE) == 0;
    const std::u32string& s = paragraph.Chars;
    if (!wrap || s.empty()) {
        out.push_back(paragraph);
        return;
    }
    size_t start = 0;
    while (start < s.size()) {
        size_t breakAt = std::u32string::npos;
        int width = 0;
        size_t i = start;
        for (; i < s.size(); ++i) {
            if (i > start && (BreaksAfter(s[i - 1]) || BreaksBefore(s[i]))) breakAt = i;
            width += metrics_.CharWidth(font_, s[i]);
            if (width > maxWidth_ && s[i] != U' ' && breakAt != std::u32string::npos) break;
        }
        const size_t end = i < s.size() ? breakAt : s.size();
        size_t trimmed = end;
        while (trimmed > start && s[trimmed - 1] == U' ') --trimmed;
        TChars line;
        line.Chars = s.substr(start, trimmed - start);
        line.Accel.assign(paragraph.Accel.begin() + static_cast<std::ptrdiff_t>(start),
                          paragraph.Accel.begin() + static_cast<std::ptrdiff_t>(trimmed));
        out.push_back(std::move(line));
        start = end;
        while (start < s.size() && s[start] == U' ') ++start;
    }
}

TTextLayout::TChars TTextLayout::Ellipsized(const TChars& chars) const {
    const std::u32string ellipsis(kEllipsis);
    const int room = maxWidth_ - Width(ellipsis);
    TChars out;
    int width = 0;
    for (size_t i = 0; i < chars.Chars.size(); ++i) {
        width += metrics_.CharWidth(font_, chars.Chars[i]);
        if (width > room) break;
        out.Chars.push_back(chars.Chars[i]);
        out.Accel.push_back(chars.Accel[i]);
    }
    out.Chars += ellipsis;
    out.Accel.resize(out.Chars.size(), false);
    return out;
}

void TTextLayout::AddLine(const TChars& chars) {
    const bool ellipsis = (flags_ & DT_END_ELLIPSIS) != 0 && Width(chars.Chars) > maxWidth_;
    const TChars shown = ellipsis ? Ellipsized(chars) : chars;
    TTextLine line;
    line.Text = maskchars::EncodeUtf8(shown.Chars);
    line.Width = Width(shown.Chars);
    const auto accel = std::find(shown.Accel.begin(), shown.Accel.end(), true);
    if (accel != shown.Accel.end()) line.AccelIndex = static_cast<int>(accel - shown.Accel.begin());
    lines_.push_back(std::move(line));
}

void TTextLayout::Place(const TRect& rect) {
    const int textHeight = lineHeight_ * static_cast<int>(lines_.size());
    int top = rect.Top;
    if ((flags_ & DT_SINGLELINE) != 0 && (flags_ & DT_CALCRECT) == 0) {
        if ((flags_ & DT_BOTTOM) != 0) {
            top = rect.Bottom - textHeight;
        } else if ((flags_ & DT_VCENTER) != 0) {
            top = rect.Top + (rect.Height() - textHeight) / 2;
        }
    }
    int widest = 0;
    for (size_t i = 0; i < lines_.size(); ++i) {
        TTextLine& line = lines_[i];
        widest = std::max(widest, line.Width);
        line.Y = top + lineHeight_ * static_cast<int>(i);
        if ((flags_ & DT_RIGHT) != 0) {
            line.X = rect.Right - line.Width;
        } else if ((flags_ & DT_CENTER) != 0) {
            line.X = rect.Left + (rect.Width() - line.Width) / 2;
        } else {
            line.X = rect.Left;
        }
    }
    bounds_ = Rect(rect.Left, rect.Top, rect.Left + widest, rect.Top + textHeight);
    resultHeight_ = top - rect.Top + textHeight;
}

}  // namespace rt
