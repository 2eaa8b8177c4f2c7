#pragma once
// The entry points of Pellwick.so, resolved by name by its users. Texts are
// zero-terminated UTF-8.
//
// PellwickFx posts `requestText` as the body of an HTTP POST to `address`
// (http or https only), naming the service in the header "X-Service-Name",
// and writes the answer's body to `resultFileName`: beside it under a
// temporary name, then renamed over it, so that a reader never sees half an
// answer and a link at that name is replaced, not written through.
// It answers 1 when the answer was written. On any failure (no connection,
// time-out, an HTTP status other than 2xx, an answer over the size cap, a
// file that cannot be written) it writes nothing and answers 0; the reason
// is then kept for the calling thread and read with PellwickLastError until
// that thread's next call.

#include <cstdint>

extern "C" {

int32_t PellwickFx(const char* address, const char* serviceName, const char* requestText,
                   const char* resultFileName);

// The reason of the calling thread's last failed call; "" after a success.
const char* PellwickLastError();
}
