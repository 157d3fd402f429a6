// The headless self-test: the tool evaluated on its defaults and written as a
// short line-oriented UTF-8 report.
#pragma once

#include "engine/tool.h"

// Room of the report text, in UTF-16 units with the terminator.
constexpr int kSelftestReportCapacity = 16384;

// Exit codes of the self-test.
constexpr int kSelftestOk = 0;
constexpr int kSelftestFormulaFailed = 2;
constexpr int kSelftestNotWritten = 3;

// Builds the report text of `tool` on its default inputs; returns
// kSelftestFormulaFailed when an output formula failed, else kSelftestOk.
int build_selftest_report(const ToolDef* tool, char16_t* text, int capacity);

// Writes the text as UTF-8 without a byte-order mark; true only when the whole
// file was written and closed. A text too long to convert creates no file.
bool write_utf8_file(const char16_t* path, const char16_t* text);

// The self-test of the built-in tool, written to `path`: kSelftestNotWritten
// when the file was not written whole, else the code of the report.
int write_selftest_report(const char16_t* path);
