#pragma once

// On Windows the module definition file names the one export; a Linux build
// hides everything but what is marked here.
#if defined(_WIN32)
#define QUILLANE_MODULE_EXPORT
#else
#define QUILLANE_MODULE_EXPORT __attribute__((visibility("default")))
#endif
