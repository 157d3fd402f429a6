// The commands' Win32 glue: reads and writes the controls and AppState, and
// leaves the texts and the record file to the portable halves.
#include <cmath>

#include "engine/result.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "records/record_file.h"
#include "ui/app_state.h"
#include "ui/command_text.h"
#include "ui/commands.h"
#include "ui/maker.h"

namespace {

void show_box(const char16_t* text, const char16_t* caption, UINT icon) {
    MessageBoxW(g_app.main_window, as_wide(text), as_wide(caption), MB_OK | icon);
}

// The status line is drawn only by the main window's paint.
void repaint_status() { InvalidateRect(g_app.main_window, nullptr, FALSE); }

// Hands the text to the clipboard, which must be open. False when the memory
// could not be had or the clipboard did not take it; it is freed then.
bool put_clipboard_text(const ToolDef* tool, const char16_t* summary) {
    const int bytes = clipboard_byte_size(tool, summary);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(bytes));
    if (!memory) return false;
    auto* text = static_cast<char16_t*>(GlobalLock(memory));
    if (text) {
        build_clipboard_text(tool, summary, text, bytes / 2);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory)) return true;
    }
    GlobalFree(memory);
    return false;
}

}  // namespace

void on_calculate() {
    const ToolDef* tool = g_app.tool;
    char16_t texts[kMaxInputs][kEditTextCapacity];
    for (int i = 0; i < tool->input_count; ++i)
        GetWindowTextW(g_app.input_edits[i], as_wide(texts[i]), kEditTextCapacity);

    const int rejected = parse_input_texts(tool->input_count, texts, g_app.input_values);
    if (rejected >= 0) {
        char16_t message[kInputErrorCapacity];
        build_input_error_text(rejected, tool->inputs[rejected].label, message,
                               kInputErrorCapacity);
        show_box(message, u"输入有误", MB_ICONWARNING);
        SetFocus(g_app.input_edits[rejected]);
        return;
    }

    char16_t report[kReportCapacity];
    char16_t verdict[kVerdictCapacity];
    compute_tool_result(tool, g_app.input_values, report, kReportCapacity, verdict,
                        kVerdictCapacity, &g_app.level, g_app.report_copy,
                        capacity_of(g_app.report_copy));
    text_copy(g_app.summary_text, capacity_of(g_app.summary_text), u"");
    SetWindowTextW(g_app.result_box, as_wide(report));
    SetWindowTextW(g_app.verdict_label, as_wide(verdict));
    build_summary(tool, report, verdict, g_app.summary_text, capacity_of(g_app.summary_text));

    // The label's background must go too, or the old colour's text shows.
    InvalidateRect(g_app.verdict_label, nullptr, TRUE);
    repaint_status();
    build_calculated_status(tool, g_app.status_text, capacity_of(g_app.status_text));
    repaint_status();
    // Off the controls, so a held F5 calculates once.
    SetFocus(g_app.main_window);
}

void on_copy_result() {
    if (!g_app.report_copy[0]) {
        show_box(u"请先点击“计算”生成结果。", u"提示", MB_ICONINFORMATION);
        return;
    }
    bool copied = false;
    if (OpenClipboard(g_app.main_window)) {
        EmptyClipboard();
        copied = put_clipboard_text(g_app.tool, g_app.summary_text);
        CloseClipboard();
    }
    text_copy(g_app.status_text, capacity_of(g_app.status_text),
              copied ? u"结果已复制到剪贴板" : u"复制失败：剪贴板暂不可用，请重试");
    repaint_status();
}

void on_reset() {
    const ToolDef* tool = g_app.tool;
    char16_t text[kDefaultValueCapacity];
    for (int i = 0; i < tool->input_count; ++i) {
        build_default_value_text(tool->inputs[i].default_value, text, kDefaultValueCapacity);
        SetWindowTextW(g_app.input_edits[i], as_wide(text));
    }
    SetWindowTextW(g_app.result_box, L"");
    SetWindowTextW(g_app.verdict_label, as_wide(u"填写左侧参数，点击“计算”"));
    SetWindowTextW(g_app.note_label, as_wide(tool->note ? tool->note : u""));
    text_copy(g_app.report_copy, capacity_of(g_app.report_copy), u"");
    g_app.level = kLevelNormal;
    text_copy(g_app.status_text, capacity_of(g_app.status_text), u"已恢复默认值");
    repaint_status();
}

void on_about() {
    char16_t text[kAboutTextCapacity];
    build_about_text(g_app.tool, kMakerWebAddress, text, kAboutTextCapacity);
    show_box(text, u"关于本工具", MB_ICONINFORMATION);
}

void save_record() {
    if (!g_app.report_copy[0]) {
        show_box(u"请先点击“计算”生成结果，再保存记录。", u"提示", MB_ICONINFORMATION);
        return;
    }
    char16_t appdata[kRecordFolderCapacity];
    char16_t folder[kRecordFolderCapacity];
    platform_local_appdata_folder(appdata, kRecordFolderCapacity);
    build_record_folder(appdata, folder, kRecordFolderCapacity);
    create_record_folder(folder);
    const LocalTime now = platform_local_time();
    char16_t path[kRecordPathCapacity];
    const bool saved = append_record(folder, g_app.tool, g_app.input_values, g_app.report_copy,
                                     now, path, kRecordPathCapacity);
    if (saved) {
        format_text(g_app.status_text, capacity_of(g_app.status_text), u"记录已保存：%ls", path);
        repaint_status();
        show_box(u"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", u"已保存",
                 MB_ICONINFORMATION);
    } else {
        format_text(g_app.status_text, capacity_of(g_app.status_text), u"记录保存失败：%ls",
                    path);
        repaint_status();
        show_box(u"本次结果未能写入本地记录文件，请关闭正在使用该文件的程序（如 Excel）后重试。",
                 u"保存失败", MB_ICONWARNING);
    }
}

bool run_command(int id) {
    switch (id & 0xFFFF) {
    case kIdCalculate: on_calculate(); return true;
    case kIdSaveRecord: save_record(); return true;
    case kIdCopyResult: on_copy_result(); return true;
    case kIdReset: on_reset(); return true;
    case kIdAbout: on_about(); return true;
    default: return false;
    }
}
