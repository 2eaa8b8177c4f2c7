#include "platform/classes/TReader.h"

namespace rt {

TReader::~TReader() = default;

}  // namespace rt
