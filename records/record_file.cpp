#include "records/record_file.h"

#include <cstdio>

#include "engine/text.h"

namespace {

constexpr char16_t kHeaderTail[] = u",结果\r\n";

// Opens the file for appending and writes the text as UTF-8, after the
// byte-order mark when asked. False unless every byte went out and the file
// closed cleanly.
bool append_utf8(const char16_t* path, const char16_t* text, bool with_bom, char* bytes,
                 int byte_capacity) {
    std::FILE* file = platform_open_file(path, "ab");
    if (!file) return false;
    bool whole = true;
    if (with_bom) {
        static const unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
        whole = std::fwrite(kBom, 1, sizeof kBom, file) == sizeof kBom;
    }
    int count = utf16_to_utf8(text, bytes, byte_capacity);
    if (count <= 0) {
        whole = false;
    } else {
        // The terminating zero byte stays out of the file.
        const auto length = static_cast<std::size_t>(count - 1);
        whole = std::fwrite(bytes, 1, length, file) == length && whole;
    }
    return std::fclose(file) == 0 && whole;
}

}  // namespace

void build_record_folder(const char16_t* appdata, char16_t* folder, int capacity) {
    text_copy(folder, capacity, appdata);
    text_append_char(folder, capacity, kPathSeparator);
    text_append(folder, capacity, u"VrelMedSuite");
    text_append_char(folder, capacity, kPathSeparator);
    text_append(folder, capacity, u"records");
}

void create_record_folder(const char16_t* folder) {
    char16_t level[kRecordFolderCapacity];
    text_copy(level, kRecordFolderCapacity, folder);
    int length = text_length(level);
    for (int i = 3; i < length; ++i) {
        if (level[i] != kPathSeparator) continue;
        level[i] = 0;
        platform_create_folder(level);
        level[i] = kPathSeparator;
    }
    platform_create_folder(level);
}

void build_record_path(const char16_t* folder, int tool_id, char16_t* path, int capacity) {
    char16_t name[32];
    format_text(name, capacity_of(name), u"T%03d.csv", tool_id);
    text_copy(path, capacity, folder);
    text_append_char(path, capacity, kPathSeparator);
    text_append(path, capacity, name);
}

void build_header_row(const ToolDef* tool, char16_t* header, int capacity) {
    const int body_capacity = capacity - (capacity_of(kHeaderTail) - 1);
    char16_t cell[kRecordCellCapacity];
    text_copy(header, capacity, u"");
    text_append(header, body_capacity, u"时间,工具");
    for (int i = 0; i < tool->input_count; ++i) {
        format_text(cell, kRecordCellCapacity, u",%ls", tool->inputs[i].label);
        text_append(header, body_capacity, cell);
    }
    text_append(header, capacity, kHeaderTail);
}

void build_record_row(const ToolDef* tool, const double* values, const char16_t* report,
                      const LocalTime& time, char16_t* row, int capacity) {
    // Two units stay free for the line end.
    const int body_capacity = capacity - 2;
    text_copy(row, capacity, u"");
    format_text(row, body_capacity, u"%04d-%02d-%02d %02d:%02d:%02d,%ls", time.year, time.month,
                time.day, time.hour, time.minute, time.second, tool->name);
    char16_t cell[kRecordCellCapacity];
    for (int i = 0; i < tool->input_count; ++i) {
        format_text(cell, kRecordCellCapacity, u",%ls=%g", tool->inputs[i].label, values[i]);
        text_append(row, body_capacity, cell);
    }
    char16_t result_cell[kReportCellCapacity];
    format_text(result_cell, kReportCellCapacity, u",%ls", report);
    text_append(row, body_capacity, result_cell);
    text_append(row, capacity, u"\r\n");
}

bool append_record(const char16_t* folder, const ToolDef* tool, const double* values,
                   const char16_t* report, const LocalTime& time, char16_t* path,
                   int path_capacity) {
    build_record_path(folder, tool->id, path, path_capacity);
    bool is_new = true;
    if (std::FILE* probe = platform_open_file(path, "rb")) {
        std::fclose(probe);
        is_new = false;
    }
    char16_t row[kRecordRowCapacity];
    build_record_row(tool, values, report, time, row, kRecordRowCapacity);
    bool whole = true;
    if (is_new) {
        char16_t header[kHeaderRowCapacity];
        char header_bytes[kHeaderRowBytes];
        build_header_row(tool, header, kHeaderRowCapacity);
        whole = append_utf8(path, header, true, header_bytes, kHeaderRowBytes);
    }
    char row_bytes[kRecordRowBytes];
    return append_utf8(path, row, false, row_bytes, kRecordRowBytes) && whole;
}
