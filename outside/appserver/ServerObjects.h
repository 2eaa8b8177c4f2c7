#pragma once
// The ProgIDs this server answers and how its objects are made.

#include <memory>
#include <string>

#include "outside/appserver/ServerStore.h"
#include "platform/automation/Dispatch.h"

namespace appserver {

inline constexpr const char* kSessionProgId = "OstrelWorkCenter.Manager";
inline constexpr const char* kReportCounterProgId = "ZizuvaRoderirO.dmReportCounter";

// True for the ProgIDs below (without regard to case).
bool IsServerProgId(const std::string& progId);

// A new object of `progId` on `store`; nullptr for a ProgID of another server.
// `packageAddress`: where the network server serves the published libraries.
std::unique_ptr<rt::IDispatch> CreateServerObject(const std::string& progId, const StorePtr& store,
                                                  const std::string& packageAddress = "");

// Registers both ProgIDs with the in-process factories; every object opens
// its own connection to the database of `home` (ResolveServerHome when empty).
void RegisterServerObjects(const std::string& home = "");
void UnregisterServerObjects();

}  // namespace appserver
