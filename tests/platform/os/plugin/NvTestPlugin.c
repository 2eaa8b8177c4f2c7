/* A tiny library for the loader tests: one function to call, one to locate it. */

int NvTestPluginAnswer(void) {
    return 42;
}

const void* NvTestPluginAddress(void) {
    return (const void*)&NvTestPluginAnswer;
}
