#include "platform/grids/GridsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/grids/TDrawGrid.h"
#include "platform/grids/TStringGrid.h"

namespace rt {

void RegisterGrids() { RegisterClasses({TDrawGrid::StaticClass(), TStringGrid::StaticClass()}); }

}  // namespace rt
