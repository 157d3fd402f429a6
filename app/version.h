// The program's version: the one place for its numbers, read by the
// resource script and by the code.
#pragma once

#define VREL_VERSION_MAJOR 1
#define VREL_VERSION_MINOR 0
#define VREL_VERSION_PATCH 0
#define VREL_VERSION_BUILD 0

#define VREL_STRINGIZE_(x) #x
#define VREL_STRINGIZE(x) VREL_STRINGIZE_(x)

// 1,0,0,0 for FILEVERSION and PRODUCTVERSION; "1.0.0.0" for the string fields.
#define VREL_VERSION_COMMAS \
    VREL_VERSION_MAJOR, VREL_VERSION_MINOR, VREL_VERSION_PATCH, VREL_VERSION_BUILD
#define VREL_VERSION_TEXT                                                    \
    VREL_STRINGIZE(VREL_VERSION_MAJOR) "." VREL_STRINGIZE(VREL_VERSION_MINOR) "." \
    VREL_STRINGIZE(VREL_VERSION_PATCH) "." VREL_STRINGIZE(VREL_VERSION_BUILD)
