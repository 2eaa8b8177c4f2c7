#pragma once
// Hands one parsed value to the custom entry of that name that a persistent
// object defines (DefineProperties), as a stream of values to read.

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/TReader.h"
#include "platform/streaming/TFormParser.h"
#include "platform/streaming/TResourceValue.h"

namespace rt {

class TValueReader : public TReader {
public:
    TValueReader(std::string entryName, const TResourceValue& value, TComponent* root);
    ~TValueReader() override;

    // True once an object defined the entry and read it.
    bool Handled() const { return handled_; }

    void DefineProperty(const std::string& name, ReadProc read, WriteProc write, bool hasData) override;
    void DefineBinaryProperty(const std::string& name, BinaryReadProc read, BinaryWriteProc write,
                              bool hasData) override;

    TValueType NextValue() override;
    void ReadListBegin() override;
    bool EndOfList() override;
    void ReadListEnd() override;
    std::string ReadString() override;
    int64_t ReadInteger() override;
    double ReadFloat() override;
    bool ReadBoolean() override;
    std::string ReadIdent() override;
    std::vector<uint8_t> ReadBinary() override;
    TComponent* Root() const override { return root_; }

private:
    struct Frame {
        const TResourceValue* list;
        size_t index;
    };
    const TResourceValue* Current();
    // The value at the cursor of a parsed list: a list marker for "(", none at ")".
    const TResourceValue* CursorValue();
    const TResourceValue& Take(TResourceValue::Kind kind, const char* expected);
    void Advance();

    std::string entryName_;
    const TResourceValue& value_;
    TComponent* root_;
    bool handled_ = false;
    bool topTaken_ = false;
    std::vector<Frame> stack_;
    // Reading a parsed list: its cursor, the lists open in it, and the last
    // value parsed there (held until taken; a taken value lives until the next is read).
    std::unique_ptr<TFormParser> cursor_;
    int cursorLists_ = 0;
    TResourceValue cursorValue_;
    bool cursorHeld_ = false;
};

}  // namespace rt
