// The readiness check in the window.
#include "simhost/app/window/CheckPanel.h"

#include <algorithm>

#include "simhost/app/window/ViewPaint.h"
#include "simhost/lib/SimText.h"

namespace {

const COLORREF kError = RGB(255, 90, 80);
const COLORREF kWarning = RGB(250, 180, 70);
const COLORREF kFix = RGB(120, 190, 255);

// The configuration file's time and size: a save, by the window or the dialog, changes it.
std::string FileStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return "none";
    }
    return std::to_string(data.ftLastWriteTime.dwHighDateTime) + "." +
           std::to_string(data.ftLastWriteTime.dwLowDateTime) + "." + std::to_string(data.nFileSizeLow);
}

std::string CurrentFolder() {
    char folder[MAX_PATH * 2];
    DWORD length = GetCurrentDirectoryA(sizeof(folder), folder);
    return length > 0 && length < sizeof(folder) ? std::string(folder) : std::string(".");
}

} // namespace

void CheckPanelFollow(CheckPanel* panel, const HostViewModel& model, const std::string& configPath, bool force) {
    panel->applies = model.file && model.file->spec.cfg && !model.file->cfgPath.empty();
    if (!panel->applies) {
        panel->key.clear();
        panel->check = WindowCheck();
        return;
    }
    panel->fltsim = model.file->fltsim;
    std::string key = model.file->cfgPath + "|" + FileStamp(model.file->cfgPath) + "|" +
                      std::to_string(model.file->fltsim) + "|" + configPath + "|" +
                      FileStamp(configPath) + "|" + std::to_string((int)SimCurrentLanguage());
    if (!force && key == panel->key) {
        return;
    }
    panel->key = key;
    panel->check = WindowCheckRun(model.file->cfgPath, model.file->fltsim, CurrentFolder());
}

void CheckPanelDraw(HDC dc, const RECT& box, CheckPanel* panel) {
    ViewFillBox(dc, box, kPanel);
    ViewFrame(dc, box, RGB(70, 80, 95));
    panel->rows.assign(panel->check.findings.size(), RECT());
    int x = box.left + 8;
    int y = box.top + 4;
    HFONT font = ViewGetFonts().small;
    if (!panel->applies) {
        ViewText(dc, x, y, ViewSay(kTextViewCheckNoCfg), kDim, font);
        return;
    }
    const WindowCheck& check = panel->check;
    if (!check.ran) {
        ViewText(dc, x, y, ViewSay(kTextViewCheckFailed, {SimWideFromUtf8(check.error)}), kError, font);
        return;
    }
    // The verdict first, so that it shows however narrow the panel.
    std::wstring verdict = ViewSay(check.ready ? kTextViewCheckReady : kTextViewCheckNotReady);
    ViewText(dc, x, y, verdict, check.ready ? RGB(110, 220, 120) : kError, ViewGetFonts().bold);
    int after = x + ViewTextSize(dc, verdict, ViewGetFonts().bold).cx + 8;
    ViewTextIn(dc, {after, y + 1, box.right - 8, y + 17}, ViewSay(kTextViewCheckTitle, {std::to_wstring(panel->fltsim)}),
               kDim, font);
    y += 20;
    SelectObject(dc, font);
    for (size_t i = 0; i < check.findings.size() && y < box.bottom - 12; i++) {
        const WindowFinding& finding = check.findings[i];
        COLORREF colour = finding.severity == "error" ? kError : finding.severity == "warning" ? kWarning : kDim;
        std::wstring text = L"\x2022 " + SimWideFromUtf8(finding.text);
        if (finding.fix != kFixNone) {
            text += L"  " + ViewSay(kTextViewCheckFix);
        }
        RECT row = {x, y, box.right - 8, box.bottom - 4};
        RECT measure = row;
        DrawTextW(dc, text.c_str(), (int)text.size(), &measure, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT);
        row.bottom = std::min(measure.bottom, box.bottom - 4);
        SetTextColor(dc, finding.fix != kFixNone ? kFix : colour);
        DrawTextW(dc, text.c_str(), (int)text.size(), &row, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK | DT_END_ELLIPSIS);
        panel->rows[i] = row;
        y = row.bottom + 3;
    }
}

int CheckPanelHit(const CheckPanel& panel, POINT at) {
    for (size_t i = 0; i < panel.rows.size(); i++) {
        if (PtInRect(&panel.rows[i], at)) {
            return (int)i;
        }
    }
    return -1;
}
