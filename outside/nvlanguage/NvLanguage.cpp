#include "outside/nvlanguage/NvLanguage.h"

#include "outside/nvlanguage/TByteTextConverter.h"
#include "outside/nvlanguage/TScriptConverter.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace {

using nvlanguage::TByteTextConverter;
using nvlanguage::TScriptConverter;

constexpr int kGBCodePage = 936;
constexpr int kBig5CodePage = 950;

// Configurations of the OpenCC data per Traditional standard (SaveOrder).
constexpr const char* kToTraditional[] = {"s2t.json", "s2tw.json", "s2hk.json"};
constexpr const char* kToSimplified[] = {"t2s.json", "tw2s.json", "hk2s.json"};
constexpr int kOrderCount = 3;

enum class Direction { ToTraditional, ToSimplified };

std::mutex& LibraryLock() {
    static std::mutex lock;
    return lock;
}

int& CurrentOrder() {
    static int order = 0;
    return order;
}

// Opening a configuration reads its dictionaries, so each one is opened once
// and kept while the library is loaded. Call with LibraryLock held.
const TScriptConverter& ScriptFor(Direction direction) {
    static std::map<std::string, std::unique_ptr<TScriptConverter>> opened;
    const char* config =
        direction == Direction::ToTraditional ? kToTraditional[CurrentOrder()] : kToSimplified[CurrentOrder()];
    std::unique_ptr<TScriptConverter>& slot = opened[config];
    if (!slot) slot = std::make_unique<TScriptConverter>(config);
    return *slot;
}

// Hands `text` to the caller in a buffer of its own; false when memory runs out.
bool Deliver(const std::string& text, char** result, size_t* resultLength) {
    char* buffer = static_cast<char*>(std::malloc(text.size() + 1));
    if (buffer == nullptr) return false;
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    *result = buffer;
    if (resultLength) *resultLength = text.size();
    return true;
}

using Transform = std::function<std::string(const TScriptConverter&, std::string_view)>;

// The frame of every text call: check the arguments, convert under the lock,
// and turn any failure into the 0 result, since nothing may escape a C call.
int RunTextCall(Direction direction, const Transform& transform, const char* source, size_t length,
                char** result, size_t* resultLength) {
    if (result == nullptr) return 0;
    *result = nullptr;
    if (resultLength) *resultLength = 0;
    if (source == nullptr && length > 0) return 0;
    try {
        std::string converted;
        if (length > 0) {
            std::lock_guard<std::mutex> guard(LibraryLock());
            converted = transform(ScriptFor(direction), std::string_view(source, length));
        }
        return Deliver(converted, result, resultLength) ? 1 : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

Transform BetweenCodePages(int sourceCodePage, int targetCodePage) {
    return [=](const TScriptConverter& script, std::string_view bytes) {
        return TByteTextConverter(sourceCodePage, targetCodePage, script).Convert(bytes);
    };
}

std::string ConvertUtf8(const TScriptConverter& script, std::string_view text) { return script.Convert(text); }

}  // namespace

extern "C" {

int GBtoBIG5(const char* source, size_t length, char** result, size_t* resultLength) {
    return RunTextCall(Direction::ToTraditional, BetweenCodePages(kGBCodePage, kBig5CodePage), source, length,
                       result, resultLength);
}

int BIG5toGB(const char* source, size_t length, char** result, size_t* resultLength) {
    return RunTextCall(Direction::ToSimplified, BetweenCodePages(kBig5CodePage, kGBCodePage), source, length,
                       result, resultLength);
}

int GetBIG5Data(const char* source, size_t length, char** result, size_t* resultLength) {
    return RunTextCall(Direction::ToTraditional, ConvertUtf8, source, length, result, resultLength);
}

int GetGBData(const char* source, size_t length, char** result, size_t* resultLength) {
    return RunTextCall(Direction::ToSimplified, ConvertUtf8, source, length, result, resultLength);
}

int SaveOrder(int order) {
    if (order < 0 || order >= kOrderCount) return -1;
    std::lock_guard<std::mutex> guard(LibraryLock());
    int previous = CurrentOrder();
    CurrentOrder() = order;
    return previous;
}

void NvFreeText(char* text) { std::free(text); }
}
