#include "platform/classes/TStrings.h"

#include "platform/classes/IdentText.h"
#include "platform/classes/TReader.h"
#include "platform/classes/TWriter.h"
#include "platform/core/Exceptions.h"

namespace rt {

namespace {
bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

void SkipBlanks(std::string_view text, size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

// Reads a quoted item starting at the opening quote; doubled quotes stand for
// one. An unterminated item takes the rest of the text.
std::string ExtractQuoted(std::string_view text, size_t& pos, char quote) {
    std::string item;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                item += quote;
                pos += 2;
                continue;
            }
            ++pos;
            return item;
        }
        item += text[pos++];
    }
    return item;
}

std::string QuoteItem(const std::string& item, char quote) {
    std::string quoted(1, quote);
    for (char c : item) {
        quoted += c;
        if (c == quote) quoted += quote;
    }
    quoted += quote;
    return quoted;
}
}  // namespace

void TStrings::IndexError(int index) const {
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::SetStrings(int index, const std::string& value) {
    TObject* object = Objects(index);
    Delete(index);
    InsertObject(index, value, object);
}

TObject* TStrings::Objects(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return nullptr;
}

void TStrings::SetObjects(int index, TObject*) {
    if (index < 0 || index >= Count()) IndexError(index);
}

int TStrings::Add(const std::string& value) {
    const int index = Count();
    Insert(index, value);
    return index;
}

int TStrings::AddObject(const std::string& value, TObject* object) {
    const int index = Add(value);
    SetObjects(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& value, TObject* object) {
    Insert(index, value);
    SetObjects(index, object);
}

void TStrings::Exchange(int index1, int index2) {
    BeginUpdate();
    const std::string s1 = Strings(index1);
    TObject* o1 = Objects(index1);
    SetStrings(index1, Strings(index2));
    SetObjects(index1, Objects(index2));
    SetStrings(index2, s1);
    SetObjects(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    if (newIndex < 0 || newIndex >= Count()) IndexError(newIndex);
    BeginUpdate();
    const std::string s = Strings(curIndex);
    TObject* o = Objects(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
    EndUpdate();
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (int i = 0; i < other.Count(); ++i) AddObject(other.Strings(i), other.Objects(i));
    EndUpdate();
}

int TStrings::IndexOf(std::string_view value) const {
    for (int i = 0; i < Count(); ++i) {
        if (CompareStrings(Strings(i), value) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Strings(i);
        const size_t eq = s.find('=');
        if (eq != std::string::npos && CompareStrings(std::string_view(s).substr(0, eq), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i) {
        if (Objects(i) == object) return i;
    }
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Strings(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    Clear();
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            Add(std::string(text.substr(pos)));
            break;
        }
        Add(std::string(text.substr(pos, end - pos)));
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    EndUpdate();
}

std::string TStrings::DelimitedTextWith(char delimiter, char quote) const {
    if (Count() == 1 && Strings(0).empty()) return std::string(2, quote);
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Strings(i);
        bool needsQuotes = false;
        for (char c : s) {
            if (static_cast<unsigned char>(c) <= ' ' || c == quote || c == delimiter) {
                needsQuotes = true;
                break;
            }
        }
        if (i > 0) text += delimiter;
        text += needsQuotes ? QuoteItem(s, quote) : s;
    }
    return text;
}

// Unquoted items end at a blank as well as at the delimiter, as they always have.
void TStrings::SetDelimitedTextWith(std::string_view text, char delimiter, char quote) {
    BeginUpdate();
    Clear();
    size_t pos = 0;
    SkipBlanks(text, pos);
    while (pos < text.size()) {
        if (text[pos] == quote) {
            Add(ExtractQuoted(text, pos, quote));
        } else {
            const size_t start = pos;
            while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != delimiter && text[pos] != '\0') ++pos;
            Add(std::string(text.substr(start, pos - start)));
        }
        SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == delimiter) {
            if (pos + 1 == text.size()) Add(std::string());
            ++pos;
            SkipBlanks(text, pos);
        } else if (pos < text.size() && text[pos] == '\0') {
            break;
        }
    }
    EndUpdate();
}

std::string TStrings::CommaText() const { return DelimitedTextWith(',', '"'); }

void TStrings::SetCommaText(std::string_view text) { SetDelimitedTextWith(text, ',', '"'); }

std::string TStrings::DelimitedText() const { return DelimitedTextWith(delimiter_, quoteChar_); }

void TStrings::SetDelimitedText(std::string_view text) { SetDelimitedTextWith(text, delimiter_, quoteChar_); }

std::string TStrings::Names(int index) const {
    const std::string s = Strings(index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::Values(std::string_view name) const {
    const int index = IndexOfName(name);
    return index >= 0 ? ValueFromIndex(index) : std::string();
}

void TStrings::SetValues(std::string_view name, const std::string& value) {
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    std::string line(name);
    line += '=';
    line += value;
    if (index < 0) {
        Add(line);
    } else {
        SetStrings(index, line);
    }
}

// A line without '=' has no value (rather than a value cut from its text).
std::string TStrings::ValueFromIndex(int index) const {
    const std::string s = Strings(index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value) {
    if (value.empty()) {
        Delete(index);
        return;
    }
    SetStrings(index, Names(index) + "=" + value);
}

void TStrings::BeginUpdate() {
    // The state hook runs before the count rises, so a list can still announce the change.
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i) {
        if (Strings(i) != other.Strings(i)) return false;
    }
    return true;
}

void TStrings::Assign(const TPersistent* source) {
    if (const auto* strings = dynamic_cast<const TStrings*>(source)) {
        BeginUpdate();
        Clear();
        AddStrings(*strings);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Strings", [this](TReader& reader) { ReadData(reader); }, [this](TWriter& writer) { WriteData(writer); },
        Count() > 0);
}

void TStrings::ReadData(TReader& reader) {
    reader.ReadListBegin();
    BeginUpdate();
    Clear();
    while (!reader.EndOfList()) Add(reader.ReadString());
    EndUpdate();
    reader.ReadListEnd();
}

void TStrings::WriteData(TWriter& writer) const {
    writer.WriteListBegin();
    for (int i = 0; i < Count(); ++i) writer.WriteString(Strings(i));
    writer.WriteListEnd();
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const { return CompareNames(a, b); }

}  // namespace rt
