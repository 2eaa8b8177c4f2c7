// hemr07-runlib PROGRAM FOLDER...: one call of a program's server library for
// the job runner, in a process of its own so that a crash ends only this
// process (ServerLibraryCall::RunIsolated starts it).

#include "outside/appserver/ServerLibraryCall.h"

int main(int argc, char** argv) { return appserver::ServerLibraryCall::RunForParent(argc, argv); }
