// Portable logic of the command actions: what the Win32 glue shows, copies
// and stores, as plain functions.
#pragma once
