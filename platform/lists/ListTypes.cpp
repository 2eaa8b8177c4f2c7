#include "platform/lists/ListTypes.h"

namespace rt {

int IndexAfterInsert(int selected, int inserted) { return selected >= 0 && inserted <= selected ? selected + 1 : selected; }

int IndexAfterDelete(int selected, int deleted) {
    if (selected < 0 || deleted > selected) return selected;
    // The selected item itself is gone: nothing is selected, as the original controls do.
    return deleted == selected ? -1 : selected - 1;
}

}  // namespace rt
