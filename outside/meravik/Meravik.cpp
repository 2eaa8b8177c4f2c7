#include "outside/meravik/Meravik.h"

#include <cctype>
#include <vector>

#include "platform/core/EmbeddedFile.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"

const rt::EmbeddedFile* MeravikPictures(size_t& count);

namespace meravik {

namespace {

// Pictures are numbered by their file names ("8.bmp"); the highest number is
// fixed so that the buttons of this system agree on what lies out of range.
constexpr int kMaxBmpID = 47;

const rt::EmbeddedFile* FindPicture(const std::string& fileName) {
    size_t count = 0;
    const rt::EmbeddedFile* files = MeravikPictures(count);
    return rt::FindEmbeddedFile(files, count, fileName);
}

bool LoadPicture(rt::TBitmap* bitmap, const std::string& fileName) {
    const rt::EmbeddedFile* file = bitmap ? FindPicture(fileName) : nullptr;
    if (!file)
        return false;
    std::vector<uint8_t> bytes(file->data, file->data + file->size);
    try {
        bitmap->LoadFromStream(bytes);
    } catch (const rt::Exception&) {
        return false;
    }
    return true;
}

}  // namespace

int GetMaxBmpID() { return kMaxBmpID; }

bool LoadBmp(rt::TBitmap* bitmap, int number) {
    if (number < 1 || number > kMaxBmpID)
        return false;
    return LoadPicture(bitmap, std::to_string(number) + ".bmp");
}

bool LoadNamedBmp(rt::TBitmap* bitmap, const std::string& name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        return false;
    return LoadPicture(bitmap, name + ".bmp");
}

}  // namespace meravik
