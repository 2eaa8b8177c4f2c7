#include "src/controls/TarnCheckBox.h"
