#pragma once
// Prints the custom entries a persistent object writes for itself
// (DefineProperties) as it writes them, so that an entry of many values
// costs no more memory than its text.

#include <string>
#include <vector>

#include "platform/classes/TWriter.h"
#include "platform/streaming/TFormPrinter.h"

namespace rt {

class TValueWriter : public TWriter {
public:
    // Entries are printed at `depth` under `prefix` + their name ("Items." + "Strings").
    TValueWriter(std::string prefix, TFormPrinter& printer, int depth, TComponent* root);

    void DefineProperty(const std::string& name, ReadProc read, WriteProc write, bool hasData) override;
    void DefineBinaryProperty(const std::string& name, BinaryReadProc read, BinaryWriteProc write,
                              bool hasData) override;

    void WriteListBegin() override;
    void WriteListEnd() override;
    void WriteString(const std::string& value) override;
    void WriteInteger(int64_t value) override;
    void WriteFloat(double value) override;
    void WriteBoolean(bool value) override;
    void WriteIdent(const std::string& ident) override;
    void WriteBinary(const std::vector<uint8_t>& data) override;
    TComponent* Root() const override { return root_; }

private:
    // Starts the next value: the entry's name before its one value, a new line in a list.
    void BeginValue();
    void Append(const TResourceValue& value);

    std::string prefix_;
    TFormPrinter& printer_;
    int depth_;
    TComponent* root_;
    std::string entry_;
    int openLists_ = 0;
    bool written_ = false;
};

}  // namespace rt
