// The per-tool CSV file of saved results: UTF-8 with a byte-order mark, one
// header row when the file is created, one appended row per save. Portable:
// the folder and the time come from the caller.
#pragma once

#include "engine/tool.h"
#include "platform/platform.h"

// Buffers in UTF-16 units, terminator included.
constexpr int kRecordFolderCapacity = 260;
constexpr int kRecordPathCapacity = 520;
constexpr int kHeaderRowCapacity = 512;
constexpr int kRecordRowCapacity = 4096;
constexpr int kRecordCellCapacity = 128;
constexpr int kReportCellCapacity = 256;

// UTF-8 needs at most 3 bytes per UTF-16 unit (a surrogate pair gives 4 for
// 2), so these always hold the converted rows.
constexpr int kHeaderRowBytes = 3 * kHeaderRowCapacity;
constexpr int kRecordRowBytes = 3 * kRecordRowCapacity;

// "<appdata>\VrelMedSuite\records", with the platform's separator.
void build_record_folder(const char16_t* appdata, char16_t* folder, int capacity);

// Creates every level of the folder from its fourth character on, so that a
// drive root is passed over. Levels that exist already are simply passed.
void create_record_folder(const char16_t* folder);

// "<folder>\T<id>.csv", the id in at least three digits.
void build_record_path(const char16_t* folder, int tool_id, char16_t* path, int capacity);

// "时间,工具", a cell per input label, ",结果" and CR LF. Always ends with the
// result cell and CR LF: labels are cut to make room.
void build_header_row(const ToolDef* tool, char16_t* header, int capacity);

// The time, the tool name, "label=value" per input ("%g"), the first 254
// units of the report and CR LF. Always ends with CR LF, so that the next
// record starts on its own line.
void build_record_row(const ToolDef* tool, const double* values, const char16_t* report,
                      const LocalTime& time, char16_t* row, int capacity);

// Appends one record to the tool's file in `folder` (created beforehand),
// with the byte-order mark and the header first when the file cannot be
// opened for reading. Writes the file's path to `path`. True only when
// everything due was written whole and closed.
bool append_record(const char16_t* folder, const ToolDef* tool, const double* values,
                   const char16_t* report, const LocalTime& time, char16_t* path,
                   int path_capacity);
