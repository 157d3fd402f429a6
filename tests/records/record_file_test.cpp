#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/text.h"
#include "platform/platform.h"
#include "records/record_file.h"

namespace {

const LocalTime kTime = {2026, 3, 7, 9, 5, 4};
const std::string kBom = "\xEF\xBB\xBF";

std::string utf8(const std::u16string& text) {
    static char bytes[4 * kRecordRowCapacity];
    int n = utf16_to_utf8(text.c_str(), bytes, static_cast<int>(sizeof bytes));
    return std::string(bytes, n > 0 ? static_cast<size_t>(n - 1) : 0);
}

std::u16string widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A tool with the given inputs, otherwise the built-in one.
ToolDef tool_with(const ToolInput* inputs, int count) {
    ToolDef tool = *get_builtin_tool();
    tool.inputs = inputs;
    tool.input_count = count;
    return tool;
}

TEST(RecordRows, HeaderAndRowOfTheBuiltinTool) {
    const ToolDef* tool = get_builtin_tool();
    char16_t header[kHeaderRowCapacity];
    build_header_row(tool, header, kHeaderRowCapacity);
    EXPECT_EQ(std::u16string(header), u"时间,工具,摄氏温度,结果\r\n");

    const double values[] = {37};
    char16_t row[kRecordRowCapacity];
    build_record_row(tool, values, u"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n", kTime, row,
                     kRecordRowCapacity);
    EXPECT_EQ(std::u16string(row),
              u"2026-03-07 09:05:04,体温单位换算,摄氏温度=37,"
              u"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n\r\n");
}

TEST(RecordRows, ValuesPrintWithSixSignificantDigits) {
    const ToolDef* tool = get_builtin_tool();
    struct Case {
        double value;
        const char16_t* cell;
    } cases[] = {
        {123.4567, u"摄氏温度=123.457"}, {0.00001, u"摄氏温度=1e-05"},
        {-0.0, u"摄氏温度=-0"},          {1234567, u"摄氏温度=1.23457e+06"},
        {0.1 + 0.2, u"摄氏温度=0.3"},
    };
    for (const Case& c : cases) {
        char16_t row[kRecordRowCapacity];
        build_record_row(tool, &c.value, u"r", kTime, row, kRecordRowCapacity);
        EXPECT_EQ(std::u16string(row),
                  std::u16string(u"2026-03-07 09:05:04,体温单位换算,") + c.cell + u",r\r\n");
    }
}

TEST(RecordRows, ReportAndCellsAreCut) {
    const ToolDef* tool = get_builtin_tool();
    const double values[] = {1};
    std::u16string report(300, u'r');
    char16_t row[kRecordRowCapacity];
    build_record_row(tool, values, report.c_str(), kTime, row, kRecordRowCapacity);
    EXPECT_EQ(std::u16string(row), u"2026-03-07 09:05:04,体温单位换算,摄氏温度=1," +
                                       report.substr(0, 254) + u"\r\n");

    // A 200-unit label: the cell ",label=1" is cut at 127 units.
    const std::u16string label(200, u'L');
    const ToolInput inputs[] = {{"a", label.c_str(), nullptr, 0}};
    ToolDef tool_long = tool_with(inputs, 1);
    build_record_row(&tool_long, values, u"", kTime, row, kRecordRowCapacity);
    EXPECT_EQ(std::u16string(row), u"2026-03-07 09:05:04,体温单位换算," + label.substr(0, 126) +
                                       u",\r\n");
    char16_t header[kHeaderRowCapacity];
    build_header_row(&tool_long, header, kHeaderRowCapacity);
    EXPECT_EQ(std::u16string(header), u"时间,工具," + label.substr(0, 126) + u",结果\r\n");
}

TEST(RecordRows, FullBuffersStillEndTheLine) {
    // Sixteen inputs with long labels overflow both buffers.
    const std::u16string label(200, u'L');
    ToolInput inputs[kMaxInputs];
    double values[kMaxInputs];
    for (int i = 0; i < kMaxInputs; ++i) {
        inputs[i] = {"a", label.c_str(), nullptr, 0};
        values[i] = i;
    }
    ToolDef tool = tool_with(inputs, kMaxInputs);
    char16_t header[kHeaderRowCapacity];
    build_header_row(&tool, header, kHeaderRowCapacity);
    std::u16string h(header);
    EXPECT_EQ(h.size(), static_cast<size_t>(kHeaderRowCapacity - 1));
    EXPECT_EQ(h.substr(h.size() - 5), u",结果\r\n");

    const std::u16string report(4000, u'r');
    std::u16string name(4000, u'N');
    tool.name = name.c_str();
    char16_t row[kRecordRowCapacity];
    build_record_row(&tool, values, report.c_str(), kTime, row, kRecordRowCapacity);
    std::u16string r(row);
    EXPECT_EQ(r.size(), static_cast<size_t>(kRecordRowCapacity - 1));
    EXPECT_EQ(r.substr(r.size() - 2), u"\r\n");
}

TEST(RecordPaths, FolderAndFileName) {
    const std::u16string sep(1, kPathSeparator);
    char16_t folder[kRecordFolderCapacity];
    build_record_folder(u"/base", folder, kRecordFolderCapacity);
    EXPECT_EQ(std::u16string(folder), u"/base" + sep + u"VrelMedSuite" + sep + u"records");
    char16_t path[kRecordPathCapacity];
    struct Case {
        int id;
        const char16_t* name;
    } cases[] = {{207, u"T207.csv"}, {7, u"T007.csv"}, {1234, u"T1234.csv"}};
    for (const Case& c : cases) {
        build_record_path(u"/f", c.id, path, kRecordPathCapacity);
        EXPECT_EQ(std::u16string(path), u"/f" + sep + c.name);
    }
}

// A fresh folder under the system's temporary folder, removed afterwards.
class RecordFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vrel-records-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        base_ = pattern;
        build_record_folder(widen(base_).c_str(), folder_, kRecordFolderCapacity);
        file_ = base_ + "/VrelMedSuite/records/T207.csv";
    }
    void TearDown() override {
        std::string command = "rm -rf '" + base_ + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    bool save(double value, const char16_t* report, char16_t* path) {
        return append_record(folder_, get_builtin_tool(), &value, report, kTime, path,
                             kRecordPathCapacity);
    }

    std::string base_;
    std::string file_;
    char16_t folder_[kRecordFolderCapacity];
};

TEST_F(RecordFolder, FirstSaveWritesMarkAndHeaderLaterOnesOnlyTheRow) {
    create_record_folder(folder_);
    struct stat info {};
    ASSERT_EQ(stat((base_ + "/VrelMedSuite/records").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));

    const char16_t* report = u"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n";
    char16_t path[kRecordPathCapacity];
    ASSERT_TRUE(save(37, report, path));
    EXPECT_EQ(std::u16string(path), widen(file_));
    const std::string row = utf8(std::u16string(u"2026-03-07 09:05:04,体温单位换算,摄氏温度=37,") +
                                 report + u"\r\n");
    const std::string header = utf8(u"时间,工具,摄氏温度,结果\r\n");
    EXPECT_EQ(read_bytes(file_), kBom + header + row);

    // Creating the folder again passes the levels that exist.
    create_record_folder(folder_);
    ASSERT_TRUE(save(37, report, path));
    EXPECT_EQ(read_bytes(file_), kBom + header + row + row);

    // A deleted file counts as new again.
    ASSERT_EQ(std::remove(file_.c_str()), 0);
    ASSERT_TRUE(save(37, report, path));
    EXPECT_EQ(read_bytes(file_), kBom + header + row);
}

TEST_F(RecordFolder, FailuresAreReported) {
    char16_t path[kRecordPathCapacity];
    // No folder: nothing can be opened.
    EXPECT_FALSE(save(37, u"r", path));
    EXPECT_EQ(std::u16string(path), widen(file_));

    // A folder in the file's place: it reads, but takes no appending.
    create_record_folder(folder_);
    ASSERT_EQ(mkdir(file_.c_str(), 0777), 0);
    EXPECT_FALSE(save(37, u"r", path));
}

TEST_F(RecordFolder, WorstCaseTextsConvertWhole) {
    create_record_folder(folder_);
    // Three UTF-8 bytes per unit throughout: the largest rows there are.
    const std::u16string wide_text(5000, u'温');
    ToolInput inputs[kMaxInputs];
    double values[kMaxInputs];
    for (int i = 0; i < kMaxInputs; ++i) {
        inputs[i] = {"a", wide_text.c_str(), nullptr, 0};
        values[i] = 1;
    }
    ToolDef tool = tool_with(inputs, kMaxInputs);
    tool.name = wide_text.c_str();
    char16_t path[kRecordPathCapacity];
    ASSERT_TRUE(append_record(folder_, &tool, values, wide_text.c_str(), kTime, path,
                              kRecordPathCapacity));
    char16_t header[kHeaderRowCapacity];
    char16_t row[kRecordRowCapacity];
    build_header_row(&tool, header, kHeaderRowCapacity);
    build_record_row(&tool, values, wide_text.c_str(), kTime, row, kRecordRowCapacity);
    EXPECT_EQ(text_length(header), kHeaderRowCapacity - 1);
    EXPECT_EQ(text_length(row), kRecordRowCapacity - 1);
    EXPECT_EQ(read_bytes(file_), kBom + utf8(header) + utf8(row));
}

}  // namespace
