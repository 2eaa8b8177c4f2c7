#pragma once
// Collects the custom entries a persistent object writes for itself
// (DefineProperties) as parsed values, ready for printing.

#include <string>
#include <vector>

#include "platform/classes/TWriter.h"
#include "platform/streaming/TResourceValue.h"

namespace rt {

class TValueWriter : public TWriter {
public:
    // Entries are appended to `out` under `prefix` + their name ("Items." + "Strings").
    TValueWriter(std::string prefix, std::vector<TResourceProperty>& out, TComponent* root);

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
    void Append(TResourceValue value);

    std::string prefix_;
    std::vector<TResourceProperty>& out_;
    TComponent* root_;
    std::string entry_;
    std::vector<TResourceValue> open_;
    std::vector<TResourceValue> written_;
};

}  // namespace rt
