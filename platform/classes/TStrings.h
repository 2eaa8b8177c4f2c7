#pragma once
// The abstract list of strings with associated objects, and the text forms
// built on it (Text, CommaText, DelimitedText, name=value pairs).

#include <string>
#include <string_view>

#include "platform/classes/TPersistent.h"

namespace rt {

class TReader;
class TWriter;

class TStrings : public TPersistent {
    RT_CLASS(TStrings, TPersistent)

public:
    TStrings() = default;

    virtual int Count() const = 0;
    // Index errors raise EStringListError "List index out of bounds (%d)".
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& value);
    virtual TObject* Objects(int index) const;
    virtual void SetObjects(int index, TObject* object);

    virtual int Add(const std::string& value);
    virtual int AddObject(const std::string& value, TObject* object);
    virtual void Insert(int index, const std::string& value) = 0;
    virtual void InsertObject(int index, const std::string& value, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    void AddStrings(const TStrings& other);

    virtual int IndexOf(std::string_view value) const;
    int IndexOfName(std::string_view name) const;
    int IndexOfObject(const TObject* object) const;

    // Lines each followed by CR LF; set splits at CR LF, LF or CR.
    std::string Text() const;
    virtual void SetText(std::string_view text);
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    char Delimiter() const { return delimiter_; }
    void SetDelimiter(char delimiter) { delimiter_ = delimiter; }
    char QuoteChar() const { return quoteChar_; }
    void SetQuoteChar(char quoteChar) { quoteChar_ = quoteChar; }

    // "name=value" lines.
    std::string Names(int index) const;
    std::string Values(std::string_view name) const;
    // An empty value removes the line.
    void SetValues(std::string_view name, const std::string& value);
    std::string ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const std::string& value);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    bool Equals(const TStrings& other) const;
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    // Comparison used by IndexOf and sorting: ignoring ASCII case here.
    virtual int CompareStrings(std::string_view a, std::string_view b) const;

protected:
    // Called when the update count leaves or reaches zero.
    virtual void SetUpdateState(bool updating);
    [[noreturn]] void IndexError(int index) const;

private:
    std::string DelimitedTextWith(char delimiter, char quote) const;
    void SetDelimitedTextWith(std::string_view text, char delimiter, char quote);
    void ReadData(TReader& reader);
    void WriteData(TWriter& writer) const;

    int updateCount_ = 0;
    char delimiter_ = ',';
    char quoteChar_ = '"';
};

}  // namespace rt
