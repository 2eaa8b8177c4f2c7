#pragma once
// What a persistent object sees of a form reader or writer when it defines
// custom entries of its own (a string list's lines, a grid's cells).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rt {

class TReader;
class TWriter;

class TFiler {
public:
    using ReadProc = std::function<void(TReader&)>;
    using WriteProc = std::function<void(TWriter&)>;
    using BinaryReadProc = std::function<void(const std::vector<uint8_t>&)>;
    using BinaryWriteProc = std::function<void(std::vector<uint8_t>&)>;

    virtual ~TFiler();

    // A reader calls `read` when the entry is present; a writer calls `write`
    // when `hasData` is true. Either may leave the other callback empty.
    virtual void DefineProperty(const std::string& name, ReadProc read, WriteProc write, bool hasData) = 0;
    // Binary entries are written as hexadecimal data in braces.
    virtual void DefineBinaryProperty(const std::string& name, BinaryReadProc read, BinaryWriteProc write,
                                      bool hasData) = 0;
};

}  // namespace rt
