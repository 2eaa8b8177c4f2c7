#include "platform/classes/TWriter.h"

namespace rt {

TWriter::~TWriter() = default;

}  // namespace rt
