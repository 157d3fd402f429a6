// Arbitrary tool names, labels, values, report texts and times through the
// record rows: always terminated inside the buffer, always ending the line,
// and always converting to UTF-8 in the worst-case byte buffers.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "engine/text.h"
#include "records/record_file.h"

namespace {

// Takes bytes from the front of the input.
struct Input {
    const uint8_t* data;
    size_t size;

    void take(void* out, size_t n) {
        std::memset(out, 0, n);
        const size_t k = n < size ? n : size;
        std::memcpy(out, data, k);
        data += k;
        size -= k;
    }
    int small(int limit) {
        uint8_t b;
        take(&b, 1);
        return b % limit;
    }
    // A text of up to `limit` units, in a buffer of its own exact size.
    char16_t* text(size_t limit) {
        uint16_t length;
        take(&length, sizeof length);
        const size_t units = length % (limit + 1);
        auto* t = static_cast<char16_t*>(std::malloc((units + 1) * sizeof(char16_t)));
        take(t, units * sizeof(char16_t));
        t[units] = 0;
        return t;
    }
};

bool ends_line(const char16_t* text) {
    const int n = text_length(text);
    return n >= 2 && text[n - 2] == u'\r' && text[n - 1] == u'\n';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    const int count = in.small(kMaxInputs + 1);
    ToolInput inputs[kMaxInputs];
    double values[kMaxInputs];
    char16_t* labels[kMaxInputs];
    for (int i = 0; i < count; ++i) {
        labels[i] = in.text(300);
        in.take(&values[i], sizeof values[i]);
        inputs[i] = {"k", labels[i], nullptr, 0};
    }
    ToolDef tool = *get_builtin_tool();
    tool.input_count = count;
    tool.inputs = inputs;
    char16_t* name = in.text(5000);
    tool.name = name;
    in.take(&tool.id, sizeof tool.id);
    char16_t* report = in.text(5000);
    LocalTime time;
    in.take(&time, sizeof time);

    // The product's capacities, and a small one, each in an exact-size buffer.
    const int small = 3 + in.small(200);
    for (int capacity : {kHeaderRowCapacity, small}) {
        auto* header = static_cast<char16_t*>(std::malloc(capacity * sizeof(char16_t)));
        build_header_row(&tool, header, capacity);
        if (text_length(header) >= capacity) std::abort();
        if (capacity >= 6 && !ends_line(header)) std::abort();
        char bytes[kHeaderRowBytes];
        if (capacity == kHeaderRowCapacity && utf16_to_utf8(header, bytes, kHeaderRowBytes) <= 0)
            std::abort();
        std::free(header);
    }
    for (int capacity : {kRecordRowCapacity, small}) {
        auto* row = static_cast<char16_t*>(std::malloc(capacity * sizeof(char16_t)));
        build_record_row(&tool, values, report, time, row, capacity);
        if (text_length(row) >= capacity || !ends_line(row)) std::abort();
        static char bytes[kRecordRowBytes];
        if (capacity == kRecordRowCapacity && utf16_to_utf8(row, bytes, kRecordRowBytes) <= 0)
            std::abort();
        std::free(row);
    }

    char16_t folder[kRecordFolderCapacity];
    char16_t path[kRecordPathCapacity];
    build_record_folder(report, folder, kRecordFolderCapacity);
    build_record_path(folder, tool.id, path, kRecordPathCapacity);
    if (text_length(path) >= kRecordPathCapacity) std::abort();

    for (int i = 0; i < count; ++i) std::free(labels[i]);
    std::free(name);
    std::free(report);
    return 0;
}
